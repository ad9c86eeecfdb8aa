#include "numerology/NumberReportWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

namespace numerology {

QColor paletteColour(int index) {
  static const quint32 bgr[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                  0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                  0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return platform::vbColor(bgr[(index >= 0 && index < 16) ? index : 0]);
}

void appendPieces(platform::RichTextBox* box, const ReportPieces& pieces) {
  box->setSelStart(box->Text().size());
  for (const ReportPiece& p : pieces) {
    box->setSelBold(p.bold);
    box->setSelColor(paletteColour(p.colour));
    box->setSelText(p.text);
  }
  box->setSelBold(false);
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
