#include "app/ui/Application.h"

#include <QMessageBox>
#include <string>

#include "ui_common/GuardedCommand.h"
#include "ui_common/UiText.h"

namespace vertal::app {

using ui::ToQString;
using ui::ToStdString;

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowException(std::current_exception());
  }
  return false;
}

void Application::ShowException(std::exception_ptr error) const {
  const std::string text = ui::ExceptionText(error);
  const Message message{MessageKind::Error, text};
  if (host_) {
    host_->ShowMessage(message);
  } else {
    QMessageBox::critical(nullptr, QString(), ToQString(text));
  }
}

}  // namespace vertal::app
