#pragma once
// A paged table as the window shows it: on the left a panel of row captions, one per grid
// row at the height of its row, with the count of the last search under them; on the right
// the grid with its scroll bar under it. The scroll bar's position is the number of the
// record in the first column; every change of it refills the grid from the current file.
// The frame, overload and KDS tables are each one of these, set up by a PagedTableSetup.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "common/core/DumpSource.h"
#include "records/core/PagedTable.h"
#include "common/ui/PageWindow.h"
#include "common/ui/RecordGrid.h"

class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace vertal::ui {

class JumpListCombo;

using records::RowCaption;

struct PagedTableSetup {
  const records::TableLayout* layout = nullptr;  // names the grid
  std::span<const RowCaption> rows;    // one per grid row, from row 0 down
  const char* captionPanel = nullptr;  // the panel of row captions and the count
  const char* gridPanel = nullptr;     // the panel of grid and scroll bar; may be null
  const char* scrollBar = nullptr;
  const char* countCaption = nullptr;  // "Отобрано кадров:"
  const char* count = nullptr;         // the count of the last search, "0000" at start
  int captionPanelWidth = 0;
  QSize cell;              // width and height of a cell without its grid line
  bool framed = false;     // a border round the grid
  int gridPanelWidth = 0;  // 0: as wide as the grid
  QString accessibleName;  // the grid's page
};

class PagedTableView : public QWidget {
  Q_OBJECT

 public:
  // The page-turn command of a table: the page at a position of the current file.
  using Turn = std::function<records::TablePage(const DumpSource& file, std::int64_t position)>;

  PagedTableView(const PagedTableSetup& setup, PageWindow& window, QWidget* parent);

  // Replaces the page-turn command; by default the layout's records are read as they are.
  void SetTurn(Turn turn) { turn_ = std::move(turn); }

  RecordGrid* Grid() const { return grid_; }
  QScrollBar* ScrollBar() const { return scrollBar_; }
  QLabel* Count() const { return count_; }
  QFrame* CaptionPanel() const { return captionPanel_; }

  // Reads the records from the scroll bar's position on and shows them; one message box when
  // the file cannot be opened, and then only the record numbers and marks. Nothing while no
  // file is current.
  void ShowPage();
  // Shows a page read elsewhere, with the scroll bar at its position, without reading again.
  void Show(const records::TablePage& page);
  // The number stored for the list's chosen item becomes the position (within the scroll
  // bar's range); nothing when no item is chosen.
  void JumpTo(const JumpListCombo& list);
  // Empties every cell and moves to position 0.
  void Clear();
  // The text of a cell of the page shown, from its page model; "" outside it.
  std::string ShownText(int column, int row) const;
  // Opens `menu` where the grid is right-clicked.
  void SetPopupMenu(QMenu* menu);

 private:
  QFrame* BuildCaptionPanel();
  QWidget* BuildGridPanel();

  const PagedTableSetup setup_;
  PageWindow& window_;
  Turn turn_;
  records::TablePage shown_;
  QFrame* captionPanel_ = nullptr;
  RecordGrid* grid_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QLabel* count_ = nullptr;
};

}  // namespace vertal::ui
