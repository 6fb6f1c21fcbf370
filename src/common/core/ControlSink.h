#pragma once
// What an operation writes into the controls of a page, keyed by the control's name. The window
// sets its widgets; the command-line tool and tests record the values.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/core/JumpList.h"

namespace vertal {

class ControlSink {
 public:
  virtual ~ControlSink() = default;
  virtual void SetText(std::string_view control, std::string_view text) = 0;
  // Position of a gauge or scroll bar.
  virtual void SetPosition(std::string_view control, int position) = 0;
  virtual void SetVisible(std::string_view control, bool visible) = 0;
  // The items of a result list, with the number each stands for; the first item is chosen
  // without jumping to it.
  virtual void SetList(std::string_view control, const JumpList& list) = 0;
  // Every cell of a grid, column by column.
  virtual void SetGrid(std::string_view control, const std::vector<std::vector<std::string>>& columns) = 0;
};

// Keeps the last value written to each control.
class RecordedControls : public ControlSink {
 public:
  using Grid = std::vector<std::vector<std::string>>;
  using Value = std::variant<std::string, int, JumpList, Grid>;

  void SetText(std::string_view control, std::string_view text) override {
    values[std::string(control)] = std::string(text);
  }
  void SetPosition(std::string_view control, int position) override {
    values[std::string(control)] = position;
  }
  void SetVisible(std::string_view control, bool visible) override {
    if (visible)
      hidden.erase(std::string(control));
    else
      hidden.insert(std::string(control));
  }

  void SetList(std::string_view control, const JumpList& list) override {
    values[std::string(control)] = list;
  }
  void SetGrid(std::string_view control, const Grid& columns) override {
    values[std::string(control)] = columns;
  }

  // The text of a control, or "" when nothing was written.
  std::string Text(std::string_view control) const {
    const auto it = values.find(std::string(control));
    if (it == values.end()) return {};
    const auto* text = std::get_if<std::string>(&it->second);
    return text ? *text : std::string();
  }
  int Position(std::string_view control) const {
    const auto it = values.find(std::string(control));
    if (it == values.end()) return 0;
    const auto* position = std::get_if<int>(&it->second);
    return position ? *position : 0;
  }
  JumpList List(std::string_view control) const { return Get<JumpList>(control); }
  Grid GridOf(std::string_view control) const { return Get<Grid>(control); }
  bool Hidden(std::string_view control) const { return hidden.count(std::string(control)) > 0; }
  bool Written(std::string_view control) const { return values.count(std::string(control)) > 0; }

  std::map<std::string, Value> values;
  std::set<std::string> hidden;

 private:
  template <typename T>
  T Get(std::string_view control) const {
    const auto it = values.find(std::string(control));
    if (it == values.end()) return {};
    const auto* value = std::get_if<T>(&it->second);
    return value ? *value : T{};
  }
};

}  // namespace vertal
