// The spoken cell names: the clauses the window's own tests do not reach, in both languages.
#include <gtest/gtest.h>

#include "CellNames.h"

TEST(CellNames, SayEveryClauseInItsPlace) {
  TBilingual name = CellName(24, 15, {'Y', true, true});
  EXPECT_EQ(name.english, "Row 25, column 16, Y, given, conflict");
  EXPECT_EQ(name.italian, "Riga 25, colonna 16, Y, dato iniziale, in conflitto");
  name = CellName(0, 8, {' ', false, false}, "147");
  EXPECT_EQ(name.english, "Row 1, column 9, empty, notes 1 4 7");
  EXPECT_EQ(name.italian, "Riga 1, colonna 9, vuota, note 1 4 7");
}
