#include "graphs/ui/ParamGraphPage.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <cmath>

#include "graphs/core/AxisScale.h"
#include "graphs/core/AzimuthAxis.h"
#include "graphs/ui/ChartPlot.h"
#include "graphs/ui/GraphChart.h"
#include "common/ui/GuardedCommand.h"

namespace vertal::graphs {

namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kGreen = 0x008000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kMaroon = 0x800000;
constexpr QRgb kTeal = 0x008080;
constexpr QRgb kBlack = 0x000000;
constexpr int kPanelHeight = 48;
constexpr int kKeySpacing = 24;
constexpr int kZeroLineWidth = 2;

const SeriesStyle kLimitStyle{"Series1", "Предел 110%", kRed, kRed, Marker::Circle};
const SeriesStyle kWindowStyles[] = {
    {"Series2", "Процент загрузки M (%)", kGreen, kGreen},
    {"Series3", "Груз Q (т.)", kBlue, kBlue},
    {"Series4", "Вылет R (м.)", kMaroon, 0x800040},
    {"Series5", "Длина стрелы L (м.)", kBlack, kBlack},
    {"Series16", "Азимут Ga (гр.)", kTeal, 0x408080, Marker::None, true, 1, true, true,
     /*turnAxis=*/true},
    {"Series18", "Осевая", kBlack, 0xFFFFFF, Marker::None, true, kZeroLineWidth, false, false},
};

// Where each series stands in kWindowStyles.
constexpr std::size_t kMoment = 0;
constexpr std::size_t kLoad = 1;
constexpr std::size_t kRadius = 2;
constexpr std::size_t kLength = 3;
constexpr std::size_t kAzimuth = 4;

// A key's text without the line drawn before it, then the legend entry of its series.
QString KeyName(const QString& key, const SeriesStyle& series) {
  qsizetype start = 0;
  while (start < key.size() && (key[start] == u'-' || key[start].isSpace())) ++start;
  return key.mid(start).trimmed() + QStringLiteral(" — ") + QString::fromUtf8(series.title);
}

GraphPageSetup Setup() {
  return {GraphKind::Param, "Chart_Param", "ScrollBarGPar", "Panel6", kPanelHeight, kWindowStyles,
          &kLimitStyle};
}

void ColourWidget(QWidget* widget, QRgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(colour));
  palette.setColor(QPalette::ButtonText, QColor(colour));
  widget->setPalette(palette);
}

}  // namespace

ParamGraphPage::ParamGraphPage(GraphLinks links, QWidget* sheet)
    : GraphPage(Setup(), std::move(links), sheet) {
  BuildKeyPanel();
  BuildAzimuthAxis();
  ui::ConnectCommand(ScrollBar(), &QScrollBar::valueChanged, this, host(),
                     &ParamGraphPage::OnScrolled);
  ui::ConnectCommand(Chart()->Plot(), &QCustomPlot::plottableClick, this, host(),
                     &ParamGraphPage::OnPointClicked);
  Restyle();
}

void ParamGraphPage::BuildAzimuthAxis() {
  QCPAxis* axis = Chart()->Plot()->yAxis2;
  axis->setRange(kAzimuthAxis.min, kAzimuthAxis.max);
  auto ticker = QSharedPointer<QCPAxisTickerFixed>::create();
  ticker->setTickStep(kAzimuthTickStep);
  axis->setTicker(ticker);
  axis->setLabel(QStringLiteral("Ga (гр.)"));
  const QColor teal(kTeal);
  axis->setLabelColor(teal);
  axis->setTickLabelColor(teal);
  axis->setBasePen(QPen(teal));
  axis->setTickPen(QPen(teal));
  axis->setSubTickPen(QPen(teal));
}

