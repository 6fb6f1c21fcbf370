#include "graphs/ui/ParamGraphPage.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <cmath>

#include "graphs/core/AxisScale.h"
#include "graphs/core/AzimuthAxis.h"
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
  GraphPageSetup setup;
  setup.kind = GraphKind::Param;
  setup.chart = "Chart_Param";
  setup.scrollBar = "ScrollBarGPar";
  setup.keyPanel = "Panel6";
  setup.keyPanelHeight = kPanelHeight;
  setup.series = kWindowStyles;
  setup.limit = &kLimitStyle;
  return setup;
}

void Colour(QWidget* widget, QRgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(colour));
  palette.setColor(QPalette::ButtonText, QColor(colour));
  widget->setPalette(palette);
}

}  // namespace

ParamGraphPage::ParamGraphPage(GraphLinks links, QWidget* sheet)
    : GraphPage(Setup(), std::move(links), sheet),
      Chart_Param(Chart()),
      ScrollBarGPar(ScrollBar()),
      Panel6(KeyPanel()) {
  BuildKeyPanel();
  BuildAzimuthAxis();
  ui::ConnectCommand(ScrollBarGPar, &QScrollBar::valueChanged, this, host(), &ParamGraphPage::ScrollBarGParChange);
  ui::ConnectCommand(Chart_Param, &QCustomPlot::plottableClick, this, host(), &ParamGraphPage::Chart_ParamClickSeries);
  Restyle();
}

void ParamGraphPage::BuildAzimuthAxis() {
  QCPAxis* axis = Chart_Param->yAxis2;
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
    auto* check = new QCheckBox(QString::fromUtf8(caption), Panel6);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(checked);
    check->setAccessibleName(KeyName(check->text(), series));
    Colour(check, colour);
    return check;
  };
  CheckBox_GrParM = box("CheckBox_GrParM", "------ M(t) ", kGreen, true, kWindowStyles[kMoment]);
  Label37 = new QLabel(QStringLiteral("------ 110%"), Panel6);
  Label37->setObjectName(QStringLiteral("Label37"));
  Colour(Label37, kRed);
  CheckBox_GrParQ = box("CheckBox_GrParQ", "-------- Q(t)", kBlue, true, kWindowStyles[kLoad]);
  CheckBox_GrParR = box("CheckBox_GrParR", "-------- R(t)", kMaroon, false, kWindowStyles[kRadius]);
  CheckBox_GrParGA =
      box("CheckBox_GrParGA", "-------- Ga(t)", kTeal, false, kWindowStyles[kAzimuth]);
  CheckBox_GrParL = box("CheckBox_GrParL", "-------- Lt(t)", kBlack, false, kWindowStyles[kLength]);

  auto* row = new QHBoxLayout(Panel6);
  row->setSpacing(kKeySpacing);
  for (QWidget* key : std::initializer_list<QWidget*>{CheckBox_GrParM, Label37, CheckBox_GrParQ,
                                                      CheckBox_GrParR, CheckBox_GrParGA,
                                                      CheckBox_GrParL})
    row->addWidget(key);
  row->addStretch(1);

  ui::ConnectCommand(CheckBox_GrParM, &QCheckBox::toggled, this, host(), &ParamGraphPage::CheckBox_GrParMClick);
  ui::ConnectCommand(CheckBox_GrParQ, &QCheckBox::toggled, this, host(), &ParamGraphPage::CheckBox_GrParQClick);
  ui::ConnectCommand(CheckBox_GrParR, &QCheckBox::toggled, this, host(), &ParamGraphPage::CheckBox_GrParRClick);
  ui::ConnectCommand(CheckBox_GrParGA, &QCheckBox::toggled, this, host(), &ParamGraphPage::CheckBox_GrParGAClick);
  ui::ConnectCommand(CheckBox_GrParL, &QCheckBox::toggled, this, host(), &ParamGraphPage::CheckBox_GrParLClick);
}

void ParamGraphPage::ScrollBarGParChange() {
  Fill();
}

// Each box shows or hides its series from the points already drawn; none reads the file.
void ParamGraphPage::CheckBox_GrParMClick() {
  ShowChecked();
}
void ParamGraphPage::CheckBox_GrParQClick() {
  ShowChecked();
}
void ParamGraphPage::CheckBox_GrParRClick() {
  ShowChecked();
}
void ParamGraphPage::CheckBox_GrParGAClick() {
  ShowChecked();
}
void ParamGraphPage::CheckBox_GrParLClick() {
  ShowChecked();
}

void ParamGraphPage::ShowChecked() {
  Replot();
}

void ParamGraphPage::Restyle() {
  const std::pair<const char*, QCheckBox*> shownBy[] = {
      {"Series1", CheckBox_GrParM}, {"Series2", CheckBox_GrParM}, {"Series3", CheckBox_GrParQ},
      {"Series4", CheckBox_GrParR}, {"Series5", CheckBox_GrParL}, {"Series16", CheckBox_GrParGA}};
  for (const auto& [name, box] : shownBy) Series(name)->setVisible(box->isChecked());

  // The zero line is always shown; the azimuth has its own axis, shown with it.
  Chart_Param->yAxis->setRange(kParamAxisBottom, ParamAxisTop(ShownPoints()));
  Chart_Param->yAxis2->setVisible(CheckBox_GrParGA->isChecked());
}

void ParamGraphPage::Chart_ParamClickSeries(QCPAbstractPlottable* series, int index) {
  const QCPPlottableInterface1D* points = series ? series->interface1D() : nullptr;
  if (!points || index < 0 || index >= points->dataCount()) return;
  emit FrameChosen(static_cast<std::int64_t>(std::trunc(points->dataMainKey(index))));
}

}  // namespace vertal::graphs
