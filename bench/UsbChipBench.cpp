// The 8,192 page requests of a readout through the port and libftdi1 over the emulated FTDI
// chip, timed on the emulated bus's clock: how long the pages of a real unit take at a line
// rate and latency timer. The floor is the time the request and reply bytes need on the serial
// line alone.

#include <memory>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "link/core/Connection.h"
#include "link/core/Link.h"
#include "link/core/SimulatedUnit.h"
#include "link/ftdi/FtdiPort.h"
#include "usbchip/UsbChip.h"

namespace vertal::bench {
namespace {

constexpr auto kPageLength = static_cast<std::uint16_t>(dump::kPageSize);
constexpr double kRequestBytes = 5;
constexpr double kReplyBytes = kPageLength + 5;
constexpr double kBitsPerByte = 10;

void BM_PagesOverEmulatedChip(benchmark::State& state) {
  const auto baud = static_cast<std::uint32_t>(state.range(0));
  const auto latencyMs = static_cast<std::uint8_t>(state.range(1));
  double busSeconds = 0;
  int failures = 0;
  for (auto _ : state) {
    usbchip::ResetBus();
    auto chip = std::make_shared<usbchip::Chip>(
        usbchip::Chip::Identity{usbchip::kFt232rProductId, std::string(link::kUnitDescription), "1"},
        std::make_shared<link::SimulatedUnit>(DemoDump()));
    chip->FixLineRate(baud);
    usbchip::Plug(chip);
    {
      link::FtdiPort port(&usbchip::SteadyNow);
      link::Link link(port);
      link::ConnectUnit(link);
      port.SetLatencyTimer(latencyMs);  // the comparison; the design sets 16 ms
      const usbchip::Nanos start = usbchip::Now();
      for (std::uint16_t page = 0; page < dump::kPageCount; ++page) {
        link.SetTimeouts(link::kPageTimeouts);
        if (link.ReadPage(page, kPageLength) != link::kReplyOk) ++failures;
      }
      busSeconds = static_cast<double>(usbchip::Now() - start) / 1e9;
    }
    usbchip::ResetBus();
  }
  const double lineSeconds =
      static_cast<double>(dump::kPageCount) * (kRequestBytes + kReplyBytes) * kBitsPerByte / baud;
  state.counters["bus_s"] = busSeconds;
  state.counters["line_floor_s"] = lineSeconds;
  state.counters["floor_ratio"] = busSeconds / lineSeconds;
  state.counters["ms_per_page"] = busSeconds * 1000 / static_cast<double>(dump::kPageCount);
  state.counters["failed_pages"] = failures;
}
BENCHMARK(BM_PagesOverEmulatedChip)
    ->ArgNames({"baud", "latency_ms"})
    ->ArgsProduct({{115'200, 921'600}, {16, 2, 1}})
    ->Iterations(IterationCount(1))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vertal::bench
