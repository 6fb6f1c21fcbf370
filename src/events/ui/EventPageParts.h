#pragma once
// What the pages "Перегрузки" and "КДС" share beyond the paged table: the page filling its
// sheet, the row of search controls in a bold-captioned group, and the red summary under it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace vertal::ui {
class JumpListCombo;
}  // namespace vertal::ui

namespace vertal::events {

using ui::JumpListCombo;

// Both tables are laid out with captions of the same width.
inline constexpr int kEventCaptionPanelWidth = 150;

// Lets `page` fill `sheet` and returns the page's column of parts, top to bottom.
QVBoxLayout* FillSheet(QWidget* sheet, QWidget* page);

// The summary of the last search: bold, red, empty until the first search.
QLabel* MakeSummary(QWidget* page, const char* name);
// The text of a summary for printing; nothing while the label is hidden.
std::optional<std::string> PrintedSummary(const QLabel* summary);

// The record numbers the last search found, kept while that search belongs to the current
// file: nothing before the first search, after one that could not read the file, and once
// another file is opened.
class LastSearch {
 public:
  void Forget() { records_.reset(); }
  void Ran(PassEnd end, const JumpList& found) {
    records_.reset();
    if (end == PassEnd::Done) records_ = found.Numbers();
  }
  const std::optional<std::vector<std::int64_t>>& Records() const { return records_; }

 private:
  std::optional<std::vector<std::int64_t>> records_;
};

// The group "Условия отбора кадров" with its controls left to right, in the order added.
class SearchGroup {
 public:
  SearchGroup(QWidget* page, const char* name);

  // A caption and the field it names.
  QLineEdit* AddField(const char* captionName, const char* caption, const char* fieldName,
                      const std::string& text, int maxLength, int width);
  // A field for a date typed as dd.mm.yy.
  QLineEdit* AddDateField(const char* captionName, const char* caption, const char* fieldName,
                          const std::string& text);
  // A bold-captioned group holding one list.
  void AddListGroup(const char* groupName, const char* title, QComboBox* list);
  // The group "Результат поиска:" with its result list, wide enough for its longest item.
  JumpListCombo* AddResultList(const char* groupName, const char* listName, int width);
  QPushButton* AddFindButton(const char* name);
  // Gives the group its bold caption once it holds every control.
  QGroupBox* Finish();

 private:
  QGroupBox* box_;
  QHBoxLayout* row_;
};

}  // namespace vertal::events
