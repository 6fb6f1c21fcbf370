#pragma once
// The page "Сравнение": two readings of one crane compared, as the command "Сравнить с
// файлом…" computed it: which file is which, a refusal or a warning, every counter with its
// old and new value and the change, the design life used and the forecast, and the new
// episodes and records.
//
// Design names (Qt object names) of the members:
//   Label_CompareFiles  filesLabel_     Label_CompareNotice  notice_
//   Grid_Counters       countersGrid_   Label_LifeUsed       lifeUsed_
//   Label_NormativeDate normativeDate_  Grid_NewItems        newItemsGrid_

#include <QWidget>

#include "compare/core/ReadingDiff.h"

class QLabel;
class QTableWidget;

namespace vertal::compare {

class ComparePage : public QWidget {
  Q_OBJECT

 public:
  explicit ComparePage(QWidget* sheet);

  void Show(const ReadingDiff& diff);
  // Nothing compared: every part empty.
  void Empty();

 private:
  // A read-only table whose column `stretched` takes the room the others leave.
  QTableWidget* MakeGrid(const char* name, const QString& accessibleName, const QStringList& headers,
                         int stretched);
  void ShowCounters(const ReadingDiff& diff);
  void ShowNewItems(const ReadingDiff& diff);

  QLabel* filesLabel_ = nullptr;
  QLabel* notice_ = nullptr;
  QTableWidget* countersGrid_ = nullptr;
  QLabel* lifeUsed_ = nullptr;
  QLabel* normativeDate_ = nullptr;
  QTableWidget* newItemsGrid_ = nullptr;
};

}  // namespace vertal::compare
