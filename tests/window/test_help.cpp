// Help on the real window: the page per state and language, opened as a local file from the help
// folder, the internal error, and that help leaves the game as it was.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PlayHarness.h"

using PlayHarness::TWindow;

namespace {

const char* const ShippedPages[] = {"start-en.html", "start-it.html", "view-en.html",
                                    "view-it.html",  "play-en.html",  "play-it.html"};

}  // namespace

class TestHelp : public QObject {
  Q_OBJECT

 private slots:
  void init() { UILanguage = QStringLiteral("IT"); }

  void pagePerStateAndLanguage_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::newRow("empty EN") << int{gsEmpty} << "EN"
                              << "start-en.html";
    QTest::newRow("empty IT") << int{gsEmpty} << "IT"
                              << "start-it.html";
    QTest::newRow("empty it") << int{gsEmpty} << "it"
                              << "start-en.html";
    QTest::newRow("puzzle EN") << int{gsPuzzleView} << "EN"
                               << "view-en.html";
    QTest::newRow("puzzle IT") << int{gsPuzzleView} << "IT"
                               << "view-it.html";
    QTest::newRow("solution EN") << int{gsSolutionView} << "EN"
                                 << "view-en.html";
    QTest::newRow("solution IT") << int{gsSolutionView} << "IT"
                                 << "view-it.html";
    QTest::newRow("playing EN") << int{gsPlaying} << "EN"
                                << "play-en.html";
    QTest::newRow("playing IT") << int{gsPlaying} << "IT"
                                << "play-it.html";
    QTest::newRow("playing solution EN") << int{gsPlayingSolution} << "EN"
                                         << "play-en.html";
    QTest::newRow("playing solution IT") << int{gsPlayingSolution} << "IT"
                                         << "play-it.html";
    QTest::newRow("playing solution xx") << int{gsPlayingSolution} << "xx"
                                         << "play-en.html";
  }
  void pagePerStateAndLanguage() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(QString, page);
    TWindow w;
    QTemporaryDir dir;
    w.Form->SetHelpDir(dir.path());
    w.Reach(static_cast<std::uint8_t>(state));
    UILanguage = language;
    w.Press(Qt::Key_F1);
    QTest::mouseClick(w.Ui()->btnHelp, Qt::LeftButton);
    QCOMPARE(w.Fakes.Urls.Opened.size(), 2);
    for (const QUrl& url : w.Fakes.Urls.Opened) {
      QVERIFY(url.isLocalFile());
      QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), page);
      QCOMPARE(QFileInfo(url.toLocalFile()).absolutePath(),
               QFileInfo(dir.path()).absoluteFilePath());
    }
    QVERIFY(w.Messages().isEmpty());
  }

  void pagesAreFoundBesideTheProgram() {
    TWindow w;
    w.Press(Qt::Key_F1);
    QCOMPARE(w.Fakes.Urls.Opened.size(), 1);
    const QString path = w.Fakes.Urls.Opened[0].toLocalFile();
    const QString appDir = QCoreApplication::applicationDirPath();
    QVERIFY2(path == appDir + "/help/start-en.html" ||
                 path == QDir::cleanPath(appDir + "/../share/tessamond/help/start-en.html"),
             qPrintable(path));
  }

  void helpLeavesTheGameAsItWas() {
    TWindow w;
    TfrmSudoku& f = *w.Form;
    w.Reach(gsPlaying);
    const QPoint open = w.FirstOpenCell();
    QVERIFY(w.MoveTo(open.x(), open.y()));
    w.Press(Qt::Key_3);
    const TCharGrid play = f.FPlayGrid;
    const QDateTime start = f.FStartTime;
    w.Ui()->btnPlay->setFocus();
    QTest::mouseClick(w.Ui()->btnHelp, Qt::LeftButton);
    QCOMPARE(w.Fakes.Urls.Opened.size(), 1);
    QCOMPARE(f.FGameState, std::uint8_t{gsPlaying});
    QVERIFY(play == f.FPlayGrid);
    QCOMPARE(f.FStartTime, start);
    QVERIFY(w.Ui()->Clock1->isVisible());
    QVERIFY(w.Grid()->hasFocus());
  }

  void hiddenGridKeepsTheFocusWhereItWas() {
    TWindow w;
    w.Ui()->btnFontPiu->setFocus();
    w.Press(Qt::Key_F1);
    QCOMPARE(w.Fakes.Urls.Opened.size(), 1);
    QVERIFY(w.Ui()->btnFontPiu->hasFocus());
  }

  void modifiersKeepF1FromHelp_data() {
    QTest::addColumn<int>("modifiers");
    QTest::newRow("shift") << int(Qt::ShiftModifier);
    QTest::newRow("ctrl") << int(Qt::ControlModifier);
    QTest::newRow("alt") << int(Qt::AltModifier);
  }
  void modifiersKeepF1FromHelp() {
    QFETCH(int, modifiers);
    TWindow w;
    w.Reach(gsPlaying);
    w.Press(Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
    QVERIFY(w.Fakes.Urls.Opened.isEmpty());
  }

  void unknownStateIsAnInternalError_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("3") << 3 << "EN"
                       << "";
    QTest::newRow("6 EN") << 6 << "EN"
                          << "Internal error showHelp001: state:6 unmanaged !";
    QTest::newRow("6 IT") << 6 << "IT"
                          << "Internal error showHelp001: stato:6 non gestito !";
    QTest::newRow("200 EN") << 200 << "EN"
                            << "Internal error showHelp001: state:200 unmanaged !";
  }
  void unknownStateIsAnInternalError() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(QString, message);
    TWindow w;
    UILanguage = language;
    w.Form->showHelp(static_cast<std::uint8_t>(state));
    QVERIFY(w.Fakes.Urls.Opened.isEmpty());
    QCOMPARE(w.Messages(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(w.Form->FGameState, std::uint8_t{gsEmpty});
  }

  // The shipped pages: all six exist, declare their language, and link only to each other.
  void shippedPagesAreComplete() {
    const QString dir =
        QFileInfo(QFINDTESTDATA("../../resources/help/start-en.html")).absolutePath();
    QVERIFY(!dir.isEmpty());
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const char* name : ShippedPages) {
      QFile file(dir + "/" + name);
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const QString html = QString::fromUtf8(file.readAll());
      const QString lang = QString::fromLatin1(name).contains("-it") ? "it" : "en";
      QVERIFY2(html.contains("<html lang=\"" + lang + "\">"), name);
      QVERIFY2(html.contains("<title>"), name);
      for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(QFileInfo::exists(dir + "/" + target),
                 qPrintable(QString(name) + " -> " + target));
      }
    }
  }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
