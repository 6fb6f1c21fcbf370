#include "dump/ui/LoadDistributionPage.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>
#include <string>

#include "dump/core/LoadDistribution.h"
#include "dump/core/ServiceCaptions.h"
#include "dump/ui/ClickableLabel.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"

namespace vertal::dump {

namespace {

constexpr int kPanelMargin = 6;
constexpr int kGridColumnSpacing = 6;
constexpr int kGridRowSpacing = 2;
constexpr int kRangeColumnWidth = 100;
constexpr int kCountColumnWidth = 118;
constexpr int kRowHeight = 18;  // fifteen rows and a three-line header fill the panel
constexpr int kTotalsGap = 6;
constexpr int kHeaderRow = 0;
constexpr int kRangeColumn = 0, kBarColumn = 1, kWorkColumn = 2, kLoadColumn = 3;

// Bars of the ranges below 90 % are green, the 90-100 % range yellow, the overloads red.
constexpr QRgb kNormalBar = 0x008000, kNearFullBar = 0xFFFF00, kOverloadBar = 0xFF0000;
constexpr std::size_t kNearFullRange = 9;  // 0-based

QRgb BarColour(std::size_t range) {
  if (range < kNearFullRange) return kNormalBar;
  return range == kNearFullRange ? kNearFullBar : kOverloadBar;
}

using ui::ButtonFace;
using ui::Caption;
using ui::MakeLabel;
using ui::StyleAsValue;
using ui::ToQString;

QLabel* MakeHeader(QWidget* parent, const char* name, const QString& text) {
  QLabel* header = MakeLabel(parent, name, text);
  header->setWordWrap(true);
  header->setAlignment(Qt::AlignCenter);
  return header;
}

// A count: read-only, borderless, on the button face.
QLineEdit* MakeCountField(QWidget* parent, std::string_view name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(ui::ControlName(name));
  field->setReadOnly(true);
  field->setFrame(false);
  field->setAlignment(Qt::AlignCenter);
  field->setFixedSize(kCountColumnWidth, kRowHeight);
  StyleAsValue(field);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ButtonFace(field));
  field->setPalette(palette);
  return field;
}

QProgressBar* MakeGauge(QWidget* parent, std::string_view name, QRgb colour) {
  auto* gauge = new QProgressBar(parent);
  gauge->setObjectName(ui::ControlName(name));
  gauge->setRange(0, kGaugeMax);
  gauge->setValue(0);
  gauge->setTextVisible(false);
  gauge->setFixedHeight(kRowHeight);
  gauge->setStyleSheet(
      QStringLiteral("QProgressBar { background: palette(button); border: 1px solid palette(mid); }"
                     "QProgressBar::chunk { background: %1; }")
          .arg(QColor(colour).name()));
  return gauge;
}

}  // namespace

