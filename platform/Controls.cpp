#include "platform/Controls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOption>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>

#include "platform/Cp1252.h"
#include "platform/VbString.h"

namespace platform {

VbLabel::VbLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setMouseTracking(true);
  // A label without a buddy shows an "&" as it stands, so its name keeps it.
  setAccessibleName(text);
}

void VbLabel::setLinkPointer(bool on) {
  if (on) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
  } else {
    unsetCursor();
    setFocusPolicy(Qt::NoFocus);
  }
}

void VbLabel::keyPressEvent(QKeyEvent* e) {
  const bool activate = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return ||
                        e->key() == Qt::Key_Enter;
  if (activate && (focusPolicy() & Qt::TabFocus) && e->modifiers() == Qt::NoModifier) {
    e->accept();
    emit Click();
    return;
  }
  QLabel::keyPressEvent(e);
}

void VbLabel::paintEvent(QPaintEvent* e) {
  // QLabel paints the text of a label that takes the focus through a text
  // document of its own, which it fills and lays out during the paint; that
  // asks for the label to be painted again, so a window holding such labels
  // would be drawn twice when it first shows. Plain text is laid out here,
  // the same way, in a document that asks for nothing.
  const bool plain = textFormat() == Qt::PlainText ||
                     (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
  if (focusPolicy() == Qt::NoFocus || !plain || text().isEmpty() || !pixmap().isNull() ||
      buddy() || indent() > 0 || frameWidth() > 0 || testAttribute(Qt::WA_StyleSheet)) {
    QLabel::paintEvent(e);
  } else {
    QRect box = contentsRect();
    box.adjust(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    if (!textDoc_) {
      textDoc_ = new QTextDocument(this);
      textDoc_->setUndoRedoEnabled(false);
      textDoc_->setDocumentMargin(0);  // kept when the text is replaced
    }
    if (textDoc_->defaultFont() != font()) textDoc_->setDefaultFont(font());
    QTextOption option = textDoc_->defaultTextOption();
    if (option.alignment() != align || (option.wrapMode() == QTextOption::WordWrap) != wordWrap()) {
      option.setAlignment(align);
      option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
      textDoc_->setDefaultTextOption(option);
    }
    if (laidOutText_ != text()) {
      textDoc_->setPlainText(text());
      laidOutText_ = text();
    }
    if (textDoc_->textWidth() != box.width()) textDoc_->setTextWidth(box.width());
    const qreal textHeight = textDoc_->documentLayout()->documentSize().height();
    qreal top = 0;
    if (align & Qt::AlignVCenter) top = qMax((box.height() - textHeight) / 2, qreal(0));
    else if (align & Qt::AlignBottom) top = qMax(box.height() - textHeight, qreal(0));
    const QRect area = QRectF(box.x(), box.y() + top, box.width(), box.height()).toAlignedRect();
    QStyleOption opt;
    opt.initFrom(this);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = opt.palette;
    if (foregroundRole() != QPalette::Text && isEnabled())
      context.palette.setColor(QPalette::Text, context.palette.color(foregroundRole()));
    QPainter painter(this);
    painter.translate(area.topLeft());
    painter.setClipRect(area.translated(-area.x(), -area.y()));
    textDoc_->documentLayout()->draw(&painter, context);
  }
  if (!hasFocus()) return;
  // A dotted frame shows which link the keyboard is on.
  QPainter p(this);
  QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
  p.setPen(pen);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void VbLabel::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
  e->accept();
}

void VbLabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  e->accept();
  if (click) emit Click();
}

void VbLabel::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  emit MouseMove();
}

VbButton::VbButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAccessibleName(stripAccel(caption));
  connect(this, &QPushButton::clicked, this, [this] {
    value_ = true;
    emit Click();
    value_ = false;
  });
}

void VbButton::keyPressEvent(QKeyEvent* e) {
  // Enter presses the button that has the focus, as Space does, in every
  // window and not only in dialogs.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !e->isAutoRepeat()) {
    e->accept();
    if (isEnabled()) click();
    return;
  }
  QPushButton::keyPressEvent(e);
}

