#include <gtest/gtest.h>

#include "dump/core/Checksum.h"
#include "dump/core/OperatorTrailer.h"

namespace vertal::dump {
namespace {

TEST(OperatorTrailer, FullWidthFieldsReadBackWithoutTerminator) {
  OperatorTrailer t;
  t.date = {0x15, 0x09, 0x08};
  t.name = std::string(40, 'N');
  t.organisation = "Организация длиной ровно сорок символов!";  // 40 Cyrillic/Latin characters
  t.certificate = "0123456789";
  t.owner = std::string(40, 'W');
  const TrailerBytes bytes = WriteOperatorTrailer(t);
  EXPECT_TRUE(ChecksumValid(bytes));
  const OperatorTrailer back = ReadOperatorTrailer(bytes);
  EXPECT_EQ(back.date, t.date);
  EXPECT_EQ(back.name, t.name);
  EXPECT_EQ(back.organisation, t.organisation);
  EXPECT_EQ(back.certificate, t.certificate);
  EXPECT_EQ(back.owner, t.owner);
  EXPECT_EQ(bytes[kTrailerName + kTrailerNameSize], bytes[kTrailerOrg]);  // no terminator
}

TEST(OperatorTrailer, EmptyAndOverlongFields) {
  OperatorTrailer t;
  t.certificate = "12345678901234";  // cut to the field's ten bytes
  const OperatorTrailer back = ReadOperatorTrailer(WriteOperatorTrailer(t));
  EXPECT_EQ(back.name, "");
  EXPECT_EQ(back.certificate, "1234567890");
}

}  // namespace
}  // namespace vertal::dump
