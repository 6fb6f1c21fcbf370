#include "app/core/FileDialogs.h"

namespace vertal::app {

FileDialogSetup OpenFileDialog() {
  FileDialogSetup setup;
  setup.title = "Открыть";
  setup.filters = {{"Бинарные (*.bin)", "*.bin"}, {"Все файлы (*.*)", "*.*"}};
  // One past the filters: the dialog starts on the first.
  setup.filterIndex = 3;
  return setup;
}

FileDialogSetup ReadoutSaveDialog() {
  FileDialogSetup setup;
  setup.defaultExtension = "bin";
  setup.filters = {{"Информация регистратора параметров (*.bin)", "*.bin"},
                  {"Все файлы (*.*)", "*.*"}};
  setup.filterIndex = 1;
  return setup;
}

}  // namespace vertal::app
