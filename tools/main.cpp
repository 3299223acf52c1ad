// tessamond-catalogue: builds, verifies and dumps the puzzle catalogue, and grades puzzles.
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "CatalogueBuilder.h"
#include "CatalogueVerifier.h"
#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleCatalogue.h"
#include "PuzzleText.h"
#include "SearchReport.h"

using namespace tsdtools;

namespace {

constexpr const char* kUsage =
    "usage: tessamond-catalogue COMMAND [options]\n"
    "  build [--seed N] [--threads N] [--output FILE]\n"
    "        generate the nine tables and write them as C++ source\n"
    "        (default seed %llu, output catalogue/data/PuzzleTables.cpp)\n"
    "  verify            check every property of the built-in tables and print a summary\n"
    "  grade [PUZZLE]    print the level a puzzle needs and the hardest technique that sets it\n"
    "                    (E, M, A, then advanced, chains, forcing; puzzle text, or stdin)\n"
    "  explain [PUZZLE]  print every deduction in order, then the level\n"
    "  hunt SEED COUNT [BOX]  make COUNT minimal puzzles from SEED and print those that need\n"
    "                    more than level A, each with the hardest technique it needs\n"
    "  dump              print every built-in entry: box size, level, index, puzzle, solution\n"
    "Puzzle texts have 81, 256 or 625 characters; blanks are . ? - or space.\n"
    "Rows, columns and boxes in explanations are counted from 1.\n";

// Standard output, keeping the first write error so that its reason is still known at the end.
int gOutputError = 0;
void Out(const std::string& text) {
  if (gOutputError != 0) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
    gOutputError = errno != 0 ? errno : EIO;
  }
}

int Fail(const std::string& message, int code = 1) {
  std::fprintf(stderr, "tessamond-catalogue: %s\n", message.c_str());
  return code;
}

// A plain non-negative decimal number: digits only (no sign, no blanks) that fit 64 bits.
bool ParseNumber(const char* text, unsigned long long& value) {
  if (text == nullptr || *text == '\0') return false;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
  }
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text, &end, 10);
  return errno == 0 && *end == '\0';
}

// The output file's folder must exist and take a new file: checked before a minute of building.
std::string OutputProblem(const std::string& output) {
  namespace fs = std::filesystem;
  const fs::path path(output);
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  std::error_code error;
  if (!fs::is_directory(folder, error)) return "folder " + folder.string() + " does not exist";
  if (fs::is_directory(path, error)) return "it is a folder";
  const bool exists = fs::exists(path, error);
  if (access(exists ? path.c_str() : folder.c_str(), W_OK) != 0) return std::strerror(errno);
  return {};
}

// The most a puzzle text may take, blanks and line ends included: a few times the 625 characters
// of a 25×25 puzzle, so that a mistaken file or stream is refused before it fills the memory.
constexpr std::size_t kMaxPuzzleInput = 4096;
const std::string kTooLong = "puzzle text is longer than " + std::to_string(kMaxPuzzleInput) +
                             " characters; the largest puzzle has 625 (25x25)";

