#include "app/ui/ToolPanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

#include "app/ui/ButtonPictures.h"

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

ToolPanel BuildToolPanel(QWidget* parent) {
  ToolPanel t;
  t.panel = new QFrame(parent);
  t.panel->setObjectName(QStringLiteral("Panel_INSTR"));
  t.panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  t.panel->setFixedHeight(kPanelHeight);
  auto* row = new QHBoxLayout(t.panel);
  row->setContentsMargins(4, 0, 4, 0);
  row->setSpacing(1);

  t.read = MakeButton(t.panel, "SpeedButton_REC", ReadPicture(),
                      QStringLiteral("Считать информацию"), false);
  t.open = MakeButton(t.panel, "SpeedButton_OPEN", OpenPicture(), QStringLiteral("Открыть"), true);
  t.exit = MakeButton(t.panel, "SpeedButton_EXIT", ExitPicture(), QStringLiteral("Выход"), true);
  t.about =
      MakeButton(t.panel, "SpeedButton_ABOUT", AboutPicture(), QStringLiteral("О программе"), true);
  row->addStretch(1);
  return t;
}

}  // namespace vertal::app
