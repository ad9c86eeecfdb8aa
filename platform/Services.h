#pragma once
#include <QDate>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QTextDocument;
class QWidget;

// The services a test cannot drive for real. The program uses the real ones;
// a test replaces any field with its own stand-in (see tests/testsupport.h).
namespace platform {

// Message box styles and answers.
enum MsgBoxStyle {
  vbOKOnly = 0,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
};
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// What an open or save dialog is asked for.
struct FileDialogRequest {
  QString filter;       // "Description|pattern" pairs, e.g. "Auravane | *.lqs"
  int filterIndex = 1;  // 1-based; an index past the list selects the first
  QString defaultExt;   // without the dot; added to a name typed without one
  QString title;
  QString fileName;     // initial name
  bool overwritePrompt = true;
};

struct Services {
  // Today's date.
  std::function<QDate()> today;
  // The next pseudo-random number in [0, 1), on a 2^-24 grid.
  std::function<double()> rnd;
  // Reseeds the generator from the clock.
  std::function<void()> randomize;
  // Pause the calling thread.
  std::function<void(int ms)> sleep;
  // Let pending window events run; user input waits (repaints run, clicks
  // are delivered later).
  std::function<void()> doEvents;
  // A message box; returns one of MsgBoxResult.
  std::function<int(const QString& text, int style, const QString& title)> msgBox;
  // The common dialogs: the chosen file, or nothing when cancelled.
  std::function<std::optional<QString>(const FileDialogRequest&)> saveDialog;
  std::function<std::optional<QString>(const FileDialogRequest&)> openDialog;
  // Print a document on the default printer; false when there is no printer.
  std::function<bool(const QTextDocument&)> print;
  // Open an address in the user's browser (never through a shell).
  std::function<void(const QUrl&)> openUrl;
  // End the program. The real one does not return.
  std::function<void()> endProgram;
  // The folder that holds the program.
  std::function<QString()> programFolder;
};

// The services in force. Until the windows' half is installed (see
// platform/App.h) they are the core ones.
Services& services();
// The real services that need no windows: clock, generator, pause, event
// pump, browser, end, program folder. Message boxes, dialogs and the printer
// are stand-ins that ask no one.
Services coreServices();
// Every real service, windows included (built into the windows' library).
Services realServices();

// Convenience wrappers over services().
QDate Today();
double Rnd();
void Randomize();
void Sleep(int ms);
void DoEvents();
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());
void OpenUrl(const QUrl& url);
void ClearClipboard();

// The program's title, shown on message boxes that have none of their own:
// the application's name.
QString programTitle();
// The folder that holds the program (cards/ and pic/ lie beside it).
QString programFolder();
// The program's executable name without extension.
QString exeName();

// The real generator: a 24-bit linear congruential generator.
class Lcg24 {
 public:
  explicit Lcg24(quint32 seed = 0x50000) : state_(seed & 0xFFFFFF) {}
  double next();
  // Mix a seed into the state, as a reseed from the clock does.
  void reseed(quint32 seed);
 private:
  quint32 state_;
};

}  // namespace platform
