// tessamond-catalogue as a user runs it: outputs, exit codes and one-line errors for bad input.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

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

// Runs the tool with `args` (already shell-quoted) and `input` on its standard input.
TRun RunTool(const std::string& args, const std::string& input = "") {
  const std::string dir = ::testing::TempDir();
  const std::string in = dir + "/cli_in.txt", out = dir + "/cli_out.txt",
                    err = dir + "/cli_err.txt";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command = std::string("'") + TESSAMOND_CATALOGUE_TOOL + "' " + args + " < '" +
                              in + "' > '" + out + "' 2> '" + err + "'";
  const int status = std::system(command.c_str());
  TRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(out);
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
      {"grade 123", "", "puzzle text has 3 characters", 1},
      {"explain '" + kExample.substr(0, 80) + "x'", "", "unknown character 'x' at r9c9", 1},
      {"grade '" + repeated + "'", "", "contradictory givens: 1 appears twice in row 1", 1},
      {"explain '" + noSolution + "'", "", "contradictory givens: the puzzle has no solution", 1},
      {"grade a b", "", "give one puzzle text", 2},
      {"frobnicate", "", "unknown command 'frobnicate'", 2},
      {"verify now", "", "verify takes no arguments", 2},
      {"build --threads 0", "", "--threads needs a number from 1 to 256", 2},
      {"build --seed -4", "", "--seed needs a non-negative number", 2},
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
