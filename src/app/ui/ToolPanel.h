#pragma once
// The tool bar `Panel_INSTR` with its four buttons.

class QFrame;
class QToolButton;
class QWidget;

namespace vertal::app {

struct ToolPanel {
  QFrame* panel = nullptr;
  QToolButton* read = nullptr;
  QToolButton* open = nullptr;
  QToolButton* exit = nullptr;
  QToolButton* about = nullptr;
};

ToolPanel BuildToolPanel(QWidget* parent);

}  // namespace vertal::app
