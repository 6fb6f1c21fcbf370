#pragma once
// The application object. Commands catch their own failures where they start; an exception
// that escapes the handling of an event all the same is shown to the user in an error box, and
// the event loop goes on.

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <exception>

#include "common/core/Host.h"

namespace vertal::app {

// Loads into `translator` Qt's own texts (file, print and preview dialogs, standard buttons) in
// the language of `locale`, or in Russian, the language of the whole interface, when Qt has
// none for it. False when neither is installed.
bool LoadQtTranslation(QTranslator& translator, const QLocale& locale);

// Installs Qt's own texts for the user's locale (see LoadQtTranslation) and shows escaped
// exceptions.
class Application : public QApplication {
  Q_OBJECT
 public:
  Application(int& argc, char** argv);

  // Where escaped exceptions are shown.
  void SetHost(Host* host) { host_ = host; }

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows the exception in flight (or `error`) as an error box; an object that is not an
  // exception shows an empty text.
  void ShowException(std::exception_ptr error) const;

 private:
  Host* host_ = nullptr;
  QTranslator qtTexts_;
};

}  // namespace vertal::app
