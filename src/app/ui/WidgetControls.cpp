#include "app/ui/WidgetControls.h"

#include <QVariant>

#include "app/ui/UiText.h"

namespace vertal::app {

QWidget* WidgetControls::Find(std::string_view control) const {
  if (!root_) return nullptr;
  return root_->findChild<QWidget*>(ToQString(control));
}

void WidgetControls::SetText(std::string_view control, std::string_view text) {
  if (QWidget* widget = Find(control)) {
    // Group boxes carry their caption as a title.
    const char* property = widget->property("text").isValid() ? "text" : "title";
    widget->setProperty(property, ToQString(text));
  }
}

void WidgetControls::SetPosition(std::string_view control, int position) {
  if (QWidget* widget = Find(control)) widget->setProperty("value", position);
}

void WidgetControls::SetVisible(std::string_view control, bool visible) {
  if (QWidget* widget = Find(control)) widget->setVisible(visible);
}

}  // namespace vertal::app
