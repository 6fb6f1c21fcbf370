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
  dayField_ = MakeField(this, "Edit_DataSch", kDateLength, fields.day);
  monthField_ = MakeField(this, "Edit_MonthSch", kDateLength, fields.month);
  yearField_ = MakeField(this, "Edit_EarSch", kDateLength, fields.year);
  // The date is stored digit by digit as BCD: only digits are taken.
  auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  for (QLineEdit* date : {dayField_, monthField_, yearField_}) {
    date->setFixedWidth(kDateFieldWidth);
    date->setValidator(digits);
  }
  readerField_ = MakeField(this, "Edit_Name", kTextLength, fields.name);
  organisationField_ = MakeField(this, "Edit_Org", kTextLength, fields.organisation);
  certificateField_ = MakeField(this, "Edit_NUd", kCertificateLength, fields.certificate);
  // Filled with the unit's own text when the dialog is run.
  commissioningField_ = MakeField(this, "Edit_PyckOrg", kTextLength, {});
  ownerField_ = MakeField(this, "Edit_VladKran", kTextLength, fields.owner);
  // A hint, not a value: an owner left as shown is stored empty.
  ownerField_->setPlaceholderText(QString::fromUtf8(kFillInText));

  storeButton_ = new QPushButton(QStringLiteral("Запись"), this);
  storeButton_->setObjectName(QStringLiteral("BitBtn1"));
  storeButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  storeButton_->setAutoDefault(false);
  connect(storeButton_, &QPushButton::clicked, this, [this] { OnStore(); });

  auto* date = new QHBoxLayout;
  date->addWidget(MakeLabel(this, "число:"));
  date->addWidget(dayField_);
  date->addSpacing(8);
  date->addWidget(MakeLabel(this, "месяц:"));
  date->addWidget(monthField_);
  date->addSpacing(8);
  date->addWidget(MakeLabel(this, "год:"));
  date->addWidget(yearField_);
  date->addStretch(1);

  auto* rows = new QGridLayout;
  rows->addWidget(MakeLabel(this, "Дата считывания:"), 0, 0);
  rows->addLayout(date, 0, 1);
  rows->addWidget(MakeLabel(this, "Инормацию считал:"), 1, 0);
  rows->addWidget(readerField_, 1, 1);
  rows->addWidget(MakeLabel(this, "Организация:"), 2, 0);
  rows->addWidget(organisationField_, 2, 1);
  rows->addWidget(MakeLabel(this, "Удостоверение №:"), 3, 0);
  rows->addWidget(certificateField_, 3, 1);
  rows->addWidget(MakeLabel(this, "Пусконаладочная организация:"), 4, 0);
  rows->addWidget(commissioningField_, 4, 1);
  rows->addWidget(MakeLabel(this, "Владелец крана:"), 5, 0);
  rows->addWidget(ownerField_, 5, 1);

  auto* column = new QVBoxLayout(this);
  column->addLayout(rows);
  column->addStretch(1);
  column->addWidget(storeButton_, 0, Qt::AlignHCenter);

  setTabOrder(organisationField_, certificateField_);
  setTabOrder(certificateField_, readerField_);
  setTabOrder(readerField_, dayField_);
  setTabOrder(dayField_, storeButton_);
  setTabOrder(storeButton_, commissioningField_);
  setTabOrder(commissioningField_, ownerField_);
  setTabOrder(ownerField_, monthField_);
  setTabOrder(monthField_, yearField_);
  organisationField_->setFocus();
}

bool OperatorDialogWindow::Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) {
  craneIdent_ = &craneIdent;
  trailer_ = &trailer;
  stored_ = false;
  shownCommissioning_ = ui::ToQString(CommissioningText(craneIdent));
  commissioningField_->setText(shownCommissioning_);
  exec();
  craneIdent_ = nullptr;
  trailer_ = nullptr;
  return stored_;
}

void OperatorDialogWindow::OnStore() {
  if (craneIdent_ && trailer_) {
    OperatorFields fields;
    fields.day = dayField_->text().toStdString();
    fields.month = monthField_->text().toStdString();
    fields.year = yearField_->text().toStdString();
    fields.name = readerField_->text().toStdString();
    fields.organisation = organisationField_->text().toStdString();
    fields.certificate = certificateField_->text().toStdString();
    // The unit's record goes back untouched unless the operator changed the text.
    if (commissioningField_->text() != shownCommissioning_)
      fields.commissioning = commissioningField_->text().toStdString();
    fields.owner = ownerField_->text().toStdString();
    StoreOperatorFields(fields, *craneIdent_, *trailer_);
    stored_ = true;
  }
  accept();
}

}  // namespace vertal::link
