// Tests of the real platform services: the questions' buttons, the kept game's file, and a
// browser that cannot be started reported as a failure.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "QtServices.h"

class TServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void ConfirmDefaultsToNo_data();
  void ConfirmDefaultsToNo();
  void ResumeQuestionDefaultsToYes();
  void KeptGameFile();
  void UrlThatCannotBeOpenedIsAFailure();
};

void TServicesTest::ConfirmDefaultsToNo_data() {
  QTest::addColumn<int>("key");      // a key pressed in the box, or 0
  QTest::addColumn<int>("clicked");  // the button clicked instead, when no key
  QTest::addColumn<TConfirmAnswer>("expected");
  QTest::newRow("Return takes the default") << int(Qt::Key_Return) << 0 << TConfirmAnswer::No;
  QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << 0 << TConfirmAnswer::Cancel;
  QTest::newRow("Yes still quits") << 0 << int(QMessageBox::Yes) << TConfirmAnswer::Yes;
  QTest::newRow("No") << 0 << int(QMessageBox::No) << TConfirmAnswer::No;
}

void TServicesTest::ConfirmDefaultsToNo() {
  QFETCH(int, key);
  QFETCH(int, clicked);
  QFETCH(TConfirmAnswer, expected);
  QWidget parent;
  parent.show();
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QString shownText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;  // the question then never ends and the test times out
    shownText = box->text();
    defaultButton = box->standardButton(box->defaultButton());
    if (key != 0)
      QTest::keyClick(box, Qt::Key(key));
    else
      box->button(QMessageBox::StandardButton(clicked))->click();
  });
  TQtConfirmService confirm;
  const TConfirmAnswer answer = confirm.AskYesNoCancel(&parent, QStringLiteral("Quit ?"));
  QCOMPARE(shownText, QStringLiteral("Quit ?"));
  QCOMPARE(defaultButton, QMessageBox::No);
  QCOMPARE(answer, expected);
}

void TServicesTest::ResumeQuestionDefaultsToYes() {
  QWidget parent;
  parent.show();
  QList<TConfirmAnswer> answers;
  // Return takes the default, Escape closes the box unanswered, and No must be chosen.
  for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
    QTimer::singleShot(0, [key] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      if (key != 0)
        QTest::keyClick(box, Qt::Key(key));
      else
        box->button(QMessageBox::No)->click();
    });
    answers << TQtConfirmService().AskYesNo(&parent, QStringLiteral("Resume ?"));
  }
  QCOMPARE(answers, (QList<TConfirmAnswer>{TConfirmAnswer::Yes, TConfirmAnswer::Cancel,
                                           TConfirmAnswer::No}));
}

// In Qt's application data folder (here the test folder), replaced whole at every write, gone
// when discarded, renamed when set aside.
void TServicesTest::KeptGameFile() {
  QStandardPaths::setTestModeEnabled(true);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir(folder).removeRecursively();
  TQtGameStore store;
  QCOMPARE(store.Path(), QDir(folder).filePath(QStringLiteral("saved-game")));
  QVERIFY(!store.Read(100));
  QVERIFY(store.Write("first game, long"));
  QVERIFY(store.Write("second"));
  QCOMPARE(store.Read(100), std::optional<QByteArray>("second"));
  QCOMPARE(store.Read(3), std::optional<QByteArray>("seco"));  // one byte past the limit
  store.SetAside();
  QVERIFY(!store.Read(100));
  store.Write("third");
  store.SetAside();
  const QStringList aside = QDir(folder).entryList({"saved-game.set-aside-*"}, QDir::Files);
  QCOMPARE(aside.size(), 2);
  store.Write("fourth");
  store.Discard();
  QVERIFY(!store.Read(100));
  QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);

  // A folder that cannot be made: the write fails and nothing is kept.
  QTemporaryDir dir;
  QFile blocker(dir.filePath(QStringLiteral("file")));
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  TQtGameStore blocked(dir.filePath(QStringLiteral("file/below")));
  QVERIFY(!blocked.Write("game"));
  QVERIFY(!blocked.Read(100));
  QDir(folder).removeRecursively();
}

void TServicesTest::UrlThatCannotBeOpenedIsAFailure() {
  // Without xdg-open on the path the offscreen platform starts nothing; an xdg-open that finds no
  // browser (exit status 3) started, and reports its failure afterwards; one that succeeds does
  // not.
  QTemporaryDir bins;
  const QByteArray path = qgetenv("PATH");
  const auto opener = [&](const char* status) {
    // Each stand-in in its own folder, so that none is rewritten while one runs.
    const QString bin = bins.filePath(QString::fromLatin1(status));
    QDir().mkpath(bin);
    qputenv("PATH", bin.toLocal8Bit());
    QFile script(bin + QStringLiteral("/xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QByteArray("#!/bin/sh\nexit ") + status + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  qputenv("PATH", bins.path().toLocal8Bit());
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("openDocument")));
  TQtUrlOpener urls;
  const QUrl page = QUrl::fromLocalFile(QStringLiteral("/tmp/page.html"));
  bool failed = false;
  QVERIFY(!urls.Open(nullptr, page, [&] { failed = true; }));
  for (const char* status : {"3", "0"}) {
    opener(status);
    failed = false;
    bool finished = false;
    QVERIFY(urls.Open(nullptr, page, [&] { failed = finished = true; }));
    if (status[0] != '0') {
      QTRY_VERIFY_WITH_TIMEOUT(failed, 20000);
    } else {
      // A second stand-in, started after it and failing, marks when the first has been heard of.
      opener("4");
      QVERIFY(urls.Open(nullptr, page, [&] { finished = true; }));
      QTRY_VERIFY_WITH_TIMEOUT(finished, 20000);
      QVERIFY(!failed);
    }
  }
  qputenv("PATH", path);
}

QTEST_MAIN(TServicesTest)
#include "test_services.moc"
