// The analyser's window program. A dump file named as the first argument is opened at once.

#include <QTimer>
#include <exception>

#include "app/ui/Application.h"
#include "app/ui/Bodyprog.h"
#include "app/ui/QtHost.h"
#include "app/ui/StatusPanels.h"
#include "link/core/UnitPort.h"

int main(int argc, char** argv) {
  vertal::app::Application app(argc, argv);
  vertal::app::QtHost host;
  app.SetHost(&host);
  vertal::link::NoUnitPort port;
  try {
    vertal::app::TForm_Main form(host, port);
    host.SetWindow(&form);
    form.show();
    if (argc > 1) {
      const QString path = QString::fromLocal8Bit(argv[1]);
      QTimer::singleShot(0, &form, [&form, path] {
        form.SetStatusText(0, path);
        form.OpenDumpFile();
      });
    }
    return app.exec();
  } catch (...) {
    // A failure while the window is created is shown like any other; the program then ends.
    app.ShowException(std::current_exception());
    return 0;
  }
}
