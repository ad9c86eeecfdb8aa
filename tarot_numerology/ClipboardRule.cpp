#include "tarot_numerology/ClipboardRule.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

namespace tnclipboard {
namespace {

const QString& ownFormat() {
  static const QString f = QStringLiteral("application/x-auravane-copy");
  return f;
}

class TouchFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        clearIfOwn();
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

void markOwn(QMimeData* data) {
  if (data) data->setData(ownFormat(), QByteArrayLiteral("1"));
}

void clearIfOwn() {
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb) return;
  const QMimeData* data = cb->mimeData(QClipboard::Clipboard);
  const bool ours = cb->ownsClipboard() || (data && data->hasFormat(ownFormat()));
  if (ours) cb->clear(QClipboard::Clipboard);
}

namespace {

void watchTouches(QAbstractScrollArea* box) {
  auto* filter = new TouchFilter(box);
  box->installEventFilter(filter);
  box->viewport()->installEventFilter(filter);
  box->viewport()->setMouseTracking(true);
}

}  // namespace

void guard(QPlainTextEdit* box) {
  watchTouches(box);
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [] { clearIfOwn(); });
}

// A report is written into its box piece by piece: the changes of one
// writing are answered once, as soon as it is done, so the clipboard (which
// may belong to another program and answer slowly) is asked once, not once
// per piece.
void guard(QTextEdit* box) {
  watchTouches(box);
  auto* changed = new QTimer(box);
  changed->setSingleShot(true);
  changed->setInterval(0);
  QObject::connect(changed, &QTimer::timeout, box, [] { clearIfOwn(); });
  QObject::connect(box, &QTextEdit::textChanged, changed, qOverload<>(&QTimer::start));
}

MarkedTextBox::MarkedTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

QMimeData* MarkedTextBox::createMimeDataFromSelection() const {
  QMimeData* data = QPlainTextEdit::createMimeDataFromSelection();
  markOwn(data);
  return data;
}

}  // namespace tnclipboard

namespace tnclipboard {

MarkedRichTextBox::MarkedRichTextBox(QWidget* parent) : platform::RichTextBox(parent) {}

QMimeData* MarkedRichTextBox::createMimeDataFromSelection() const {
  QMimeData* data = platform::RichTextBox::createMimeDataFromSelection();
  markOwn(data);
  return data;
}

}  // namespace tnclipboard
