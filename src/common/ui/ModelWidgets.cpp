#include "common/ui/ModelWidgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVariant>
#include <functional>
#include <map>
#include <string>

#include "common/ui/JumpListModel.h"
#include "common/ui/RecordGrid.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueAccessibility.h"

namespace vertal::ui {

namespace {

// The widgets of a page by control name, found once. A widget deleted since is found again.
class FoundControls : public QObject {
 public:
  explicit FoundControls(QWidget* page) : QObject(page), page_(page) {}

  QWidget* Find(std::string_view name) {
    auto known = widgets_.find(name);
    if (known != widgets_.end() && known->second) return known->second;
    QWidget* widget = page_->findChild<QWidget*>(ControlName(name));
    if (widget) widgets_[std::string(name)] = widget;
    return widget;
  }

  static FoundControls& Of(QWidget* page) {
    // Kept in a property of the page: reaching it costs no search of the page's children.
    static constexpr char kProperty[] = "vertal_foundControls";
    auto* found = dynamic_cast<FoundControls*>(page->property(kProperty).value<QObject*>());
    if (!found) {
      found = new FoundControls(page);
      page->setProperty(kProperty, QVariant::fromValue<QObject*>(found));
    }
    return *found;
  }

 private:
  QWidget* page_;
  std::map<std::string, QPointer<QWidget>, std::less<>> widgets_;
};

}  // namespace

QWidget* LookUpControl(QWidget* page, std::string_view name) {
  return FoundControls::Of(page).Find(name);
}

QWidget* FindControl(QWidget* page, std::string_view name) {
  QWidget* widget = LookUpControl(page, name);
  Q_ASSERT_X(widget, "ShowModel", "a model names a control its page does not have");
  return widget;
}

void SetControl(QWidget* page, std::string_view name, const std::string& text) {
  if (QWidget* widget = FindControl(page, name)) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return SetValueText(label, ToQString(text));
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
  QWidget* control = FindControl(page, name);
  if (auto* grid = qobject_cast<RecordGrid*>(control)) {
    grid->SetColumns(columns);
  } else if (auto* list = qobject_cast<QTableWidget*>(control)) {
    // A list grid: a row per item, the columns as the model gives them.
    const int rows = columns.empty() ? 0 : static_cast<int>(columns.front().size());
    list->setRowCount(rows);
    for (std::size_t c = 0; c < columns.size(); ++c)
      for (int row = 0; row < rows; ++row)
        list->setItem(row, static_cast<int>(c),
                      new QTableWidgetItem(ToQString(columns[c][static_cast<std::size_t>(row)])));
  }
}

}  // namespace vertal::ui