int Build(int argc, char** argv) {
  TBuildOptions options;
  const unsigned hw = std::thread::hardware_concurrency();
  options.threads = hw == 0 ? 2 : static_cast<int>(hw);
  std::string output = "catalogue/data/PuzzleTables.cpp";
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    unsigned long long number = 0;
    if (arg == "--seed") {
      if (!ParseNumber(value, number)) {
        return Fail("--seed needs a plain non-negative decimal number (digits only), not '" +
                        std::string(value == nullptr ? "" : value) + "'",
                    2);
      }
      options.seed = number;
      ++i;
    } else if (arg == "--threads") {
      if (!ParseNumber(value, number) || number < 1 || number > 256) {
        return Fail("--threads needs a number from 1 to 256", 2);
      }
      options.threads = static_cast<int>(number);
      ++i;
    } else if (arg == "--output") {
      if (value == nullptr) return Fail("--output needs a file name", 2);
      output = value;
      ++i;
    } else {
      return Fail("build: unknown option '" + arg + "'", 2);
    }
  }
  if (const std::string problem = OutputProblem(output); !problem.empty()) {
    return Fail("cannot write " + output + ": " + problem);
  }
  const auto start = std::chrono::steady_clock::now();
  options.progress = [&](const std::string& line) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "[%6.1fs] %s\n", seconds, line.c_str());
  };
  std::vector<TBuiltTable> tables;
  std::string error;
  if (!BuildCatalogue(options, tables, error)) return Fail(error);
  const std::string source = RenderTablesSource(tables, options.seed);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  if (!out) return Fail("cannot write " + output);
  out << source;
  out.close();
  if (!out) return Fail("cannot write " + output);
  std::fprintf(stderr, "wrote %s (%zu bytes)\n", output.c_str(), source.size());
  return 0;
}

int Verify() {
  const TVerifyReport report = VerifyCatalogue(BuiltInCatalogue());
  Out(FormatSummary(report));
  for (const std::string& problem : report.problems) Out("problem: " + problem + "\n");
  if (!report.Ok()) {
    Out("verify: " + std::to_string(report.problems.size()) + " problems\n");
    return 1;
  }
  int entries = 0;
  for (const TTableSummary& t : report.tables) entries += t.count;
  Out("verify: all " + std::to_string(entries) + " entries pass\n");
  return 0;
}

