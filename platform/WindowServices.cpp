#include <QApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <memory>

#include "platform/Services.h"
#include "platform/WindowServices.h"

// The services that need windows: message boxes, the common dialogs and the
// printer.
namespace platform {
namespace {

// The folder of the last file chosen in an open or save dialog during the
// run.
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
  // The document is laid out for the printer's page at the resolution its
  // text is measured in (the screen's), then painted page by page scaled to
  // the printer, so the paper holds the document's text and nothing else
  // (the toolkit's own printing adds page numbers).
  std::unique_ptr<QTextDocument> doc(source.clone());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal sourceDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
  const qreal scale = printer.logicalDpiY() / sourceDpi;
  const QSizeF page(printer.width() / scale, printer.height() / scale);
  doc->setPageSize(page);
  doc->setDocumentMargin(2.0 / 2.54 * sourceDpi);  // 2 cm
  painter.scale(scale, scale);
  const int pages = doc->pageCount();
  for (int i = 0; i < pages; ++i) {
    if (i > 0 && !printer.newPage()) break;
    const QRectF area(QPointF(0, i * page.height()), page);
    painter.save();
    painter.translate(0, -area.top());
    doc->drawContents(&painter, area);
    painter.restore();
  }
  painter.end();
  return printer.printerState() != QPrinter::Error;
}

Services realServices() {
  Services s = coreServices();
  s.msgBox = realMsgBox;
  s.saveDialog = [](const FileDialogRequest& r) { return runDialog(r, true); };
  s.openDialog = [](const FileDialogRequest& r) { return runDialog(r, false); };
  s.print = realPrint;
  return s;
}

}  // namespace platform
