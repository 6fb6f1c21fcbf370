#pragma once
// The look shared by the controls that show values read from a dump: bold navy text, fields and
// gauges on the button face, and one value per caption with the caption as accessible name.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace vertal::ui {

inline constexpr QRgb kValueTextColour = 0x000080;  // navy

// Bold navy text in every state, also on a page that takes no input.
inline void StyleAsValue(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(kValueTextColour));
  palette.setColor(QPalette::Text, QColor(kValueTextColour));
  widget->setPalette(palette);
}

inline QColor ButtonFace(const QWidget* widget) {
  return widget->palette().color(QPalette::Active, QPalette::Button);
}

// A plain-text label with an objectName; `name` may be null for a label that needs none.
inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

// Ties a value control to the caption that names it: a screen reader announces the caption.
inline void Caption(QLabel* caption, QWidget* value) {
  caption->setBuddy(value);
  value->setAccessibleName(caption->text());
}

}  // namespace vertal::ui
