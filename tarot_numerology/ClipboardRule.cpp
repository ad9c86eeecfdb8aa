#include "tarot_numerology/ClipboardRule.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>

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

void guard(QPlainTextEdit* box) {
  auto* filter = new TouchFilter(box);
  box->installEventFilter(filter);
  box->viewport()->installEventFilter(filter);
  box->viewport()->setMouseTracking(true);
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [] { clearIfOwn(); });
}

MarkedTextBox::MarkedTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

QMimeData* MarkedTextBox::createMimeDataFromSelection() const {
  QMimeData* data = QPlainTextEdit::createMimeDataFromSelection();
  markOwn(data);
  return data;
}

}  // namespace tnclipboard
