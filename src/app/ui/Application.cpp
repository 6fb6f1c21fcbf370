#include "app/ui/Application.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QString>
#include <string>

#include "common/ui/GuardedCommand.h"
#include "common/ui/UiText.h"

namespace vertal::app {

using ui::ToQString;
using ui::ToStdString;

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
  const std::string text = ui::ExceptionText(error);
  const Message message{MessageKind::Error, text};
  if (host_) {
    host_->ShowMessage(message);
  } else {
    QMessageBox::critical(nullptr, QString(), ToQString(text));
  }
}

}  // namespace vertal::app
