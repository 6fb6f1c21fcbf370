#include "app/ui/Application.h"

#include <QMessageBox>
#include <string>

#include "app/ui/UiText.h"

namespace vertal::app {

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
  std::string text;
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    // Not an exception object: shown with an empty message.
  }
  const Message message{MessageKind::Error, text};
  if (host_) {
    host_->ShowMessage(message);
  } else {
    QMessageBox::critical(nullptr, QString(), ToQString(text));
  }
}

}  // namespace vertal::app
