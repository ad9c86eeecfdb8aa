#include "platform/Controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include "platform/Cp1252.h"
#include "platform/VbString.h"

namespace platform {

VbLabel::VbLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setMouseTracking(true);
  setAccessibleName(stripAccel(text));
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
  QLabel::paintEvent(e);
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

namespace {

class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, std::function<void(int&)> h) : QObject(parent), h_(std::move(h)) {}
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    int code = -1;
    switch (k->key()) {
      case Qt::Key_Backspace: code = 8; break;
      case Qt::Key_Return:
      case Qt::Key_Enter: code = 13; break;
      case Qt::Key_Escape: code = 27; break;
      case Qt::Key_Tab: return false;
      default:
        if (!k->text().isEmpty()) code = cp1252::toCode(k->text().at(0));
        break;
    }
    if (code < 0) return false;  // navigation keys and the like
    const int original = code;
    h_(code);
    if (code == 0) return true;
    if (code == original) return false;
    const QString typed(cp1252::fromCode(code));
    if (auto* le = qobject_cast<QLineEdit*>(o)) le->insert(typed);
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(o)) pe->insertPlainText(typed);
    return true;
  }
 private:
  std::function<void(int&)> h_;
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

}  // namespace platform
