#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "common/core/CsvWriter.h"
#include "support/CsvTable.h"

namespace vertal {
namespace {

using testing::ParseCsv;

constexpr std::array<CsvColumn, 3> kColumns = {{
    {"frame", "№ кадра"},
    {"date", "Дата"},
    {"load_t", "Q, т"},
}};

// One heading row and one data row of a frame number, a date and a load in hundredths.
std::string WriteSample(const CsvDialect& dialect) {
  std::ostringstream out;
  {
    CsvWriter writer(out, dialect);
    writer.Header(kColumns);
    writer.Integer(-7);
    writer.Date("10.09.08");
    writer.Scaled(1234, 2, "#0.00");
    writer.EndRow();
    EXPECT_EQ(writer.Rows(), 1);
  }
  return out.str();
}

TEST(CsvWriter, TextsThatNeedQuotingReadBackUnchanged) {
  const std::array<std::string, 5> texts = {
      "Кран \"Ивановец\", КС-45717", "две\nстроки", "cr\r\nlf", " пробелы ", ""};
  for (const char separator : {',', ';'}) {
    CsvDialect dialect = MachineDialect();
    dialect.separator = separator;
    std::ostringstream out;
    {
      CsvWriter writer(out, dialect);
      writer.Row(texts);
      writer.Field("a;b,c");
      writer.EndRow();
    }
    const auto table = ParseCsv(out.str(), separator);
    ASSERT_TRUE(table) << out.str();
    ASSERT_EQ(table->rows.size(), 2U);
    EXPECT_EQ(table->rows[0], std::vector<std::string>(texts.begin(), texts.end()));
    EXPECT_EQ(table->rows[1], std::vector<std::string>{"a;b,c"});
  }
}

TEST(CsvWriter, SpreadsheetDialectOfACommaLocale) {
  const CsvDialect dialect = SpreadsheetDialect(",");
  const std::string text = WriteSample(dialect);
  const auto table = ParseCsv(text, ';');
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->byteOrderMark);
  ASSERT_EQ(table->rows.size(), 2U);
  EXPECT_EQ(table->rows[0], (std::vector<std::string>{"№ кадра", "Дата", "Q, т"}));
  EXPECT_EQ(table->rows[1], (std::vector<std::string>{"-7", "10.09.08", "12,34"}));
  // A point locale keeps the comma between fields.
  EXPECT_EQ(SpreadsheetDialect(".").separator, ',');
}

TEST(CsvWriter, MachineDialectIsRfc4180WithIsoDates) {
  const std::string text = WriteSample(MachineDialect());
  EXPECT_EQ(text, "frame,date,load_t\r\n-7,2008-09-10,12.34\r\n");
  EXPECT_EQ(IsoDate("БРАК"), "БРАК");
}

}  // namespace
}  // namespace vertal
