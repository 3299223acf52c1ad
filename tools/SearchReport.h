// Progress lines for a long exact search, so that a person waiting on the tool sees what it does.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace tsdtools {

// Fed the node count by TExactSolver::SetProgress. Quiet for the first second, so that quick
// searches print nothing; then one line at most every few seconds, e.g. "still counting
// solutions: 1200000 search nodes in 4 s".
class TSearchReport {
 public:
  using TClock = std::function<double()>;  // seconds, from any fixed start
  using TSink = std::function<void(const std::string& line)>;

  static constexpr double kQuietSeconds = 1.0;
  static constexpr double kEverySeconds = 3.0;

  TSearchReport(TClock clock, TSink sink)
      : FClock(std::move(clock)), FSink(std::move(sink)), FStart(FClock()), FLast(FStart) {}

  void operator()(long nodes) {
    const double now = FClock();
    if (now - FStart < kQuietSeconds || (FReported && now - FLast < kEverySeconds)) return;
    char line[120];
    std::snprintf(line, sizeof line, "still counting solutions: %ld search nodes in %.0f s", nodes,
                  now - FStart);
    FSink(line);
    FLast = now;
    FReported = true;
  }

 private:
  TClock FClock;
  TSink FSink;
  double FStart;
  double FLast;
  bool FReported = false;
};

}  // namespace tsdtools
