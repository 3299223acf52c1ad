// Checks every property a catalogue entry and table must have, and summarises each table.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tsdtools {

struct TTableSummary {
  int box = 0;
  char level = 'E';
  int count = 0;
  int minGivens = 0;
  int maxGivens = 0;
  double meanGivens = 0;
  int grades[4] = {0, 0, 0, 0};  // entries graded E, M, A, beyond
};

struct TVerifyReport {
  std::vector<TTableSummary> tables;
  std::vector<std::string> problems;  // one line each, e.g. "9x9 M #12: grade is E"
  bool Ok() const { return problems.empty(); }
};

// Where the entries come from: the built-in lookup functions, or anything with their shape.
struct TEntrySource {
  std::function<std::int32_t(std::int32_t box, char level)> count;
  std::function<bool(std::int32_t box, char level, std::int32_t index, std::string& puzzle,
                     std::string& solution)>
      fetch;
};

// Checks: table counts; entry lengths and characters; the solution is a complete valid grid; every
// given equals the solution's symbol; exactly one solution (exact solver); the grade equals the
// table's level; givens within the table's range and the table's mean within tolerance; no
// puzzle and no solution occurs twice anywhere; entry 0 of the 9×9 E table is the fixed example.
TVerifyReport VerifyCatalogue(const TEntrySource& source);

// The built-in tables as a source.
TEntrySource BuiltInCatalogue();

// One summary line per table, plus a header, as `verify` prints them.
std::string FormatSummary(const TVerifyReport& report);

}  // namespace tsdtools
