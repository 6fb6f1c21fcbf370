#include "common/ui/ListGrid.h"

#include <QHeaderView>
#include <QLabel>

namespace vertal::ui {

QTableWidget* MakeListGrid(QWidget* parent, const char* name, const QString& accessibleName,
                           const QStringList& headers, int rowPadding) {
  auto* grid = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setAccessibleName(accessibleName);
  grid->setHorizontalHeaderLabels(headers);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setTabKeyNavigation(false);
  grid->verticalHeader()->setVisible(false);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + rowPadding);
  grid->setAlternatingRowColors(true);
  return grid;
}

QLabel* MakePageText(QWidget* parent, const char* name, const QString& accessibleName) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAccessibleName(accessibleName);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace vertal::ui
