#include "frames/core/BcdDateTime.h"

namespace vertal::frames {
namespace {
std::optional<std::uint8_t> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  return std::nullopt;
}
}  // namespace

Moment CompareDateTime(Bcd3 dateA, Bcd3 dateB, Bcd3 timeA, Bcd3 timeB) {
  const std::array<std::uint8_t, 6> a = {dateA[2], dateA[1], dateA[0], timeA[2], timeA[1], timeA[0]};
  const std::array<std::uint8_t, 6> b = {dateB[2], dateB[1], dateB[0], timeB[2], timeB[1], timeB[0]};
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] > b[i]) return Moment::Later;
    if (a[i] < b[i]) return Moment::Earlier;
  }
  return Moment::Equal;
}

std::optional<BcdBytes> DateTextToBcd(std::string_view text) {
  constexpr std::array<std::size_t, 3> kPairs = {0, 3, 6};
  if (text.size() < kPairs.back() + 2) return std::nullopt;
  BcdBytes out{};
  for (std::size_t i = 0; i < kPairs.size(); ++i) {
    const auto high = HexDigit(text[kPairs[i]]);
    const auto low = HexDigit(text[kPairs[i] + 1]);
    if (!high || !low) return std::nullopt;
    out[i] = static_cast<std::uint8_t>(*high << 4 | *low);
  }
  return out;
}

}  // namespace vertal::frames
