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

  E_Home = ui::MakeFrameField(this, "E_Home", kFirstFrameText);
  E_End = ui::MakeFrameField(this, "E_End", kLastFrameText);
  BitBtn1 = ui::MakeGlyphButton(this, "BitBtn1", QStringLiteral("Ok"), QStyle::SP_DialogOkButton);
  BitBtn2 = ui::MakeGlyphButton(this, "BitBtn2", QStringLiteral("Отмена"), QStyle::SP_DialogCancelButton);
  // Enter anywhere in the dialog is "Ok"; Esc and the frame's close button reject, as "Отмена".
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

  auto* range = new QHBoxLayout;
  range->addWidget(ui::MakeLabel(this, nullptr, QStringLiteral("Печатать с")));
  range->addWidget(E_Home);
  range->addWidget(ui::MakeLabel(this, nullptr, QStringLiteral("кадра по")));
  range->addWidget(E_End);
  range->addWidget(ui::MakeLabel(this, nullptr, QStringLiteral("кадр")));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  buttons->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->addLayout(range);
  column->addLayout(buttons);

  setTabOrder(E_Home, E_End);
  setTabOrder(E_End, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);
  E_Home->setFocus();
}

std::optional<FrameRange> TypedFrameRange(const QLineEdit& first, const QLineEdit& last, Host& host) {
  const auto read = ReadFrameRange(ui::ToStdString(first.text()), ui::ToStdString(last.text()));
  if (const auto* refusal = std::get_if<Message>(&read)) {
    host.ShowMessage(*refusal);
    return std::nullopt;
  }
  return std::get<FrameRange>(read);
}

void FrameRangeDialog::BitBtn1Click() {
  range_ = TypedFrameRange(*E_Home, *E_End, host_);
  if (range_) accept();
}

void FrameRangeDialog::BitBtn2Click() {
  reject();
}

std::optional<FrameRange> AskFrameRange(QWidget* parent, Host& host) {
  FrameRangeDialog dialog(host, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Range();
}

}  // namespace vertal::reports