namespace {

// The code a key filter sees for one typed character: its byte in the code
// page, or 63 ("?") for a character the code page lacks, as the system's
// key events deliver such a character.
int keyCode(uint codePoint) {
  if (codePoint > 0xFFFF) return 63;
  const int code = cp1252::toCode(QChar(char16_t(codePoint)));
  return code < 0 ? 63 : code;
}

class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, std::function<void(int&)> h) : QObject(parent), h_(std::move(h)) {}
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::InputMethod && !resending_) return inputMethod(o, static_cast<QInputMethodEvent*>(e));
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    int code = -1;
    switch (k->key()) {
      case Qt::Key_Backspace: code = 8; break;
      case Qt::Key_Return:
      case Qt::Key_Enter: code = 13; break;
      case Qt::Key_Escape: code = 27; break;
      case Qt::Key_Tab:
      case Qt::Key_Backtab: return false;
      default: break;
    }
    if (code >= 0) {
      const int original = code;
      h_(code);
      if (code == 0) return true;
      if (code == original) return false;
      insert(o, QString(cp1252::fromCode(code)));
      return true;
    }
    const QString text = k->text();
    if (text.isEmpty() || text.at(0).unicode() < 32) return false;  // navigation keys and the like
    bool changed = false;
    const QString kept = filtered(text, changed);
    if (!changed) return false;
    insert(o, kept);
    return true;
  }

 private:
  // Each character of a typed text goes through the handler as one key.
  QString filtered(const QString& text, bool& changed) {
    QString kept;
    changed = false;
    for (uint cp : text.toUcs4()) {
      const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
      const int original = keyCode(cp);
      int code = original;
      h_(code);
      if (code == 0) {
        changed = true;
      } else if (code != original) {
        kept += cp1252::fromCode(code & 0xFF);
        changed = true;
      } else {
        kept += one;
      }
    }
    return kept;
  }

  // Text committed by an input method (most characters outside the code
  // page arrive this way) is filtered like typed keys.
  bool inputMethod(QObject* o, QInputMethodEvent* e) {
    if (e->commitString().isEmpty()) return false;
    bool changed = false;
    const QString kept = filtered(e->commitString(), changed);
    if (!changed) return false;
    QInputMethodEvent copy(e->preeditString(), e->attributes());
    copy.setCommitString(kept, e->replacementStart(), e->replacementLength());
    resending_ = true;
    QCoreApplication::sendEvent(o, &copy);
    resending_ = false;
    return true;
  }

  static void insert(QObject* o, const QString& text) {
    if (text.isEmpty()) return;
    if (auto* le = qobject_cast<QLineEdit*>(o)) le->insert(text);
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(o)) pe->insertPlainText(text);
  }

  std::function<void(int&)> h_;
  bool resending_ = false;
};

class FocusFilter : public QObject {
 public:
  FocusFilter(QObject* parent, std::function<void()> in, std::function<void()> out)
      : QObject(parent), in_(std::move(in)), out_(std::move(out)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
      // Only moves within the window count, not switching to another window.
      const auto reason = static_cast<QFocusEvent*>(e)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
      if (e->type() == QEvent::FocusIn && in_) in_();
      if (e->type() == QEvent::FocusOut && out_) out_();
    }
    return false;
  }
 private:
  std::function<void()> in_, out_;
};

class MouseFilter : public QObject {
 public:
  MouseFilter(QObject* parent, QEvent::Type t, std::function<void()> h)
      : QObject(parent), type_(t), h_(std::move(h)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == type_) {
      if (type_ != QEvent::MouseButtonRelease ||
          static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        h_();
    }
    return false;
  }
 private:
  QEvent::Type type_;
  std::function<void()> h_;
};

}  // namespace

void onKeyPress(QWidget* box, std::function<void(int&)> handler) {
  box->installEventFilter(new KeyFilter(box, std::move(handler)));
}

void onFocus(QWidget* w, std::function<void()> gotFocus, std::function<void()> lostFocus) {
  w->installEventFilter(new FocusFilter(w, std::move(gotFocus), std::move(lostFocus)));
}

void onMouseMove(QWidget* w, std::function<void()> handler) {
  w->setMouseTracking(true);
  w->installEventFilter(new MouseFilter(w, QEvent::MouseMove, std::move(handler)));
}

void onClick(QWidget* w, std::function<void()> handler) {
  w->installEventFilter(new MouseFilter(w, QEvent::MouseButtonRelease, std::move(handler)));
}

WholeLinesBox::WholeLinesBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
  document()->setDocumentMargin(2);
  // The room left below the lines keeps the colour of the text's ground.
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Base));
  setPalette(pal);
  setAutoFillBackground(true);
  fitLines();
}

