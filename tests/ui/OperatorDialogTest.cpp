// The operator's dialog of a readout: what it opens with, what "Запись" stores into the
// readout's buffers, and that closing it by its frame stores nothing.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>

#include "dump/core/OperatorTrailer.h"
#include "link/core/OperatorEntry.h"
#include "link/ui/OperatorDialog.h"

using vertal::link::CraneIdentBuffer;
using vertal::link::OperatorDialogWindow;
using vertal::link::TrailerBuffer;

namespace {

QLineEdit* Field(QDialog& dialog, const char* name) {
  return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Runs the dialog, doing `act` once it is on screen.
bool RunWith(OperatorDialogWindow& dialog, CraneIdentBuffer& ident, TrailerBuffer& trailer,
             const std::function<void()>& act) {
  QTimer::singleShot(0, &dialog, act);
  return dialog.Run(ident, trailer);
}

void Retype(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  // Key by key, as typed; the letters need not be on a Latin keyboard.
  for (const QChar ch : text)
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

}  // namespace

class OperatorDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void recordStoresTheTypedFields() {
    OperatorDialogWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Дополнительная информация"));
    const vertal::link::OperatorFields shown = vertal::link::DefaultOperatorFields();
    QCOMPARE(Field(dialog, "Edit_DataSch")->text(), QString::fromStdString(shown.day));
    QCOMPARE(Field(dialog, "Edit_MonthSch")->text(), QString::fromStdString(shown.month));
    QCOMPARE(Field(dialog, "Edit_EarSch")->text(), QString::fromStdString(shown.year));

    CraneIdentBuffer ident{};
    TrailerBuffer trailer{};
    const bool stored = RunWith(dialog, ident, trailer, [&dialog] {
      Retype(Field(dialog, "Edit_DataSch"), QStringLiteral("05"));
      Retype(Field(dialog, "Edit_MonthSch"), QStringLiteral("03"));
      Retype(Field(dialog, "Edit_EarSch"), QStringLiteral("094"));  // two characters taken
      Retype(Field(dialog, "Edit_Name"), QStringLiteral("Петров"));
      Retype(Field(dialog, "Edit_NUd"), QStringLiteral("12345678901234567890"));
      Retype(Field(dialog, "Edit_PyckOrg"), QStringLiteral("Наладка"));
      Retype(Field(dialog, "Edit_VladKran"), QString(45, QChar(u'Я')));
      dialog.findChild<QPushButton*>("BitBtn1")->click();
    });
    QVERIFY(stored);
    QVERIFY(dialog.isHidden());

    const vertal::dump::OperatorTrailer read = vertal::dump::ReadOperatorTrailer(trailer);
    QCOMPARE(read.date[0], 0x05);
    QCOMPARE(read.date[1], 0x03);
    QCOMPARE(read.date[2], 0x09);
    QCOMPARE(QString::fromStdString(read.name), QStringLiteral("Петров"));
    QCOMPARE(QString::fromStdString(read.organisation), QString::fromStdString(shown.organisation));
    QCOMPARE(read.certificate, std::string("1234567890"));
    QCOMPARE(QString::fromStdString(read.owner), QString(40, QChar(u'Я')));
    // The commissioning organisation goes into the crane's record, as the core stores it.
    CraneIdentBuffer expectedIdent{};
    TrailerBuffer scratch{};
    vertal::link::OperatorFields commissioning = shown;
    commissioning.commissioning = "Наладка";
    vertal::link::StoreOperatorFields(commissioning, expectedIdent, scratch);
    QVERIFY(ident == expectedIdent);
  }

  // "Запись" without touching the commissioning organisation sends the unit's record back as it
  // was read; the owner's prompt is a hint in an empty field; dates take digits only.
  void untouchedFieldsStoreOnlyWhatTheOperatorSawAsData() {
    OperatorDialogWindow dialog;
    CraneIdentBuffer ident{};
    for (std::size_t i = 0; i < ident.size(); ++i) ident[i] = static_cast<std::uint8_t>(0x30 + i % 10);
    ident[63 + 12] = 0;  // the unit's text is "345678901234"
    const CraneIdentBuffer asRead = ident;
    TrailerBuffer trailer{};
    QString shownCommissioning;
    const bool stored = RunWith(dialog, ident, trailer, [&] {
      shownCommissioning = Field(dialog, "Edit_PyckOrg")->text();
      QLineEdit* owner = Field(dialog, "Edit_VladKran");
      QVERIFY(owner->text().isEmpty());
      QCOMPARE(owner->placeholderText(), QStringLiteral("Заполните поле (не более 39 символов)"));
      Retype(Field(dialog, "Edit_DataSch"), QStringLiteral("a1"));
      QCOMPARE(Field(dialog, "Edit_DataSch")->text(), QStringLiteral("1"));
      dialog.findChild<QPushButton*>("BitBtn1")->click();
    });
    QVERIFY(stored);
    QCOMPARE(shownCommissioning, QStringLiteral("345678901234"));
    QVERIFY(ident == asRead);
    QCOMPARE(vertal::dump::ReadOperatorTrailer(trailer).owner, std::string());
  }

  void tabMovesThroughTheFieldsInItsOrder() {
    OperatorDialogWindow dialog;
    const QStringList expected = {"Edit_Org",      "Edit_NUd",      "Edit_Name",
                                  "Edit_DataSch",  "BitBtn1",       "Edit_PyckOrg",
                                  "Edit_VladKran", "Edit_MonthSch", "Edit_EarSch"};
    QStringList order;
    QWidget* w = Field(dialog, "Edit_Org");
    do {
      if ((w->focusPolicy() & Qt::TabFocus) != 0) order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != Field(dialog, "Edit_Org") && order.size() < 20);
    QCOMPARE(order, expected);
  }

  void closingByTheFrameStoresNothing() {
    OperatorDialogWindow dialog;
    CraneIdentBuffer ident{};
    ident.fill(0x11);
    TrailerBuffer trailer{};
    trailer.fill(0x22);
    const bool stored = RunWith(dialog, ident, trailer, [&dialog] {
      Retype(Field(dialog, "Edit_Name"), QStringLiteral("Петров"));
      dialog.close();
    });
    QVERIFY(!stored);
    QVERIFY(std::all_of(ident.begin(), ident.end(), [](auto b) { return b == 0x11; }));
    QVERIFY(std::all_of(trailer.begin(), trailer.end(), [](auto b) { return b == 0x22; }));
  }
};

QTEST_MAIN(OperatorDialogTest)
#include "OperatorDialogTest.moc"
