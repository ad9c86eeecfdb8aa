#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <memory>
#include <optional>

#include "platform/Services.h"
#include "platform/VbString.h"

namespace platform {

QColor vbColor(quint32 bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  document()->setDocumentMargin(2);
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    if (urlDetect_) refreshUrlMarks();
  });
}

QString RichTextBox::Text() const { return vb::toCrLf(document()->toPlainText()); }

void RichTextBox::setText(const QString& text) {
  insertFormat_ = QTextCharFormat();
  alignment_ = 0;
  QTextEdit::setPlainText(vb::fromCrLf(text));
  QTextCursor c(document());
  c.select(QTextCursor::Document);
  QTextBlockFormat bf;
  bf.setAlignment(Qt::AlignLeft);
  c.setBlockFormat(bf);
  c.clearSelection();
  c.movePosition(QTextCursor::Start);
  setTextCursor(c);
}

int RichTextBox::toDocPos(int vbPos) const {
  if (vbPos <= 0) return 0;
  int vb = 0;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    const int len = b.length() - 1;  // without the separator
    if (vbPos <= vb + len) return b.position() + (vbPos - vb);
    if (!b.next().isValid()) return b.position() + len;
    // Within the CR LF pair: the end of this line.
    if (vbPos < vb + len + 2) return b.position() + len;
    vb += len + 2;
  }
  return document()->characterCount() - 1;
}

int RichTextBox::toVbPos(int docPos) const {
  const QTextBlock b = document()->findBlock(docPos);
  if (!b.isValid()) return Text().size();
  return docPos + b.blockNumber();  // one extra character per earlier line break
}

int RichTextBox::SelStart() const { return toVbPos(textCursor().selectionStart()); }

void RichTextBox::setSelStart(int pos) {
  QTextCursor c = textCursor();
  c.setPosition(toDocPos(qMax(0, pos)));
  setTextCursor(c);
  // The insertion point takes the look of the text just before it.
  const QTextCharFormat at = c.charFormat();
  insertFormat_ = QTextCharFormat();
  if (at.fontWeight() >= QFont::Bold) insertFormat_.setFontWeight(QFont::Bold);
  if (at.fontUnderline()) insertFormat_.setFontUnderline(true);
  if (at.hasProperty(QTextFormat::ForegroundBrush)) insertFormat_.setForeground(at.foreground());
  alignment_ = (c.blockFormat().alignment() & Qt::AlignHCenter) ? 2
               : (c.blockFormat().alignment() & Qt::AlignRight) ? 1 : 0;
}

int RichTextBox::SelLength() const {
  const QTextCursor c = textCursor();
  return toVbPos(c.selectionEnd()) - toVbPos(c.selectionStart());
}

void RichTextBox::setSelLength(int len) {
  QTextCursor c = textCursor();
  const int startVb = toVbPos(c.selectionStart());
  c.setPosition(c.selectionStart());
  c.setPosition(toDocPos(startVb + qMax(0, len)), QTextCursor::KeepAnchor);
  setTextCursor(c);
}

QString RichTextBox::SelText() const {
  return vb::toCrLf(textCursor().selection().toPlainText());
}

void RichTextBox::setSelText(const QString& text) {
  QTextCursor c = textCursor();
  c.beginEditBlock();
  if (c.hasSelection()) c.removeSelectedText();
  QTextCharFormat f = insertFormat_;
  f.setFont(document()->defaultFont(), QTextCharFormat::FontPropertiesSpecifiedOnly);
  if (insertFormat_.fontWeight() >= QFont::Bold) f.setFontWeight(QFont::Bold);
  else f.setFontWeight(QFont::Normal);
  f.setFontUnderline(insertFormat_.fontUnderline());
  c.insertText(vb::fromCrLf(text), f);
  c.endEditBlock();
  setTextCursor(c);
}

bool RichTextBox::SelBold() const { return insertFormat_.fontWeight() >= QFont::Bold; }

void RichTextBox::setSelBold(bool on) {
  insertFormat_.setFontWeight(on ? QFont::Bold : QFont::Normal);
  QTextCursor c = textCursor();
  if (c.hasSelection()) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    c.mergeCharFormat(f);
  }
}

bool RichTextBox::SelUnderline() const { return insertFormat_.fontUnderline(); }

void RichTextBox::setSelUnderline(bool on) {
  insertFormat_.setFontUnderline(on);
  QTextCursor c = textCursor();
  if (c.hasSelection()) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    c.mergeCharFormat(f);
  }
}

QColor RichTextBox::SelColor() const {
  return insertFormat_.hasProperty(QTextFormat::ForegroundBrush)
             ? insertFormat_.foreground().color()
             : QColor(Qt::black);
}

void RichTextBox::setSelColor(const QColor& col) {
  insertFormat_.setForeground(col);
  QTextCursor c = textCursor();
  if (c.hasSelection()) {
    QTextCharFormat f;
    f.setForeground(col);
    c.mergeCharFormat(f);
  }
}

int RichTextBox::SelAlignment() const { return alignment_; }

