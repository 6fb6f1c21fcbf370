#include "link/ui/OperatorDialog.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "link/core/OperatorEntry.h"
#include "common/ui/UiText.h"

namespace vertal::link {

namespace {

constexpr int kDateFieldWidth = 24;
constexpr int kDateLength = 2;
constexpr int kTextLength = 40;
constexpr int kCertificateLength = 20;

QLabel* MakeLabel(QWidget* parent, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

// An entry field in bold navy on white.
QLineEdit* MakeField(QWidget* parent, const char* name, int maxLength, const std::string& text) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(maxLength);
  QFont font = field->font();
  font.setBold(true);
  field->setFont(font);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::PlaceholderText, Qt::gray);
  field->setPalette(palette);
  field->setText(ui::ToQString(text));
  return field;
}

}  // namespace

OperatorDialogWindow::OperatorDialogWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm_save"));
  setWindowTitle(QStringLiteral("Дополнительная информация"));
  setFixedSize(kWidth, kHeight);
  // A dialog is a window of its own and does not take the main window's font by itself.
  if (parent) setFont(parent->window()->font());

  const OperatorFields fields = DefaultOperatorFields();
  Edit_DataSch = MakeField(this, "Edit_DataSch", kDateLength, fields.day);
  Edit_MonthSch = MakeField(this, "Edit_MonthSch", kDateLength, fields.month);
  Edit_EarSch = MakeField(this, "Edit_EarSch", kDateLength, fields.year);
  // The date is stored digit by digit as BCD: only digits are taken.
  auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  for (QLineEdit* date : {Edit_DataSch, Edit_MonthSch, Edit_EarSch}) {
    date->setFixedWidth(kDateFieldWidth);
    date->setValidator(digits);
  }
  Edit_Name = MakeField(this, "Edit_Name", kTextLength, fields.name);
  Edit_Org = MakeField(this, "Edit_Org", kTextLength, fields.organisation);
  Edit_NUd = MakeField(this, "Edit_NUd", kCertificateLength, fields.certificate);
  // Filled with the unit's own text when the dialog is run.
  Edit_PyckOrg = MakeField(this, "Edit_PyckOrg", kTextLength, {});
  Edit_VladKran = MakeField(this, "Edit_VladKran", kTextLength, fields.owner);
  // A hint, not a value: an owner left as shown is stored empty.
  Edit_VladKran->setPlaceholderText(QString::fromUtf8(kFillInText));

  BitBtn1 = new QPushButton(QStringLiteral("Запись"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

  auto* date = new QHBoxLayout;
  date->addWidget(MakeLabel(this, "число:"));
  date->addWidget(Edit_DataSch);
  date->addSpacing(8);
  date->addWidget(MakeLabel(this, "месяц:"));
  date->addWidget(Edit_MonthSch);
  date->addSpacing(8);
  date->addWidget(MakeLabel(this, "год:"));
  date->addWidget(Edit_EarSch);
  date->addStretch(1);

  auto* rows = new QGridLayout;
  rows->addWidget(MakeLabel(this, "Дата считывания:"), 0, 0);
  rows->addLayout(date, 0, 1);
  rows->addWidget(MakeLabel(this, "Инормацию считал:"), 1, 0);
  rows->addWidget(Edit_Name, 1, 1);
  rows->addWidget(MakeLabel(this, "Организация:"), 2, 0);
  rows->addWidget(Edit_Org, 2, 1);
  rows->addWidget(MakeLabel(this, "Удостоверение №:"), 3, 0);
  rows->addWidget(Edit_NUd, 3, 1);
  rows->addWidget(MakeLabel(this, "Пусконаладочная организация:"), 4, 0);
  rows->addWidget(Edit_PyckOrg, 4, 1);
  rows->addWidget(MakeLabel(this, "Владелец крана:"), 5, 0);
  rows->addWidget(Edit_VladKran, 5, 1);

  auto* column = new QVBoxLayout(this);
  column->addLayout(rows);
  column->addStretch(1);
  column->addWidget(BitBtn1, 0, Qt::AlignHCenter);

  setTabOrder(Edit_Org, Edit_NUd);
  setTabOrder(Edit_NUd, Edit_Name);
  setTabOrder(Edit_Name, Edit_DataSch);
  setTabOrder(Edit_DataSch, BitBtn1);
  setTabOrder(BitBtn1, Edit_PyckOrg);
  setTabOrder(Edit_PyckOrg, Edit_VladKran);
  setTabOrder(Edit_VladKran, Edit_MonthSch);
  setTabOrder(Edit_MonthSch, Edit_EarSch);
  Edit_Org->setFocus();
}

bool OperatorDialogWindow::Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) {
  craneIdent_ = &craneIdent;
  trailer_ = &trailer;
  stored_ = false;
  shownCommissioning_ = ui::ToQString(CommissioningText(craneIdent));
  Edit_PyckOrg->setText(shownCommissioning_);
  exec();
  craneIdent_ = nullptr;
  trailer_ = nullptr;
  return stored_;
}

void OperatorDialogWindow::BitBtn1Click() {
  if (craneIdent_ && trailer_) {
    OperatorFields fields;
    fields.day = Edit_DataSch->text().toStdString();
    fields.month = Edit_MonthSch->text().toStdString();
    fields.year = Edit_EarSch->text().toStdString();
    fields.name = Edit_Name->text().toStdString();
    fields.organisation = Edit_Org->text().toStdString();
    fields.certificate = Edit_NUd->text().toStdString();
    // The unit's record goes back untouched unless the operator changed the text.
    if (Edit_PyckOrg->text() != shownCommissioning_)
      fields.commissioning = Edit_PyckOrg->text().toStdString();
    fields.owner = Edit_VladKran->text().toStdString();
    StoreOperatorFields(fields, *craneIdent_, *trailer_);
    stored_ = true;
  }
  accept();
}

}  // namespace vertal::link
