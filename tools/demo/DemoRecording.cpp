#include "tools/demo/DemoRecording.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermLayout.h"
#include "frames/core/FrameLayout.h"

namespace vertal::demo {
namespace {

using testing::CraneIdent;
using testing::DumpBuilder;
using testing::FrameFields;
using testing::LimiterIdent;

constexpr double kPi = 3.14159265358979323846;
constexpr int kSecondsPerFrame = 2;
constexpr int kMonth = 9;
constexpr int kYear = 8;
constexpr std::chrono::year_month_day kRecordingMonth{std::chrono::year{2008}, std::chrono::month{kMonth},
                                                      std::chrono::day{1}};

std::uint8_t Bcd(int value) { return static_cast<std::uint8_t>((value / 10) << 4 | (value % 10)); }

std::array<std::uint8_t, 3> BcdDate(int day, int month, int year) {
  return {Bcd(day), Bcd(month), Bcd(year)};
}

// The calendar date `days` after the first of the recording month.
std::chrono::year_month_day DateAfter(int days) {
  return std::chrono::sys_days{kRecordingMonth} + std::chrono::days{days};
}

std::array<std::uint8_t, 3> BcdDate(const std::chrono::year_month_day& date) {
  return BcdDate(static_cast<int>(static_cast<unsigned>(date.day())),
                 static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(date.year()) % 100);
}

// What the crane adds to its lifetime counters while it works after the first reading.
struct CounterGrowth {
  std::array<std::uint32_t, dump::kLoadBinCount> cycles{};
  double charNumber = 0;
  std::uint32_t hoistSeconds = 0;
  std::uint32_t slewSeconds = 0;
  std::uint32_t poweredMinutes = 0;
  std::uint32_t liftedWeight = 0;  // hundredths of a tonne
  std::uint32_t loadedSeconds = 0;
};

// Each lift wears the crane by the cube of its share of the rated capacity.
constexpr double kCharNumberPerFullLift = 0.6;

// A 25-tonne truck crane: boom 9.7 to 21.7 m, capacity limited by its load moment.
struct CraneGeometry {
  static constexpr double kMinLength = 9.7;
  static constexpr double kMaxLength = 21.7;
  static constexpr double kPivotOffset = 0.6;  // slewing axis to boom foot, m
  static constexpr double kMaxCapacity = 25.0;

  static double Radius(double length, double angleDeg) {
    return length * std::cos(angleDeg * kPi / 180.0) + kPivotOffset;
  }
  // Rated capacity in tonnes at a radius for a boom length.
  static double Capacity(double radius, double length) {
    const double moment = 78.0 - (length - kMinLength) * 1.6;  // t·m
    return std::min(kMaxCapacity, moment / std::max(radius, 2.5));
  }
};

class Simulator {
 public:
  Simulator(DumpBuilder& b, const DemoOptions& o) : b_(b), o_(o), random_(o.seed) {}

  void Run() {
    for (int d = 0; d < o_.days + o_.laterDays; ++d) {
      const auto date = DateAfter(o_.firstDay - 1 + d);
      day_ = static_cast<int>(static_cast<unsigned>(date.day()));
      date_ = BcdDate(date);
      afterFirstReading_ = d >= o_.days;
      temperature_ = static_cast<int>(Uniform(6, 17));
      WorkPeriod(8 * 3600, 12 * 3600, true);
      WorkPeriod(13 * 3600, 17 * 3600, false);
    }
    DamageSomeFrames();
  }

  const CounterGrowth& Growth() const { return growth_; }

 private:
  double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(random_); }
  int Pick(int a, int b) { return std::uniform_int_distribution<int>(a, b)(random_); }
  bool Chance(double p) { return Uniform(0, 1) < p; }

  // A day's conditions that the limiter records.
  bool NearPowerLine() const { return day_ == 15 || day_ == 4; }
  bool LimitsEntered() const { return day_ >= 10 && day_ <= 12; }
  bool ForceSensorFault() const { return day_ == 18; }

