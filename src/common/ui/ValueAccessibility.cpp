#include "common/ui/ValueAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocument>

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
    // A label with no caption of its own is named by its text, as Qt names labels.
    if (!Captioned())
      return which == QAccessible::Name ? WithoutAccessKey(Shown()) : QAccessibleWidget::text(which);
    switch (which) {
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

  // A caption names the control it stands for.
  QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto found = QAccessibleWidget::relations(match);
    QWidget* buddy = static_cast<const QLabel*>(object())->buddy();
    if (buddy && match.testFlag(QAccessible::Labelled))
      if (QAccessibleInterface* named = QAccessible::queryAccessibleInterface(buddy))
        found.append({named, QAccessible::Labelled});
    return found;
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
  // The label's text as it reads: rich text without its markup.
  QString Shown() const {
    const auto* label = static_cast<const QLabel*>(object());
    const QString text = label->text();
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
      return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
  }
  bool Captioned() const { return !widget()->accessibleName().isEmpty(); }
  // A caption's access key is not read: "&Кадр" reads "Кадр", "&&" one "&".
  QString WithoutAccessKey(const QString& text) const {
    if (!static_cast<const QLabel*>(object())->buddy()) return text;
    QString read;
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] == u'&' && i + 1 < text.size()) ++i;
      read += text[i];
    }
    return read;
  }
};

QAccessibleInterface* MakeValueInterface(const QString& className, QObject* object) {
  if (className != QLatin1String("QLabel")) return nullptr;
  auto* label = qobject_cast<QLabel*>(object);
  // Labels of pictures keep Qt's interface.
  if (!label || !label->pixmap().isNull()) return nullptr;
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
