#include "ui_common/ValueAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace vertal::ui {

namespace {

// A plain-text label named by its caption: the name is the caption, the text is the value.
class CaptionedValue : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CaptionedValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text which) const override {
    switch (which) {
      case QAccessible::Name: {
        const QString caption = widget()->accessibleName();
        return caption.isEmpty() ? Shown() : caption;
      }
      case QAccessible::Value:
        return Shown();
      case QAccessible::Description: {
        const QString description = widget()->accessibleDescription();
        return description.isEmpty() ? Shown() : description;
      }
      default:
        return QAccessibleWidget::text(which);
    }
  }

  // The text of the value, read only: no selection, no cursor.
  QString text(int startOffset, int endOffset) const override {
    return Shown().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = offset;
    *endOffset = offset;
    return {};
  }

 private:
  QString Shown() const { return static_cast<const QLabel*>(object())->text(); }
};

QAccessibleInterface* MakeValueInterface(const QString& className, QObject* object) {
  if (className != QLatin1String("QLabel")) return nullptr;
  auto* label = qobject_cast<QLabel*>(object);
  // A label without a caption of its own is its own name: Qt's interface reads it.
  if (!label || label->accessibleName().isEmpty() || label->textFormat() != Qt::PlainText)
    return nullptr;
  return new CaptionedValue(label);
}

}  // namespace

void InstallValueAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeValueInterface);
    return true;
  }();
  Q_UNUSED(installed);
}

void SetValueText(QLabel* label, const QString& text) {
  const QString before = label->text();
  if (before == text) return;
  label->setText(text);
  // A label named by its caption tells of no change of its own.
  if (!QAccessible::isActive() || label->accessibleName().isEmpty()) return;
  QAccessibleTextUpdateEvent update(label, 0, before, text);
  QAccessible::updateAccessibility(&update);
  QAccessibleEvent described(label, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&described);
}

}  // namespace vertal::ui
