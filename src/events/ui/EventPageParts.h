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
