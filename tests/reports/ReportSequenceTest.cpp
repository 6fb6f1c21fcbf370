#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/core/ReportSequence.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::reports {
namespace {

using Strings = std::vector<std::string>;

// Records the title of every report it is asked to show, building it as a preview would.
class RecordingViewer : public ReportViewer {
 public:
  void Show(const ReportBuilder& build) override { shown.push_back(build().title); }
  Strings shown;
};

TEST(ReportSequence, FixedOrderAndRequestsCleared) {
  vertal::testing::TempDir dir;
  vertal::testing::DumpBuilder().Write(dir.File("d.bin"));
  ReportInputs in;
  in.table.file = dir.File("d.bin");
  const Strings v30 = {"Информационная карта",
                       "Оперативная информация о работе крана  № , записанная в РП VERTAL № ",
                       "Таблица перегрузок крана  №  по данным РП VERTAL № "};
  Strings v31 = v30;
  v31.push_back("Превышения параметров КДС крана  №  по данным РП VERTAL № ");
  for (const auto& [version, shown] :
       {std::pair{std::int8_t{30}, v30}, std::pair{std::int8_t{31}, v31}}) {
    in.card.recorderVersion = version;
    ReportRequests requests{true, true, true, true};
    RecordingViewer viewer;
    vertal::testing::FakeHost host;
    RunReportSequence(requests, in, viewer, host);
    EXPECT_EQ(viewer.shown, shown);
    EXPECT_FALSE(requests.card || requests.operative || requests.overloads || requests.kds);
    EXPECT_TRUE(host.messages.empty());
  }
}

}  // namespace
}  // namespace vertal::reports
