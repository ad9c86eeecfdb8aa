#include "platform/Services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QThread>
#include <QTime>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace platform {

double Lcg24::next() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return double(state_) / double(1u << 24);
}

void Lcg24::reseed(quint32 seed) {
  // Keep part of the old state so that two reseeds within one clock tick
  // still give different sequences.
  state_ = ((state_ << 8) ^ seed ^ (seed >> 8) ^ (seed >> 16)) & 0xFFFFFFu;
}

namespace {

Lcg24& generator() {
  static Lcg24 g;
  return g;
}

// The folder the next open or save dialog starts in: the last one used
// during the run, else the user's documents folder (the program's own
// folder cannot be written once installed).
QString& lastDialogFolder() {
  static QString folder;
  return folder;
}

std::optional<QString> runDialog(const FileDialogRequest& r, bool save) {
  QFileDialog dlg(QApplication::activeWindow(), r.title);
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = dialogNameFilters(r.filter);
  dlg.setNameFilters(filters);
  const int idx = r.filterIndex - 1;
  dlg.selectNameFilter(filters.value(idx >= 0 && idx < filters.size() ? idx : 0));
  if (!r.defaultExt.isEmpty()) dlg.setDefaultSuffix(r.defaultExt);
  if (!r.overwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite);
  dlg.setDirectory(dialogStartFolder());
  if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dlg.selectedFiles().first();
  lastDialogFolder() = QFileInfo(chosen).absolutePath();
  return chosen;
}

int realMsgBox(const QString& text, int style, const QString& title) {
  QString shown = text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title.isEmpty() ? programTitle() : title);
  box.setText(shown);
  switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  if ((style & 0x7) == vbYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return vbOK;
}

bool realPrint(const QTextDocument& doc) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return false;
  QPrinter printer(info, QPrinter::HighResolution);
  return printOn(doc, printer);
}

Services& current() {
  static Services s = realServices();
  return s;
}

}  // namespace

QStringList dialogNameFilters(const QString& vbFilter) {
  QStringList out;
  const QStringList parts = vbFilter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString pattern = parts[i + 1].trimmed();
    // A description that already shows its pattern keeps it once.
    const QString shown = QStringLiteral("(") + pattern + QStringLiteral(")");
    out << (description.endsWith(shown) ? description : description + QLatin1Char(' ') + shown);
  }
  if (out.isEmpty()) out << QStringLiteral("All files (*)");
  return out;
}

QString dialogStartFolder() {
  const QString last = lastDialogFolder();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

bool printOn(const QTextDocument& source, QPrinter& printer) {
  // Printed as a paginated document laid out for the printer's page, so the
  // paper holds the document's text and nothing else (an unpaginated
  // document would get page numbers added).
  std::unique_ptr<QTextDocument> doc(source.clone());
  doc->documentLayout()->setPaintDevice(&printer);
  doc->setPageSize(QSizeF(printer.width(), printer.height()));
  doc->setDocumentMargin(2.0 / 2.54 * printer.resolution());  // 2 cm
  doc->print(&printer);
  return printer.printerState() != QPrinter::Error;
}

Services realServices() {
  Services s;
  s.today = [] { return QDate::currentDate(); };
  s.rnd = [] { return generator().next(); };
  s.randomize = [] {
    const QTime now = QTime::currentTime();
    generator().reseed(quint32(now.msecsSinceStartOfDay()));
  };
  s.sleep = [](int ms) { QThread::msleep(ms > 0 ? ms : 0); };
  s.doEvents = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  s.msgBox = realMsgBox;
  s.saveDialog = [](const FileDialogRequest& r) { return runDialog(r, true); };
  s.openDialog = [](const FileDialogRequest& r) { return runDialog(r, false); };
  s.print = realPrint;
  s.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  s.endProgram = [] {
    // Every setting and file is written through at once, so nothing is left
    // to flush but the standard streams.
    std::fflush(nullptr);
    std::_Exit(0);
  };
  s.programFolder = [] { return QCoreApplication::applicationDirPath(); };
  return s;
}

Services& services() { return current(); }

QDate Today() { return current().today(); }
double Rnd() { return current().rnd(); }
void Randomize() { current().randomize(); }
void Sleep(int ms) { current().sleep(ms); }
void DoEvents() { current().doEvents(); }
int MsgBox(const QString& text, int style, const QString& title) {
  return current().msgBox(text, style, title);
}
void OpenUrl(const QUrl& url) { current().openUrl(url); }

void ClearClipboard() {
  if (auto* cb = QGuiApplication::clipboard()) cb->clear();
}

QString programTitle() { return QStringLiteral("Auravane"); }

QString programFolder() { return current().programFolder(); }

QString exeName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace platform
