#include "reports/core/ReportSequence.h"

#include "events/core/KdsRecords.h"

namespace vertal::reports {

void RunReportSequence(ReportRequests& requests, const ReportInputs& in, ReportViewer& viewer,
                       Host& host) {
  if (requests.card) {
    viewer.Show([card = in.card] { return BuildCard(card); });
    requests.card = false;
  }
  if (requests.operative) {
    viewer.Show(OperativeReport(in.table, in.range, host));
    requests.operative = false;
  }
  if (requests.overloads) {
    viewer.Show(OverloadReport(in.table, in.overloadRecords, in.overloadFields, host));
    requests.overloads = false;
  }
  if (requests.kds) {
    requests.kds = false;
    if (events::KdsRecordsKept(in.card.recorderVersion))
      viewer.Show(KdsReport(in.table, in.kdsRecords, host));
  }
}

}  // namespace vertal::reports