void RichTextBox::setSelAlignment(int a) {
  alignment_ = a;
  QTextBlockFormat bf;
  bf.setAlignment(a == 2 ? Qt::AlignHCenter : a == 1 ? Qt::AlignRight : Qt::AlignLeft);
  QTextCursor c = textCursor();
  c.mergeBlockFormat(bf);
}

void RichTextBox::append(const QString& text) {
  const QTextCharFormat keep = insertFormat_;
  const int align = alignment_;
  setSelStart(Text().size());
  insertFormat_ = keep;
  alignment_ = align;
  setSelText(text);
}

bool RichTextBox::printSelection() const {
  std::unique_ptr<QTextDocument> doc;
  const QTextCursor c = textCursor();
  if (c.hasSelection()) {
    doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(document()->defaultFont());
    QTextCursor(doc.get()).insertFragment(c.selection());
  } else {
    doc.reset(document()->clone());
  }
  return services().print(*doc);
}

// Clickable addresses: marked for display only (extra selections), so the
// document's own text and formats stay as written.
namespace {
const QRegularExpression& urlPattern() {
  static const QRegularExpression re(
      QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)"),
      QRegularExpression::CaseInsensitiveOption);
  return re;
}
}  // namespace

void RichTextBox::setUrlDetect(bool on) {
  urlDetect_ = on;
  viewport()->setMouseTracking(on);
  refreshUrlMarks();
}

void RichTextBox::refreshUrlMarks() {
  QList<QTextEdit::ExtraSelection> marks;
  if (urlDetect_) {
    const QString plain = document()->toPlainText();
    auto it = urlPattern().globalMatch(plain);
    while (it.hasNext()) {
      const auto m = it.next();
      QTextEdit::ExtraSelection sel;
      sel.cursor = QTextCursor(document());
      sel.cursor.setPosition(int(m.capturedStart()));
      sel.cursor.setPosition(int(m.capturedEnd()), QTextCursor::KeepAnchor);
      sel.format.setFontUnderline(true);
      sel.format.setForeground(QColor(0, 0, 255));
      marks << sel;
    }
  }
  setExtraSelections(marks);
}

QString RichTextBox::urlAt(const QPoint& viewportPos) const {
  const QTextCursor c = cursorForPosition(viewportPos);
  const int pos = c.position();
  const QString plain = document()->toPlainText();
  auto it = urlPattern().globalMatch(plain);
  while (it.hasNext()) {
    const auto m = it.next();
    if (pos >= m.capturedStart() && pos < m.capturedEnd()) {
      // Only a press on the address's own glyphs counts, not the space after
      // a line's end.
      const QRect r = cursorRect(c);
      if (qAbs(r.center().y() - viewportPos.y()) > r.height()) return QString();
      return m.captured(0);
    }
  }
  return QString();
}

void RichTextBox::mousePressEvent(QMouseEvent* e) {
  QString address;
  if (urlDetect_ && e->button() == Qt::LeftButton) address = urlAt(e->position().toPoint());
  QTextEdit::mousePressEvent(e);  // the press still reaches the box
  if (!address.isEmpty()) emit urlClicked(address);
}

namespace {

// The format of a block made only of underlined spaces, or nothing.
std::optional<QTextCharFormat> ruleFormat(const QTextBlock& b) {
  if (b.length() <= 1) return std::nullopt;
  std::optional<QTextCharFormat> format;
  for (auto it = b.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    if (!f.charFormat().fontUnderline()) return std::nullopt;
    for (QChar ch : f.text())
      if (ch != QLatin1Char(' ')) return std::nullopt;
    if (!format) format = f.charFormat();
  }
  return format;
}

}  // namespace

void RichTextBox::paintEvent(QPaintEvent* e) {
  QTextEdit::paintEvent(e);
  QAbstractTextDocumentLayout* layout = document()->documentLayout();
  const QPointF offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  const QRectF exposed = QRectF(e->rect()).translated(-offset);
  QPainter p(viewport());
  p.translate(offset);
  for (QTextBlock b = cursorForPosition(QPoint(0, 0)).block(); b.isValid(); b = b.next()) {
    const QRectF r = layout->blockBoundingRect(b);
    if (r.top() > exposed.bottom()) break;
    if (r.bottom() < exposed.top() || !b.layout() || b.layout()->lineCount() == 0) continue;
    const std::optional<QTextCharFormat> f = ruleFormat(b);
    if (!f) continue;
    const QTextLine line = b.layout()->lineAt(0);
    const QFontMetricsF fm(f->font());
    const qreal y = r.top() + line.y() + line.ascent() + fm.underlinePos();
    p.setPen(QPen(f->hasProperty(QTextFormat::ForegroundBrush) ? f->foreground().color()
                                                               : palette().color(QPalette::Text),
                  qMax<qreal>(1.0, fm.lineWidth())));
    p.drawLine(QPointF(r.left() + line.x(), y), QPointF(r.right(), y));
  }
}

void RichTextBox::mouseMoveEvent(QMouseEvent* e) {
  if (urlDetect_)
    viewport()->setCursor(urlAt(e->position().toPoint()).isEmpty() ? Qt::IBeamCursor
                                                                   : Qt::PointingHandCursor);
  QTextEdit::mouseMoveEvent(e);
}

}  // namespace platform
