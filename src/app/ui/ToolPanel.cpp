#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

#include "app/ui/Bodyprog.h"
#include "app/ui/ButtonPictures.h"
#include "app/ui/MainWindowParts.h"

namespace vertal::app {

namespace {

constexpr int kPanelHeight = 33;
constexpr int kButtonSize = 23;

// `showHint` false keeps the hint as the button's accessible name only.
QToolButton* MakeButton(QFrame* panel, const char* name, const QIcon& picture, const QString& hint,
                        bool showHint) {
  auto* button = new QToolButton(panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(picture);
  button->setIconSize(QSize(kButtonPictureSize, kButtonPictureSize));
  button->setFixedSize(kButtonSize, kButtonSize);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAccessibleName(hint);
  if (showHint) button->setToolTip(hint);
  panel->layout()->addWidget(button);
  return button;
}

}  // namespace

void BuildToolPanel(TForm_Main& form) {
  auto* panel = new QFrame(&form);
  panel->setObjectName(QStringLiteral("Panel_INSTR"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  panel->setFixedHeight(kPanelHeight);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 0, 4, 0);
  row->setSpacing(1);
  form.Panel_INSTR = panel;

  form.SpeedButton_REC = MakeButton(panel, "SpeedButton_REC", ReadPicture(),
                                    QStringLiteral("Считать информацию"), false);
  form.SpeedButton_OPEN =
      MakeButton(panel, "SpeedButton_OPEN", OpenPicture(), QStringLiteral("Открыть"), true);
  form.SpeedButton_EXIT =
      MakeButton(panel, "SpeedButton_EXIT", ExitPicture(), QStringLiteral("Выход"), true);
  form.SpeedButton_ABOUT =
      MakeButton(panel, "SpeedButton_ABOUT", AboutPicture(), QStringLiteral("О программе"), true);
  row->addStretch(1);
}

}  // namespace vertal::app
