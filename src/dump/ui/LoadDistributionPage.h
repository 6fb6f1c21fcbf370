#pragma once
// The load spectrum page ("Наработка"): for each of the fifteen load ranges its caption, a bar
// and the counts of work cycles and load cycles, inside the panel; the two totals below the
// panel. A click on the diagram title shows the other kind of counts in the bars.

#include <QWidget>
#include <array>

#include "dump/core/LongTermLayout.h"
#include "dump/core/ServicePages.h"

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace vertal::dump {

class ClickableLabel;

class LoadDistributionPage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `panel`; the totals go on the panel's page, below it.
  explicit LoadDistributionPage(QFrame* panel);

  // The line of totals kept below the panel.
  QWidget* Totals() const { return totals_; }

  // Switches the bars between work cycles and load cycles, from the counts the fields show.
  // Switches the bars between work and load cycles, from the page model.
  void OnDiagramCaptionClicked();

  // Shows what opening or a reset computed, with the range captions of the file's version.
  void Show(const LoadPageModel& model);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Names every field and bar after its range and column; the range captions change with the
  // recorder version of the file opened, the column of the bars with each click.
  void FollowCaptions();
  void BuildHeader();
  void BuildRows();
  void BuildTotals();
  void PlaceTotals();

  QFrame* panel_;
  // The diagram title.
  ClickableLabel* diagramCaption_ = nullptr;  // Label67
  LoadPageModel shown_;
  QWidget* totals_ = nullptr;
  QLabel* workHeader_ = nullptr;
  QLabel* loadHeader_ = nullptr;
  std::array<QLabel*, kLoadBinCount> ranges_{};
  std::array<QProgressBar*, kLoadBinCount> gauges_{};
  std::array<QLineEdit*, kLoadBinCount> workFields_{};
  std::array<QLineEdit*, kLoadBinCount> loadFields_{};
};

}  // namespace vertal::dump
