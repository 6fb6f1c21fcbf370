#include "app/ui/ExportDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "reports/core/FrameRangeInput.h"
#include "reports/ui/FrameRangeDialog.h"
#include "common/ui/DialogControls.h"
#include "common/ui/UiText.h"

namespace vertal::app {

namespace {

struct KindButton {
  const char* name;
  const char* text;  // with its access key
};

// In the order of TableKind.
constexpr std::array<KindButton, exporting::kTableKindNames.size()> kKindButtons = {{
    {"RadioButton_Frames", "&Кадры (оперативная информация)"},
    {"RadioButton_Overloads", "&Перегрузки (результат поиска)"},
    {"RadioButton_Kds", "К&ДС параметры (результат поиска)"},
    {"RadioButton_Episodes", "&Эпизоды периода записи"},
    {"RadioButton_Spectrum", "&Наработка по степени загрузки"},
    {"RadioButton_Service", "С&лужебная информация"},
}};

// A caption whose access key moves the focus to `buddy`.
QLabel* BuddyLabel(QWidget* parent, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

ExportDialog::ExportDialog(Host& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), host_(host) {
  setObjectName(QStringLiteral("Form_Export"));
  setWindowTitle(QStringLiteral("Экспорт в CSV"));
  // A dialog is a window of its own and does not take the main window's font by itself.
  if (parent) setFont(parent->window()->font());

  auto* what = new QGroupBox(QStringLiteral("Что записать"), this);
  what->setObjectName(QStringLiteral("GroupBox_What"));
  auto* kindColumn = new QVBoxLayout(what);
  for (std::size_t k = 0; k < kKindButtons.size(); ++k) {
    kinds_[k] = new QRadioButton(QString::fromUtf8(kKindButtons[k].text), what);
    kinds_[k]->setObjectName(QString::fromLatin1(kKindButtons[k].name));
    kindColumn->addWidget(kinds_[k]);
    if (k == 0) {
      // The range of the frames, right under their choice.
      firstFrame_ = ui::MakeFrameField(what, "E_First", reports::kFirstFrameText);
      lastFrame_ = ui::MakeFrameField(what, "E_Last", reports::kLastFrameText);
      auto* range = new QHBoxLayout;
      range->addSpacing(ui::kFrameFieldWidth / 2);
      range->addWidget(BuddyLabel(what, QStringLiteral("&с кадра"), firstFrame_));
      range->addWidget(firstFrame_);
      range->addWidget(BuddyLabel(what, QStringLiteral("п&о кадр"), lastFrame_));
      range->addWidget(lastFrame_);
      range->addStretch(1);
      kindColumn->addLayout(range);
    }
  }
  kinds_[0]->setChecked(true);
  connect(kinds_[0], &QRadioButton::toggled, this, [this](bool frames) {
    firstFrame_->setEnabled(frames);
    lastFrame_->setEnabled(frames);
  });

  writeButton_ = ui::MakeGlyphButton(this, "Button_Write", QStringLiteral("&Записать…"),
                                     QStyle::SP_DialogSaveButton);
  cancelButton_ = ui::MakeGlyphButton(this, "Button_Cancel", QStringLiteral("Отмена"),
                                      QStyle::SP_DialogCancelButton);
  // Enter anywhere in the dialog writes; Esc and the frame's close button reject, as "Отмена".
  writeButton_->setDefault(true);
  connect(writeButton_, &QPushButton::clicked, this, [this] { OnWrite(); });
  connect(cancelButton_, &QPushButton::clicked, this, [this] { OnCancel(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(writeButton_);
  buttons->addWidget(cancelButton_);

  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->addWidget(what);
  column->addLayout(buttons);

  setTabOrder(kinds_[0], firstFrame_);
  setTabOrder(firstFrame_, lastFrame_);
  kinds_[0]->setFocus();
}

exporting::TableKind ExportDialog::ChosenKind() const {
  for (std::size_t k = 0; k < kinds_.size(); ++k)
    if (kinds_[k]->isChecked()) return static_cast<exporting::TableKind>(k);
  return exporting::TableKind::Frames;
}

void ExportDialog::OnWrite() {
  ExportChoice choice{ChosenKind(), {}};
  if (choice.kind == exporting::TableKind::Frames) {
    const auto range = reports::TypedFrameRange(*firstFrame_, *lastFrame_, host_);
    if (!range) return;
    choice.range = *range;
  }
  choice_ = choice;
  accept();
}

void ExportDialog::OnCancel() {
  reject();
}

std::optional<ExportChoice> AskExportChoice(QWidget* parent, Host& host) {
  ExportDialog dialog(host, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

}  // namespace vertal::app
