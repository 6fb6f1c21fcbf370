#pragma once
// A main window over a recording host and a unit port that counts its opens. Tests reach the
// window's controls as UI automation does: by object name.

#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/ui/MainWindow.h"
#include "link/core/UnitPort.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::testing {

class CountingPort final : public link::NoUnitPort {
 public:
  link::DriverStatus Open(std::string_view) override {
    ++opens;
    return link::kDriverDeviceNotFound;
  }
  int opens = 0;
};

// The control of `name` under `root`, or the first of its type for a null name. A missing
// control fails the test and ends the run: every later step would only repeat the failure.
template <class W = QWidget>
W* FindIn(const QObject* root, const char* name) {
  W* control = root->findChild<W*>(QString::fromLatin1(name));
  if (!control) {
    const std::string message = std::string("no control named ") + (name ? name : "(any)");
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
    throw std::logic_error(message);
  }
  return control;
}

inline QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

inline QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// Every cell of a grid column, top to bottom.
inline QStringList Column(const QTableWidget* grid, int column) {
  QStringList texts;
  for (int row = 0; row < grid->rowCount(); ++row) {
    const QTableWidgetItem* item = grid->item(row, column);
    texts << (item ? item->text() : QString());
  }
  return texts;
}

inline QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

struct MainWindowFixture {
  MainWindowFixture() : form(std::make_unique<app::MainWindow>(host, port)) {
    form->showAboutBox = [this] { ++aboutBoxes; };
  }

  QString Panel(int panel) const { return form->StatusText(panel); }

  template <class W = QWidget>
  W* Find(const char* name) const {
    return FindIn<W>(form.get(), name);
  }
  QTabWidget* Tabs(const char* name) const { return Find<QTabWidget>(name); }
  QWidget* Sheet(const char* name) const { return Find<QWidget>(name); }

  // Brings the tab page `name` to the front, with every tab page that holds it.
  void ShowSheet(const char* name) const {
    QWidget* sheet = Sheet(name);
    for (QWidget* w = sheet->parentWidget(); w; w = w->parentWidget()) {
      auto* tabs = qobject_cast<QTabWidget*>(w);
      if (!tabs) continue;
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i) == sheet || tabs->widget(i)->isAncestorOf(sheet)) tabs->setCurrentIndex(i);
    }
    QApplication::processEvents();
  }
  QWidget* CurrentSheet(const char* tabs) const { return Tabs(tabs)->currentWidget(); }

  std::string Write(const DumpBuilder& builder, const std::string& name = "d.bin") const {
    const std::string path = dir.File(name);
    builder.Write(path);
    return path;
  }

  // Makes the file current and opens it, as the Open command does after its dialog.
  std::string Open(const DumpBuilder& builder, const std::string& name = "d.bin") {
    const std::string path = Write(builder, name);
    form->OpenFile(path);
    return path;
  }

  FakeHost host;
  CountingPort port;
  TempDir dir;
  std::unique_ptr<app::MainWindow> form;
  int aboutBoxes = 0;
};

}  // namespace vertal::testing