  void WorkPeriod(int start, int end, bool morning) {
    t_ = start;
    if (afterFirstReading_) growth_.poweredMinutes += static_cast<std::uint32_t>((end - start) / 60);
    Emit(pose_, 0.0, kFaultSwitchOnCode, false);
    // Each morning begins with a few minutes in the tuning mode.
    if (morning) {
      const int tuningEnd = t_ + Pick(120, 420);
      while (t_ < tuningEnd) Emit(pose_, 0.0, 0, true);
    }
    while (t_ < end - 300) LiftCycle();
    while (t_ < end) Emit(pose_, 0.0, 0, false);  // parked
  }

  struct Pose {
    double angle = 15.0;
    double length = CraneGeometry::kMinLength;
    double azimuth = 0.0;
  };

  static constexpr int kFaultSwitchOnCode = 1;

  void LiftCycle() {
    const Pose from = pose_;
    Pose pick;
    pick.length = Uniform(CraneGeometry::kMinLength, CraneGeometry::kMaxLength);
    pick.angle = Uniform(35, 76);
    pick.azimuth = std::fmod(from.azimuth + Uniform(-60, 60) + 360.0, 360.0);
    Pose place = pick;
    // The load is carried with the boom raised a little, so the radius only shrinks.
    place.angle = std::clamp(pick.angle + Uniform(0, 6), 25.0, 78.0);
    place.azimuth = std::fmod(pick.azimuth + Uniform(40, 170) * (Chance(0.5) ? 1 : -1) + 360.0, 360.0);

    const double pickRadius = CraneGeometry::Radius(pick.length, pick.angle);
    const double capacity = CraneGeometry::Capacity(pickRadius, pick.length);
    // Most lifts are light; a few go past the rated capacity.
    double share = std::min(0.98, std::pow(Uniform(0, 1), 1.8) * 0.95 + 0.03);
    const bool overload = Chance(0.005);
    if (overload) share = Uniform(1.10, 1.28);
    const double load = capacity * share;

    // Each duration is drawn just before its motion: the demo's frames depend on that order.
    Move(from, pick, Pick(8, 20), 0.0);  // to the load
    Hold(pick, Pick(6, 15), 0.0);         // slinging
    const int carry = Pick(20, 45);
    Move(pick, place, carry, load);  // lift and slew
    const int setDown = Pick(5, 12);
    Hold(place, setDown, load);
    if (overload) RecordOverload(place, load);
    if (afterFirstReading_) CountLift(share, load, carry, setDown);
    pose_ = place;
  }

  void CountLift(double share, double load, int carrySteps, int setDownSteps) {
    const auto bin = static_cast<std::size_t>(std::clamp(static_cast<int>(share * 10), 0, dump::kLoadBinCount - 1));
    ++growth_.cycles[bin];
    growth_.charNumber += share * share * share * kCharNumberPerFullLift;
    growth_.hoistSeconds += static_cast<std::uint32_t>(carrySteps * kSecondsPerFrame);
    growth_.slewSeconds += static_cast<std::uint32_t>(carrySteps * kSecondsPerFrame);
    growth_.loadedSeconds += static_cast<std::uint32_t>((carrySteps + setDownSteps) * kSecondsPerFrame);
    liftedTonnes_ += load;
    growth_.liftedWeight = static_cast<std::uint32_t>(std::lround(liftedTonnes_ * 100));
  }

  void Move(const Pose& a, const Pose& b, int steps, double load) {
    double turn = b.azimuth - a.azimuth;
    if (turn > 180) turn -= 360;
    if (turn < -180) turn += 360;
    for (int i = 1; i <= steps; ++i) {
      const double s = static_cast<double>(i) / steps;
      const double ease = 0.5 - 0.5 * std::cos(s * kPi);
      Pose p;
      p.angle = a.angle + (b.angle - a.angle) * ease;
      p.length = a.length + (b.length - a.length) * ease;
      p.azimuth = std::fmod(a.azimuth + turn * ease + 360.0, 360.0);
      Emit(p, load, 0, false);
    }
  }

  void Hold(const Pose& p, int steps, double load) {
    for (int i = 0; i < steps; ++i) Emit(p, load, 0, false);
  }

