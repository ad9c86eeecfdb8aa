#pragma once
#include <QPointer>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QList>
#include <QString>
#include <functional>

class QTextDocument;


namespace platform {

// A label that reports clicks and mouse moves (it takes the move, so the move
// does not reach the panel behind it).
class VbLabel : public QLabel {
  Q_OBJECT
 public:
  explicit VbLabel(const QString& text = QString(), QWidget* parent = nullptr);
  // Show the pointing hand over the label; the label then also takes the
  // focus by Tab and Space or Enter clicks it.
  void setLinkPointer(bool on);
 signals:
  void Click();
  void MouseMove();
 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
 private:
  bool pressed_ = false;
  // The plain text laid out for painting (see paintEvent).
  QTextDocument* textDoc_ = nullptr;
  QString laidOutText_;
};

// A button whose value is true only while its own click is being handled.
class VbButton : public QPushButton {
  Q_OBJECT
 public:
  explicit VbButton(const QString& caption = QString(), QWidget* parent = nullptr);
  bool value() const { return value_; }
 signals:
  void Click();
 protected:
  void keyPressEvent(QKeyEvent* e) override;
 private:
  bool value_ = false;
};

// A multi-line text box that shows whole lines only: where its height is
// not a whole number of lines, the part that would show a line cut through
// stays empty, and the scroll bar brings the other lines into view.
class WholeLinesBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit WholeLinesBox(const QString& text = QString(), QWidget* parent = nullptr);
  // The number of lines the box shows at once.
  int visibleLines() const;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void fitLines();
};

// Calls handler(keyAscii) for every typed character of a text box, as a
// key-press filter: setting keyAscii to 0 drops the key, another value types
// that character instead. Backspace is 8, Enter 13; a character is its
// Windows-1252 byte, and one the code page lacks is 63 ("?"), whether it is
// typed or committed by an input method.
void onKeyPress(QWidget* box, std::function<void(int& keyAscii)> handler);
// Calls the handlers when focus moves into or out of a widget.
void onFocus(QWidget* w, std::function<void()> gotFocus, std::function<void()> lostFocus);
// A widget that reports mouse moves over itself (for panels behind labels).
void onMouseMove(QWidget* w, std::function<void()> handler);
// A widget that reports clicks on itself.
void onClick(QWidget* w, std::function<void()> handler);

// Sets the tab order of a window's controls: each one after the one before
// it in the list.
void tabOrder(const QList<QWidget*>& order);

// Many changes to a widget's children at once (slots moved, shown, given
// pictures). Each change to a child in sight costs bookkeeping (what it
// spoils on the screen, whether the mouse pointer now lies over it, asked
// of the window system every time); while the widget is out of sight none
// of that is done. So the widget leaves sight while the change lasts and
// comes back, repainted once, when it ends. Meant for a stretch of work in
// which nothing is painted (a PaintHold, or no event loop in between). A
// widget holding the keyboard focus stays in sight, its updates only held.
class BulkChange {
 public:
  explicit BulkChange(QWidget* widget);
  ~BulkChange();
  BulkChange(const BulkChange&) = delete;
  BulkChange& operator=(const BulkChange&) = delete;

 private:
  QPointer<QWidget> widget_;
  bool hidden_ = false;
};

// Holds a window's repaints while a stretch of work changes much of it, so
// that the window is painted once, as the work leaves it, instead of in
// between (an event pump inside the work would otherwise paint each stage).
// What the work changed is painted when the hold ends, and only that. Holds
// of one window nest: the outermost ends it.
class PaintHold {
 public:
  explicit PaintHold(QWidget* window);
  ~PaintHold();
  PaintHold(const PaintHold&) = delete;
  PaintHold& operator=(const PaintHold&) = delete;

 private:
  QPointer<QObject> filter_;
};

// Multi-line box text with CR LF line breaks.
QString plainText(const QPlainTextEdit* box);

// Give a control its name, and its accessible name (the caption when none is
// given).
template <class W>
W* named(W* w, const QString& objectName, const QString& accessible = QString()) {
  w->setObjectName(objectName);
  if (!accessible.isEmpty()) w->setAccessibleName(accessible);
  return w;
}
// The text of a caption without its access-key marks ("&Save" -> "Save").
QString stripAccel(const QString& caption);

}  // namespace platform
