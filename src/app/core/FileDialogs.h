#pragma once
// The window's file dialogs: Open (and Compare, which chooses a file the same way) and the save
// dialog of a readout.

#include "common/core/Host.h"

namespace vertal::app {

FileDialogSetup OpenFileDialog();
FileDialogSetup ReadoutSaveDialog();

}  // namespace vertal::app