  void Emit(const Pose& p, double load, std::uint8_t code, bool tuning) {
    FrameFields f;
    f.date = date_;
    f.time = {Bcd(t_ % 60), Bcd(t_ / 60 % 60), Bcd(t_ / 3600)};
    const double radius = CraneGeometry::Radius(p.length, p.angle);
    const double capacity = CraneGeometry::Capacity(radius, p.length);
    const double hook = 0.35;  // hook block, tonnes
    const double weight = load > 0 ? load + Uniform(-0.02, 0.02) : hook;
    const double moment = std::max(0.0, (load > 0 ? load : 0.0) / capacity * 100.0);
    f.angle = static_cast<std::int16_t>(std::lround(p.angle * 100));
    f.length = static_cast<std::uint16_t>(std::lround(p.length * 100));
    f.radius = static_cast<std::uint16_t>(std::lround(radius * 100));
    f.load = static_cast<std::int16_t>(std::lround(weight * 100));
    f.pressure = static_cast<std::int16_t>(std::lround((18.0 + moment * 1.45) * 10));
    f.azimuth = static_cast<std::uint16_t>(std::lround(p.azimuth * 10) % 3600);
    f.wind = static_cast<std::uint16_t>(std::lround(std::max(0.0, 3.0 + 2.0 * std::sin(t_ / 900.0) + Uniform(-0.8, 0.8)) * 100));
    f.temperature = static_cast<std::int8_t>(temperature_ + (t_ > 13 * 3600 ? 3 : 0));
    f.reeving = load > 12 ? 6 : 4;
    f.mode = 1;
    f.loadMoment = static_cast<std::uint8_t>(std::min(255L, std::lround(moment)));
    f.kos = tuning ? 0x00 : frames::kKosWorkMode;
    f.relays = static_cast<std::uint8_t>(0x01 | (moment >= 90 ? 0x02 : 0) | (moment >= 105 ? 0x04 : 0));
    f.inputs1 = 0x81;
    f.inputs2 = load > 0 ? 0x14 : 0x10;
    f.inputs3 = 0x02;
    f.faultCode = code;

    if (code == 0 && NearPowerLine() && p.azimuth > 222 && p.azimuth < 238 && p.angle > 58) {
      // Approaching the overhead line beside the site.
      const std::uint8_t range = day_ == 4 ? 1 : (p.angle > 60 ? 3 : 2);
      f.kos = static_cast<std::uint8_t>((f.kos & ~frames::kKosVoltageMask) | range | 0x60);
      f.faultCode = static_cast<std::uint8_t>(100 + range);
    }
    if (LimitsEntered()) {
      f.limits = frames::kLimitCeilingEntered | frames::kLimitWallEntered;
      if (p.angle > 72) f.limits |= frames::kLimitCeilingTriggered;
      if (radius > 17.5) f.limits |= frames::kLimitWallTriggered;
      if (f.faultCode == 0 && (f.limits & 0x0F)) f.faultCode = p.angle > 72 ? 97 : 94;
    }
    if (f.faultCode == 0 && ForceSensorFault() && t_ > 14 * 3600 && t_ < 14 * 3600 + 600) f.faultCode = 20;
    b_.Frame(slot_, f);
    slot_ = (slot_ + 1) % dump::kFrameCount;
    t_ += kSecondsPerFrame;
  }

  void RecordOverload(const Pose& p, double load) {
    if (overloadCount_ >= dump::kOverloadRecords.count) return;
    const double radius = CraneGeometry::Radius(p.length, p.angle);
    const double capacity = CraneGeometry::Capacity(radius, p.length);
    std::array<std::uint8_t, 10> r{};
    const auto radiusCm = static_cast<std::uint16_t>(std::lround(radius * 100));
    const auto capacity100 = static_cast<std::uint16_t>(std::lround(capacity * 100));
    r[0] = static_cast<std::uint8_t>(radiusCm);
    r[1] = static_cast<std::uint8_t>(radiusCm >> 8);
    r[2] = static_cast<std::uint8_t>(capacity100);
    r[3] = static_cast<std::uint8_t>(capacity100 >> 8);
    r[4] = static_cast<std::uint8_t>(std::lround(load / capacity * 100));
    std::copy(date_.begin(), date_.end(), r.begin() + 5);
    r[8] = 1;
    b_.OverloadRecord(overloadCount_++, r);
  }

  void DamageSomeFrames() {
    for (int i = 0; i < 12; ++i) b_.DamageFrame(Pick(0, static_cast<int>(dump::kFrameCount) - 1));
  }

