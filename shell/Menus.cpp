#include "shell/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/ShellWindows.h"
#include "shell/modHelp.h"

namespace shell {

MenuActions buildMenus(QMenuBar* bar, QObject* context, const MenuTable& table) {
  MenuActions actions;
  std::vector<QMenu*> open;
  const auto name = [&actions](QAction* a, const QString& objectName) {
    a->setObjectName(objectName);
    actions.insert(objectName, a);
    return a;
  };
  for (const MenuRow& row : table) {
    QAction* a = nullptr;
    switch (row.kind) {
      case MenuRow::Menu: {
        QMenu* m = open.empty() ? bar->addMenu(row.caption) : open.back()->addMenu(row.caption);
        open.push_back(m);
        a = name(m->menuAction(), row.name);
        break;
      }
      case MenuRow::EndMenu:
        if (!open.empty()) open.pop_back();
        continue;
      case MenuRow::Item:
        if (open.empty()) continue;
        a = name(open.back()->addAction(row.caption), row.name);
        break;
      case MenuRow::Separator:
        if (open.empty()) continue;
        a = name(open.back()->addSeparator(), row.name);
        break;
      case MenuRow::BarItem:
        a = name(bar->addAction(row.caption), row.name);
        break;
    }
    if (row.onClick) QObject::connect(a, &QAction::triggered, context, row.onClick);
    a->setEnabled(row.enabled);
  }
  return actions;
}

MenuTable linkMenus(const LinkMenuNames& n) {
  return {
      {MenuRow::Menu, n.helpCaption, n.help},
      {MenuRow::Item, n.onlineCaption, n.online, [] { modHelp::GoToHelpPage(); }},
      {MenuRow::Item, n.visitCaption, n.visit, [] { modHelp::GoToHomePage(); }},
      {MenuRow::Separator, QString(), n.separator1},
      {MenuRow::Item, n.updateCaption, n.update, [] { modHelp::GoToDownloadPage(); }},
      {MenuRow::Separator, QString(), n.separator2},
      {MenuRow::Item, n.aboutCaption, n.about, [] { showAboutBox(); }},
      {MenuRow::EndMenu, QString(), QString()},
      {MenuRow::BarItem, n.donateCaption, n.donate, [] { modHelp::GoToDonatePage(); }},
      {MenuRow::BarItem, n.makeMoneyCaption, n.makeMoney, [] { modHelp::GoToFullyBrandedPage(); },
       false},
  };
}

void setHandler(MenuTable& table, const QString& name, std::function<void()> onClick) {
  for (MenuRow& row : table)
    if (row.name == name) row.onClick = onClick;
}

}  // namespace shell
