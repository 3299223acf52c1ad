// tessamond-catalogue as a user runs it: outputs, exit codes and one-line errors for bad input.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SearchReport.h"

using tsdtools::TSearchReport;

namespace {

struct TRun {
  int exitCode = -1;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Runs the tool with `args` (already shell-quoted) and `input` on its standard input, or with
// standard input and output taken from the given files instead.
TRun RunTool(const std::string& args, const std::string& input = "", std::string in = "",
             std::string out = "") {
  // Files of their own per test: ctest runs the tests of this binary side by side.
  const std::string dir = ::testing::TempDir() + "/cli_" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string err = dir + "_err.txt";
  if (in.empty()) {
    in = dir + "_in.txt";
    std::ofstream(in, std::ios::binary) << input;
  }
  if (out.empty()) out = dir + "_out.txt";
  std::remove((dir + "_out.txt").c_str());
  const std::string command = std::string("'") + TESSAMOND_CATALOGUE_TOOL + "' " + args + " < '" +
                              in + "' > '" + out + "' 2> '" + err + "'";
  const int status = std::system(command.c_str());
  TRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(dir + "_out.txt");
  run.err = Slurp(err);
  return run;
}

int Lines(const std::string& text) {
  int n = 0;
  for (char ch : text) n += ch == '\n';
  return n;
}

const std::string kExample =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";

TEST(CommandLine, BadInputGetsOneLineAndNonZeroExit) {
  std::string noSolution = kExample;
  noSolution[0] = '2';
  std::string repeated = kExample;
  repeated[1] = '1';
  const struct {
    std::string args, input, message;
    int exitCode;
  } cases[] = {
      {"grade", "", "puzzle text has 0 characters", 1},
      {"grade 1", "", "puzzle text has 1 character;", 1},
      {"grade 123", "", "puzzle text has 3 characters", 1},
      {"grade", std::string(5000, '.'), "puzzle text is longer than 4096 characters", 1},
      {"grade " + std::string(5000, '.'), "", "puzzle text is longer than 4096 characters", 1},
      {"explain '" + kExample.substr(0, 80) + "x'", "", "unknown character 'x' at r9c9", 1},
      {"grade '" + repeated + "'", "", "contradictory givens: 1 appears twice in row 1", 1},
      {"explain '" + noSolution + "'", "", "contradictory givens: the puzzle has no solution", 1},
      {"grade a b", "", "give one puzzle text", 2},
      {"frobnicate", "", "unknown command 'frobnicate'", 2},
      {"verify now", "", "verify takes no arguments", 2},
      {"build --threads 0", "", "--threads needs a number from 1 to 256", 2},
      {"build --seed -4", "", "--seed needs a plain non-negative decimal number", 2},
      {"build --seed ' -5'", "", "number (digits only), not ' -5'", 2},
      {"build --seed +5", "", "--seed needs a plain non-negative decimal number", 2},
      {"build --seed 5x", "", "--seed needs a plain non-negative decimal number", 2},
      {"build --seed 99999999999999999999", "", "--seed needs a plain non-negative", 2},
      // Refused before the build starts: a build would add its progress lines.
      {"build --output /nonexistent-folder/PuzzleTables.cpp", "",
       "cannot write /nonexistent-folder/PuzzleTables.cpp: folder /nonexistent-folder does not "
       "exist",
       1},
      {"build --colour red", "", "build: unknown option '--colour'", 2},
  };
  for (const auto& c : cases) {
    const TRun run = RunTool(c.args, c.input);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
    EXPECT_EQ(Lines(run.err), 1) << c.args << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.args;
  }
}

// Output that cannot be written is a failure with its reason; endless input is refused, not read.
TEST(CommandLine, FullDiskAndEndlessInput) {
  for (const char* args : {"dump", "verify", "--help"}) {
    const TRun run = RunTool(args, "", "", "/dev/full");
    EXPECT_EQ(run.exitCode, 1) << args;
    EXPECT_EQ(run.err,
              "tessamond-catalogue: cannot write to standard output: No space left on "
              "device\n")
        << args;
  }
  const TRun run = RunTool("grade", "", "/dev/zero");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("puzzle text is longer than 4096 characters"), std::string::npos);
}

// A long exact search reports itself after its first second, then every few seconds.
TEST(CommandLine, LongSearchesSayWhatTheyDo) {
  double now = 0;
  std::vector<std::string> lines;
  TSearchReport report([&] { return now; },
                       [&](const std::string& line) { lines.push_back(line); });
  const double times[] = {0.5, 0.9, 1.2, 2.0, 4.1, 4.3, 7.7};
  for (std::size_t i = 0; i < std::size(times); ++i) {
    now = times[i];
    report(static_cast<long>(i + 1) * 4096);
  }
  ASSERT_EQ(lines.size(), 3u);  // at 1.2 s, 4.1 s (3 s later) and 7.7 s
  EXPECT_EQ(lines[0], "still counting solutions: 12288 search nodes in 1 s");
  EXPECT_EQ(lines[2], "still counting solutions: 28672 search nodes in 8 s");
}

TEST(CommandLine, GradeAndExplain) {
  TRun run = RunTool("grade '" + kExample + "'");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "grade: E (set by hidden single)\n");

  // Nine lines of nine on standard input read the same.
  std::string grid;
  for (int r = 0; r < 9; ++r) grid += kExample.substr(r * 9, 9) + "\n";
  run = RunTool("explain", grid);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind("hidden single: 5 in row 9 → r9c8\n", 0), 0u) << run.out;
  EXPECT_EQ(Lines(run.out), 58);  // 57 deductions and the grade
  EXPECT_NE(run.out.find("\ngrade: E (set by hidden single)\n"), std::string::npos);

  // An empty grid has no unique solution.
  run = RunTool("grade '" + std::string(81, '.') + "'");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "grade: beyond (the puzzle has more than one solution)\n");
}

TEST(CommandLine, DumpAndVerifyTheBuiltInTables) {
  TRun run = RunTool("dump");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Lines(run.out), 475);
  EXPECT_EQ(run.out.rfind("3 E 0 " + kExample +
                              " 8351476297298631456415927834562398713974815622187563945623749189846"
                              "15237173928456\n",
                          0),
            0u);
  EXPECT_NE(run.out.find("\n5 A 24 "), std::string::npos);

  run = RunTool("verify");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("25x25 M     25"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("verify: all 475 entries pass\n"), std::string::npos);
}

}  // namespace
