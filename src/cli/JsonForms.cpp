#include "cli/JsonForms.h"

#include <nlohmann/json.hpp>

namespace vertal::cli {

Json OptionalText(const std::optional<std::string>& text) {
  return text ? Json(*text) : Json(nullptr);
}

Json EstimateJson(const compare::Estimate& e) {
  Json out = Json::object();
  out["value"] = OptionalText(e.value);
  out["text"] = e.text;
  return out;
}

}  // namespace vertal::cli