void ParamGraphPage::BuildKeyPanel() {
  // Each box is named for assistive tools by its key and the legend entry of its series:
  // "M(t) — Процент загрузки M (%)".
  auto box = [this](const char* name, const char* caption, QRgb colour, bool checked,
                    const SeriesStyle& series) {
    auto* check = new QCheckBox(QString::fromUtf8(caption), KeyPanel());
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(checked);
    check->setAccessibleName(KeyName(check->text(), series));
    ColourWidget(check, colour);
    return check;
  };
  momentBox_ = box("CheckBox_GrParM", "------ M(t) ", kGreen, true, kWindowStyles[kMoment]);
  limitLineKey_ = new QLabel(QStringLiteral("------ 110%"), KeyPanel());
  limitLineKey_->setObjectName(QStringLiteral("Label37"));
  ColourWidget(limitLineKey_, kRed);
  loadBox_ = box("CheckBox_GrParQ", "-------- Q(t)", kBlue, true, kWindowStyles[kLoad]);
  radiusBox_ = box("CheckBox_GrParR", "-------- R(t)", kMaroon, false, kWindowStyles[kRadius]);
  azimuthBox_ = box("CheckBox_GrParGA", "-------- Ga(t)", kTeal, false, kWindowStyles[kAzimuth]);
  boomLengthBox_ = box("CheckBox_GrParL", "-------- Lt(t)", kBlack, false, kWindowStyles[kLength]);

  auto* row = new QHBoxLayout(KeyPanel());
  row->setSpacing(kKeySpacing);
  for (QWidget* key : std::initializer_list<QWidget*>{momentBox_, limitLineKey_, loadBox_,
                                                      radiusBox_, azimuthBox_, boomLengthBox_})
    row->addWidget(key);
  row->addStretch(1);

  ui::ConnectCommand(momentBox_, &QCheckBox::toggled, this, host(),
                     &ParamGraphPage::OnMomentToggled);
  ui::ConnectCommand(loadBox_, &QCheckBox::toggled, this, host(), &ParamGraphPage::OnLoadToggled);
  ui::ConnectCommand(radiusBox_, &QCheckBox::toggled, this, host(),
                     &ParamGraphPage::OnRadiusToggled);
  ui::ConnectCommand(azimuthBox_, &QCheckBox::toggled, this, host(),
                     &ParamGraphPage::OnAzimuthToggled);
  ui::ConnectCommand(boomLengthBox_, &QCheckBox::toggled, this, host(),
                     &ParamGraphPage::OnBoomLengthToggled);
}

void ParamGraphPage::OnScrolled() {
  Fill();
}

// Each box shows or hides its series from the points already drawn; none reads the file.
void ParamGraphPage::OnMomentToggled() {
  ShowChecked();
}
void ParamGraphPage::OnLoadToggled() {
  ShowChecked();
}
void ParamGraphPage::OnRadiusToggled() {
  ShowChecked();
}
void ParamGraphPage::OnAzimuthToggled() {
  ShowChecked();
}
void ParamGraphPage::OnBoomLengthToggled() {
  ShowChecked();
}

void ParamGraphPage::ShowChecked() {
  Replot();
}

void ParamGraphPage::Restyle() {
  const std::pair<const char*, QCheckBox*> shownBy[] = {
      {"Series1", momentBox_}, {"Series2", momentBox_},     {"Series3", loadBox_},
      {"Series4", radiusBox_}, {"Series5", boomLengthBox_}, {"Series16", azimuthBox_}};
  for (const auto& [name, box] : shownBy) Series(name)->setVisible(box->isChecked());

  // The zero line is always shown; the azimuth has its own axis, shown with it.
  Chart()->Plot()->yAxis->setRange(kParamAxisBottom, ParamAxisTop(ShownPoints()));
  Chart()->Plot()->yAxis2->setVisible(azimuthBox_->isChecked());
}

void ParamGraphPage::OnPointClicked(QCPAbstractPlottable* series, int index) {
  const QCPPlottableInterface1D* points = series ? series->interface1D() : nullptr;
  if (!points || index < 0 || index >= points->dataCount()) return;
  emit FrameChosen(static_cast<std::int64_t>(std::trunc(points->dataMainKey(index))));
}

}  // namespace vertal::graphs
