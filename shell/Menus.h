#pragma once
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QObject;

// Menus built from a table: each window lists its menus as rows, in the
// order they appear, and gets its actions back by name.
namespace shell {

struct MenuRow {
  enum Kind {
    Menu,       // opens a drop-down menu; the rows after it go into it
    EndMenu,    // closes the innermost open menu
    Item,       // an item of the open menu
    Separator,  // a line in the open menu (it has a name, no caption)
    BarItem,    // an item that stands in the bar itself
  };
  Kind kind;
  QString caption;
  QString name;
  std::function<void()> onClick = {};
  bool enabled = true;
};
using MenuTable = std::vector<MenuRow>;

// The actions by name: a menu's own action (its title) and every item.
using MenuActions = QHash<QString, QAction*>;

// Adds the table's menus to bar; handlers run in context's lifetime.
MenuActions buildMenus(QMenuBar* bar, QObject* context, const MenuTable& table);

// The names and captions a window gives to the shared Help menu and to the
// Donate and Make Money Online items.
struct LinkMenuNames {
  QString help = QStringLiteral("mnuHelp");
  QString helpCaption = QStringLiteral("&Help");
  QString online = QStringLiteral("mnuOnline");
  QString onlineCaption = QStringLiteral("&Online Help");
  QString visit = QStringLiteral("mnuVisit");
  QString visitCaption = QStringLiteral("&Visit Us Online");
  QString separator1 = QStringLiteral("mnuHelpSep1");
  QString update = QStringLiteral("mnuUpdate");
  QString updateCaption = QStringLiteral("Check for Software &Update");
  QString separator2 = QStringLiteral("mnuHelpSep2");
  QString about = QStringLiteral("mnuAbout");
  QString aboutCaption = QStringLiteral("&About Software");
  QString donate = QStringLiteral("mnuDonate");
  QString donateCaption = QStringLiteral("Donate");
  QString makeMoney = QStringLiteral("mnuMakeMoney");
  QString makeMoneyCaption = QStringLiteral("Make Money &Online");
};

// The rows every mode window ends its menus with: Help with its four links
// (online help, home page, software update, About), Donate, and Make Money
// Online (switched off: nothing switches it on).
MenuTable linkMenus(const LinkMenuNames& names = LinkMenuNames());

// Gives the row of that name another click handler (a window whose menu
// items run handlers of its own).
void setHandler(MenuTable& table, const QString& name, std::function<void()> onClick);

}  // namespace shell
