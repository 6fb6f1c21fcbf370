#pragma once
// The tree of tab pages `PageControl_Main` and the pages on it: "Основная" with the service
// and load spectrum pages, "Циклическая" with the frame, overload and KDS pages, the journal by
// day, the audit of the recording and the comparison with another reading, "Графики" with the two graphs, and the pop-up menu with
// "Показать графики". The tree shows what opening a file computed (the journal and the audit
// are computed when first shown), empties every page for a reset, and keeps the load spectrum
// panel centred.

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

  // Empties the episode lists as the recording-period scan begins.
  void ClearPeriodLists();
  // The period scan and both graphs.
  void ShowScanned(OpenedDump& opened);
  // Empties every page, in the order service labels, load fields, times and totals, bars and
  // classification, overload table, KDS table, frame table, graphs, journal, audit and
  // comparison.
  void Reset();
  // The seven KDS parameters in the list, the first chosen.
  void FillKdsParameterList();

  events::OverloadPage& Overloads() const { return *overloadPage_; }
  events::KdsPage& Kds() const { return *kdsPage_; }
  graphs::GraphPages& Graphs() const { return *graphPages_; }

  // Keeps the load spectrum panel centred on its page.
  void FormResize();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* TabSheet_Const = nullptr;
  QTabWidget* PageControl2 = nullptr;
  QWidget* TabSheet_Ident = nullptr;
  QWidget* TabSheet3 = nullptr;
  QFrame* Panel_Slugebnaya = nullptr;
  QFrame* Panel_N = nullptr;
  QWidget* TabSheet_Cikl = nullptr;
  QTabWidget* PageControl_Cikl = nullptr;
  QWidget* TabSheet_Osn = nullptr;
  QWidget* TabSheet_Per = nullptr;
  QWidget* TabSheet_KDS = nullptr;
  QWidget* TabSheet_Days = nullptr;
  QWidget* TabSheet_Audit = nullptr;
  QWidget* TabSheet_Compare = nullptr;
  QWidget* TabSheet_Grafik = nullptr;
  QTabWidget* PageControl8 = nullptr;
  QWidget* TabSheet19 = nullptr;
  QWidget* TabSheet20 = nullptr;
  QMenu* PopupMenu_GRAFIKI = nullptr;
  QAction* Go_KZ = nullptr;

  dump::ServicePage* servicePage_ = nullptr;
  dump::LoadDistributionPage* loadPage_ = nullptr;
  frames::FrameTablePage* framePage_ = nullptr;
  events::OverloadPage* overloadPage_ = nullptr;
  events::KdsPage* kdsPage_ = nullptr;
  graphs::GraphPages* graphPages_ = nullptr;
  recording::DayJournalPage* daysPage_ = nullptr;
  recording::AuditPage* auditPage_ = nullptr;
  compare::ComparePage* comparePage_ = nullptr;
};

}  // namespace vertal::app
