// The analyser's window program. A dump file named as the first argument (after the option
// below) is opened at once.
// The processing unit is reached over USB; with --simulate-unit DUMP, a unit played from DUMP
// stands in for it, so that the Read commands can be tried without the hardware; adding
// --page-ms MS makes it take that long for each page, as a real unit takes minutes.
// --help and --version are answered before the window system is reached, so that they work
// without a display (the manual page is made from them at build time).

#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>
#include <string>
#include <system_error>
#include <thread>

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtHost.h"
#include "app/ui/StatusPanels.h"
#include "common/core/ProgramVersion.h"
#include "link/core/SimulatedUnit.h"
#include "link/ftdi/FtdiPort.h"
#include "link/core/UnitPort.h"
#include "link/core/WatchedPort.h"
#include "common/ui/GuardedCommand.h"

namespace {

constexpr std::string_view kSimulateOption = "--simulate-unit";
constexpr std::string_view kPageTimeOption = "--page-ms";
constexpr const char* kUsage =
    "Usage: vertal-analyzer [FILE]\n"
    "  or:  vertal-analyzer --simulate-unit DUMP [--page-ms MS] [FILE]\n";
constexpr const char* kHelp =
    "Reads the parameter recorder of a VERTAL crane load limiter over USB into a dump file\n"
    "(.bin) and shows a dump: service information, load spectrum, frames, overloads,\n"
    "parameter exceedances, graphs, reports and exports. FILE is opened at start.\n"
    "\n"
    "Options:\n"
    "  --simulate-unit DUMP  a processing unit played from the dump DUMP stands in for the\n"
    "                        unit on USB, so that reading can be tried without it\n"
    "  --page-ms MS          with --simulate-unit: the unit takes MS milliseconds per page\n"
    "  --help                print this help and exit\n"
    "  --version             print the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && argv[1] == std::string_view("--version")) {
    std::cout << "vertal-analyzer " << vertal::ProgramVersion() << '\n';
    return EXIT_SUCCESS;
  }
  if (argc == 2 && argv[1] == std::string_view("--help")) {
    std::cout << kUsage << '\n' << kHelp;
    return EXIT_SUCCESS;
  }
  vertal::app::Application app(argc, argv);

  std::unique_ptr<vertal::link::UnitPort> simulated;  // under a port that slows it down
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
    if (argc > 4 && argv[3] == kPageTimeOption) {
      const std::chrono::milliseconds perPage(std::atoi(argv[4]));
      simulated = std::move(port);
      port = std::make_unique<vertal::link::WatchedPort>(
          *simulated, [perPage](std::uint16_t) { std::this_thread::sleep_for(perPage); });
      fileArgument = 5;
    }
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
