#include "common/ui/RecordGrid.h"

#include <QAccessible>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QGlyphRun>
#include <QRawFont>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "common/ui/UiText.h"

namespace vertal::ui {

namespace {
constexpr int kGridLine = 1;  // each cell is followed by its grid line
constexpr int kBorderLine = 1;

// The colour group the style paints an item's text in.
QPalette::ColorGroup TextGroup(const QStyleOptionViewItem& option) {
  if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
  return option.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

// The glyphs of many cells in one font, drawn with one call: each call costs more than the
// glyphs of a short text.
class GlyphBatch {
 public:
  explicit GlyphBatch(QRawFont font) : font_(std::move(font)) {}
  // Adds `run` at `origin`, or draws it at once when it is in another font.
  void Add(QPainter& painter, const QPointF& origin, const QGlyphRun& run) {
    if (run.rawFont() != font_) {
      painter.drawGlyphRun(origin, run);
      return;
    }
    glyphs_ += run.glyphIndexes();
    for (const QPointF& at : run.positions()) positions_ << at + origin;
  }
  void Draw(QPainter& painter) const {
    if (glyphs_.isEmpty()) return;
    QGlyphRun all;
    all.setRawFont(font_);
    all.setGlyphIndexes(glyphs_);
    all.setPositions(positions_);
    painter.drawGlyphRun(QPointF(), all);
  }

 private:
  QRawFont font_;
  QList<quint32> glyphs_;
  QList<QPointF> positions_;
};

}  // namespace

RecordGrid::RecordGrid(int columns, int rows, QSize cellSize, bool framed, QWidget* parent)
    : QTableWidget(rows, columns, parent),
      rowPitch_(cellSize.height() + kGridLine),
      laid_(static_cast<std::size_t>(rows * columns)) {
  const int columnPitch = cellSize.width() + kGridLine;
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->hide();
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
  }
  horizontalHeader()->setDefaultSectionSize(columnPitch);
  verticalHeader()->setDefaultSectionSize(rowPitch_);

