#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "platform/Services.h"

// The services that need windows: message boxes, the common dialogs and the
// printer.
namespace platform {
namespace {

// "Description|pattern|Description|pattern" to the name filters of QFileDialog.
QStringList qtFilters(const QString& vbFilter) {
  QStringList out;
  const QStringList parts = vbFilter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2)
    out << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1].trimmed());
  if (out.isEmpty()) out << QStringLiteral("All files (*)");
  return out;
}

std::optional<QString> runDialog(const FileDialogRequest& r, bool save) {
  QFileDialog dlg(QApplication::activeWindow(), r.title);
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = qtFilters(r.filter);
  dlg.setNameFilters(filters);
  const int idx = r.filterIndex - 1;
  dlg.selectNameFilter(filters.value(idx >= 0 && idx < filters.size() ? idx : 0));
  if (!r.defaultExt.isEmpty()) dlg.setDefaultSuffix(r.defaultExt);
  if (!r.overwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite);
  if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first();
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
  doc.print(&printer);
  return printer.printerState() != QPrinter::Error;
}

}  // namespace

Services realServices() {
  Services s = coreServices();
  s.msgBox = realMsgBox;
  s.saveDialog = [](const FileDialogRequest& r) { return runDialog(r, true); };
  s.openDialog = [](const FileDialogRequest& r) { return runDialog(r, false); };
  s.print = realPrint;
  return s;
}

}  // namespace platform
