// The analyser's window program. A dump file named as the first argument (after the option
// below) is opened at once.
// The processing unit is reached over USB; with --simulate-unit DUMP, a unit played from DUMP
// stands in for it, so that the Read commands can be tried without the hardware.

#include <QTimer>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>
#include <system_error>

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtHost.h"
#include "app/ui/StatusPanels.h"
#include "link/core/SimulatedUnit.h"
#include "link/ftdi/FtdiPort.h"
#include "link/core/UnitPort.h"
#include "common/ui/GuardedCommand.h"

namespace {

constexpr std::string_view kSimulateOption = "--simulate-unit";
constexpr const char* kUsage =
    "usage: vertal-analyzer [FILE]\n"
    "       vertal-analyzer --simulate-unit DUMP [FILE]\n";

}  // namespace

int main(int argc, char** argv) {
  vertal::app::Application app(argc, argv);

  std::unique_ptr<vertal::link::UnitPort> port = std::make_unique<vertal::link::FtdiPort>();
  int fileArgument = 1;
  if (argc > 1 && argv[1] == kSimulateOption) {
    std::error_code ec;
    if (argc < 3 || !std::filesystem::is_regular_file(argv[2], ec)) {
      std::cerr << "vertal-analyzer: " << kSimulateOption << " needs a readable dump file\n"
                << kUsage;
      return EXIT_FAILURE;
    }
    port = std::make_unique<vertal::link::SimulatedUnit>(argv[2]);
    fileArgument = 3;
  }

  vertal::app::QtHost host;
  app.SetHost(&host);
  try {
    vertal::app::MainWindow form(host, *port);
    host.SetWindow(&form);
    host.SetRepainted(form.PassIndicators());
    form.show();
    if (argc > fileArgument) {
      const QString path = QString::fromLocal8Bit(argv[fileArgument]);
      QTimer::singleShot(0, &form, [&form, &host, path] {
        vertal::ui::RunGuarded(host, [&form, path] { form.OpenFile(path.toStdString()); });
      });
    }
    return app.exec();
  } catch (...) {
    // A failure while the window is created: said on the console and in a box, and the
    // program ends with a failure status.
    const std::exception_ptr error = std::current_exception();
    std::cerr << "vertal-analyzer: start-up failed: " << vertal::ui::ExceptionText(error) << '\n';
    app.ShowException(error);
    return EXIT_FAILURE;
  }
}
