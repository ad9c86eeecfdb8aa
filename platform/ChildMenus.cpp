#include "platform/ChildMenus.h"

#include <QAction>
#include <QChildEvent>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace platform {
namespace {

const char* const kDeclaredBar = "platformDeclaredMenuBar";

}  // namespace

void declareMenuBar(QWidget* window, QMenuBar* bar) {
  window->setProperty(kDeclaredBar, QVariant::fromValue<QObject*>(bar));
}

QMenuBar* declaredMenuBar(QWidget* window) {
  if (!window) return nullptr;
  if (auto* bar = qobject_cast<QMenuBar*>(window->property(kDeclaredBar).value<QObject*>()))
    return bar;
  // menuWidget(), unlike menuBar(), does not create a bar.
  if (auto* main = qobject_cast<QMainWindow*>(window))
    if (auto* bar = qobject_cast<QMenuBar*>(main->menuWidget())) return bar;
  return nullptr;
}

ChildMenus::ChildMenus(QMenuBar* frameBar, QMdiArea* area)
    : QObject(area), bar_(frameBar), area_(area) {
  for (QAction* a : frameBar->actions()) own_ << a;
  connect(area, &QMdiArea::subWindowActivated, this, [this] { refresh(); });
  area->viewport()->installEventFilter(this);
  for (QMdiSubWindow* sub : area->subWindowList()) watch(sub);
}

ChildMenus* ChildMenus::install(QMenuBar* frameBar, QMdiArea* area) {
  auto* m = new ChildMenus(frameBar, area);
  m->refresh();
  return m;
}

void ChildMenus::watch(QMdiSubWindow* sub) {
  sub->removeEventFilter(this);
  sub->installEventFilter(this);
  if (QMenuBar* own = declaredMenuBar(sub->widget())) own->hide();
}

bool ChildMenus::eventFilter(QObject* watched, QEvent* event) {
  if (area_ && watched == area_->viewport()) {
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished) {
      if (auto* sub = qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(event)->child()))
        watch(sub);
    } else if (event->type() == QEvent::ChildRemoved) {
      refresh();
    }
    return false;
  }
  auto* sub = qobject_cast<QMdiSubWindow*>(watched);
  if (!sub) return false;
  switch (event->type()) {
    case QEvent::Hide:
      // A hidden child hands the activation to the topmost child still shown,
      // as a frame does when its active child goes.
      if (area_ && (area_->activeSubWindow() == sub || area_->currentSubWindow() == sub)) {
        QMdiSubWindow* next = nullptr;
        const auto order = area_->subWindowList(QMdiArea::StackingOrder);
        for (auto it = order.rbegin(); it != order.rend(); ++it)
          if (*it != sub && (*it)->isVisible()) {
            next = *it;
            break;
          }
        area_->setActiveSubWindow(next);
      }
      refresh();
      break;
    case QEvent::Show:
    case QEvent::ParentChange:
      if (QMenuBar* own = declaredMenuBar(sub->widget())) own->hide();
      refresh();
      break;
    default:
      break;
  }
  return false;
}

QMdiSubWindow* ChildMenus::activeChild() const {
  if (!area_) return nullptr;
  // While another window (a message box, a dialog) has the activation, the
  // frame's current child keeps its menus.
  QMdiSubWindow* sub = area_->activeSubWindow();
  if (!sub) sub = area_->currentSubWindow();
  if (!sub || !sub->isVisibleTo(area_) || sub->isHidden()) return nullptr;
  return sub;
}

void ChildMenus::refresh() {
  if (!bar_ || refreshing_) return;
  refreshing_ = true;
  QMdiSubWindow* sub = activeChild();
  QMenuBar* childBar = sub ? declaredMenuBar(sub->widget()) : nullptr;
  if (childBar && childBar->actions().isEmpty()) childBar = nullptr;
  QList<QAction*> wanted;
  if (childBar) {
    childBar->hide();
    wanted = childBar->actions();
    shownChild_ = sub->widget();
  } else {
    for (const QPointer<QAction>& a : own_)
      if (a) wanted << a.data();
    shownChild_ = nullptr;
  }
  if (bar_->actions() != wanted) {
    // Remove one by one: clearing the bar would delete the frame's own
    // actions.
    for (QAction* a : bar_->actions()) bar_->removeAction(a);
    bar_->addActions(wanted);
  }
  refreshing_ = false;
}

}  // namespace platform
