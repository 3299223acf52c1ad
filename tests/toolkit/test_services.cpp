// Tests of the real platform services: the questions' buttons and keys, and a
// browser that cannot be started reported as a failure.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "QtServices.h"

class TServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void ConfirmDefaultsToNo_data();
  void ConfirmDefaultsToNo();
  void ResumeQuestionDefaultsToYes();
  void StrayKeysNeverSayNo_data();
  void StrayKeysNeverSayNo();
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

// No key typed at the grid before the resume question was noticed answers No: letters and digits
// (symbols of some size) do nothing, arrows leave the focus on Yes, and Space or Return on it
// resume. Only Tab to No, then Space, says No.
void TServicesTest::StrayKeysNeverSayNo_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<TConfirmAnswer>("expected");  // Cancel: still open after the keys
  const auto still = TConfirmAnswer::Cancel;
  QTest::newRow("n") << QList<int>{Qt::Key_N} << still;
  QTest::newRow("y") << QList<int>{Qt::Key_Y} << still;
  QTest::newRow("digit") << QList<int>{Qt::Key_5} << still;
  QTest::newRow("Space") << QList<int>{Qt::Key_Space} << TConfirmAnswer::Yes;
  QTest::newRow("Right, Space") << QList<int>{Qt::Key_Right, Qt::Key_Space} << TConfirmAnswer::Yes;
  QTest::newRow("Down, Return") << QList<int>{Qt::Key_Down, Qt::Key_Return} << TConfirmAnswer::Yes;
  QTest::newRow("Left, Up, Space")
      << QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_Space} << TConfirmAnswer::Yes;
  QTest::newRow("Tab, Space") << QList<int>{Qt::Key_Tab, Qt::Key_Space} << TConfirmAnswer::No;
}

void TServicesTest::StrayKeysNeverSayNo() {
  QFETCH(QList<int>, keys);
  QFETCH(TConfirmAnswer, expected);
  QWidget parent;
  parent.show();
  bool openAfterKeys = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    for (const int key : keys) {
      QWidget* focused = box->focusWidget();
      QTest::keyClick(focused ? focused : box, Qt::Key(key));
    }
    openAfterKeys = box->isVisible();
    if (openAfterKeys) QTest::keyClick(box, Qt::Key_Escape);
  });
  const TConfirmAnswer answer = TQtConfirmService().AskYesNo(&parent, QStringLiteral("Resume ?"));
  QCOMPARE(openAfterKeys, expected == TConfirmAnswer::Cancel);
  QCOMPARE(answer, expected);
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
