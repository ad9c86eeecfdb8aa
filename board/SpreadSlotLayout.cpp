#include "board/SpreadSlotLayout.h"

#include <array>

namespace SpreadSlotLayout {
namespace {

using Row = std::vector<SlotPosition>;

std::vector<Row> build() {
  std::vector<Row> t(13);
  t[0] = {{3200, 3700}, {2300, 4200}, {3200, 7500}, {100, 3700}, {3200, 0},
          {6200, 3700}, {8500, 11300}, {8500, 7500}, {8500, 3700}, {8500, 0}};
  t[1] = {{5000, 2500}};
  t[2] = {{4000, 2500}, {6200, 2500}};
  t[3] = {{2200, 2500}, {4400, 2500}, {6600, 2500}};
  t[4] = {{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}};
  t[5] = {{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}};
  t[6] = {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200},
          {4500, 7500},  {4500, 3800},  {4500, 0}};
  t[7] = {{100, 7600},  {2300, 11400}, {4500, 0},    {2300, 3800},
          {8900, 7600}, {6700, 3800},  {4500, 15200}, {6700, 11400}};
  t[8] = {{3840, 240},   {6480, 240},   {3840, 4200},  {6480, 4200},  {3840, 8160},
          {6480, 8160},  {3840, 12120}, {6480, 12120}, {3840, 16080}, {6480, 16080}};
  const std::array<double, 7> romanyLeft = {13800, 11480, 9193, 6921, 4634, 2377, 120};
  for (double top : {11040.0, 6180.0, 1320.0})
    for (double left : romanyLeft) t[9].push_back({left, top});
  t[10] = {{120, 6720},   {2385, 9720},  {4650, 10440}, {6930, 10920},
           {9225, 10440}, {11505, 9720}, {13800, 6720}, {11505, 3480},
           {9225, 3000},  {6930, 2400},  {4650, 3000},  {2385, 3480}};
  t[11] = {{5840, 120},   {8120, 3960},  {3560, 3960},  {8120, 7800},  {3560, 7800},
           {5840, 11640}, {3560, 15480}, {8120, 15480}, {5840, 19320}, {5840, 23160}};
  t[12] = {{2760, 240},  {5280, 240},  {7800, 240},  {2760, 4320}, {5280, 4320},
           {7800, 4320}, {2760, 8400}, {5280, 8400}, {7800, 8400}};
  return t;
}

const std::vector<Row>& table() {
  static const std::vector<Row> t = build();
  return t;
}

}  // namespace

int lookup(int count, const QString& name) {
  // Tested in this order; the tests exclude each other.
  struct Key {
    int count;
    const char* name;  // nullptr: any name
    int index;
  };
  static const Key keys[] = {
      {1, nullptr, 1},
      {2, nullptr, 2},
      {3, nullptr, 3},
      {5, "Ulvarin Wheel Spread(Tarlen)", 4},
      {5, "The Line Spread", 5},
      {7, nullptr, 6},
      {8, nullptr, 7},
      {10, "Celtic Cross", 0},
      {10, "Relationship Spread", 8},
      {10, "Tree of Life", 11},
      {9, "Numerology Spread", 12},
      {12, "Zodiac Spread", 10},
      {21, "The Romany/ Gypsy Spread", 9},
  };
  for (const Key& k : keys)
    if (k.count == count && (!k.name || name == QLatin1String(k.name))) return k.index;
  return -1;
}

const std::vector<SlotPosition>& positions(int spreadIndex) {
  static const std::vector<SlotPosition> none;
  if (spreadIndex < 0 || spreadIndex >= int(table().size())) return none;
  return table()[std::size_t(spreadIndex)];
}

}  // namespace SpreadSlotLayout