int WholeLinesBox::visibleLines() const {
  const int line = fontMetrics().lineSpacing();
  const int room = viewport()->height() - 2 * int(document()->documentMargin());
  return line > 0 ? qMax(0, room / line) : 0;
}

void WholeLinesBox::resizeEvent(QResizeEvent* e) {
  QPlainTextEdit::resizeEvent(e);
  fitLines();
}

void WholeLinesBox::changeEvent(QEvent* e) {
  QPlainTextEdit::changeEvent(e);
  if (e->type() == QEvent::FontChange) fitLines();
}

void WholeLinesBox::fitLines() {
  // The room inside the frame, less the document's margins, in whole lines;
  // what is left over goes below the text, outside the part that is drawn.
  const int line = fontMetrics().lineSpacing();
  const int margin = int(document()->documentMargin());
  const int room = height() - 2 * frameWidth();
  if (line <= 0 || room <= 0) return;
  const int lines = qMax(1, (room - 2 * margin) / line);
  const int spare = qMax(0, room - (2 * margin + lines * line));
  setViewportMargins(0, 0, 0, spare);
}

void tabOrder(const QList<QWidget*>& order) {
  if (order.size() < 2) return;
  // The toolkit leaves the order as it was when the first of a pair is the
  // last control of its window's focus chain; a stand-in that is last for
  // the while keeps every control of the list off that place.
  auto* standIn = new QWidget(order.first()->window());
  standIn->setFocusPolicy(Qt::TabFocus);
  for (int k = 0; k + 1 < order.size(); ++k) QWidget::setTabOrder(order[k], order[k + 1]);
  delete standIn;
}

QString plainText(const QPlainTextEdit* box) { return vb::toCrLf(box->toPlainText()); }

QString stripAccel(const QString& caption) {
  QString out;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) out.append(caption[++i]);
      continue;
    }
    out.append(caption[i]);
  }
  return out;
}

namespace {

// How deep a chain of layouts, each setting off its parent's, a held
// window's paint waits for.
constexpr int kLayoutRounds = 8;

// Keeps a window's repaint requests while it is held; the window's
// changed areas stay marked meanwhile and are painted by one request at
// the end.
class PaintHoldFilter : public QObject {
 public:
  explicit PaintHoldFilter(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("platform_paintHold"));
    window->installEventFilter(this);
  }
  int depth = 0;
  bool held = false;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::UpdateRequest) return false;
    held = true;
    return true;
  }
};

}  // namespace

BulkChange::BulkChange(QWidget* widget) {
  if (!widget || !widget->isVisible()) return;
  widget_ = widget;
  const QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == widget || widget->isAncestorOf(focus))) {
    if (widget->updatesEnabled()) widget->setUpdatesEnabled(false);
    else widget_ = nullptr;
    return;
  }
  hidden_ = true;
  widget->hide();
}

BulkChange::~BulkChange() {
  if (!widget_) return;
  if (hidden_) widget_->show();
  else widget_->setUpdatesEnabled(true);
}

PaintHold::PaintHold(QWidget* window) {
  if (!window) return;
  auto* filter = window->findChild<PaintHoldFilter*>(QStringLiteral("platform_paintHold"),
                                                     Qt::FindDirectChildrenOnly);
  if (!filter) filter = new PaintHoldFilter(window);
  ++filter->depth;
  filter_ = filter;
}

PaintHold::~PaintHold() {
  auto* filter = static_cast<PaintHoldFilter*>(filter_.data());
  if (!filter || --filter->depth > 0) return;
  QObject* window = filter->parent();
  const bool held = filter->held;
  delete filter;
  if (!held) return;
  // The layouts the held work set off are settled before the paint. Each
  // one settled can set off its parent's (a child's new size hint), and
  // such a layout is queued behind a paint asked for now: it would move
  // what was just painted, and paint it a second time.
  const QPointer<QObject> target(window);
  QMetaObject::invokeMethod(
      window,
      [target] {
        for (int round = 0; round < kLayoutRounds; ++round)
          QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (target)
          QCoreApplication::postEvent(target, new QEvent(QEvent::UpdateRequest),
                                      Qt::LowEventPriority);
      },
      Qt::QueuedConnection);
}

}  // namespace platform
