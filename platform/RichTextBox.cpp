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
#include <algorithm>
#include <memory>
#include <optional>

#include "platform/Services.h"
#include "platform/VbString.h"

namespace platform {

QColor vbColor(quint32 bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace {

// A paragraph holding a run of more than this many characters without a
// blank is laid out as one line (the box scrolls sideways to it). Wrapping
// such a run costs time that grows with the square of its length, since
// each line first looks for a word end up to the end of the run: a run of
// 100,000 letters would hold the window for most of a second.
constexpr int kLongestWrappedRun = 2000;
// Marks a paragraph that the box itself keeps on one line.
constexpr int kKeptOnOneLine = QTextFormat::UserProperty + 0x5A1;

bool hasLongUnbrokenRun(const QString& s) {
  if (s.size() <= kLongestWrappedRun) return false;
  int run = 0;
  for (QChar c : s) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > kLongestWrappedRun) return true;
  }
  return false;
}

// Keeps the paragraphs from the one at `from` to the one at `to` on one
// line exactly when they hold a long unbroken run. A paragraph split off a
// kept one inherits its mark, and loses it here when its text is ordinary.
void guardLongRuns(QTextDocument* doc, int from, int to) {
  for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
    const bool marked = b.blockFormat().boolProperty(kKeptOnOneLine);
    const bool longRun = hasLongUnbrokenRun(b.text());
    if (marked == longRun) continue;
    QTextBlockFormat f = b.blockFormat();
    f.setNonBreakableLines(longRun);
    if (longRun) f.setProperty(kKeptOnOneLine, true);
    else f.clearProperty(kKeptOnOneLine);
    QTextCursor(b).setBlockFormat(f);
  }
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  document()->setDocumentMargin(2);
  // Tab moves on to the next control; the box is still typed in.
  setTabChangesFocus(true);
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int position, int removed, int added) { noteChange(position, removed, added); });
}

QString RichTextBox::Text() const { return vb::toCrLf(document()->toPlainText()); }

int RichTextBox::TextLength() const {
  // Every line break but the document's last separator is written as two
  // characters.
  const QTextDocument* doc = document();
  return (doc->characterCount() - 1) + (doc->blockCount() - 1);
}

void RichTextBox::setText(const QString& text) {
  insertFormat_ = QTextCharFormat();
  alignment_ = 0;
  // Emptying the document inside an open edit would leave that edit pointing
  // into a document that is gone: the edit ends first and starts again after.
  if (writeDepth_ > 0) writeCursor_.endEditBlock();
  QTextEdit::setPlainText(vb::fromCrLf(text));
  QTextCursor c(document());
  c.select(QTextCursor::Document);
  QTextBlockFormat bf;
  bf.setAlignment(Qt::AlignLeft);
  c.setBlockFormat(bf);
  c.clearSelection();
  c.movePosition(QTextCursor::Start);
  if (writeDepth_ > 0) {
    writeCursor_ = c;
    writeCursor_.beginEditBlock();
  } else {
    setTextCursor(c);
  }
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

QTextCursor RichTextBox::insertionCursor() const { return writeDepth_ > 0 ? writeCursor_ : textCursor(); }

void RichTextBox::placeCursor(const QTextCursor& c) {
  if (writeDepth_ > 0) writeCursor_ = c;
  else setTextCursor(c);
}

void RichTextBox::beginWrite() {
  if (writeDepth_++ > 0) return;
  // The text edit lays the whole document out again whenever its view
  // changes width, as it does when the scroll bar comes or goes. A write
  // that makes the text outgrow the box would be laid out twice: once when
  // the edit ends, and again for the bar that this brings. The bar is held
  // in place while writing, so the text is laid out once beside it; the box
  // takes its new frame now, hidden or not, while it is still short or as
  // it was.
  barHeld_ = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
  if (barHeld_) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setViewportMargins(viewportMargins());
  }
  writeCursor_ = textCursor();
  writeCursor_.beginEditBlock();
}

void RichTextBox::endWrite() {
  if (writeDepth_ == 0 || --writeDepth_ > 0) return;
  writeCursor_.endEditBlock();
  // A text that fits lets the bar go again, in a hidden box as well.
  if (barHeld_) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setViewportMargins(viewportMargins());
  }
  barHeld_ = false;
  // The view follows the insertion point once, now that the text is laid out.
  setTextCursor(writeCursor_);
  writeCursor_ = QTextCursor();
}

int RichTextBox::SelStart() const { return toVbPos(insertionCursor().selectionStart()); }

