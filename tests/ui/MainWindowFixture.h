#pragma once
// A main window over a recording host and a unit port that counts its opens.

#include <QString>
#include <memory>

#include "app/ui/Bodyprog.h"
#include "link/core/UnitPort.h"
#include "support/FakeHost.h"

namespace vertal::testing {

class CountingPort final : public link::UnitPort {
 public:
  link::DriverStatus Open(std::string_view) override {
    ++opens;
    return link::kDriverDeviceNotFound;
  }
  int opens = 0;
};

struct MainWindowFixture {
  MainWindowFixture() : form(std::make_unique<app::TForm_Main>(host, port)) {
    form->showAboutBox = [this] { ++aboutBoxes; };
  }

  QString Panel(int panel) const { return form->StatusText(panel); }

  FakeHost host;
  CountingPort port;
  std::unique_ptr<app::TForm_Main> form;
  int aboutBoxes = 0;
};

inline QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace vertal::testing
