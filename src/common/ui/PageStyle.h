#pragma once
// The look shared by the pages of records: bold group captions and the red counts of the
// result lists.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vertal::ui {

inline constexpr QRgb kCountColour = 0xFF0000;  // red
inline constexpr int kPageMargin = 2;

// A group box with its object name and caption.
inline QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* title) {
  auto* box = new QGroupBox(QString::fromUtf8(title), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

// Lets `child` fill `parent` edge to edge.
inline void FillWith(QWidget* parent, QWidget* child) {
  auto* fill = new QVBoxLayout(parent);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(child);
}

// Lets `page` fill `sheet`, scrolled as a whole where the sheet is smaller than the page needs.
inline void ScrollWith(QWidget* sheet, QWidget* page) {
  auto* area = new QScrollArea(sheet);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  FillWith(sheet, area);
}

// Lets `page` fill `sheet` and returns the page's column of parts, top to bottom. The page does
// not hold the window at its size: where the sheet is smaller than the page needs, the page
// scrolls as a whole and its parts keep their sizes and places.
inline QVBoxLayout* FillSheet(QWidget* sheet, QWidget* page, int spacing) {
  ScrollWith(sheet, page);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
  column->setSpacing(spacing);
  return column;
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

}  // namespace vertal::ui
