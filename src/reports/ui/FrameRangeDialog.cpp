#include "reports/ui/FrameRangeDialog.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <string>
#include <variant>

#include "reports/core/FrameRangeInput.h"
#include "common/ui/DialogControls.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"

namespace vertal::reports {

FrameRangeDialog::FrameRangeDialog(Host& host, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), host_(host) {
  setObjectName(QStringLiteral("TForm_Kadr1"));
  setWindowTitle(QStringLiteral("Вывод кадров на печать"));
  // A dialog is a window of its own and does not take the main window's font by itself.
  if (parent) setFont(parent->window()->font());

  firstFrame_ = ui::MakeFrameField(this, "E_Home", kFirstFrameText);
  lastFrame_ = ui::MakeFrameField(this, "E_End", kLastFrameText);
  okButton_ = ui::MakeGlyphButton(this, "BitBtn1", QStringLiteral("Ok"), QStyle::SP_DialogOkButton);
  cancelButton_ =
      ui::MakeGlyphButton(this, "BitBtn2", QStringLiteral("Отмена"), QStyle::SP_DialogCancelButton);
  // Enter anywhere in the dialog is "Ok"; Esc and the frame's close button reject, as "Отмена".
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(cancelButton_, &QPushButton::clicked, this, [this] { OnCancel(); });

  auto* range = new QHBoxLayout;
  range->addWidget(ui::MakeLabel(this, nullptr, QStringLiteral("Печатать с")));
  range->addWidget(firstFrame_);
  range->addWidget(ui::MakeLabel(this, nullptr, QStringLiteral("кадра по")));
  range->addWidget(lastFrame_);
  range->addWidget(ui::MakeLabel(this, nullptr, QStringLiteral("кадр")));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  buttons->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->addLayout(range);
  column->addLayout(buttons);

  setTabOrder(firstFrame_, lastFrame_);
  setTabOrder(lastFrame_, okButton_);
  setTabOrder(okButton_, cancelButton_);
  firstFrame_->setFocus();
}

std::optional<FrameRange> TypedFrameRange(const QLineEdit& first, const QLineEdit& last, Host& host) {
  const auto read = ReadFrameRange(ui::ToStdString(first.text()), ui::ToStdString(last.text()));
  if (const auto* refusal = std::get_if<Message>(&read)) {
    host.ShowMessage(*refusal);
    return std::nullopt;
  }
  return std::get<FrameRange>(read);
}

void FrameRangeDialog::OnOk() {
  range_ = TypedFrameRange(*firstFrame_, *lastFrame_, host_);
  if (range_) accept();
}

void FrameRangeDialog::OnCancel() {
  reject();
}

std::optional<FrameRange> AskFrameRange(QWidget* parent, Host& host) {
  FrameRangeDialog dialog(host, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Range();
}

}  // namespace vertal::reports
