// The overload and KDS tables read from records laid out byte by byte at fixed dump offsets.
// Every field holds a distinct non-zero value, so a field read from the wrong place shows a
// wrong text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "support/RawBytes.h"
#include "support/TempDir.h"

namespace vertal::events {
namespace {

using namespace vertal::testing;

using Column = std::vector<std::string>;

// Column 1 of the table's first page: record number 1 of the family.
Column ShownRecord1(const RawImage& image, const TableLayout& layout) {
  TempDir dir;
  WriteImage(image, dir.File("d.bin"));
  return records::ReadTablePage(dir.File("d.bin"), layout, 0, ",").columns.at(1);
}

TEST(EventLayoutBytes, OverloadRecord) {
  RawImage image(2'200, 0);
  constexpr std::size_t o = 2'030;  // overload record 1
  PutLe(image, o + 0, 2345, 2);                // radius
  PutLe(image, o + 2, 1290, 2);                // rated capacity
  PutBytes(image, o + 4, {117});               // load, percent
  PutBytes(image, o + 5, {0x18, 0x07, 0x11});  // date: day, month, year
  PutBytes(image, o + 8, {6});                 // mode
  CloseRecord(image, o, 10);
  EXPECT_EQ(ShownRecord1(image, OverloadTableLayout()),
            (Column{"1", "23,45", "12,90", "117", "18.07.11", "6", "НОРМА"}));
}

TEST(EventLayoutBytes, KdsRecord) {
  RawImage image(28'100, 0);
  constexpr std::size_t k = 28'034;  // KDS record 1
  PutLe(image, k + 0, -123, 2);                // value
  PutBytes(image, k + 2, {3});                 // parameter: oil pressure
  PutBytes(image, k + 3, {0x24, 0x12, 0x10});  // date: day, month, year
  PutBytes(image, k + 6, {0x47, 0x36, 0x15});  // time: seconds, minutes, hours
  CloseRecord(image, k, 10);
  EXPECT_EQ(ShownRecord1(image, KdsTableLayout()),
            (Column{"1", "-12,30Атм", "Дав. м. в ДВ атм.", "24.12.10", "15:36:47", "НОРМА"}));
}

}  // namespace
}  // namespace vertal::events
