// The spoken cell names: every clause in both languages, in its place.
#include <gtest/gtest.h>

#include "CellNames.h"

namespace {

struct TCase {
  int row, column;
  TCellView cell;
  const char* notes;
  const char* italian;
  const char* english;
};

const TCase Cases[] = {
    {2, 5, {' ', false, false}, "", "Riga 3, colonna 6: vuota", "Row 3, column 6: empty"},
    {2,
     4,
     {'7', true, false},
     "",
     "Riga 3, colonna 5: 7, dato iniziale",
     "Row 3, column 5: 7, given"},
    {3,
     0,
     {'B', false, true},
     "",
     "Riga 4, colonna 1: B, in conflitto",
     "Row 4, column 1: B, conflict"},
    {24,
     15,
     {'Y', true, true},
     "",
     "Riga 25, colonna 16: Y, dato iniziale, in conflitto",
     "Row 25, column 16: Y, given, conflict"},
    {0,
     8,
     {' ', false, false},
     "147",
     "Riga 1, colonna 9: vuota, note 1 4 7",
     "Row 1, column 9: empty, notes 1 4 7"},
};

TEST(CellNames, SayWhatTheCellShowsInBothLanguages) {
  for (const TCase& c : Cases) {
    const TBilingual name = CellName(c.row, c.column, c.cell, c.notes);
    EXPECT_EQ(name.italian, c.italian);
    EXPECT_EQ(name.english, c.english);
  }
}

}  // namespace
