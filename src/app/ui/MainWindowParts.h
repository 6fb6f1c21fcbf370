#pragma once
// Builders of the main window's parts. Each creates its controls with their names and captions
// and stores them in the window's members; the window connects its handlers afterwards.

namespace vertal::app {

class TForm_Main;

// The tool bar `Panel_INSTR` with its four buttons.
void BuildToolPanel(TForm_Main& form);
// `MainMenu1` with every menu, item, access key and shortcut.
void BuildMainMenu(TForm_Main& form);
// `PageControl_Main` with the tree of pages and the pop-up menu `PopupMenu_GRAFIKI`.
void BuildPageTree(TForm_Main& form);

}  // namespace vertal::app
