#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>

#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/OperatorTrailer.h"
#include "link/core/OperatorEntry.h"

namespace vertal::link {
namespace {

struct Stored {
  CraneIdentBuffer ident{};
  TrailerBuffer trailer{};
  dump::OperatorTrailer Read() const { return dump::ReadOperatorTrailer(trailer); }
};

Stored Store(const OperatorFields& fields, Stored before = {}) {
  StoreOperatorFields(fields, before.ident, before.trailer);
  return before;
}

OperatorFields Dated(const char* day, const char* month, const char* year) {
  OperatorFields fields;
  fields.day = day;
  fields.month = month;
  fields.year = year;
  return fields;
}

// Only what the operator typed or saw as data is stored: the unit's commissioning organisation
// goes back byte for byte, and the owner's hint is not an owner.
TEST(StoreOperatorFields, DefaultFieldsGiveTodaysBcdDateAndKeepTheUnitsRecord) {
  const OperatorFields fields = DefaultOperatorFields();
  Stored before;
  for (std::size_t i = 0; i < before.ident.size(); ++i) before.ident[i] = static_cast<std::uint8_t>(i * 7);
  const Stored s = Store(fields, before);
  const dump::OperatorTrailer t = s.Read();
  EXPECT_EQ(t.date[0], std::stoi(fields.day, nullptr, 16));
  EXPECT_EQ(t.name, kDefaultOperatorName);
  EXPECT_EQ(t.certificate, "000000");
  EXPECT_EQ(t.owner, "");
  EXPECT_EQ(s.ident, before.ident);
  EXPECT_TRUE(ChecksumValid(s.trailer));
}

TEST(CommissioningText, IsTheRecordsFieldUpToItsFirstZero) {
  CraneIdentBuffer ident{};
  PutFieldText(std::span(ident).subspan(dump::kCraneCommissioning, 40), "ПНО Кран");
  ident[dump::kCraneCommissioning + 20] = 'x';  // past the zero: not part of the text
  EXPECT_EQ(CommissioningText(ident), "ПНО Кран");
}

TEST(StoreOperatorFields, DateDigitsAreStoredAsBcd) {
  const Stored s = Store(Dated("15", "03", "09"));
  EXPECT_EQ(s.trailer[0], 0x15);
  EXPECT_EQ(s.trailer[1], 0x03);
  EXPECT_EQ(s.trailer[2], 0x09);
}

TEST(StoreOperatorFields, DateFieldThatIsNotTwoHexDigitsLeavesItsByte) {
  Stored before;
  before.trailer[0] = 0x21;
  before.trailer[1] = 0x12;
  const Stored s = Store(Dated("7", "zz", "0a"), before);
  EXPECT_EQ(s.trailer[0], 0x21);
  EXPECT_EQ(s.trailer[1], 0x12);
  EXPECT_EQ(s.trailer[2], 0x0a);
  EXPECT_TRUE(ChecksumValid(s.trailer));
}

TEST(StoreOperatorFields, ShorterTextIsFollowedByZeroOverAnEarlierLongerOne) {
  OperatorFields longer = Dated("01", "01", "10");
  longer.organisation = std::string(40, 'W');
  OperatorFields shorter = longer;
  shorter.organisation = "ООО Кран";
  const Stored s = Store(shorter, Store(longer));
  EXPECT_EQ(s.trailer[dump::kTrailerOrg + 8], 0);
  EXPECT_EQ(s.Read().organisation, FieldText(Utf8ToCp1251("ООО Кран")));
}

TEST(StoreOperatorFields, FortyCharacterOwnerFillsItsFieldWithoutZero) {
  OperatorFields fields = Dated("01", "01", "10");
  fields.owner.assign(39, 'O');
  fields.owner += "Я";  // appended: GCC 12 warns falsely on string + literal at -O2
  const Stored s = Store(fields);
  EXPECT_EQ(s.trailer[dump::kTrailerOwner + 39], 0xDF);  // "Я" in Windows-1251
  EXPECT_TRUE(ChecksumValid(s.trailer));
}

TEST(StoreOperatorFields, OnlyTheFirstTenCertificateCharactersAreStored) {
  OperatorFields fields = Dated("01", "01", "10");
  fields.certificate = "12345678901234567890";
  const Stored s = Store(fields);
  EXPECT_EQ(s.Read().certificate, "1234567890");
}

TEST(StoreOperatorFields, EmptyNameReadsBackEmpty) {
  OperatorFields fields = Dated("01", "01", "10");
  fields.name.clear();
  const Stored s = Store(fields);
  EXPECT_EQ(s.trailer[dump::kTrailerName], 0);
  EXPECT_EQ(s.Read().name, "");
  EXPECT_TRUE(ChecksumValid(s.trailer));
}

TEST(StoreOperatorFields, CommissioningGoesIntoBytes63To102AndNothingElseOfTheRecord) {
  Stored before;
  std::fill(before.ident.begin(), before.ident.end(), std::uint8_t{0x5A});
  OperatorFields fields = Dated("01", "01", "10");
  fields.commissioning = std::string(40, 'P');
  const Stored s = Store(fields, before);
  EXPECT_TRUE(std::all_of(s.ident.begin(), s.ident.begin() + 63, [](auto b) { return b == 0x5A; }));
  EXPECT_TRUE(
      std::all_of(s.ident.begin() + 63, s.ident.begin() + 103, [](auto b) { return b == 'P'; }));
  EXPECT_EQ(s.ident[103], 0x5A);
}

TEST(FieldsOperatorDialog, ClosingWithoutWritingChangesNeitherBuffer) {
  FieldsOperatorDialog dialog(DefaultOperatorFields(), false);
  CraneIdentBuffer ident{};
  TrailerBuffer trailer{};
  EXPECT_FALSE(dialog.Run(ident, trailer));
  EXPECT_EQ(ident, CraneIdentBuffer{});
  EXPECT_EQ(trailer, TrailerBuffer{});
}

}  // namespace
}  // namespace vertal::link
