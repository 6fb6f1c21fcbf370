#pragma once
// Two readings of one crane compared: how every lifetime counter grew between them, how much of
// the design life that took, when the crane would reach its normative characteristic number at
// that rate, and the episodes and event records that the later reading holds and the earlier
// one does not.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/Host.h"
#include "common/core/JumpList.h"

namespace vertal::compare {

// One counter of the service or load spectrum page: its caption, the texts both readings show
// and the change between them ("+12", "-0:01:00", "0").
struct CounterChange {
  std::string name;
  std::string oldValue, newValue, change;
};

// A ratio or a date with the sentence that explains it; the value is missing when the sentence
// says why it cannot be given.
struct Estimate {
  std::optional<std::string> value;
  std::string text;
};

// The episode lists of the recording period (worded as the page "Общая" words them), holding
// only the episodes that open on a frame the earlier reading does not hold.
struct NewEpisodes {
  JumpList overloads, tuning, mzon, switchOns;
};

// Records of the later reading that the earlier one does not hold: the list items and, per
// item, the texts of the record's table rows.
struct NewRecords {
  JumpList items;
  std::vector<std::vector<std::string>> fields;
};

struct ReadingDiff {
  std::string oldFile, newFile;
  std::string oldDate, newDate;  // readout dates as the service page shows them
  // Set when the files belong to different cranes; nothing else is filled then.
  std::optional<std::string> refusal;
  // Set when the later reading is dated before the earlier one; compared all the same.
  std::optional<std::string> warning;
  std::vector<CounterChange> counters;
  Estimate lifeUsed;        // the share of the normative characteristic number used between
  Estimate normativeDate;   // the day the normative characteristic number is reached
  NewEpisodes episodes;
  NewRecords overloads, kds;
};

// What the compare command says when no file is open to compare with.
inline constexpr std::string_view kNothingToCompareText =
    "Сначала откройте файл: выбранный файл сравнивается с ним.";
inline constexpr std::string_view kCompareDialogTitle = "Сравнить с файлом";

// Which of the two files is the earlier reading.
enum class ReadingOrder {
  AsGiven,        // the first file
  EarlierByDate,  // the one read out earlier; the first on the same day
};

// Compares the readings in two dump files, numbers with `separator`. Nothing when a file cannot
// be opened; that is reported once.
std::optional<ReadingDiff> CompareReadings(const std::string& first, const std::string& second,
                                           ReadingOrder order, Host& host,
                                           std::string_view separator);

}  // namespace vertal::compare
