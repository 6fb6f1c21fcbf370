#include "common/core/Bcd.h"

namespace vertal {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, std::uint8_t byte) {
  out.push_back(kDigits[byte >> 4]);
  out.push_back(kDigits[byte & 0x0F]);
}

}  // namespace

std::string HexByte(std::uint8_t byte) {
  std::string out;
  AppendHexByte(out, byte);
  return out;
}

void AppendBcdDate(std::string& out, Bcd3 date) {
  for (std::size_t i = 0; i < date.size(); ++i) {
    if (i > 0) out.push_back('.');
    AppendHexByte(out, date[i]);
  }
}

void AppendBcdTime(std::string& out, Bcd3 time) {
  AppendHexByte(out, time[2]);
  out.push_back(':');
  AppendHexByte(out, time[1]);
  out.push_back(':');
  AppendHexByte(out, time[0]);
}

std::string BcdDateText(Bcd3 date) {
  std::string out;
  AppendBcdDate(out, date);
  return out;
}

std::string BcdTimeText(Bcd3 time) {
  std::string out;
  AppendBcdTime(out, time);
  return out;
}

std::string BitString(std::uint8_t byte) {
  std::string out(8, '0');
  for (int bit = 7; bit >= 0; --bit)
    if (byte & (1u << bit)) out[static_cast<std::size_t>(7 - bit)] = '1';
  return out;
}

}  // namespace vertal
