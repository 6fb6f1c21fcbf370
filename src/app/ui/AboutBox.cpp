#include "app/ui/AboutBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ui/ButtonPictures.h"

namespace vertal::app {

namespace {

constexpr int kLogoSize = 48;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("О программе"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kWidth, kHeight);
  // A dialog is a window of its own and does not take its parent's font by itself.
  if (parent) setFont(parent->window()->font());

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

  icon_ = new QLabel(panel);
  icon_->setObjectName(QStringLiteral("ProgramIcon"));
  icon_->setPixmap(LogoPicture(kLogoSize));
  icon_->setFixedSize(kLogoSize, kLogoSize);

  title_ = MakeLabel(panel, "ProductName", QStringLiteral("Анализ РП VERTAL"), true);
  version_ = MakeLabel(panel, "Version", QStringLiteral("Версия 1.0"), true);
  purpose_ = MakeLabel(panel, "Comments",
                       QStringLiteral("Программа предназначена для  расшифровки информацию "
                                      "записанной в регистратор параметров ограничителей "
                                      "грузоподъемности VERTAL."));
  purpose_->setWordWrap(true);
  maker_ = MakeLabel(panel, "Copyright",
                     QStringLiteral("Разработка: служба сервиса VERTAL\nВсе права защищены"));
  maker_->setWordWrap(true);

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(3);
  grid->addWidget(icon_, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(title_, 0, 1, Qt::AlignBottom);
  grid->addWidget(version_, 1, 1, Qt::AlignTop);
  grid->addWidget(purpose_, 2, 0, 1, 2);
  grid->addWidget(maker_, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName(QStringLiteral("OKButton"));
  okButton_->setDefault(true);
  okButton_->setAutoDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 6);
  column->setSpacing(6);
  column->addWidget(panel, 1);
  column->addWidget(okButton_, 0, Qt::AlignHCenter);
}

void AboutBox::showEvent(QShowEvent* event) {
  // Centred on the screen, not on the window that opened it.
  if (const QScreen* shown = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(shown->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace vertal::app
