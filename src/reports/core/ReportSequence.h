#pragma once
// The print command's report sequence: the requested reports, in the fixed order card,
// operative information, overloads, KDS parameters, each shown until the user closes it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/Host.h"
#include "reports/core/CardReport.h"
#include "reports/core/ReportLayout.h"
#include "reports/core/TableReports.h"

namespace vertal::reports {

// The request marks of the print submenu; the sequence clears each one it serves.
struct ReportRequests {
  bool card = false;       // M_IK
  bool operative = false;  // M_Oper
  bool overloads = false;  // M_Per
  bool kds = false;        // N_KDSPAR
};

// Shows a built report: a print preview in the window, a PDF file for the command-line tool.
// Returns when the user has closed it.
class ReportViewer {
 public:
  virtual ~ReportViewer() = default;
  virtual void Show(const ReportBuilder& build) = 0;
};

struct ReportInputs {
  CardInputs card;
  TableSource table;
  FrameRange range;
  std::vector<std::int64_t> overloadRecords;  // found by the last overload search
  events::OverloadFields overloadFields;      // the search fields as they stand
  std::vector<std::int64_t> kdsRecords;       // found by the last KDS search
};

// Builds and shows every requested report in order and clears the requests. The KDS report is
// built only for files of version 31; its request is cleared either way.
void RunReportSequence(ReportRequests& requests, const ReportInputs& inputs, ReportViewer& viewer,
                       Host& host);

}  // namespace vertal::reports
