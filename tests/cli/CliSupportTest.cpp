// The helpers that every command of vertal-cli uses: the decimal separator of the locale and the
// writing of the JSON document.

#include <clocale>
#include <cstdlib>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "cli/CliSupport.h"
#include "cli/DecimalSeparator.h"
#include "cli/JsonStream.h"

namespace vertal::cli {
namespace {

using vertal::testing::RussianLocaleInstalled;

// Restores the process's locale and the locale variables after a test changed them.
class LocaleGuard {
 public:
  LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      env_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  ~LocaleGuard() {
    for (const auto& [name, value] : env_) {
      if (value) ::setenv(name, value->c_str(), 1);
      else ::unsetenv(name);
    }
    std::setlocale(LC_ALL, saved_.c_str());
  }
  static void Set(const char* lcAll, const char* lang, const char* lcNumeric) {
    const char* values[] = {lcAll, lang, lcNumeric};
    for (int i = 0; i < 3; ++i) {
      if (values[i]) ::setenv(kNames[i], values[i], 1);
      else ::unsetenv(kNames[i]);
    }
  }

 private:
  static constexpr const char* kNames[] = {"LC_ALL", "LANG", "LC_NUMERIC"};
  std::string saved_;
  std::vector<std::pair<const char*, std::optional<std::string>>> env_;
};

TEST(DecimalSeparator, FollowsTheNumericLocale) {
  LocaleGuard guard;
  LocaleGuard::Set("C", nullptr, nullptr);
  EXPECT_TRUE(AdoptUserLocale());
  EXPECT_EQ(DecimalSeparator(), ".");

  if (!RussianLocaleInstalled()) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  LocaleGuard::Set("ru_RU.UTF-8", nullptr, nullptr);
  EXPECT_TRUE(AdoptUserLocale());
  EXPECT_EQ(DecimalSeparator(), ",");
}

TEST(DecimalSeparator, AMissingLocaleNameIsSurvived) {
  LocaleGuard guard;
  LocaleGuard::Set("xx_NOWHERE.UTF-8", nullptr, nullptr);
  EXPECT_FALSE(AdoptUserLocale());
  EXPECT_EQ(DecimalSeparator(), ".");

  // A valid LC_NUMERIC still counts when another category names a missing locale.
  if (!RussianLocaleInstalled()) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  LocaleGuard::Set(nullptr, "xx_NOWHERE.UTF-8", "ru_RU.UTF-8");
  EXPECT_FALSE(AdoptUserLocale());
  EXPECT_EQ(DecimalSeparator(), ",");
}

TEST(WriteDocument, KeepsKeyOrderAndSurvivesBytesThatAreNotUtf8) {
  Json doc = Json::object();
  doc["RecorderVersion"] = 31;
  doc["messages"] = Json::array({"Банк", std::string("\xff\xfe", 2)});
  std::ostringstream out;
  WriteDocument(out, doc);
  const std::string text = out.str();
  EXPECT_LT(text.find("RecorderVersion"), text.find("messages"));
  EXPECT_NE(text.find("Банк"), std::string::npos);
  EXPECT_NE(text.find("\xEF\xBF\xBD"), std::string::npos);  // U+FFFD in place of the bad bytes
  EXPECT_EQ(text.back(), '\n');
}

TEST(WriteDocument, ControlsWrittenItemByItemAreTheBytesOfTheTree) {
  const std::array<std::uint8_t, 3> date{0x20, 0x09, 0x08}, time{0x59, 0x59, 0x23};
  JumpList found(ItemWording::DateAndTime);
  found.Add(0, date, time);
  found.Add(149, date, time);
  ControlSnapshot controls;
  controls.Put("Label_Count", std::string("\"2\"\n\xff"));
  controls.Put("ScrollBar", 7);
  controls.Put("Grid", GridColumns{{"a", ""}, {}});
  controls.Put("ComboBox_Empty", JumpList{});
  controls.Put("ComboBox_Found", found);
  controls.Hide("Label_Count");

  // The same document built as one tree, as the tool built it before.
  Json tree = Json::object();
  tree["RecorderVersion"] = 31;
  tree["messages"] = Json::array({"Банк"});
  Json shown = Json::object();
  shown["ComboBox_Empty"] = Json::array();
  shown["ComboBox_Found"] = Json::array({{{"text", found.Text(0)}, {"n", 0}}, {{"text", found.Text(1)}, {"n", 149}}});
  shown["Grid"] = GridColumns{{"a", ""}, {}};
  shown["Label_Count"] = "\"2\"\n\xff";
  shown["ScrollBar"] = 7;
  tree["controls"] = shown;
  tree["hidden"] = Json::array({"Label_Count"});

  Json placeheld = tree;
  placeheld[kControlsKey] = nullptr;
  std::ostringstream expected, streamed, empty;
  WriteDocument(expected, tree);
  WriteStreamedDocument(streamed, placeheld, controls);
  EXPECT_EQ(streamed.str(), expected.str());

  tree["controls"] = Json::object();
  expected.str("");
  WriteDocument(expected, tree);
  WriteStreamedDocument(empty, placeheld, ControlSnapshot{});
  EXPECT_EQ(empty.str(), expected.str());
}

}  // namespace
}  // namespace vertal::cli