void RichTextBox::setSelStart(int pos) {
  QTextCursor c = insertionCursor();
  c.setPosition(toDocPos(qMax(0, pos)));
  placeCursor(c);
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
  const QTextCursor c = insertionCursor();
  return toVbPos(c.selectionEnd()) - toVbPos(c.selectionStart());
}

void RichTextBox::setSelLength(int len) {
  QTextCursor c = insertionCursor();
  const int startVb = toVbPos(c.selectionStart());
  c.setPosition(c.selectionStart());
  c.setPosition(toDocPos(startVb + qMax(0, len)), QTextCursor::KeepAnchor);
  placeCursor(c);
}

QString RichTextBox::SelText() const {
  return vb::toCrLf(insertionCursor().selection().toPlainText());
}

void RichTextBox::setSelText(const QString& text) {
  QTextCursor c = insertionCursor();
  c.beginEditBlock();
  if (c.hasSelection()) c.removeSelectedText();
  QTextCharFormat f = insertFormat_;
  f.setFont(document()->defaultFont(), QTextCharFormat::FontPropertiesSpecifiedOnly);
  if (insertFormat_.fontWeight() >= QFont::Bold) f.setFontWeight(QFont::Bold);
  else f.setFontWeight(QFont::Normal);
  f.setFontUnderline(insertFormat_.fontUnderline());
  const int from = c.position();
  c.insertText(vb::fromCrLf(text), f);
  guardLongRuns(document(), from, c.position());
  c.endEditBlock();
  placeCursor(c);
}

bool RichTextBox::SelBold() const { return insertFormat_.fontWeight() >= QFont::Bold; }

void RichTextBox::setSelBold(bool on) {
  insertFormat_.setFontWeight(on ? QFont::Bold : QFont::Normal);
  QTextCursor c = insertionCursor();
  if (c.hasSelection()) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    c.mergeCharFormat(f);
  }
}

bool RichTextBox::SelUnderline() const { return insertFormat_.fontUnderline(); }

void RichTextBox::setSelUnderline(bool on) {
  insertFormat_.setFontUnderline(on);
  QTextCursor c = insertionCursor();
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
  QTextCursor c = insertionCursor();
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
  QTextCursor c = insertionCursor();
  c.mergeBlockFormat(bf);
}

void RichTextBox::append(const QString& text) {
  // The insertion point goes to the end; the look set for the insert stays.
  QTextCursor c = insertionCursor();
  c.movePosition(QTextCursor::End);
  placeCursor(c);
  setSelText(text);
}

bool RichTextBox::printSelection() const {
  std::unique_ptr<QTextDocument> doc;
  const QTextCursor c = insertionCursor();
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
// document's own text and formats stay as written. An address never spans a
// line break, so a change is rescanned line by line.
namespace {

const QRegularExpression& urlPattern() {
  static const QRegularExpression re(
      QStringLiteral(R"((?<![\w@./-])(?:https?://|www\.)[^\s<>"]+)"),
      QRegularExpression::CaseInsensitiveOption |
          QRegularExpression::UseUnicodePropertiesOption);
  return re;
}

// Punctuation that closes a sentence is not part of the address before it;
// a closing bracket is, when the address opened it.
int addressLength(const QString& match) {
  int len = int(match.size());
  static const QString trailing = QStringLiteral(".,;:!?'\"");
  static const QString closers = QStringLiteral(")]}");
  static const QString openers = QStringLiteral("([{");
  while (len > 0) {
    const QChar c = match.at(len - 1);
    if (trailing.contains(c)) {
      --len;
      continue;
    }
    const int k = int(closers.indexOf(c));
    if (k >= 0) {
      const QStringView head = QStringView(match).left(len);
      if (head.count(closers.at(k)) > head.count(openers.at(k))) {
        --len;
        continue;
      }
    }
    break;
  }
  // Nothing after the scheme or the "www.": no address.
  const int prefix = match.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
                         ? 4
                         : int(match.indexOf(QLatin1String("://"))) + 3;
  return len > prefix ? len : 0;
}

}  // namespace

