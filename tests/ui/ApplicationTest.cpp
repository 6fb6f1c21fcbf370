// An exception escaping an event handler is shown in one error box and the event loop goes on.
// Qt's own dialogs speak the user's language, or Russian when Qt has no texts in it.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <stdexcept>

#include "app/ui/Application.h"
#include "support/FakeHost.h"

using vertal::Message;
using vertal::MessageKind;

namespace {

class Thrower : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Сбой обработки");
    if (e->type() == QEvent::User + 1) throw 42;
    return QObject::event(e);
  }
};

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    host_ = {};
    static_cast<vertal::app::Application*>(qApp)->SetHost(&host_);
  }

  void escapedExceptionIsShownAsAnError() {
    Thrower thrower;
    QEvent event(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&thrower, &event));
    QCOMPARE(host_.messages.size(), std::size_t{1});
    QVERIFY(host_.messages[0] == (Message{MessageKind::Error, "Сбой обработки"}));
  }

  void thrownNonExceptionShowsAnEmptyText() {
    Thrower thrower;
    QEvent event(static_cast<QEvent::Type>(QEvent::User + 1));
    QCoreApplication::sendEvent(&thrower, &event);
    QCOMPARE(host_.messages.size(), std::size_t{1});
    QVERIFY(host_.messages[0] == (Message{MessageKind::Error, ""}));
  }

  void loopGoesOnAfterAThrowingTimer() {
    bool later = false;
    QTimer::singleShot(0, qApp, [] { throw std::runtime_error("таймер"); });
    QTimer::singleShot(0, qApp, [&later] { later = true; });
    QTRY_VERIFY(later);
    QCOMPARE(host_.messages.size(), std::size_t{1});
    QVERIFY(host_.messages[0].text == "таймер");
  }

  // The suite runs under LC_ALL=C.UTF-8, a locale Qt has no texts for.
  void qtDialogsFallBackToRussian() {
    SkipWithoutQtTranslations();
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QString("&Открыть"));
    QTranslator translator;
    QVERIFY(vertal::app::LoadQtTranslation(translator, QLocale(QLocale::Zulu)));
    QCOMPARE(translator.translate("QPrintPreviewDialog", "Print Preview"),
             QString("Просмотр печати"));
  }

  void qtDialogsFollowALocaleThatQtHasTextsFor() {
    SkipWithoutQtTranslations();
    QTranslator translator;
    QVERIFY(vertal::app::LoadQtTranslation(translator, QLocale(QLocale::German)));
    QCOMPARE(translator.translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
  }

 private:
  static void SkipWithoutQtTranslations() {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm")) {
      QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
    }
  }

  vertal::testing::FakeHost host_;
};

int main(int argc, char** argv) {
  vertal::app::Application app(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
