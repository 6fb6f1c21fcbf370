#include "graphs/ui/GraphNavigation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "dump/core/DumpLayout.h"
#include "graphs/core/GraphJump.h"
#include "common/ui/UiText.h"

namespace vertal::graphs {

namespace {

constexpr int kFrameDigits = 7;
constexpr int kMomentCharacters = 18;
constexpr int kSpacing = 4;

QToolButton* StepButton(QWidget* parent, const char* name, Qt::ArrowType arrow, const char* hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setToolTip(QString::fromUtf8(hint));
  button->setAccessibleName(QString::fromUtf8(hint));
  button->setAutoRepeat(true);
  return button;
}

QLineEdit* Field(QWidget* parent, const char* name, std::string_view caption, int characters) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(ui::ToQString(caption));
  field->setFixedWidth(field->fontMetrics().averageCharWidth() * characters);
  return field;
}

}  // namespace

GraphNavigation::GraphNavigation(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("GraphNavigation"));
  back_ = StepButton(this, "WindowBack", Qt::LeftArrow, "На окно назад");
  forward_ = StepButton(this, "WindowForward", Qt::RightArrow, "На окно вперёд");
  frame_ = Field(this, "FrameField", kFrameFieldCaption, kFrameDigits + 2);
  frame_->setPlaceholderText(QString::number(dump::kFrameCount - 1));
  moment_ = Field(this, "MomentField", kMomentFieldCaption, kMomentCharacters + 2);
  moment_->setPlaceholderText(ui::ToQString(kMomentFieldHint));

  auto* frameLabel = new QLabel(ui::ToQString(kFrameFieldCaption), this);
  frameLabel->setBuddy(frame_);
  auto* momentLabel = new QLabel(ui::ToQString(kMomentFieldCaption), this);
  momentLabel->setBuddy(moment_);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(kSpacing, 0, 0, 0);
  row->setSpacing(kSpacing);
  for (QWidget* part :
       std::initializer_list<QWidget*>{back_, forward_, frameLabel, frame_, momentLabel, moment_})
    row->addWidget(part);

  connect(back_, &QToolButton::clicked, this, [this] { emit WindowStep(-1); });
  connect(forward_, &QToolButton::clicked, this, [this] { emit WindowStep(1); });
  connect(frame_, &QLineEdit::returnPressed, this, [this] { emit FrameTyped(frame_->text()); });
  connect(moment_, &QLineEdit::returnPressed, this, [this] { emit MomentTyped(moment_->text()); });
}

void GraphNavigation::ShowWindowStart(std::optional<std::int64_t> firstFrame) {
  const QString text = firstFrame ? QString::number(*firstFrame) : QString();
  if (frame_->text() != text) frame_->setText(text);
}

void GraphNavigation::ClearMoment() {
  moment_->clear();
}

}  // namespace vertal::graphs
