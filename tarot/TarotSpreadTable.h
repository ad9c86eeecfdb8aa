#pragma once
#include <QString>
#include <vector>

// The 13 spreads the program offers. A row's index (0..12) is the spread
// index used everywhere: its place in the spread list, the number of its
// layout picture, its row of slot positions. A row's list text is its key
// (stored in saved readings), compared whole and case-sensitively.
namespace TarotSpreadTable {

constexpr int kSpreadCount = 13;

enum class HeaderBreak { None, AfterDescription, BetweenHeadingAndDescription };

struct Position {
  QString title;
  QString meaning;
};

struct Spread {
  int index;
  QString listText;
  int positions;
  QString heading;
  HeaderBreak headerBreak;
  QString description;
  // Inline rows write title and meaning on one line; block rows put the
  // meaning on the line after the title.
  bool inlineForm;
  std::vector<Position> positionTexts;
};

const Spread& row(int index);
// The row whose list text equals name exactly, or -1.
int findByName(const QString& name);
// <program folder>/pic/c<index>.jpg
QString picturePath(int index);

}  // namespace TarotSpreadTable
