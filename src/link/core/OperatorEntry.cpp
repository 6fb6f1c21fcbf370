#include "link/core/OperatorEntry.h"

#include <ctime>
#include <optional>
#include <span>
#include <string_view>

#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"
#include "dump/core/LongTermLayout.h"

namespace vertal::link {
namespace {

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

void StoreDateByte(std::string_view text, std::uint8_t& byte) {
  if (text.size() != 2) return;
  const auto high = HexDigit(text[0]);
  const auto low = HexDigit(text[1]);
  if (high && low) byte = static_cast<std::uint8_t>(*high * 16 + *low);
}

std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

template <typename Buffer>
std::span<std::uint8_t> Field(Buffer& buffer, std::int64_t offset, std::int64_t size) {
  return std::span(buffer).subspan(static_cast<std::size_t>(offset),
                                   static_cast<std::size_t>(size));
}

}  // namespace

OperatorFields DefaultOperatorFields() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  OperatorFields fields;
  fields.day = TwoDigits(local.tm_mday);
  fields.month = TwoDigits(local.tm_mon + 1);
  fields.year = TwoDigits(local.tm_year % 100);
  return fields;
}

std::string CommissioningText(const CraneIdentBuffer& craneIdent) {
  return FieldText(std::span(craneIdent).subspan(
      static_cast<std::size_t>(dump::kCraneCommissioning),
      static_cast<std::size_t>(dump::kCraneCommissioningSize)));
}

void StoreOperatorFields(const OperatorFields& fields, CraneIdentBuffer& craneIdent,
                         TrailerBuffer& trailer) {
  StoreDateByte(fields.day, trailer[dump::kTrailerDate]);
  StoreDateByte(fields.month, trailer[dump::kTrailerDate + 1]);
  StoreDateByte(fields.year, trailer[dump::kTrailerDate + 2]);
  PutFieldText(Field(trailer, dump::kTrailerName, dump::kTrailerNameSize), fields.name);
  PutFieldText(Field(trailer, dump::kTrailerOrg, dump::kTrailerOrgSize), fields.organisation);
  PutFieldText(Field(trailer, dump::kTrailerCert, dump::kTrailerCertSize), fields.certificate);
  PutFieldText(Field(trailer, dump::kTrailerOwner, dump::kTrailerOwnerSize), fields.owner);
  if (fields.commissioning)
    PutFieldText(Field(craneIdent, dump::kCraneCommissioning, dump::kCraneCommissioningSize),
                 *fields.commissioning);
  CloseRecord(trailer);
}

bool FieldsOperatorDialog::Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) {
  if (!press_) return false;
  StoreOperatorFields(fields_, craneIdent, trailer);
  return true;
}

}  // namespace vertal::link
