// Writes a demo dump: a crane with its identification, lifetime counters in both banks, the
// operator's data, and a short recording of lifts in the operative memory.

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "support/DumpBuilder.h"

using vertal::testing::CraneIdent;
using vertal::testing::DumpBuilder;
using vertal::testing::FrameFields;
using vertal::testing::LimiterIdent;

namespace {

std::uint8_t Bcd(int value) { return static_cast<std::uint8_t>((value / 10) << 4 | (value % 10)); }

void FillIdentity(DumpBuilder& b) {
  for (int bank = 0; bank < 2; ++bank) {
    b.Limiter(bank, LimiterIdent{"0412", 5, 3, 12, 2, 31, "ООО \"Вертал\""});
    b.Crane(bank, CraneIdent{1187, 2006, 4, "КС-4571-Н", {0x14, 0x03, 0x07},
                             "ОАО \"Северный крановый завод\"", "ООО \"Кранналадка\""});
  }
  vertal::dump::OperatorTrailer trailer;
  trailer.date = {0x18, 0x09, 0x08};
  trailer.name = "Петров А.В.";
  trailer.organisation = "ООО \"Крансервис\"";
  trailer.certificate = "1234-07";
  trailer.owner = "ЗАО \"Стройтранс\"";
  b.Trailer(trailer);
}

void FillCounters(DumpBuilder& b) {
  // A load spectrum that falls off towards the heavy ranges.
  const std::uint32_t loadCycles[15] = {5210, 4120, 3655, 2980, 2410, 1875, 1320, 980,
                                        640,  415,  120,  41,   12,   5,    2};
  const std::uint32_t workCycles[15] = {8120, 6230, 5105, 4011, 3320, 2502, 1799, 1201,
                                        822,  530,  160,  55,   17,   6,    3};
  for (int bank = 0; bank < 2; ++bank) {
    for (int k = 1; k <= 15; ++k) {
      // Bank 1 was written a little earlier, except for a few counters it holds ahead.
      const std::uint32_t lag = bank == 1 && k % 4 != 0 ? 3u : 0u;
      const std::uint32_t lead = bank == 1 && k % 4 == 0 ? 1u : 0u;
      b.LoadCycles(bank, k, loadCycles[k - 1] - std::min(lag, loadCycles[k - 1]) + lead);
      b.WorkCycles(bank, k, workCycles[k - 1] - std::min(lag, workCycles[k - 1]) + lead);
    }
    b.CharNumber(bank, bank == 0 ? 1520.75f : 1519.5f);
    b.MechanismSeconds(bank, 0, 1'254'330 - bank * 60);
    b.MechanismSeconds(bank, 1, 402'115);
    b.MechanismSeconds(bank, 2, 210'901);
    b.MechanismSeconds(bank, 3, 655'240 + bank * 12);
    b.PoweredMinutes(bank, 71'845u - static_cast<std::uint32_t>(bank) * 2u);
    b.LiftedWeight(bank, 4'512'345 + bank * 250);
  }
  b.LoadedSeconds(2'745'610);
}

// A morning of lifts on 18.09.08, one frame every few seconds.
void FillFrames(DumpBuilder& b) {
  const int frames = 600;
  for (int n = 0; n < frames; ++n) {
    const int t = 8 * 3600 + 5 * n;
    FrameFields f;
    f.date = {0x18, 0x09, 0x08};
    f.time = {Bcd(t % 60), Bcd(t / 60 % 60), Bcd(t / 3600)};
    const double phase = n / 40.0;
    const double angleDeg = 45.0 + 20.0 * std::sin(phase);
    const double lengthM = 9.7 + 6.0 * (1.0 + std::sin(phase / 3.0));
    const double pi = std::acos(-1.0);
    f.angle = static_cast<std::int16_t>(std::lround(angleDeg * 100));
    f.length = static_cast<std::uint16_t>(std::lround(lengthM * 100));
    f.radius = static_cast<std::uint16_t>(std::lround(lengthM * std::cos(angleDeg * pi / 180) * 100));
    const double load = (n / 60) % 2 == 0 ? 3.2 + (n % 60) * 0.05 : 0.35;
    f.load = static_cast<std::int16_t>(std::lround(load * 100));
    f.pressure = static_cast<std::int16_t>(std::lround(load * 95.0 * 10));
    f.azimuth = static_cast<std::uint16_t>((n * 7) % 3600);
    f.wind = static_cast<std::uint16_t>(250 + (n % 17) * 10);
    f.kos = vertal::frames::kKosWorkMode;
    f.temperature = 14;
    f.reeving = 4;
    f.mode = 2;
    const double moment = load * (f.radius / 100.0) / 25.0 * 100.0;
    f.loadMoment = static_cast<std::uint8_t>(std::min(255L, std::lround(moment)));
    f.relays = f.loadMoment >= 90 ? 0x03 : 0x01;
    f.inputs1 = 0x81;
    f.inputs2 = 0x10;
    f.faultCode = n == 0 ? vertal::frames::kFaultSwitchOn : 0;
    b.Frame(n, f);
  }
  b.DamageFrame(frames / 2);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: vertal-demo-dump OUT.bin\n");
    return 2;
  }
  try {
    DumpBuilder b;
    FillIdentity(b);
    FillCounters(b);
    FillFrames(b);
    b.Write(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vertal-demo-dump: %s\n", e.what());
    return 1;
  }
  return 0;
}
