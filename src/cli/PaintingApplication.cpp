#include "cli/PaintingApplication.h"

#include <QApplication>
#include <cstdlib>

namespace vertal::cli {

PaintingApplication::PaintingApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  app_ = std::make_unique<QApplication>(argc_, argv_);
}

PaintingApplication::~PaintingApplication() = default;

}  // namespace vertal::cli
