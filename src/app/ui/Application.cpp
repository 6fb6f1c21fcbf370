#include "app/ui/Application.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QString>
#include <string>

#include "app/ui/UiText.h"

namespace vertal::app {

bool LoadQtTranslation(QTranslator& translator, const QLocale& locale) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
         translator.load(QStringLiteral("qtbase_ru"), folder);
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  if (LoadQtTranslation(qtTexts_, QLocale::system())) installTranslator(&qtTexts_);
}

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
