// The kill-9 soak: the real window types into a game kept in a real folder and is killed at a
// random moment, again and again; after every kill the kept game, and the grid the next start
// resumes, must be the grid of some prefix of the keys typed, never a mix and never lost.
//
//   kill_soak [kills] [seed]        the soak (300 kills by default); exits 1 at the first fault
//   kill_soak --type <folder>       one start of the game: resumes, says which grid came back,
//                                   reads the number k of the first move from stdin, then types
//                                   moves k, k+1, ... until it is killed
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "PuzzleCatalogue.h"
#include "QtServices.h"
#include "SavedGameChecks.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"

namespace {

std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

// Move k on a puzzle: an open cell and what goes in it (a symbol, or ' ' to clear it), drawn from
// the puzzle itself, so that the soak and every start of the game agree on the whole sequence.
struct TMoveKey {
  int cell;
  char symbol;
};
TMoveKey MoveOf(const std::string& puzzle, std::string_view symbols, std::uint64_t k) {
  std::vector<int> open;
  for (int cell = 0; cell < int(puzzle.size()); ++cell)
    if (puzzle[std::size_t(cell)] == '.') open.push_back(cell);
  const std::uint64_t h = Mix(std::hash<std::string>{}(puzzle) ^ Mix(k));
  const std::size_t pick = (h >> 8) % (symbols.size() + 1);
  return {open[std::size_t(h % open.size())], pick == symbols.size() ? ' ' : symbols[pick]};
}

// Move k done on a player's grid.
void Apply(const TSavedGame& game, std::uint64_t k, std::string& grid) {
  const TMoveKey move = MoveOf(game.puzzle, SymbolsOfBoxSize(game.boxSize), k);
  grid[std::size_t(move.cell)] = move.symbol == ' ' ? '.' : move.symbol;
}

class TSilentMessages final : public IMessageService {
 public:
  void ShowMessage(QWidget*, const QString& text) override {
    std::printf("message %s\n", qPrintable(text));
    std::fflush(stdout);
  }
};
class TAlwaysYes final : public IConfirmService {
 public:
  TConfirmAnswer AskYesNoCancel(QWidget*, const QString&) override { return TConfirmAnswer::Yes; }
  TConfirmAnswer AskYesNo(QWidget*, const QString&) override { return TConfirmAnswer::Yes; }
};

Qt::Key KeyOf(char symbol) {
  if (symbol == ' ') return Qt::Key_Space;
  if (symbol >= '0' && symbol <= '9') return Qt::Key(Qt::Key_0 + (symbol - '0'));
  return Qt::Key(Qt::Key_A + (symbol - 'A'));
}

// One start: resume the kept game (or begin one), say which grid came back, then type for ever.
int TypeForEver(const QString& folder) {
  TQtGameStore store(folder);
  TSilentMessages messages;
  TAlwaysYes confirm;
  TQtTimeService time;
  TServices services;
  services.messages = &messages;
  services.confirm = &confirm;
  services.time = &time;
  services.store = &store;
  TfrmSudoku form(services);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 2;
  QCoreApplication::processEvents();  // the resume question
  if (form.Game().State() != GameState::gsPlaying) {
    QTest::keyClick(form.windowHandle(), Qt::Key_F10);
    QTest::keyClick(form.windowHandle(), Qt::Key_F5);
  }
  const TsdGame& game = form.Game();
  const int side = game.Side();
  std::string puzzle;
  std::string player;
  for (int row = 0; row < side; ++row)
    for (int column = 0; column < side; ++column) {
      const char given = game.GivenGrid()[row][column];
      const char play = game.PlayGrid()[row][column];
      puzzle += given == ' ' ? '.' : given;
      player += play == ' ' ? '.' : play;
    }
  std::printf("resumed %s\n", player.c_str());
  std::fflush(stdout);
  char line[32] = {};
  if (!std::fgets(line, sizeof line, stdin)) return 2;
  const std::uint64_t from = std::strtoull(line, nullptr, 10);
  auto* grid = form.findChild<TDrawGrid*>(QStringLiteral("sg1"));
  const std::string_view symbols = SymbolsOfBoxSize(game.BoxSize());
  for (std::uint64_t k = from;; ++k) {
    const TMoveKey move = MoveOf(puzzle, symbols, k);
    grid->setFocus();
    grid->SetCurrentCell(move.cell % side, move.cell / side);
    std::printf("move %llu\n", static_cast<unsigned long long>(k));
    std::fflush(stdout);
    QTest::keyClick(form.windowHandle(), KeyOf(move.symbol));
    QCoreApplication::processEvents();
  }
}

int Fault(int kill, const char* what, const QByteArray& output) {
  std::fprintf(stderr, "kill_soak: after kill %d: %s\n--- the game said:\n%s\n", kill, what,
               output.right(2000).constData());
  return 1;
}

// The first j in [from, to] whose grid, from `grid` at `from` on, is `wanted`; to + 1 if none.
std::uint64_t PrefixOf(const TSavedGame& game, std::string grid, std::uint64_t from,
                       std::uint64_t to, const std::string& wanted) {
  for (std::uint64_t j = from; j <= to; Apply(game, j++, grid))
    if (grid == wanted) return j;
  return to + 1;
}

int Soak(int kills, quint32 seed) {
  QTemporaryDir dir;
  QRandomGenerator random(seed);
  std::optional<TSavedGame> kept;  // the game in the folder after the last kill
  std::uint64_t from = 0;          // the moves that made the kept grid
  std::uint64_t typed = 0;         // the moves typed before the last kill
  std::uint64_t typedTotal = 0;
  int recovered = 0;
  QElapsedTimer clock;
  clock.start();
  for (int kill = 1; kill <= kills; ++kill) {
    QProcess game;
    game.start(QCoreApplication::applicationFilePath(), {"--type", dir.path()});
    QByteArray output;
    while (!output.contains("\n") && game.waitForReadyRead(60000))
      output += game.readAllStandardOutput();
    if (!output.startsWith("resumed ")) return Fault(kill, "the game did not start", output);
    const std::string resumed = output.mid(8, output.indexOf('\n') - 8).toStdString();
    // The grid kept, or a newer complete write the start took from a stray file.
    std::uint64_t start = 0;
    if (kept) {
      start = PrefixOf(*kept, kept->player, from, typed, resumed);
      if (start > typed)
        return Fault(kill, "the resumed grid is not one of the keys typed", output);
      recovered += start != from;
    }
    game.write(QByteArray::number(qulonglong(start)) + "\n");
    while (!output.contains("\nmove ") && game.waitForReadyRead(60000))
      output += game.readAllStandardOutput();
    if (!output.contains("\nmove ")) return Fault(kill, "the game never began typing", output);
    QTest::qSleep(int(random.bounded(5, 400)));
    game.kill();
    game.waitForFinished(60000);
    output += game.readAllStandardOutput();
    if (output.contains("message ")) return Fault(kill, "the game showed a message", output);
    const qsizetype last = output.lastIndexOf("\nmove ");
    typed = output.mid(last + 6).split('\n').front().toULongLong() + 1;

    const TStoreRead read = TQtGameStore(dir.path()).Read(qint64(MaxSavedGameBytes));
    if (!read.bytes) return Fault(kill, "nothing is kept", output);
    TSavedGameRead loaded =
        LoadKeptGame(std::string_view(read.bytes->constData(), std::size_t(read.bytes->size())));
    if (!loaded.game) return Fault(kill, loaded.reason.english.c_str(), output);
    const std::string base = kept ? resumed : loaded.game->puzzle;
    from = PrefixOf(*loaded.game, base, start, typed, loaded.game->player);
    if (from > typed) return Fault(kill, "the kept grid is no prefix of the keys typed", output);
    typedTotal += typed - start;
    kept = std::move(loaded.game);
    const QStringList strays = QDir(dir.path()).entryList({"saved-game.??????"}, QDir::Files);
    std::printf("kill %d: keys %llu to %llu typed, the kept grid is the one after key %llu%s\n",
                kill, static_cast<unsigned long long>(start),
                static_cast<unsigned long long>(typed), static_cast<unsigned long long>(from),
                strays.isEmpty() ? "" : " (a stray file is left for the next start)");
  }
  std::printf(
      "kill_soak: %d kills, %llu keys typed in %.0f s, seed %u: every kept and every resumed grid "
      "a prefix of the keys typed; %d starts took a newer stray file\n",
      kills, static_cast<unsigned long long>(typedTotal), clock.elapsed() / 1000.0, seed,
      recovered);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() == 3 && args[1] == "--type") return TypeForEver(args[2]);
  const int kills = args.size() > 1 ? args[1].toInt() : 300;
  const quint32 seed = args.size() > 2 ? args[2].toUInt() : QRandomGenerator::global()->generate();
  return Soak(kills, seed);
}
