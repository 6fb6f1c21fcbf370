// The analyser's window program. A dump file named as the first argument is opened at once.

#include <QTimer>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtHost.h"
#include "app/ui/StatusPanels.h"
#include "link/core/UnitPort.h"
#include "ui_common/GuardedCommand.h"

int main(int argc, char** argv) {
  vertal::app::Application app(argc, argv);
  vertal::app::QtHost host;
  app.SetHost(&host);
  vertal::link::NoUnitPort port;
  try {
    vertal::app::MainWindow form(host, port);
    host.SetWindow(&form);
    form.show();
    if (argc > 1) {
      const QString path = QString::fromLocal8Bit(argv[1]);
      QTimer::singleShot(0, &form, [&form, &host, path] {
        vertal::ui::RunGuarded(host, [&form, path] {
          form.SetStatusText(0, path);
          form.OpenDumpFile();
        });
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
