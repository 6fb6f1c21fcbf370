#include "ui_common/ModelWidgets.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVariant>

#include "ui_common/JumpListModel.h"
#include "ui_common/RecordGrid.h"
#include "ui_common/UiText.h"

namespace vertal::ui {

QWidget* FindControl(const QWidget* page, std::string_view name) {
  QWidget* widget = page->findChild<QWidget*>(ControlName(name));
  Q_ASSERT_X(widget, "ShowModel", "a model names a control its page does not have");
  return widget;
}

void SetControl(QWidget* page, std::string_view name, const std::string& text) {
  if (QWidget* widget = FindControl(page, name)) {
    // Group boxes carry their caption as a title.
    const char* property = widget->property("text").isValid() ? "text" : "title";
    widget->setProperty(property, ToQString(text));
  }
}

void SetControl(QWidget* page, std::string_view name, int position) {
  if (QWidget* widget = FindControl(page, name)) widget->setProperty("value", position);
}

void SetControl(QWidget* page, std::string_view name, const JumpList& list) {
  auto* combo = qobject_cast<QComboBox*>(FindControl(page, name));
  if (!combo) return;
  auto* model = qobject_cast<JumpListModel*>(combo->model());
  const QSignalBlocker quiet(combo);
  if (!model) {
    model = new JumpListModel(combo);
    combo->setModel(model);
  }
  model->SetList(list);
  combo->setCurrentIndex(list.Count() > 0 ? 0 : -1);
}

void SetControl(QWidget* page, std::string_view name, const GridColumns& columns) {
  if (auto* grid = qobject_cast<RecordGrid*>(FindControl(page, name))) grid->SetColumns(columns);
}

}  // namespace vertal::ui
