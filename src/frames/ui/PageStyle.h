#pragma once
// The look shared by the pages of the frames area: texts from the core, bold group captions,
// the red counts of the result lists.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <string_view>

namespace vertal::frames {

inline constexpr QRgb kCountColour = 0xFF0000;  // red

// The core keeps its texts as UTF-8.
inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Bold and red, as the counts of the episode lists are shown.
inline void StyleAsCount(QLabel* label) {
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(kCountColour));
  label->setPalette(palette);
}

// A bold caption over controls of normal weight. Call it once the box holds its controls:
// each keeps the weight it had instead of taking the caption's.
inline void BoldTitle(QGroupBox* box) {
  const auto children = box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) {
    QFont own = child->font();
    own.setBold(own.bold());  // marks the weight as the child's own
    child->setFont(own);
  }
  QFont font = box->font();
  font.setBold(true);
  box->setFont(font);
}

}  // namespace vertal::frames
