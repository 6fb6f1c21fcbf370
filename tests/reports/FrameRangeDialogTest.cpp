// The frame-range dialog of the operative report: what it opens with, the ranges "Ok" refuses
// while staying open, the keys, and the modal question the window asks.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "reports/ui/FrameRangeDialog.h"
#include "support/FakeHost.h"

using vertal::Message;
using vertal::MessageKind;
using vertal::reports::FrameRangeDialog;
using vertal::testing::FakeHost;

namespace {

QLineEdit* Field(QWidget& dialog, const char* name) {
  return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* Button(QWidget& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

void Type(QWidget& dialog, const QString& home, const QString& end) {
  Field(dialog, "E_Home")->setText(home);
  Field(dialog, "E_End")->setText(end);
}

}  // namespace

class FrameRangeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithItsTexts() {
    FakeHost host;
    FrameRangeDialog dialog(host);
    QCOMPARE(dialog.objectName(), QStringLiteral("TForm_Kadr1"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Вывод кадров на печать"));
    QCOMPARE(Field(dialog, "E_Home")->text(), QStringLiteral("0"));
    QCOMPARE(Field(dialog, "E_End")->text(), QStringLiteral("200"));
    QCOMPARE(Button(dialog, "BitBtn1")->text(), QStringLiteral("Ok"));
    QCOMPARE(Button(dialog, "BitBtn2")->text(), QStringLiteral("Отмена"));
  }

  void okRefusesARangeAndStaysOpen_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    const int plain = static_cast<int>(MessageKind::Plain);
    const int error = static_cast<int>(MessageKind::Error);
    QTest::newRow("equal") << "10"
                           << "10" << plain << "Неправильный диапазон!";
    QTest::newRow("reversed") << "20"
                              << "10" << plain << "Неправильный диапазон!";
    QTest::newRow("letters") << "abc"
                             << "200" << error << "'abc' is not a valid integer value";
  }
  void okRefusesARangeAndStaysOpen() {
    QFETCH(QString, home);
    QFETCH(QString, end);
    QFETCH(int, kind);
    QFETCH(QString, message);
    FakeHost host;
    FrameRangeDialog dialog(host);
    dialog.show();
    Type(dialog, home, end);
    Button(dialog, "BitBtn1")->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.Range());
    QCOMPARE(Field(dialog, "E_Home")->text(), home);
    QCOMPARE(Field(dialog, "E_End")->text(), end);
    const std::vector<Message> shown{{static_cast<MessageKind>(kind), message.toStdString()}};
    QVERIFY(host.messages == shown);
  }

  void okAfterARefusalTakesTheCorrectedRange() {
    FakeHost host;
    FrameRangeDialog dialog(host);
    dialog.show();
    Type(dialog, "20", "10");
    Button(dialog, "BitBtn1")->click();
    Type(dialog, "20", "300");
    Button(dialog, "BitBtn1")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.Range());
    QCOMPARE(dialog.Range()->first, 20);
    QCOMPARE(dialog.Range()->last, 300);
    QCOMPARE(host.messages.size(), size_t{1});
  }

  void keysAndTabOrder() {
    FakeHost host;
    FrameRangeDialog enter(host);
    enter.show();
    QTest::keyClick(Field(enter, "E_End"), Qt::Key_Return);
    QCOMPARE(enter.result(), int(QDialog::Accepted));
    QCOMPARE(enter.Range()->last, 200);

    FrameRangeDialog escape(host);
    escape.show();
    QTest::keyClick(Field(escape, "E_Home"), Qt::Key_Escape);
    QVERIFY(escape.isHidden());
    QVERIFY(!escape.Range());

    QStringList order;
    QWidget* w = Field(escape, "E_Home");
    do {
      if ((w->focusPolicy() & Qt::TabFocus) != 0) order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != Field(escape, "E_Home") && order.size() < 10);
    QCOMPARE(order, QStringList({"E_Home", "E_End", "BitBtn1", "BitBtn2"}));
  }

  void askGivesTheRangeOrNothing() {
    FakeHost host;
    QWidget window;
    const auto answer = [](const char* button) {
      QTimer::singleShot(0, [button] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        Type(*dialog, "0", "5");
        Button(*dialog, button)->click();
      });
    };
    answer("BitBtn2");
    QVERIFY(!vertal::reports::AskFrameRange(&window, host));
    answer("BitBtn1");
    const auto range = vertal::reports::AskFrameRange(&window, host);
    QVERIFY(range);
    QCOMPARE(range->last, 5);
    QVERIFY(host.messages.empty());
  }
};

QTEST_MAIN(FrameRangeDialogTest)
#include "FrameRangeDialogTest.moc"
