#include "common/core/Bcd.h"

namespace vertal {

std::string HexByte(std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

void AppendBcdDate(std::string& out, Bcd3 date) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < date.size(); ++i) {
    if (i > 0) out.push_back('.');
    out.push_back(kDigits[date[i] >> 4]);
    out.push_back(kDigits[date[i] & 0x0F]);
  }
}

std::string BcdDateText(Bcd3 date) {
  std::string out;
  AppendBcdDate(out, date);
  return out;
}

std::string BcdTimeText(Bcd3 time) {
  return HexByte(time[2]) + ":" + HexByte(time[1]) + ":" + HexByte(time[0]);
}

std::string BitString(std::uint8_t byte) {
  std::string out(8, '0');
  for (int bit = 7; bit >= 0; --bit)
    if (byte & (1u << bit)) out[static_cast<std::size_t>(7 - bit)] = '1';
  return out;
}

}  // namespace vertal
