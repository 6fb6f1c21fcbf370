#include "frames/core/FrameRecord.h"

#include "common/core/Bcd.h"
#include "common/core/Bytes.h"
#include "common/core/NumberFormat.h"

namespace vertal::frames {

std::int16_t FrameRecord::Angle() const { return lei16(&raw[kFrameAngle]); }
std::uint16_t FrameRecord::Length() const { return le16(&raw[kFrameLength]); }
std::uint16_t FrameRecord::Radius() const { return le16(&raw[kFrameRadius]); }
std::int16_t FrameRecord::Pressure() const { return lei16(&raw[kFramePressure]); }
std::int16_t FrameRecord::Load() const { return lei16(&raw[kFrameLoad]); }
std::uint16_t FrameRecord::Azimuth() const { return le16(&raw[kFrameAzimuth]); }
std::uint16_t FrameRecord::Wind() const { return le16(&raw[kFrameWind]); }
std::int8_t FrameRecord::Temperature() const { return i8(raw[kFrameTemperature]); }

std::string FrameFieldText(const FrameRecord& f, FrameField field, std::string_view sep) {
  switch (field) {
    case FrameField::Date: return BcdDateText(f.Date());
    case FrameField::Time: return BcdTimeText(f.Time());
    case FrameField::Angle: return FormatScaled(f.Angle(), kAngleDecimals, "#0.00", sep);
    case FrameField::Length: return FormatScaled(f.Length(), kLengthDecimals, "#0.00", sep);
    case FrameField::Radius: return FormatScaled(f.Radius(), kRadiusDecimals, "#0.00", sep);
    case FrameField::Pressure: return FormatScaled(f.Pressure(), kPressureDecimals, "#0.0", sep);
    case FrameField::Load: return FormatScaled(f.Load(), kLoadDecimals, "#0.00", sep);
    case FrameField::Azimuth: return FormatScaled(f.Azimuth(), kAzimuthDecimals, "#0", sep);
    case FrameField::Wind: return FormatScaled(f.Wind(), kWindDecimals, "#0.00", sep);
    case FrameField::Kos: return BitString(f.Kos());
    case FrameField::Temperature: return std::to_string(f.Temperature());
    case FrameField::ReevingMode:
      return std::to_string(f.Reeving()) + " " + std::to_string(f.Mode());
    case FrameField::LoadMoment: return std::to_string(f.LoadMoment());
    case FrameField::Relays: return BitString(f.Relays());
    case FrameField::Limits: return BitString(f.Limits());
    case FrameField::Inputs1: return BitString(f.Inputs1());
    case FrameField::Inputs2: return BitString(f.Inputs2());
    case FrameField::Inputs3: return BitString(f.Inputs3());
    case FrameField::FaultCode: return std::to_string(f.FaultCode());
  }
  return {};
}

std::array<std::string, kFrameFieldCount> FrameFieldTexts(FrameBytes frame,
                                                          std::string_view sep) {
  const FrameRecord f(frame);
  std::array<std::string, kFrameFieldCount> texts;
  for (std::size_t i = 0; i < kFrameFieldCount; ++i)
    texts[i] = FrameFieldText(f, static_cast<FrameField>(i), sep);
  return texts;
}

}  // namespace vertal::frames
