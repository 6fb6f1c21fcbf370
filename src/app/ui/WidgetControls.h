#pragma once
// The window's controls as a ControlSink: what the core computes for a control name is set on
// the widget of that objectName through its "text" or "value" property.

#include <QPointer>
#include <QWidget>

#include "common/core/ControlSink.h"

namespace vertal::app {

class WidgetControls final : public ControlSink {
 public:
  explicit WidgetControls(QWidget* root) : root_(root) {}

  // A name with no widget (a page not built) is passed over.
  void SetText(std::string_view control, std::string_view text) override;
  void SetPosition(std::string_view control, int position) override;
  void SetVisible(std::string_view control, bool visible) override;
  // A combo box gets a JumpListModel; its first item is chosen without signalling a change.
  void SetList(std::string_view control, const JumpList& list) override;
  // A QTableWidget gets the texts of its cells.
  void SetGrid(std::string_view control, const std::vector<std::vector<std::string>>& columns) override;

 private:
  QWidget* Find(std::string_view control) const;

  QPointer<QWidget> root_;
};

}  // namespace vertal::app
