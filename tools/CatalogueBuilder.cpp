// Catalogue builder: random complete grids, givens removed while the target level still completes.
//
// For a candidate, a random complete grid loses its givens in a random order; a removal is kept
// only while the target level's techniques still complete the puzzle, which also proves the puzzle
// has one solution. From the full grid down, every state along that path is a puzzle of the target
// level or easier; once a state needs the target level, every later one does too (removing a given
// never makes a puzzle easier). The first such state, and the grid at the point where the cheaper
// techniques stalled on it, bound what the candidate can offer:
//  - any state from the first hard one down the path, as it stands;
//  - the first hard state plus givens taken from the stalled grid. Those cells are found by the
//    cheaper techniques anyway, so adding them changes neither where the cheaper techniques stall
//    nor what the target level completes: the grade stays exactly the target level.
// That covers a range of given counts per candidate; the table fills its planned counts from the
// candidates in number order.
#include "CatalogueBuilder.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <memory>
#include <set>
#include <thread>

#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleText.h"
#include "ToolRandom.h"

namespace tsdtools {

namespace {

struct TCandidate {
  bool usable = false;
  std::vector<TCellValue> solution;
  std::vector<std::int16_t> removed;  // kept removals in path order
  int firstHard = -1;                 // given count of the first state that needs the level
  std::vector<TCellValue> stalled;    // grid where cheaper techniques stalled on that state
  int low = 0, high = -1;             // given counts this candidate can offer
  std::uint64_t seed = 0;
};

int Filled(const std::vector<TCellValue>& cells) {
  return static_cast<int>(
      std::count_if(cells.begin(), cells.end(), [](TCellValue v) { return v != kEmpty; }));
}

TCandidate MakeCandidate(const TTableTarget& target, std::uint64_t seed, TExactSolver& solver,
                         TGrader& grader) {
  const TGeometry& g = *GeometryFor(target.box);
  const TLevel level = LevelOfLetter(target.level);
  TCandidate cand;
  cand.seed = seed;
  TRng rng(seed);
  cand.solution.assign(g.cells, kEmpty);
  bool haveGrid = false;
  for (int attempt = 0; attempt < 50 && !haveGrid; ++attempt) {
    haveGrid = solver.RandomGrid(rng, cand.solution.data(), 4000);
  }
  if (!haveGrid) return cand;

  std::vector<std::int16_t> order(g.cells);
  for (int i = 0; i < g.cells; ++i) order[i] = static_cast<std::int16_t>(i);
  rng.Shuffle(order.data(), g.cells);

  std::vector<TCellValue> puzzle = cand.solution;
  int count = g.cells;
  for (const std::int16_t cell : order) {
    const bool hardKnown = level == TLevel::Singles || cand.firstHard >= 0;
    if (count <= target.minGivens && hardKnown) break;
    const TCellValue keep = puzzle[cell];
    puzzle[cell] = kEmpty;
    TGradeResult r = grader.Grade(puzzle.data(), level);
    if (r.level == TLevel::Beyond) {
      puzzle[cell] = keep;
      continue;
    }
    --count;
    cand.removed.push_back(cell);
    if (level != TLevel::Singles && cand.firstHard < 0 && r.level == level) {
      cand.firstHard = count;
      cand.stalled = std::move(r.stalledBefore[static_cast<int>(level)]);
    }
  }
  if (level == TLevel::Singles) {
    cand.low = std::max(count, target.minGivens);
    cand.high = target.maxGivens;
  } else if (cand.firstHard >= 0) {
    cand.low = std::max(count, target.minGivens);
    cand.high = std::min(std::max(cand.firstHard, Filled(cand.stalled)), target.maxGivens);
  }
  cand.usable = cand.low <= cand.high;
  return cand;
}

// The candidate's puzzle with exactly `givens` givens.
std::vector<TCellValue> Materialize(const TTableTarget& target, const TCandidate& cand,
                                    int givens) {
  const TGeometry& g = *GeometryFor(target.box);
  std::vector<TCellValue> puzzle = cand.solution;
  const bool natural = cand.firstHard < 0 || givens <= cand.firstHard;
  const int removals = g.cells - (natural ? givens : cand.firstHard);
  for (int i = 0; i < removals; ++i) puzzle[cand.removed[i]] = kEmpty;
  if (!natural) {
    std::vector<std::int16_t> extra;
    for (int cell = 0; cell < g.cells; ++cell) {
      if (puzzle[cell] == kEmpty && cand.stalled[cell] != kEmpty) extra.push_back(cell);
    }
    TRng rng(TRng::Mix(cand.seed, 0xADD));
    rng.Shuffle(extra.data(), static_cast<int>(extra.size()));
    for (int i = 0; i < givens - cand.firstHard; ++i) puzzle[extra[i]] = cand.solution[extra[i]];
  }
  return puzzle;
}

// Runs work(i) for i in [begin, end) on `threads` threads.
template <typename F>
void ParallelFor(int begin, int end, int threads, F work) {
  std::atomic<int> next{begin};
  auto loop = [&] {
    for (int i = next++; i < end; i = next++) work(i);
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(loop);
  loop();
  for (std::thread& th : pool) th.join();
}

}  // namespace

std::vector<int> PlanGivenCounts(const TTableTarget& target, const std::vector<int>& fixed) {
  const int total = static_cast<int>(std::lround(target.meanGivens * target.count));
  int fixedSum = 0;
  for (int f : fixed) fixedSum += f;
  const int rest = target.count - static_cast<int>(fixed.size());
  std::vector<int> plan;
  if (rest <= 0) return plan;
  const int restSum = total - fixedSum;
  const int base = restSum / rest;
  const int extra = restSum % rest;
  for (int i = 0; i < rest; ++i)
    plan.push_back(std::clamp(base + (i < extra ? 1 : 0), target.minGivens, target.maxGivens));
  // Spread the counts around the mean in pairs that keep the sum: +d and −d, d = 0, 1, 2.
  for (int j = 0; 2 * j + 1 < rest; ++j) {
    int d = j % 3;
    while (d > 0 &&
           (plan[2 * j] + d > target.maxGivens || plan[2 * j + 1] - d < target.minGivens)) {
      --d;
    }
    plan[2 * j] += d;
    plan[2 * j + 1] -= d;
  }
  return plan;
}

bool BuildCatalogue(const TBuildOptions& options, std::vector<TBuiltTable>& tables,
                    std::string& error) {
  const int threads = std::max(1, options.threads);
  std::set<std::string> usedSolutions;
  tables.clear();
  for (std::size_t t = 0; t < kTableTargets.size(); ++t) {
    if (options.onlyTable >= 0 && static_cast<int>(t) != options.onlyTable) continue;
    const TTableTarget& target = kTableTargets[t];
    const TGeometry& g = *GeometryFor(target.box);
    const TLevel level = LevelOfLetter(target.level);
    TBuiltTable table;
    table.box = target.box;
    table.level = target.level;
    std::vector<int> fixed;
    if (target.box == 3 && target.level == 'E') {
      table.entries.push_back(std::string(kFixedFirstPuzzle) + std::string(kFixedFirstSolution));
      usedSolutions.insert(std::string(kFixedFirstSolution));
      fixed.push_back(
          static_cast<int>(std::count_if(kFixedFirstPuzzle.begin(), kFixedFirstPuzzle.end(),
                                         [](char c) { return c != CatalogueBlank; })));
    }
    std::multiset<int> wanted;
    for (int c : PlanGivenCounts(target, fixed)) wanted.insert(c);

    const std::uint64_t tableSeed = TRng::Mix(options.seed, t + 1);
    const int maxCandidates = target.count * 400;
    int tried = 0;
    while (!wanted.empty()) {
      if (tried >= maxCandidates) {
        error = "could not fill the " + std::to_string(g.side) + "x" + std::to_string(g.side) +
                " " + target.level + " table from seed " + std::to_string(options.seed);
        return false;
      }
      // Small puzzles are cheap and often refused, so ask for many; a 25×25 candidate costs about
      // a second and is usually taken, so ask for little more than is still missing.
      const int perMissing = target.box == 3 ? 8 : target.box == 4 ? 2 : 1;
      int batch = std::max(2 * threads, static_cast<int>(wanted.size()) * perMissing);
      batch = std::min(maxCandidates - tried, (batch + threads - 1) / threads * threads);
      std::vector<TCandidate> results(batch);
      ParallelFor(0, batch, threads, [&](int i) {
        thread_local std::array<std::unique_ptr<TExactSolver>, kMaxBox + 1> solvers;
        thread_local std::array<std::unique_ptr<TGrader>, kMaxBox + 1> graders;
        if (!solvers[target.box]) {
          solvers[target.box] = std::make_unique<TExactSolver>(g);
          graders[target.box] = std::make_unique<TGrader>(g);
        }
        TExactSolver* solver = solvers[target.box].get();
        TGrader* grader = graders[target.box].get();
        results[i] = MakeCandidate(target, TRng::Mix(tableSeed, tried + i), *solver, *grader);
      });
      TGrader grader(g);
      for (int i = 0; i < batch && !wanted.empty(); ++i) {
        const TCandidate& cand = results[i];
        if (!cand.usable) continue;
        const std::string solutionText = ToText(target.box, cand.solution);
        if (usedSolutions.count(solutionText)) continue;
        // The rarest counts are the lowest, so take the smallest one this candidate can reach.
        auto it = wanted.lower_bound(cand.low);
        if (it == wanted.end() || *it > cand.high) continue;
        const std::vector<TCellValue> puzzle = Materialize(target, cand, *it);
        const TGradeResult check = grader.Grade(puzzle.data());
        if (check.level != level || Filled(puzzle) != *it) continue;
        wanted.erase(it);
        usedSolutions.insert(solutionText);
        table.entries.push_back(ToText(target.box, puzzle) + solutionText);
      }
      tried += batch;
      if (options.progress && (wanted.empty() || tried % (20 * batch) == 0 || target.box > 3)) {
        options.progress(std::to_string(g.side) + "x" + std::to_string(g.side) + " " +
                         target.level + ": " + std::to_string(table.entries.size()) + "/" +
                         std::to_string(target.count) + " entries from " + std::to_string(tried) +
                         " candidates");
      }
    }
    tables.push_back(std::move(table));
  }
  return true;
}

std::string RenderTablesSource(const std::vector<TBuiltTable>& tables, std::uint64_t seed) {
  std::string out;
  out +=
      "// The catalogue's puzzle tables. Generated by tessamond-catalogue; never edit by hand.\n";
  out += "// To regenerate these exact bytes, run from the repository root:\n";
  out += "//   build/ci/tools/tessamond-catalogue build --seed " + std::to_string(seed) +
         " --output catalogue/data/PuzzleTables.cpp\n";
  out += "// Entry format: see PuzzleCatalogue.h (puzzle text, then solution text).\n";
  out += "#include \"PuzzleTables.h\"\n\n";
  out +=
      "namespace TsdCatalogueData {\n\nnamespace {\n\nusing namespace std::string_view_literals;\n";
  std::vector<std::string> names;
  for (const TBuiltTable& table : tables) {
    const std::string name = "kEntries" + std::to_string(table.box) + table.level;
    names.push_back(name);
    const std::size_t cells = table.entries.empty() ? 0 : table.entries[0].size() / 2;
    out += "\nconstexpr std::string_view " + name + "[] = {\n";
    for (const std::string& entry : table.entries) {
      out += "    \"" + entry.substr(0, cells) + "\"\n";
      out += "    \"" + entry.substr(cells) + "\"sv,\n";
    }
    out += "};\n";
  }
  out += "\n}  // namespace\n\nconst TTable kTables[9] = {\n";
  for (std::size_t i = 0; i < tables.size(); ++i) {
    out += "    {" + std::to_string(tables[i].box) + ", '" + tables[i].level + "', " +
           std::to_string(tables[i].entries.size()) + ", " + names[i] + "},\n";
  }
  out += "};\n\n}  // namespace TsdCatalogueData\n";
  return out;
}

}  // namespace tsdtools
