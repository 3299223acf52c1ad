// Tests of the real platform services: the quit question's buttons, and a browser that cannot be
// started reported as a failure.
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

void TServicesTest::UrlThatCannotBeOpenedIsAFailure() {
  // The offscreen platform starts nothing, as a desktop without xdg-open does.
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("openDocument")));
  TQtUrlOpener urls;
  QVERIFY(!urls.Open(nullptr, QUrl::fromLocalFile(QStringLiteral("/tmp/page.html"))));
}

QTEST_MAIN(TServicesTest)
#include "test_services.moc"
