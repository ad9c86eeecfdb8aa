#include "numerology/NumberReportWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

#include "shell/ReportWriter.h"

namespace numerology {

void appendPieces(platform::RichTextBox* box, const ReportPieces& pieces) {
  shell::ReportWriter w(box);
  for (const ReportPiece& p : pieces) w.setBold(p.bold).setColour(p.colour).plain(p.text);
  w.setBold(false);
}

namespace {

// The clipboard contents the report boxes created, while they live (the
// clipboard owns and deletes them).
QList<QPointer<QMimeData>>& ownCopies() {
  static QList<QPointer<QMimeData>> list;
  return list;
}

}  // namespace

ReportBox::ReportBox(QWidget* parent) : platform::RichTextBox(parent) {}

QMimeData* ReportBox::createMimeDataFromSelection() const {
  QMimeData* data = platform::RichTextBox::createMimeDataFromSelection();
  QList<QPointer<QMimeData>>& own = ownCopies();
  own.removeAll(QPointer<QMimeData>());
  own.append(data);
  return data;
}

void clearOwnClipboard() {
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb) return;
  const auto ours = [cb](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard ? cb->ownsClipboard() : cb->ownsSelection()) return true;
    // Where the platform keeps the clipboard inside the program, ownership is
    // not reported: the contents are then recognised as the report's own copy.
    const QMimeData* held = cb->mimeData(mode);
    if (!held) return false;
    for (const QPointer<QMimeData>& p : ownCopies())
      if (p == held) return true;
    return false;
  };
  if (ours(QClipboard::Clipboard)) cb->clear(QClipboard::Clipboard);
  if (cb->supportsSelection() && ours(QClipboard::Selection)) cb->clear(QClipboard::Selection);
}

}  // namespace numerology