int GradeCommand(int argc, char** argv, bool explain) {
  std::string text;
  if (argc > 1) return Fail("give one puzzle text (quote it if it holds spaces)", 2);
  if (argc == 1) {
    if (std::strlen(argv[0]) > kMaxPuzzleInput) return Fail(kTooLong);
    text = argv[0];
  } else {
    char buffer[1024];
    std::size_t got = 0;
    while (text.size() <= kMaxPuzzleInput &&
           (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
      text.append(buffer, got);
    }
    if (text.size() > kMaxPuzzleInput) return Fail(kTooLong);
    std::string joined;
    for (char ch : text) {
      if (ch != '\n' && ch != '\r') joined += ch;
    }
    text = joined;
  }
  TPuzzle puzzle;
  std::string error;
  if (!ParsePuzzleText(text, puzzle, error)) return Fail(error);
  const TGeometry& g = *GeometryFor(puzzle.box);
  TExactSolver solver(g);
  const auto start = std::chrono::steady_clock::now();
  solver.SetProgress(TSearchReport(
      [start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      },
      [](const std::string& line) {
        std::fprintf(stderr, "tessamond-catalogue: %s\n", line.c_str());
      }));
  const int solutions = solver.CountSolutions(puzzle.cells.data(), 2, nullptr);
  if (solutions == 0) return Fail("contradictory givens: the puzzle has no solution");
  TGrader grader(g);
  std::vector<std::string> steps;
  const TGradeResult result =
      grader.Grade(puzzle.cells.data(), TLevel::Forcing, explain ? &steps : nullptr);
  for (const std::string& step : steps) Out(step + "\n");
  std::string line = "grade: " + std::string(LevelName(result.level));
  if (result.level != TLevel::Beyond) {
    line += result.hardest < 0 ? " (nothing to deduce: the grid is full)"
                               : " (set by " + std::string(kLadder[result.hardest].name) + ")";
  } else if (solutions > 1) {
    line += " (the puzzle has more than one solution)";
  } else {
    line += " (every technique stalls: the puzzle needs trial and error)";
  }
  Out(line + "\n");
  return 0;
}

// Minimal 9×9 (or larger) puzzles from a seed, each with the hardest technique it needs: random
// complete grids, givens taken out in random order while the solution stays unique. Prints the
// puzzles that need more than the catalogue's levels, one "technique<TAB>puzzle" line each.
int Hunt(int argc, char** argv) {
  if (argc < 2 || argc > 3) return Fail("hunt takes SEED COUNT [BOX]", 2);
  const std::uint64_t seed = std::strtoull(argv[0], nullptr, 10);
  const long count = std::strtol(argv[1], nullptr, 10);
  const int box = argc == 3 ? static_cast<int>(std::strtol(argv[2], nullptr, 10)) : 3;
  const TGeometry* g = GeometryFor(box);
  if (g == nullptr || box < 3 || count <= 0) return Fail("hunt: bad count or box size", 2);
  TExactSolver solver(*g);
  TGrader grader(*g);
  for (long n = 0; n < count; ++n) {
    TRng rng(TRng::Mix(seed, static_cast<std::uint64_t>(n)));
    std::vector<TCellValue> grid(g->cells);
    if (!solver.RandomGrid(rng, grid.data(), 1000000)) continue;
    std::vector<int> order(g->cells);
    for (int c = 0; c < g->cells; ++c) order[c] = c;
    rng.Shuffle(order.data(), g->cells);
    std::vector<TCellValue> puzzle = grid;
    for (const int c : order) {
      const TCellValue keep = puzzle[c];
      puzzle[c] = kEmpty;
      if (solver.CountSolutions(puzzle.data(), 2, nullptr) != 1) puzzle[c] = keep;
    }
    const TGradeResult r = grader.Grade(puzzle.data(), TLevel::Forcing);
    if (r.level <= TLevel::Subsets) continue;
    const std::string name =
        r.level == TLevel::Beyond ? "trial" : std::string(kLadder[r.hardest].name);
    Out(name + "\t" + ToText(box, puzzle) + "\n");
    if (gOutputError != 0) return 1;
  }
  return 0;
}

int Dump() {
  for (int box = 3; box <= 5; ++box) {
    for (const char level : LevelLetters) {
      const int count = GetStoredPuzzleCount(box, level);
      for (int i = 0; i < count; ++i) {
        std::string puzzle, solution;
        if (!GetStoredPuzzle(box, level, i, puzzle, solution)) {
          return Fail("entry " + std::to_string(i) + " of box size " + std::to_string(box) + " " +
                      level + " cannot be fetched");
        }
        Out(std::to_string(box) + " " + level + " " + std::to_string(i) + " " + puzzle + " " +
            solution + "\n");
        if (gOutputError != 0) return 1;  // reported on the way out
      }
    }
  }
  return 0;
}

int Run(int argc, char** argv) {
  const std::string command = argv[1];
  if (command == "build") return Build(argc - 2, argv + 2);
  if (command != "grade" && command != "explain" && command != "hunt" && argc > 2) {
    return Fail(command + " takes no arguments", 2);
  }
  if (command == "verify") return Verify();
  if (command == "grade") return GradeCommand(argc - 2, argv + 2, false);
  if (command == "explain") return GradeCommand(argc - 2, argv + 2, true);
  if (command == "dump") return Dump();
  if (command == "hunt") return Hunt(argc - 2, argv + 2);
  return Fail("unknown command '" + command + "' (try --help)", 2);
}

}  // namespace

int main(int argc, char** argv) {
  int code = 0;
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    char usage[1024];
    std::snprintf(usage, sizeof usage, kUsage, static_cast<unsigned long long>(kDefaultSeed));
    if (argc < 2) {
      std::fputs(usage, stderr);
    } else {
      Out(usage);
    }
    code = argc < 2 ? 2 : 0;
  } else {
    code = Run(argc, argv);
  }
  // What went to standard output counts only once it is written: a full disk or a closed pipe
  // must not pass for success.
  errno = 0;
  if (std::fflush(stdout) != 0 && gOutputError == 0) gOutputError = errno != 0 ? errno : EIO;
  if (gOutputError != 0 || std::ferror(stdout)) {
    return Fail(std::string("cannot write to standard output: ") +
                std::strerror(gOutputError != 0 ? gOutputError : EIO));
  }
  return code;
}
