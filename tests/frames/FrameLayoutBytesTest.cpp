// The frame table read from a frame laid out byte by byte at fixed dump offsets. Every field
// holds a distinct non-zero value, so a field read from the wrong place shows a wrong text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frames/core/FrameTable.h"
#include "support/RawBytes.h"
#include "support/TempDir.h"

namespace vertal::frames {
namespace {

using namespace vertal::testing;

TEST(FrameLayoutBytes, EveryFieldAtItsOffset) {
  RawImage image(32'832, 0);
  constexpr std::size_t f = 32'800;  // frame number 1, the second slot of the operative area
  PutBytes(image, f + 0, {0x27, 0x11, 0x09});  // date: day, month, year
  PutBytes(image, f + 3, {0x58, 0x43, 0x21});  // time: seconds, minutes, hours
  PutLe(image, f + 6, -1234, 2);               // boom angle
  PutLe(image, f + 8, 3456, 2);                // boom length
  PutLe(image, f + 10, 1789, 2);               // radius
  PutLe(image, f + 12, -4321, 2);              // pressure
  PutLe(image, f + 14, 1357, 2);               // load
  PutLe(image, f + 16, 2674, 2);               // azimuth
  PutLe(image, f + 18, 1842, 2);               // wind
  PutBytes(image, f + 20, {0xB5});             // КОС flags
  PutBytes(image, f + 21, {0xE7});             // temperature -25
  PutBytes(image, f + 22, {12});               // reeving
  PutBytes(image, f + 23, {3});                // mode
  PutBytes(image, f + 24, {98});               // load moment
  PutBytes(image, f + 25, {0x9C});             // relays
  PutBytes(image, f + 26, {0xC6});             // limits
  PutBytes(image, f + 27, {0x3A});             // inputs 1
  PutBytes(image, f + 28, {0x5E});             // inputs 2
  PutBytes(image, f + 29, {0xA9});             // inputs 3
  PutBytes(image, f + 30, {117});              // fault code
  CloseRecord(image, f, 32);
  TempDir dir;
  WriteImage(image, dir.File("d.bin"));

  const records::TablePage page = records::ReadTablePage(dir.File("d.bin"), FrameTableLayout(), 0, ",");
  const std::vector<std::string> expected = {
      "1",        "27.11.09", "21:43:58", "-12,34",   "34,56",    "17,89",    "-432,1",
      "13,57",    "267",      "18,42",    "10110101", "-25",      "12 3",     "98",
      "10011100", "11000110", "00111010", "01011110", "10101001", "117",      "НОРМА"};
  EXPECT_EQ(page.columns.at(1), expected);
}

}  // namespace
}  // namespace vertal::frames