LoadDistributionPage::LoadDistributionPage(QFrame* panel) : QWidget(panel), panel_(panel) {
  setObjectName(QStringLiteral("LoadDistributionPage"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  ui::FillWith(panel, this);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
  grid->setHorizontalSpacing(kGridColumnSpacing);
  grid->setVerticalSpacing(kGridRowSpacing);
  grid->setColumnMinimumWidth(kRangeColumn, kRangeColumnWidth);
  grid->setColumnStretch(kBarColumn, 1);

  BuildHeader();
  BuildRows();
  BuildTotals();
  FollowCaptions();

  // The totals follow the panel wherever the window centres it.
  panel->installEventFilter(this);
  PlaceTotals();
}

void LoadDistributionPage::BuildHeader() {
  auto* grid = static_cast<QGridLayout*>(layout());
  grid->addWidget(MakeHeader(this, "Label66", QStringLiteral("Диапазоны распределения нагрузок")),
                  kHeaderRow, kRangeColumn);
  diagramCaption_ = new ClickableLabel(this);
  diagramCaption_->setObjectName(QStringLiteral("Label67"));
  shown_.diagramTitle = std::string(kWorkCycleDiagramTitle);
  diagramCaption_->setText(ToQString(kWorkCycleDiagramTitle));
  diagramCaption_->setWordWrap(true);
  diagramCaption_->setAlignment(Qt::AlignCenter);
  connect(diagramCaption_, &ClickableLabel::clicked, this, &LoadDistributionPage::OnDiagramCaptionClicked);
  grid->addWidget(diagramCaption_, kHeaderRow, kBarColumn);
  workHeader_ =
      MakeHeader(this, "Label68", ToQString(kWorkCycleHeader));
  loadHeader_ =
      MakeHeader(this, "Label84", ToQString(kLoadCycleHeader));
  // The count columns are as wide as their fields; the bars take the rest of the panel.
  for (QLabel* header : {workHeader_, loadHeader_}) header->setFixedWidth(kCountColumnWidth);
  grid->addWidget(workHeader_, kHeaderRow, kWorkColumn);
  grid->addWidget(loadHeader_, kHeaderRow, kLoadColumn);
}

void LoadDistributionPage::BuildRows() {
  auto* grid = static_cast<QGridLayout*>(layout());
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    const int row = kHeaderRow + 1 + static_cast<int>(k);
    ranges_[k] = MakeLabel(this, nullptr, ToQString(kRangeCaptions[k]));
    ranges_[k]->setObjectName(ui::ControlName(kRangeCaptionLabels[k]));
    gauges_[k] = MakeGauge(this, kLoadGauges[k], BarColour(k));
    workFields_[k] = MakeCountField(this, kWorkCycleFields[k]);
    loadFields_[k] = MakeCountField(this, kLoadCycleFields[k]);
    grid->addWidget(ranges_[k], row, kRangeColumn);
    grid->addWidget(gauges_[k], row, kBarColumn);
    grid->addWidget(workFields_[k], row, kWorkColumn);
    grid->addWidget(loadFields_[k], row, kLoadColumn);
  }
}

void LoadDistributionPage::BuildTotals() {
  totals_ = new QWidget(panel_->parentWidget());
  totals_->setObjectName(QStringLiteral("LoadTotals"));
  auto* grid = new QGridLayout(totals_);
  grid->setContentsMargins(kPanelMargin, 0, kPanelMargin, 0);
  grid->setHorizontalSpacing(kGridColumnSpacing);
  grid->setVerticalSpacing(kGridRowSpacing);
  grid->setColumnStretch(0, 1);
  const auto addTotal = [&](int row, const char* captionName, const QString& caption,
                            std::string_view fieldName) {
    QLabel* label = MakeLabel(totals_, captionName, caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* field = MakeCountField(totals_, fieldName);
    Caption(label, field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
  };
  addTotal(0, "Label42", ToQString(kLoadCycleTotalCaption), "Edit_K_C_N");
  addTotal(1, "Label43", ToQString(kWorkCycleTotalCaption), "Edit_K_R_C");
}

void LoadDistributionPage::PlaceTotals() {
  const QRect panel = panel_->geometry();
  totals_->setGeometry(panel.x(), panel.bottom() + 1 + kTotalsGap, panel.width(),
                       totals_->sizeHint().height());
}

bool LoadDistributionPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
    PlaceTotals();
  return QWidget::eventFilter(watched, event);
}

void LoadDistributionPage::OnDiagramCaptionClicked() {
  const DiagramState toggled = ToggleDiagram(shown_);
  shown_.diagramTitle = toggled.title;
  shown_.bars = toggled.bars;
  diagramCaption_->setText(ToQString(toggled.title));
  for (std::size_t k = 0; k < kLoadBinCount; ++k) gauges_[k]->setValue(toggled.bars[k]);
  FollowCaptions();
}

void LoadDistributionPage::Show(const LoadPageModel& model) {
  ApplyUpdate(shown_, model);
  // The totals stand below the panel, outside the page.
  VisitControls(model, [this](std::string_view name, const auto& value) {
    QWidget* owner = ui::LookUpControl(totals_, name) ? totals_ : static_cast<QWidget*>(this);
    ui::SetControl(owner, name, value);
  });
  FollowCaptions();
}

void LoadDistributionPage::FollowCaptions() {
  const QString pattern = QStringLiteral("%1, %2");
  for (std::size_t k = 0; k < kLoadBinCount; ++k) {
    const QString range = ranges_[k]->text().trimmed();
    gauges_[k]->setAccessibleName(pattern.arg(range, ToQString(shown_.diagramTitle.value_or(std::string()))));
    workFields_[k]->setAccessibleName(pattern.arg(range, workHeader_->text()));
    loadFields_[k]->setAccessibleName(pattern.arg(range, loadHeader_->text()));
  }
}

}  // namespace vertal::dump
