#pragma once
#include <QObject>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QWidget;

namespace platform {

// One menu bar for a frame window and its child windows: while a child
// window that declares menus is the active child, its menus stand in the
// frame's menu bar; otherwise the frame's own menus show. The child's own
// bar stays hidden, so there is never a second bar on screen.
//
// A child declares its menus by being a QMainWindow with a menu bar, or by
// naming a bar with declareMenuBar.
class ChildMenus : public QObject {
  Q_OBJECT
 public:
  // Makes frameBar follow the active child window of area. The frame's
  // menus are the ones frameBar holds now.
  static ChildMenus* install(QMenuBar* frameBar, QMdiArea* area);

  // The child window whose menus show, or nullptr when the frame's show.
  QWidget* shownChild() const { return shownChild_; }
  // Brings the bar up to date at once.
  void refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ChildMenus(QMenuBar* frameBar, QMdiArea* area);
  void watch(QMdiSubWindow* sub);
  QMdiSubWindow* activeChild() const;
  QPointer<QMenuBar> bar_;
  QPointer<QMdiArea> area_;
  QList<QPointer<QAction>> own_;
  QPointer<QWidget> shownChild_;
  bool refreshing_ = false;
};

// Names the menu bar of a child window that is not a QMainWindow.
void declareMenuBar(QWidget* window, QMenuBar* bar);
// The menus a window declares (nullptr when it has none).
QMenuBar* declaredMenuBar(QWidget* window);

}  // namespace platform
