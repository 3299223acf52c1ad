// Help: opens the help page for the current state and language from the pages shipped beside the
// program, so help works offline.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

#include "Language.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

namespace {

struct THelpPage {
  const char* italian;
  const char* english;
};

// One page per group of states, in the order of TsdGame::HelpPage: before the first puzzle,
// looking at a puzzle, playing.
constexpr THelpPage HelpPages[] = {
    {"start-it.html", "start-en.html"},
    {"view-it.html", "view-en.html"},
    {"play-it.html", "play-en.html"},
};

// The pages sit in help/ beside the executable in a build tree, and in ../share/tessamond/help
// once installed.
QString DefaultHelpDir() {
  const QString appDir = QCoreApplication::applicationDirPath();
  const QString besideExe = appDir + QStringLiteral("/help");
  if (QFileInfo(besideExe).isDir()) return besideExe;
  const QString installed = QDir::cleanPath(appDir + QStringLiteral("/../share/tessamond/help"));
  if (QFileInfo(installed).isDir()) return installed;
  return besideExe;
}

}  // namespace

void TfrmSudoku::ActHelpExecute() {
  showHelp(FGame.HelpPage());
  FocusGrid();
}

void TfrmSudoku::showHelp(int page) {
  const THelpPage& entry = HelpPages[page];
  const QString file = Tr(QString::fromLatin1(entry.italian), QString::fromLatin1(entry.english));
  const QString dir = FHelpDir.isEmpty() ? DefaultHelpDir() : FHelpDir;
  OpenInBrowser(QUrl::fromLocalFile(QFileInfo(QDir(dir).filePath(file)).absoluteFilePath()),
                MessageText(TMessage::NoBrowserHelp));
}

void TfrmSudoku::OpenInBrowser(const QUrl& url, const TBilingual& noBrowser) {
  // Without a browser the player can still get there by hand: say where the page is, in full.
  const auto tell = [this, url, noBrowser] {
    const QString where =
        url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    ShowMessage(Tr(noBrowser) + QLatin1Char('\n') + where);
  };
  if (!FServices.urls) return;
  // An opener that started and failed afterwards is told like one that never started.
  if (!FServices.urls->Open(this, url, [window = QPointer<TfrmSudoku>(this), tell] {
        if (window) tell();
      }))
    tell();
}

void TfrmSudoku::SetHelpDir(const QString& dir) {
  FHelpDir = dir;
}
