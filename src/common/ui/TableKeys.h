#pragma once
// The keys that page a paged table from its grid, through the table's scroll bar as a click on
// it would: Page Down and Page Up a page on and back, Ctrl+Home and Ctrl+End the first and the
// last page, Right in the last column and Left in the first one a record on and back. The
// other keys move within the page as the grid moves them.

#include <QObject>

class QAbstractItemView;
class QScrollBar;

namespace vertal::ui {

class TableKeys : public QObject {
 public:
  // Belongs to `grid`.
  TableKeys(QAbstractItemView* grid, QScrollBar* scrollBar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractItemView* grid_;
  QScrollBar* scrollBar_;
};

}  // namespace vertal::ui
