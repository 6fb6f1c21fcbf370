#include "records/ui/PagedTableView.h"

#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "common/ui/CachedScrollBar.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"
#include "common/ui/JumpListCombo.h"
#include "common/ui/PageStyle.h"
#include "common/ui/ScrollBarArrows.h"
#include "common/ui/TableKeys.h"

namespace vertal::ui {

namespace {

constexpr int kScrollBarHeight = 16;
constexpr int kBevel = 1;  // the line under each row caption
constexpr int kCaptionIndent = 4;
constexpr int kCountSpacing = 6;  // between the last caption and the count
constexpr QRgb kBevelColour = 0x808080;

QFrame* MakeBevel(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameStyle(QFrame::HLine | QFrame::Plain);
  line->setLineWidth(kBevel);
  line->setFixedHeight(kBevel);
  QPalette palette = line->palette();
  palette.setColor(QPalette::WindowText, QColor(kBevelColour));
  line->setPalette(palette);
  return line;
}

}  // namespace

PagedTableView::PagedTableView(const PagedTableSetup& setup, PageWindow& window, QWidget* parent)
    : QWidget(parent), setup_(setup), window_(window) {
  Q_ASSERT(static_cast<int>(setup.rows.size()) == setup.layout->rows);
  turn_ = [this](const DumpSource& file, std::int64_t position) {
    return records::TurnPage(file, *setup_.layout, position, window_.DecimalSeparator(),
                            window_.host());
  };
  grid_ = new RecordGrid(setup.layout->columns, setup.layout->rows, setup.cell, setup.framed, this);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(BuildCaptionPanel(), 0, Qt::AlignTop);
  row->addWidget(BuildGridPanel(), 0, Qt::AlignTop);

  // Assistive tools name each grid row by its caption.
  QStringList rowNames;
  for (const RowCaption& caption : setup.rows) rowNames << QString::fromUtf8(caption.caption);
  grid_->SetRowNames(rowNames);
  // The table pages from the keyboard, from its grid or from its scroll bar.
  scrollBar_->setFocusPolicy(Qt::StrongFocus);
  new ScrollBarArrows(scrollBar_);
  new TableKeys(grid_, scrollBar_);
}

QFrame* PagedTableView::BuildCaptionPanel() {
  captionPanel_ = new QFrame(this);
  captionPanel_->setObjectName(QString::fromLatin1(setup_.captionPanel));
  captionPanel_->setFixedWidth(setup_.captionPanelWidth);
  auto* column = new QVBoxLayout(captionPanel_);
  // Each caption stands level with its row of the grid.
  column->setContentsMargins(0, grid_->FirstRowTop(), 0, 0);
  column->setSpacing(0);
  for (const RowCaption& caption : setup_.rows) {
    QLabel* label =
        MakeLabel(captionPanel_, caption.name, QString::fromUtf8(caption.caption));
    label->setFixedHeight(grid_->RowPitch() - kBevel);
    label->setIndent(kCaptionIndent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    column->addWidget(label);
    column->addWidget(MakeBevel(captionPanel_));
  }
  column->addSpacing(kCountSpacing);
  auto* countRow = new QHBoxLayout;
  countRow->setSpacing(kCountSpacing);
  QLabel* caption =
      MakeLabel(captionPanel_, setup_.countCaption, QString::fromUtf8("Отобрано кадров:"));
  caption->setIndent(kCaptionIndent);
  count_ = MakeLabel(captionPanel_, setup_.count, QStringLiteral("0000"));
  StyleAsValue(count_);
  Caption(caption, count_);
  countRow->addWidget(caption);
  countRow->addWidget(count_, 1);
  column->addLayout(countRow);
  column->addStretch(1);
  return captionPanel_;
}

QWidget* PagedTableView::BuildGridPanel() {
  QWidget* panel = setup_.gridPanel ? new QFrame(this) : new QWidget(this);
  if (setup_.gridPanel) panel->setObjectName(QString::fromLatin1(setup_.gridPanel));
  panel->setFixedWidth(std::max(setup_.gridPanelWidth, grid_->width()));
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  grid_->setParent(panel);
  grid_->setObjectName(ControlName(setup_.layout->grid));
  grid_->setAccessibleName(setup_.accessibleName);
  StyleAsValue(grid_);
  grid_->viewport()->setCursor(Qt::PointingHandCursor);
  column->addWidget(grid_, 0, Qt::AlignHCenter);

  scrollBar_ = new CachedScrollBar(Qt::Horizontal, panel);
  scrollBar_->setObjectName(QString::fromLatin1(setup_.scrollBar));
  scrollBar_->setAccessibleName(QString::fromUtf8(setup_.rows.front().caption));
  scrollBar_->setRange(0, static_cast<int>(setup_.layout->MaxPosition()));
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(setup_.layout->columns);
  scrollBar_->setFixedSize(grid_->width(), kScrollBarHeight);
  column->addWidget(scrollBar_, 0, Qt::AlignHCenter);
  column->addStretch(1);
  return panel;
}

void PagedTableView::SetPopupMenu(QMenu* menu) {
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, menu,
          [this, menu](const QPoint& at) { menu->popup(grid_->viewport()->mapToGlobal(at)); });
}

void PagedTableView::ShowPage() {
  const DumpSource file = window_.CurrentFile();
  if (file.Empty()) return;
  shown_ = turn_(file, scrollBar_->value());
  SetControl(this, setup_.layout->grid, shown_.columns);
}

void PagedTableView::Show(const records::TablePage& page) {
  shown_ = page;
  SetControl(this, setup_.layout->grid, page.columns);
  const QSignalBlocker quiet(scrollBar_);
  scrollBar_->setValue(static_cast<int>(page.position));
}

void PagedTableView::JumpTo(const JumpListCombo& list) {
  const std::optional<std::int64_t> number = list.ChosenNumber();
  if (!number) return;
  // The scroll bar keeps the position within its range; a position it already has changes
  // nothing.
  constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
  scrollBar_->setValue(static_cast<int>(std::clamp<std::int64_t>(*number, 0, kLargest)));
}

void PagedTableView::Clear() {
  Show(records::EmptyTablePage(*setup_.layout));
}

std::string PagedTableView::ShownText(int column, int row) const {
  if (column < 0 || row < 0 || static_cast<std::size_t>(column) >= shown_.columns.size())
    return std::string();
  const std::vector<std::string>& texts = shown_.columns[static_cast<std::size_t>(column)];
  return static_cast<std::size_t>(row) < texts.size() ? texts[static_cast<std::size_t>(row)]
                                                      : std::string();
}

}  // namespace vertal::ui
