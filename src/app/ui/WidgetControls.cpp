#include "app/ui/WidgetControls.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVariant>

#include "app/ui/JumpListModel.h"
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

void WidgetControls::SetList(std::string_view control, const JumpList& list) {
  auto* combo = qobject_cast<QComboBox*>(Find(control));
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

void WidgetControls::SetGrid(std::string_view control,
                             const std::vector<std::vector<std::string>>& columns) {
  auto* grid = qobject_cast<QTableWidget*>(Find(control));
  if (!grid) return;
  for (int c = 0; c < grid->columnCount() && c < static_cast<int>(columns.size()); ++c) {
    const auto& column = columns[static_cast<std::size_t>(c)];
    for (int r = 0; r < grid->rowCount(); ++r) {
      const QString text = r < static_cast<int>(column.size())
                               ? ToQString(column[static_cast<std::size_t>(r)])
                               : QString();
      if (QTableWidgetItem* item = grid->item(r, c))
        item->setText(text);
      else
        grid->setItem(r, c, new QTableWidgetItem(text));
    }
  }
}

}  // namespace vertal::app
