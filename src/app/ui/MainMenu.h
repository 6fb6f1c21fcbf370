#pragma once
// The main menu `MainMenu1`: every menu and item with its access key and shortcut. The window
// connects the items to its commands.

class QAction;
class QMenu;
class QMenuBar;

namespace vertal::app {

struct MainMenu {
  QMenu* file = nullptr;  // N1
  QAction* read = nullptr;
  QAction* open = nullptr;
  QAction* compare = nullptr;  // another reading of the crane compared with the current file
  QAction* history = nullptr;  // N_HISTORY: the current file's crane over a folder of readings
  QMenu* print = nullptr;  // N_PRINT: the reports, built by the report commands
  QAction* card = nullptr;        // M_IK
  QAction* paramGraph = nullptr;  // M_Grf
  QAction* operative = nullptr;   // M_Oper
  QAction* overloads = nullptr;   // M_Per
  QAction* relayGraph = nullptr;  // M_KZ
  QAction* kds = nullptr;         // N_KDSPAR
  QAction* exportCsv = nullptr;   // N_EXPORT: a table of the window as a CSV file
  QAction* exit = nullptr;
  QMenu* view = nullptr;  // N7
  QAction* toolPanel = nullptr;  // checked while the tool bar shows
  QMenu* help = nullptr;  // N12
  QAction* about = nullptr;
};

MainMenu BuildMainMenu(QMenuBar* bar);

}  // namespace vertal::app
