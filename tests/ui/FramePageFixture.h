#pragma once
// The main window with the page "Общая" brought to the front, and dump files written for it.

#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>

#include "MainWindowFixture.h"
#include "frames/core/FrameLayout.h"
#include "frames/ui/FrameTablePage.h"
#include "frames/ui/RecordGrid.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {

// A valid frame recorded on `day` of September 2008 at `hour` o'clock, in work mode.
inline FrameFields WorkFrame(std::uint8_t day = 0x15, std::uint8_t hour = 0x10) {
  FrameFields f;
  f.date = {day, 0x09, 0x08};
  f.time = {0x00, 0x00, hour};
  f.kos = frames::kKosWorkMode;
  return f;
}

struct FramePageFixture {
  FramePageFixture() { f.form->show(); }

  app::TForm_Main& Form() { return *f.form; }
  frames::FrameTablePage& Page() { return *f.form->frameTablePage; }

  std::string Write(const DumpBuilder& builder, const std::string& name = "d.bin") {
    const std::string path = dir.File(name);
    builder.Write(path);
    return path;
  }

  // Makes the file current and opens it, then shows the page "Общая".
  std::string Open(const DumpBuilder& builder, const std::string& name = "d.bin") {
    const std::string path = Write(builder, name);
    Form().SetStatusText(0, QString::fromStdString(path));
    Form().OpenDumpFile();
    ShowPage();
    return path;
  }

  void ShowPage() {
    Form().PageControl_Main->setCurrentWidget(Form().TabSheet_Cikl);
    Form().PageControl_Cikl->setCurrentWidget(Form().TabSheet_Osn);
    QApplication::processEvents();
  }

  QString Cell(int column, int row) const {
    const QTableWidgetItem* item = f.form->frameTablePage->StringGrid_O_Otb->item(row, column);
    return item ? item->text() : QString();
  }

  QStringList Column(int column) const {
    QStringList texts;
    for (int row = 0; row < f.form->frameTablePage->StringGrid_O_Otb->rowCount(); ++row)
      texts << Cell(column, row);
    return texts;
  }

  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }

  MainWindowFixture f;
  TempDir dir;
};

}  // namespace vertal::testing