  setFrameStyle(framed ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  setLineWidth(kBorderLine);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setFixedSize(columns * columnPitch + 2 * frameWidth(), rows * rowPitch_ + 2 * frameWidth());
  for (int r = 0; r < rows; ++r) {
    setVerticalHeaderItem(r, new QTableWidgetItem);
    for (int c = 0; c < columns; ++c) setItem(r, c, new QTableWidgetItem);
  }
  for (int c = 0; c < columns; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem);
  // An item changed one by one (not through SetColumns) is laid out again when next painted.
  connect(model(), &QAbstractItemModel::dataChanged, this, &RecordGrid::MarkStale);
}

void RecordGrid::SetColumns(const GridColumns& columns) {
  // Only the cells whose text changes are laid out and painted again. The items change in
  // silence, one signal per cell would cost more than the turn itself; a screen reader still
  // hears of every changed cell.
  QRegion changed;  // per column, the span from its first to its last changed cell
  QModelIndexList told;
  {
    const QSignalBlocker quiet(model());
    for (int c = 0; c < columnCount(); ++c) {
      const bool given = c < static_cast<int>(columns.size());
      QRect span;
      for (int r = 0; r < rowCount(); ++r) {
        const bool has =
            given && r < static_cast<int>(columns[static_cast<std::size_t>(c)].size());
        const QString text =
            has ? ToQString(columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                : QString();
        if (r == 0) horizontalHeaderItem(c)->setText(text);
        QTableWidgetItem* cell = item(r, c);
        if (cell->text() == text) continue;
        cell->setText(text);
        Laid(r, c).stale = true;
        const QModelIndex index = model()->index(r, c);
        span |= visualRect(index);
        if (QAccessible::isActive()) told << index;
      }
      changed += span;
    }
  }
  viewport()->update(changed);
  for (const QModelIndex& index : told) emit model()->dataChanged(index, index);
  DescribePage();
  // Readers that keep the table's cells hear of the whole new page.
  if (told.isEmpty()) return;
  QAccessibleTableModelChangeEvent page(this, QAccessibleTableModelChangeEvent::DataChanged);
  page.setFirstRow(0);
  page.setLastRow(rowCount() - 1);
  page.setFirstColumn(0);
  page.setLastColumn(columnCount() - 1);
  QAccessible::updateAccessibility(&page);
}

void RecordGrid::DescribePage() {
  // The records of the page by the first row's name and numbers: "Номер кадра: с 51 по 55".
  QStringList numbers;
  for (int c = 0; c < columnCount(); ++c)
    if (const QString number = horizontalHeaderItem(c)->text(); !number.isEmpty()) numbers << number;
  const QString described =
      numbers.isEmpty() ? QString()
                        : QStringLiteral("%1: с %2 по %3")
                              .arg(verticalHeaderItem(0)->text(), numbers.front(), numbers.back());
  // A change of the description is what a reader over AT-SPI hears of a page turn.
  if (accessibleDescription() != described) setAccessibleDescription(described);
}

void RecordGrid::SetRowNames(const QStringList& names) {
  const QSignalBlocker quiet(model());
  for (int r = 0; r < rowCount() && r < names.size(); ++r) verticalHeaderItem(r)->setText(names[r]);
}

RecordGrid::LaidOutText& RecordGrid::Laid(int row, int column) {
  return laid_[static_cast<std::size_t>(row * columnCount() + column)];
}

void RecordGrid::MarkStale(const QModelIndex& first, const QModelIndex& last) {
  for (int r = first.row(); r <= last.row(); ++r)
    for (int c = first.column(); c <= last.column(); ++c) Laid(r, c).stale = true;
}

void RecordGrid::MarkAllStale() {
  for (LaidOutText& text : laid_) text.stale = true;
}

void RecordGrid::changeEvent(QEvent* event) {
  QTableWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) MarkAllStale();
}

QModelIndexList RecordGrid::SpecialCells() const {
  QModelIndexList cells = selectionModel()->selectedIndexes();
  if ((hasFocus() || viewport()->hasFocus()) && currentIndex().isValid()) cells << currentIndex();
  if (viewport()->underMouse()) {
    const QModelIndex hovered = indexAt(viewport()->mapFromGlobal(QCursor::pos()));
    if (hovered.isValid()) cells << hovered;
  }
  return cells;
}

// As the table view paints a cell: the row panel of the style, then the delegate.
void RecordGrid::PaintThroughDelegate(QPainter& painter, QStyleOptionViewItem option,
                                      const QModelIndex& index) const {
  if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
  if (viewport()->underMouse() &&
      index == indexAt(viewport()->mapFromGlobal(QCursor::pos())))
    option.state |= QStyle::State_MouseOver;
  if (option.state & QStyle::State_Enabled) option.palette.setCurrentColorGroup(QPalette::Normal);
  if (index == currentIndex() && (hasFocus() || viewport()->hasFocus()))
    option.state |= QStyle::State_HasFocus;
  style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
  itemDelegateForIndex(index)->paint(&painter, option, index);
}

void RecordGrid::paintEvent(QPaintEvent* event) {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  QPainter painter(viewport());
  const QRegion& dirty = event->region();
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
  const int textHeight = option.fontMetrics.height();
  const QColor textColour = option.palette.color(TextGroup(option), QPalette::Text);
  const QModelIndexList special = SpecialCells();
  const auto isSpecial = [&special](int row, int column) {
    return std::any_of(special.begin(), special.end(), [row, column](const QModelIndex& index) {
      return index.row() == row && index.column() == column;
    });
  };
  layout_.UseFont(option.font);
  GlyphBatch plain(layout_.Font());
  painter.setPen(textColour);

  for (int r = 0; r < rowCount(); ++r) {
    const int top = rowViewportPosition(r);
    const int height = rowHeight(r) - kGridLine;
    for (int c = 0; c < columnCount(); ++c) {
      const QRect cell(columnViewportPosition(c), top, columnWidth(c) - kGridLine, height);
      if (!dirty.intersects(cell)) continue;
      LaidOutText& laid = Laid(r, c);
      if (laid.stale) {
        laid.line = layout_.LayOut(item(r, c)->text());
        laid.fits = laid.line.width <= cell.width() - 2 * margin;
        laid.stale = false;
      }
      if (!laid.fits || isSpecial(r, c)) {
        option.rect = cell;
        painter.save();
        PaintThroughDelegate(painter, option, model()->index(r, c));
        painter.restore();
        continue;
      }
      const QPointF origin(cell.left() + margin, top + (height - textHeight) / 2);
      for (const QGlyphRun& run : laid.line.runs) plain.Add(painter, origin, run);
    }
  }
  plain.Draw(painter);

  if (!showGrid()) return;
  // The painter keeps the lines within the region to paint.
  const QRect bounds = dirty.boundingRect();
  const QColor gridColour = QColor::fromRgba(
      static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
  // A solid line of one pixel is a thin rectangle, filled much faster than a line is drawn.
  const bool solid = gridStyle() == Qt::SolidLine;
  painter.setPen(QPen(gridColour, kGridLine, gridStyle()));
  const auto line = [&](QRect across) {
    if (solid)
      painter.fillRect(across, gridColour);
    else
      painter.drawLine(across.topLeft(), across.bottomRight());
  };
  for (int r = 0; r < rowCount(); ++r) {
    const int y = rowViewportPosition(r) + rowHeight(r) - kGridLine;
    line(QRect(QPoint(bounds.left(), y), QPoint(bounds.right(), y)));
  }
  for (int c = 0; c < columnCount(); ++c) {
    const int x = columnViewportPosition(c) + columnWidth(c) - kGridLine;
    line(QRect(QPoint(x, bounds.top()), QPoint(x, bounds.bottom())));
  }
}

void RecordGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  // While the button is down the selection may still move; the release reports where it ends.
  if (!buttonDown_ && current.isValid()) emit CellSelected(current.column(), current.row());
}

void RecordGrid::mousePressEvent(QMouseEvent* event) {
  // Only the left button selects; the right one opens the pop-up menu where the cell stands.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  buttonDown_ = true;
  QTableWidget::mousePressEvent(event);
}

void RecordGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !buttonDown_) return;
  buttonDown_ = false;
  const QModelIndex current = currentIndex();
  if (current.isValid()) emit CellSelected(current.column(), current.row());
}

}  // namespace vertal::ui
