#pragma once
// The painter needs fonts, and charts are widgets: an application without a screen, made once
// in the main thread by the commands that draw. Only in a build with the window.

#include <memory>

class QApplication;

namespace vertal::cli {

class PaintingApplication {
 public:
  PaintingApplication();
  ~PaintingApplication();
  PaintingApplication(const PaintingApplication&) = delete;
  PaintingApplication& operator=(const PaintingApplication&) = delete;

 private:
  int argc_ = 1;
  char name_[11] = "vertal-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

}  // namespace vertal::cli
