#pragma once
// Windows-1251, the code page of every text stored in a dump file.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vertal {

// Decodes Windows-1251 bytes to UTF-8. The one unassigned byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::span<const std::uint8_t> bytes);

// Encodes UTF-8 to Windows-1251; a character the code page lacks (or a broken UTF-8
// sequence) becomes '?'.
std::vector<std::uint8_t> Utf8ToCp1251(std::string_view utf8);

// The text of a fixed-width field: its bytes up to the first NUL or to the field's end.
std::string FieldText(std::span<const std::uint8_t> field);

// Writes text into a fixed-width field: the Windows-1251 bytes, cut at the field's width;
// a shorter text is followed by zero bytes.
void PutFieldText(std::span<std::uint8_t> field, std::string_view utf8);

}  // namespace vertal
