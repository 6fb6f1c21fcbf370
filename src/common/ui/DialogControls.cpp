#include "common/ui/DialogControls.h"

#include "common/ui/UiText.h"

namespace vertal::ui {

QLineEdit* MakeFrameField(QWidget* parent, const char* name, std::string_view text) {
  auto* field = new QLineEdit(ToQString(text), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setFixedWidth(kFrameFieldWidth);
  return field;
}

QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QString& text,
                             QStyle::StandardPixmap glyph) {
  auto* button = new QPushButton(parent->style()->standardIcon(glyph), text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace vertal::ui
