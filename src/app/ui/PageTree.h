#pragma once
// The tree of tab pages `PageControl_Main` and the pages on it: "Основная" with the service
// and load spectrum pages, "Циклическая" with the frame, overload and KDS pages, the journal by
// day, the audit of the recording, the comparison with another reading and the crane's history, "Графики" with the two
// graphs, and the pop-up menu with "Показать графики". The tree shows what opening a file computed
// (the journal and the audit are computed when first shown), empties every page for a reset, and
// keeps the load spectrum panel centred.
//
// Design names (Qt object names) of the members:
//   TabSheet_Const    mainSheet_ ("Основная")     PageControl2      mainPages_
//   TabSheet_Ident    serviceSheet_               Panel_Slugebnaya  servicePanel_
//   TabSheet3         loadSheet_                  Panel_N           loadPanel_
//   TabSheet_Cikl     cyclicSheet_ ("Циклическая")  PageControl_Cikl  cyclicPages_
//   TabSheet_Osn      frameSheet_                 TabSheet_Per      overloadSheet_
//   TabSheet_KDS      kdsSheet_                   TabSheet_Days     daysSheet_
//   TabSheet_Audit    auditSheet_                 TabSheet_Compare  compareSheet_
//   TabSheet_History  historySheet_
//   TabSheet_Grafik   graphsSheet_ ("Графики")    PageControl8      graphTabs_
//   TabSheet19        paramGraphSheet_            TabSheet20        relayGraphSheet_
//   PopupMenu_GRAFIKI graphsMenu_                 Go_KZ             showGraphsAction_

#include <QTabWidget>
#include <cstdint>
#include <functional>

#include "app/core/DumpDocument.h"
#include "common/ui/PageWindow.h"

class QAction;
class QFrame;
class QMenu;

namespace vertal::compare {
class ComparePage;
struct ReadingDiff;
}  // namespace vertal::compare

namespace vertal::history {
class HistoryPage;
struct HistoryPageModel;
}  // namespace vertal::history

namespace vertal::dump {
class LoadDistributionPage;
class ServicePage;
}  // namespace vertal::dump

namespace vertal::events {
class KdsPage;
class OverloadPage;
}  // namespace vertal::events

namespace vertal::frames {
class FrameTablePage;
}  // namespace vertal::frames

namespace vertal::graphs {
class GraphPages;
}  // namespace vertal::graphs

namespace vertal::recording {
class AuditPage;
class DayJournalPage;
}  // namespace vertal::recording

namespace vertal::app {

class PageTree : public QTabWidget {
  Q_OBJECT

 public:
  // The pages read the open file from `document` and keep their searches in it.
  PageTree(QWidget* parent, ui::PageWindow& window, DumpDocument& document);

  void SelectServicePage();
  // The pages read before the recording-period scan: service, load spectrum and the tables; the
  // journal and the audit are marked for the new file.
  void ShowRead(const OpenedDump& opened);
  // Shows a comparison of two readings and brings its page to the front.
  void ShowComparison(const compare::ReadingDiff& diff);
  // Shows a crane's history and brings its page to the front.
  void ShowHistory(history::HistoryPageModel model);

  // Empties the episode lists as the recording-period scan begins.
  void ClearPeriodLists();
  // The period scan and both graphs.
  void ShowScanned(OpenedDump& opened);
  // Empties every page, in the order service labels, load fields, times and totals, bars and
  // classification, overload table, KDS table, frame table, graphs, journal, audit,
  // comparison and history.
  void Reset();
  // The current file could not be read: the pages that analyse it on their own are emptied.
  void ShowUnreadable();
  // The seven KDS parameters in the list, the first chosen.
  void FillKdsParameterList();

  events::OverloadPage& Overloads() const { return *overloadPage_; }
  events::KdsPage& Kds() const { return *kdsPage_; }
  graphs::GraphPages& Graphs() const { return *graphPages_; }
  history::HistoryPage& History() const { return *historyPage_; }

  // Keeps the load spectrum panel centred on its page.
  void CentreLoadPanel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* mainSheet_ = nullptr;
  QTabWidget* mainPages_ = nullptr;
  QWidget* serviceSheet_ = nullptr;
  QWidget* loadSheet_ = nullptr;
  QFrame* servicePanel_ = nullptr;
  QFrame* loadPanel_ = nullptr;
  QWidget* cyclicSheet_ = nullptr;
  QTabWidget* cyclicPages_ = nullptr;
  QWidget* frameSheet_ = nullptr;
  QWidget* overloadSheet_ = nullptr;
  QWidget* kdsSheet_ = nullptr;
  QWidget* daysSheet_ = nullptr;
  QWidget* auditSheet_ = nullptr;
  QWidget* compareSheet_ = nullptr;
  QWidget* historySheet_ = nullptr;
  QWidget* graphsSheet_ = nullptr;
  QTabWidget* graphTabs_ = nullptr;
  QWidget* paramGraphSheet_ = nullptr;
  QWidget* relayGraphSheet_ = nullptr;
  QMenu* graphsMenu_ = nullptr;
  QAction* showGraphsAction_ = nullptr;

  dump::ServicePage* servicePage_ = nullptr;
  dump::LoadDistributionPage* loadPage_ = nullptr;
  frames::FrameTablePage* framePage_ = nullptr;
  events::OverloadPage* overloadPage_ = nullptr;
  events::KdsPage* kdsPage_ = nullptr;
  graphs::GraphPages* graphPages_ = nullptr;
  recording::DayJournalPage* daysPage_ = nullptr;
  recording::AuditPage* auditPage_ = nullptr;
  compare::ComparePage* comparePage_ = nullptr;
  history::HistoryPage* historyPage_ = nullptr;
};

}  // namespace vertal::app
