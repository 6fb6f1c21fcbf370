#pragma once
// Controls that the small dialogs build alike: a field for a frame number and a push button
// with the style's picture for its role.

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <string_view>

namespace vertal::ui {

// Wide enough for a six-digit frame number.
inline constexpr int kFrameFieldWidth = 49;

QLineEdit* MakeFrameField(QWidget* parent, const char* name, std::string_view text);

QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QString& text,
                             QStyle::StandardPixmap glyph);

}  // namespace vertal::ui
