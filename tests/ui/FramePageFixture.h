#pragma once
// The main window shown with the page "Общая" in front, and dump files written for it.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "MainWindowFixture.h"
#include "frames/core/FrameLayout.h"

namespace vertal::testing {

// A valid frame recorded on `day` of September 2008 at `hour` o'clock, in work mode.
inline FrameFields WorkFrame(std::uint8_t day = 0x15, std::uint8_t hour = 0x10) {
  FrameFields f;
  f.date = {day, 0x09, 0x08};
  f.time = {0x00, 0x00, hour};
  f.kos = frames::kKosWorkMode;
  return f;
}

struct FramePageFixture : MainWindowFixture {
  FramePageFixture() { form->show(); }

  // Makes the file current and opens it, then shows the page "Общая".
  std::string OpenShown(const DumpBuilder& builder, const std::string& name = "d.bin") {
    const std::string path = Open(builder, name);
    ShowPage();
    return path;
  }

  void ShowPage() const { ShowSheet("TabSheet_Osn"); }

  QTableWidget* Grid() const { return Find<QTableWidget>("StringGrid_O_Otb"); }
  QScrollBar* ScrollBar() const { return Find<QScrollBar>("ScrollBar_Cikl"); }
  QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
  QLabel* Label(const char* name) const { return Find<QLabel>(name); }
  QPushButton* FindButton() const { return Find<QPushButton>("BitBtn1"); }
  QLineEdit* Threshold() const { return Find<QLineEdit>("Edit_O_M"); }

  QString Cell(int column, int row) const {
    const QTableWidgetItem* item = Grid()->item(row, column);
    return item ? item->text() : QString();
  }

  QStringList FrameColumn(int column) const { return Column(Grid(), column); }
};

}  // namespace vertal::testing
