#pragma once
// The controls of one or more page models by name, as the command-line tool prints them and
// tests read them. Built from the models' VisitControls functions; an absent optional field is
// a control the operation did not write.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>

#include "common/core/PageControls.h"

namespace vertal {

class ControlSnapshot {
 public:
  using Value = std::variant<std::string, int, JumpList, GridColumns>;

  // Adds every control of `model`; a later model overrides a control of the same name.
  template <typename Model>
  ControlSnapshot& Add(const Model& model) {
    VisitControls(model, [this](std::string_view name, const auto& value) { this->Put(name, value); });
    return *this;
  }

  void Put(std::string_view name, const std::string& text) { values_[std::string(name)] = text; }
  void Put(std::string_view name, int position) { values_[std::string(name)] = position; }
  void Put(std::string_view name, const JumpList& list) { values_[std::string(name)] = list; }
  void Put(std::string_view name, const GridColumns& grid) { values_[std::string(name)] = grid; }
  template <typename T>
  void Put(std::string_view name, const std::optional<T>& value) {
    if (value) Put(name, *value);
  }
  void Hide(std::string_view name) { hidden_.insert(std::string(name)); }

  // The text of a control, or "" when nothing was written.
  std::string Text(std::string_view name) const { return Get<std::string>(name); }
  int Position(std::string_view name) const { return Get<int>(name); }
  JumpList List(std::string_view name) const { return Get<JumpList>(name); }
  GridColumns Grid(std::string_view name) const { return Get<GridColumns>(name); }
  bool Written(std::string_view name) const { return values_.count(std::string(name)) > 0; }
  bool Hidden(std::string_view name) const { return hidden_.count(std::string(name)) > 0; }

  // In the order of the names.
  const std::map<std::string, Value>& Values() const { return values_; }
  const std::set<std::string>& HiddenNames() const { return hidden_; }

 private:
  template <typename T>
  T Get(std::string_view name) const {
    const auto it = values_.find(std::string(name));
    if (it == values_.end()) return {};
    const auto* value = std::get_if<T>(&it->second);
    return value ? *value : T{};
  }

  std::map<std::string, Value> values_;
  std::set<std::string> hidden_;
};

}  // namespace vertal
