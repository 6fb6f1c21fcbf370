#include "records/core/TypedInput.h"

#include <charconv>

namespace vertal::records {

std::optional<int> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string NotWholeNumberMessage(std::string_view fieldCaption, std::string_view text) {
  return "\n Поле \"" + std::string(fieldCaption) + "\" должно содержать целое число, а не \"" +
         std::string(text) + "\".";
}

std::string NotDateMessage(std::string_view fieldCaption, std::string_view text) {
  return "\n Поле \"" + std::string(fieldCaption) +
         "\" должно содержать дату в виде дд.мм.гг, а не \"" + std::string(text) + "\".";
}

}  // namespace vertal::records