QUrl webAddressToOpen(const QString& linkText) {
  const QString t = linkText.trimmed();
  QString address;
  if (t.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
      t.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
    address = t;
  else if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
    address = QStringLiteral("http://") + t;
  else
    return QUrl();
  const QUrl url(address, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() ||
      (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
    return QUrl();
  return url;
}

void RichTextBox::setUrlDetect(bool on) {
  if (on == urlDetect_) return;
  urlDetect_ = on;
  urlMarks_.clear();
  if (on) {
    viewport()->setMouseTracking(true);
    noteChange(0, 0, document()->characterCount());
    viewport()->update();
  } else {
    marksStale_ = false;
    showHand(false);
    setExtraSelections({});
  }
}

void RichTextBox::noteChange(int position, int removed, int added) {
  if (!urlDetect_) return;
  const int end = position + added;
  if (!marksStale_) {
    marksStale_ = true;
    staleFrom_ = position;
    staleTo_ = end;
    return;
  }
  // Keep the stale range in step with the edit, then take the edit in.
  if (staleTo_ >= position + removed) staleTo_ += added - removed;
  else if (staleTo_ > position) staleTo_ = position;
  staleFrom_ = qMin(staleFrom_, position);
  staleTo_ = qMax(staleTo_, end);
}

void RichTextBox::updateUrlMarks() const {
  if (!marksStale_) return;
  marksStale_ = false;
  QTextDocument* doc = document();
  const int lastPos = qMax(0, doc->characterCount() - 1);
  const QTextBlock first = doc->findBlock(qBound(0, staleFrom_, lastPos));
  const QTextBlock last = doc->findBlock(qBound(0, staleTo_, lastPos));
  if (!first.isValid() || !last.isValid()) return;
  const int from = first.position();
  const int to = last.position() + last.length() - 1;

  // Drop the marks of the changed lines (and any an edit emptied) ...
  QList<QTextEdit::ExtraSelection> kept;
  int insertAt = 0;
  for (const QTextEdit::ExtraSelection& m : std::as_const(urlMarks_)) {
    const int s = m.cursor.selectionStart();
    if (!m.cursor.hasSelection() || (s >= from && s <= to)) continue;
    if (s < from) ++insertAt;
    kept << m;
  }
  // ... and scan those lines again.
  QList<QTextEdit::ExtraSelection> found;
  for (QTextBlock b = first; b.isValid(); b = b.next()) {
    const QString line = b.text();
    auto it = urlPattern().globalMatch(line);
    while (it.hasNext()) {
      const QRegularExpressionMatch m = it.next();
      const int len = addressLength(m.captured(0));
      if (len == 0) continue;
      QTextEdit::ExtraSelection sel;
      sel.cursor = QTextCursor(doc);
      sel.cursor.setPosition(b.position() + int(m.capturedStart()));
      sel.cursor.setPosition(b.position() + int(m.capturedStart()) + len, QTextCursor::KeepAnchor);
      sel.format.setFontUnderline(true);
      sel.format.setForeground(QColor(0, 0, 255));
      found << sel;
    }
    if (b == last) break;
  }
  for (int i = 0; i < found.size(); ++i) kept.insert(insertAt + i, found[i]);
  urlMarks_ = kept;
  const_cast<RichTextBox*>(this)->setExtraSelections(urlMarks_);
}

QList<RichTextBox::UrlSpan> RichTextBox::urlSpans() const {
  updateUrlMarks();
  QList<UrlSpan> out;
  for (const QTextEdit::ExtraSelection& m : std::as_const(urlMarks_))
    out << UrlSpan{toVbPos(m.cursor.selectionStart()), m.cursor.selectedText()};
  return out;
}

QString RichTextBox::urlAt(const QPoint& viewportPos) const {
  if (!urlDetect_) return QString();
  updateUrlMarks();
  if (urlMarks_.isEmpty()) return QString();
  // Only a press on the address's own characters counts, not the empty
  // space beside a line.
  const QPointF contentPos(viewportPos.x() + horizontalScrollBar()->value(),
                           viewportPos.y() + verticalScrollBar()->value());
  const int pos = document()->documentLayout()->hitTest(contentPos, Qt::ExactHit);
  if (pos < 0) return QString();
  auto it = std::upper_bound(
      urlMarks_.cbegin(), urlMarks_.cend(), pos,
      [](int p, const QTextEdit::ExtraSelection& m) { return p < m.cursor.selectionStart(); });
  if (it == urlMarks_.cbegin()) return QString();
  --it;
  if (pos >= it->cursor.selectionEnd()) return QString();
  return it->cursor.selectedText();
}

void RichTextBox::showHand(bool on) {
  if (on == handShown_) return;
  handShown_ = on;
  if (on) {
    cursorBeforeHand_ = viewport()->cursor();
    viewport()->setCursor(Qt::PointingHandCursor);
  } else {
    viewport()->setCursor(cursorBeforeHand_);
  }
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
  updateUrlMarks();
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
  QTextEdit::mouseMoveEvent(e);
  if (urlDetect_) showHand(!urlAt(e->position().toPoint()).isEmpty());
}

}  // namespace platform
