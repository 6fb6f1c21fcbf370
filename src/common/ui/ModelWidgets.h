#pragma once
// Shows a page model in the widgets of its page: each control the model names is set on the
// page's widget of that object name (a label or field takes the text, a gauge the position, a
// combo box the list, a grid the cells). An optional control the model leaves empty keeps what
// it shows. Pages own their widgets; this only copies values into them.

#include <QWidget>
#include <optional>
#include <string_view>

#include "common/core/PageControls.h"

namespace vertal::ui {

// A name with no widget under `page` is a fault of the page: it is reported on the console in
// debug builds, and the window tests check that every model control has its widget.
void SetControl(QWidget* page, std::string_view name, const std::string& text);
void SetControl(QWidget* page, std::string_view name, int position);
void SetControl(QWidget* page, std::string_view name, const JumpList& list);
void SetControl(QWidget* page, std::string_view name, const GridColumns& columns);

template <typename T>
void SetControl(QWidget* page, std::string_view name, const std::optional<T>& value) {
  if (value) SetControl(page, name, *value);
}

template <typename Model>
void ShowModel(QWidget* page, const Model& model) {
  VisitControls(model, [page](std::string_view name, const auto& value) { SetControl(page, name, value); });
}

// The widget of a control name under `page`; null when there is none. A page remembers the
// widgets once found, so that showing a model again costs no search of its widget tree.
QWidget* FindControl(QWidget* page, std::string_view name);
// As FindControl, for a name that may belong to another page.
QWidget* LookUpControl(QWidget* page, std::string_view name);

}  // namespace vertal::ui
