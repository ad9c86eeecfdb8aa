#pragma once
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <deque>
#include <optional>

#include "platform/Services.h"

// Stand-ins for the services a test cannot drive for real, and the set-up
// that every test executable shares. This half needs no windows: tests of
// plain code link only it and the model.
namespace testsupport {

struct ShownBox {
  QString text;
  int style;
  QString title;
};

struct Fakes {
  QDate today{2026, 12, 10};
  std::deque<double> rnd;          // scripted values; when empty, a fixed generator runs
  platform::Lcg24 fallback{12345};
  int randomizeCalls = 0;
  QList<int> sleeps;
  int doEventsCalls = 0;
  QList<ShownBox> boxes;
  std::deque<int> answers;         // answers to Yes/No boxes; vbNo when empty
  std::deque<std::optional<QString>> saveChoices, openChoices;
  QList<platform::FileDialogRequest> saveRequests, openRequests;
  QStringList printed;             // plain text of each printed document
  bool printerPresent = true;
  QList<QUrl> urls;
  int endCalls = 0;
};

// Installs fresh fakes and returns them.
Fakes& fakes();
void installFakes();
// Returns every registered program state to its start, pins the locale
// again (English, United States, for every test) and installs fresh fakes.
void resetModel();
void pinLocale();
// A temporary folder for files the test writes.
QString tempDir();

void initCoreTestApp(QCoreApplication& app);

// A disk that fills up part-way: while it lives, no file of this process
// can grow past the given size (a write beyond it fails as on a full disk).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(qint64 bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  quint64 previous_;
  void (*previousHandler_)(int);
};

}  // namespace testsupport

// The main of a test of plain code: no windows, no QApplication.
#define AURAVANE_MODEL_TEST_MAIN(TestClass)            \
  int main(int argc, char** argv) {                    \
    QCoreApplication app(argc, argv);                  \
    testsupport::initCoreTestApp(app);                 \
    TestClass tc;                                      \
    QTEST_SET_MAIN_SOURCE_PATH                         \
    return QTest::qExec(&tc, argc, argv);              \
  }
