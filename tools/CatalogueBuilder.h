// Generates the catalogue tables from a seed and writes them as C++ source.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CatalogueTargets.h"

namespace tsdtools {

struct TBuiltTable {
  int box = 0;
  char level = 'E';
  std::vector<std::string> entries;  // puzzle text followed by solution text
};

struct TBuildOptions {
  std::uint64_t seed = kDefaultSeed;
  int threads = 2;
  // Builds only this table (index into kTableTargets) when not negative; for tests.
  int onlyTable = -1;
  // Called from the building thread with one line of progress; may be empty.
  std::function<void(const std::string&)> progress;
};

// Builds all nine tables. The result depends on the seed only: each candidate puzzle is a pure
// function of (seed, table, candidate number), and candidates are accepted in number order, so the
// thread count changes the speed, never the bytes. Returns false with `error` set when a table
// cannot be filled (it never happens with the shipped ranges, but a bad seed must not hang).
bool BuildCatalogue(const TBuildOptions& options, std::vector<TBuiltTable>& tables,
                    std::string& error);

// The given counts the builder aims at for one table, in entry order: each within the table's
// range, and together as close to its mean as whole numbers allow. `fixed` holds given counts of
// entries that are already decided (they come first).
std::vector<int> PlanGivenCounts(const TTableTarget& target, const std::vector<int>& fixed);

// The C++ source of the tables, opening with the command that regenerates it.
std::string RenderTablesSource(const std::vector<TBuiltTable>& tables, std::uint64_t seed);

}  // namespace tsdtools