  DumpBuilder& b_;
  DemoOptions o_;
  std::mt19937 random_;
  std::int64_t slot_ = 0;
  int day_ = 1;
  std::array<std::uint8_t, 3> date_ = BcdDate(1, kMonth, kYear);
  bool afterFirstReading_ = false;
  CounterGrowth growth_;
  double liftedTonnes_ = 0;
  int t_ = 0;
  int temperature_ = 10;
  Pose pose_;
  std::int64_t overloadCount_ = 0;

 public:
  // Older overloads from the crane's earlier seasons, before this recording.
  void EarlierOverloads() {
    const int dates[][3] = {{14, 5, 7}, {2, 7, 7}, {19, 11, 7}, {11, 3, 8}, {28, 4, 8}, {6, 8, 8}};
    for (const auto& d : dates) {
      std::array<std::uint8_t, 10> r{};
      const std::uint16_t radius = static_cast<std::uint16_t>(Pick(600, 1500));
      const std::uint16_t capacity = static_cast<std::uint16_t>(Pick(450, 1300));
      r[0] = static_cast<std::uint8_t>(radius);
      r[1] = static_cast<std::uint8_t>(radius >> 8);
      r[2] = static_cast<std::uint8_t>(capacity);
      r[3] = static_cast<std::uint8_t>(capacity >> 8);
      r[4] = static_cast<std::uint8_t>(Pick(108, 126));
      const auto date = BcdDate(d[0], d[1], d[2]);
      std::copy(date.begin(), date.end(), r.begin() + 5);
      r[8] = 1;
      b_.OverloadRecord(overloadCount_++, r);
    }
  }
};

// The cranes of the fleet: the demo crane first.
struct FleetCrane {
  const char* model;
  const char* owner;
  std::int8_t normativeGroup;
};
constexpr FleetCrane kFleet[] = {
    {"КС-4571-Н", "ЗАО \"Стройтранс\"", 4},
    {"КС-3577", "ООО \"Мостострой\"", 3},
    {"КС-55713", "ОАО \"Портовик\"", 5},
    {"КС-45717", "ИП Сидоров В.П.", 4},
    {"КС-35714", "ООО \"Гидроспецстрой\"", 3},
};
constexpr int kFleetSize = static_cast<int>(std::size(kFleet));

std::string LimiterSerial(int crane) {
  std::string digits = std::to_string(412 + crane);
  return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

void FillIdentity(DumpBuilder& b, const DemoOptions& o) {
  const FleetCrane& crane = kFleet[o.crane % kFleetSize];
  for (int bank = 0; bank < 2; ++bank) {
    b.Limiter(bank, LimiterIdent{LimiterSerial(o.crane), 5, 3, 12, 2, o.recorderVersion, "ООО \"Вертал\""});
    b.Crane(bank, CraneIdent{static_cast<std::int16_t>(1187 + o.crane % 30000), 2006, crane.normativeGroup,
                             crane.model, BcdDate(14, 3, 7), "ОАО \"Северный крановый завод\"",
                             "ООО \"Кранналадка\""});
  }
  dump::OperatorTrailer trailer;
  // Read out the day after the last day of work.
  trailer.date = BcdDate(DateAfter(o.firstDay - 1 + o.days + o.laterDays));
  trailer.name = "Петров А.В.";
  trailer.organisation = "ООО \"Крансервис\"";
  trailer.certificate = "1234-07";
  trailer.owner = crane.owner;
  b.Trailer(trailer);
}

// Another crane of the fleet has worked more or less than the demo crane.
std::uint32_t Scaled(std::uint32_t value, int crane) {
  const std::uint64_t percent = 100u + static_cast<std::uint64_t>(crane * 37 % 90);
  return static_cast<std::uint32_t>(value * percent / 100u);
}

// A counter as the builder takes it, with the small lead or lag of one bank.
std::int32_t Counter(std::uint32_t value, int shift) { return static_cast<std::int32_t>(value) + shift; }

void FillCounters(DumpBuilder& b, const CounterGrowth& g, int crane) {
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
      const std::uint32_t grown = g.cycles[static_cast<std::size_t>(k - 1)];
      const std::uint32_t load = Scaled(loadCycles[k - 1], crane) + grown;
      const std::uint32_t work = Scaled(workCycles[k - 1], crane) + grown;
      b.LoadCycles(bank, k, load - std::min(lag, load) + lead);
      b.WorkCycles(bank, k, work - std::min(lag, work) + lead);
    }
    const double charNumber = (bank == 0 ? 1520.75 : 1519.5) * Scaled(100, crane) / 100.0 + g.charNumber;
    b.CharNumber(bank, static_cast<float>(charNumber));
    const std::uint32_t mechanisms[4] = {1'254'330, 402'115, 210'901, 655'240};
    b.MechanismSeconds(bank, 0, Counter(Scaled(mechanisms[0], crane) + g.hoistSeconds, -bank * 60));
    b.MechanismSeconds(bank, 1, Counter(Scaled(mechanisms[1], crane), 0));
    b.MechanismSeconds(bank, 2, Counter(Scaled(mechanisms[2], crane), 0));
    b.MechanismSeconds(bank, 3, Counter(Scaled(mechanisms[3], crane) + g.slewSeconds, bank * 12));
    b.PoweredMinutes(bank, Scaled(71'845u, crane) + g.poweredMinutes - static_cast<std::uint32_t>(bank) * 2u);
    b.LiftedWeight(bank, Counter(Scaled(4'512'345, crane) + g.liftedWeight, bank * 250));
  }
  b.LoadedSeconds(Counter(Scaled(2'745'610, crane) + g.loadedSeconds, 0));
}

// Engine and hydraulic parameters out of their range over the last weeks.
void FillExceedances(DumpBuilder& b, const DemoOptions& o) {
  struct Exceedance {
    std::int16_t value;
    std::uint8_t code;
    int day, month, hour, minute;
  };
  const Exceedance rows[] = {
      {97, 2, 12, 8, 14, 5},  {35, 3, 12, 8, 14, 7},   {8, 5, 19, 8, 16, 40},  {236, 7, 25, 8, 8, 2},
      {102, 1, 3, 9, 15, 31}, {99, 2, 5, 9, 11, 12},   {32, 3, 5, 9, 11, 14},  {2650, 6, 9, 9, 10, 0},
      {7, 5, 11, 9, 16, 55},  {231, 7, 15, 9, 8, 1},   {98, 2, 16, 9, 13, 42}, {-5, 1, 17, 9, 8, 3},
      {12, 4, 18, 9, 9, 20},  {101, 2, 20, 9, 23, 59}, {6, 5, 21, 9, 16, 30},  {244, 7, 21, 9, 8, 0},
  };
  std::int64_t k = 0;
  for (const Exceedance& e : rows) {
    std::array<std::uint8_t, 10> r{};
    r[0] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.value));
    r[1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.value) >> 8);
    r[2] = e.code;
    const auto date = BcdDate(e.day, e.month, kYear);
    std::copy(date.begin(), date.end(), r.begin() + 3);
    r[6] = Bcd((e.minute * 7 + e.hour) % 60);
    r[7] = Bcd(e.minute);
    r[8] = Bcd(e.hour);
    b.KdsRecord(k++, r);
  }
  // After the first reading, an engine or hydraulic parameter leaves its range every fifth day.
  for (int d = 4; d < o.laterDays && k < dump::kKdsRecords.count; d += 5) {
    const Exceedance& e = rows[static_cast<std::size_t>(d) % std::size(rows)];
    std::array<std::uint8_t, 10> r{};
    r[0] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.value));
    r[1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(e.value) >> 8);
    r[2] = e.code;
    const auto date = BcdDate(DateAfter(o.firstDay - 1 + o.days + d));
    std::copy(date.begin(), date.end(), r.begin() + 3);
    r[6] = Bcd((e.minute * 7 + e.hour) % 60);
    r[7] = Bcd(e.minute);
    r[8] = Bcd(e.hour);
    b.KdsRecord(k++, r);
  }
}

}  // namespace

void BuildDemo(DumpBuilder& b, const DemoOptions& options) {
  FillIdentity(b, options);
  Simulator simulator(b, options);
  simulator.EarlierOverloads();
  simulator.Run();
  FillCounters(b, simulator.Growth(), options.crane);
  FillExceedances(b, options);
}

}  // namespace vertal::demo
