// tessamond-catalogue: builds, verifies and dumps the puzzle catalogue, and grades puzzles.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "CatalogueBuilder.h"
#include "CatalogueVerifier.h"
#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleCatalogue.h"
#include "PuzzleText.h"

using namespace tsdtools;

namespace {

constexpr const char* kUsage =
    "usage: tessamond-catalogue COMMAND [options]\n"
    "  build [--seed N] [--threads N] [--output FILE]\n"
    "        generate the nine tables and write them as C++ source\n"
    "        (default seed %llu, output catalogue/data/PuzzleTables.cpp)\n"
    "  verify            check every property of the built-in tables and print a summary\n"
    "  grade [PUZZLE]    print the level a puzzle needs (puzzle text, or stdin when absent)\n"
    "  explain [PUZZLE]  print every deduction in order, then the level\n"
    "  dump              print every built-in entry: box size, level, index, puzzle, solution\n"
    "Puzzle texts have 81, 256 or 625 characters; blanks are . ? - or space.\n"
    "Rows, columns and boxes in explanations are counted from 1.\n";

int Fail(const std::string& message, int code = 1) {
  std::fprintf(stderr, "tessamond-catalogue: %s\n", message.c_str());
  return code;
}

bool ParseNumber(const char* text, unsigned long long& value) {
  if (text == nullptr || *text == '\0') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text, &end, 10);
  return errno == 0 && *end == '\0' && text[0] != '-';
}

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
      if (!ParseNumber(value, number)) return Fail("--seed needs a non-negative number", 2);
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
  std::fputs(FormatSummary(report).c_str(), stdout);
  for (const std::string& problem : report.problems) std::printf("problem: %s\n", problem.c_str());
  if (!report.Ok()) {
    std::printf("verify: %zu problems\n", report.problems.size());
    return 1;
  }
  std::printf("verify: all %d entries pass\n", [&] {
    int n = 0;
    for (const TTableSummary& t : report.tables) n += t.count;
    return n;
  }());
  return 0;
}

int GradeCommand(int argc, char** argv, bool explain) {
  std::string text;
  if (argc > 1) return Fail("give one puzzle text (quote it if it holds spaces)", 2);
  if (argc == 1) {
    text = argv[0];
  } else {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
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
  const int solutions = solver.CountSolutions(puzzle.cells.data(), 2, nullptr);
  if (solutions == 0) return Fail("contradictory givens: the puzzle has no solution");
  TGrader grader(g);
  std::vector<std::string> steps;
  const TGradeResult result =
      grader.Grade(puzzle.cells.data(), TLevel::Subsets, explain ? &steps : nullptr);
  for (const std::string& step : steps) std::printf("%s\n", step.c_str());
  std::string line = "grade: " + std::string(LevelName(result.level));
  if (result.level != TLevel::Beyond) {
    line += result.hardest < 0 ? " (nothing to deduce: the grid is full)"
                               : " (set by " + std::string(kLadder[result.hardest].name) + ")";
  } else if (solutions > 1) {
    line += " (the puzzle has more than one solution)";
  } else {
    line += " (singles, locked candidates, pairs and triples stall)";
  }
  std::printf("%s\n", line.c_str());
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
        std::printf("%d %c %d %s %s\n", box, level, i, puzzle.c_str(), solution.c_str());
      }
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    std::fprintf(argc < 2 ? stderr : stdout, kUsage, static_cast<unsigned long long>(kDefaultSeed));
    return argc < 2 ? 2 : 0;
  }
  const std::string command = argv[1];
  if (command == "build") return Build(argc - 2, argv + 2);
  if (command != "grade" && command != "explain" && argc > 2) {
    return Fail(command + " takes no arguments", 2);
  }
  if (command == "verify") return Verify();
  if (command == "grade") return GradeCommand(argc - 2, argv + 2, false);
  if (command == "explain") return GradeCommand(argc - 2, argv + 2, true);
  if (command == "dump") return Dump();
  return Fail("unknown command '" + command + "' (try --help)", 2);
}
