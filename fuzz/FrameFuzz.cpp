// Fuzzes the decoding of frames and of typed dates.
// Input layout: bytes 0 .. 31 are frame A and bytes 32 .. 63 frame B (zero beyond the input);
// the whole input is also the text typed into a date field.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "FuzzCheck.h"
#include "frames/core/BcdDateTime.h"
#include "frames/core/FrameRecord.h"

namespace {

using vertal::ValidUtf8;
namespace frames = vertal::frames;
using frames::Moment;

Moment Reverse(Moment m) {
  switch (m) {
    case Moment::Later: return Moment::Earlier;
    case Moment::Earlier: return Moment::Later;
    case Moment::Equal: return Moment::Equal;
  }
  return m;
}

void CheckFrame(frames::FrameBytes frame) {
  const bool valid = frames::FrameValid(frame);
  const frames::Bcd3 date = frame.subspan<frames::kFrameDate, 3>();
  const frames::Bcd3 time = frame.subspan<frames::kFrameTime, 3>();
  // A valid frame has a valid date and time.
  if (valid) FUZZ_CHECK(frames::BcdDateValid(date) && frames::BcdTimeValid(time));

  for (const std::string_view separator : {".", ","}) {
    const auto texts = frames::FrameFieldTexts(frame, separator);
    FUZZ_CHECK(texts[static_cast<std::size_t>(frames::FrameField::Date)].size() == 8);
    FUZZ_CHECK(texts[static_cast<std::size_t>(frames::FrameField::Time)].size() == 8);
    for (const auto& text : texts) FUZZ_CHECK(ValidUtf8(text));
  }
  FUZZ_CHECK(frames::CompareDateTime(date, date, time, time) == Moment::Equal);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, 2 * frames::kFrameSize> bytes{};
  std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
  const frames::FrameBytes a(bytes.data(), frames::kFrameSize);
  const frames::FrameBytes b(bytes.data() + frames::kFrameSize, frames::kFrameSize);
  CheckFrame(a);
  CheckFrame(b);

  const Moment ab = frames::CompareDateTime(a.subspan<frames::kFrameDate, 3>(),
                                            b.subspan<frames::kFrameDate, 3>(),
                                            a.subspan<frames::kFrameTime, 3>(),
                                            b.subspan<frames::kFrameTime, 3>());
  const Moment ba = frames::CompareDateTime(b.subspan<frames::kFrameDate, 3>(),
                                            a.subspan<frames::kFrameDate, 3>(),
                                            b.subspan<frames::kFrameTime, 3>(),
                                            a.subspan<frames::kFrameTime, 3>());
  FUZZ_CHECK(ba == Reverse(ab));

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto date = frames::DateTextToBcd(text)) {
    // The bytes of an accepted date show as the pairs that were typed.
    FUZZ_CHECK(text.size() >= 8);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < 3; ++i) {
      const auto upper = [](char c) { return (c >= 'a' && c <= 'f') ? static_cast<char>(c - 32) : c; };
      FUZZ_CHECK(upper(text[3 * i]) == kHex[(*date)[i] >> 4]);
      FUZZ_CHECK(upper(text[3 * i + 1]) == kHex[(*date)[i] & 0x0F]);
    }
  }
  return 0;
}
