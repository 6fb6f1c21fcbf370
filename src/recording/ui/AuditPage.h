#pragma once
// The page "Проверка записи": the findings of the integrity audit of the current file, each
// with its severity and frame. Choosing a finding with a frame
// moves the frame table there.
//
// Design name (Qt object name): Grid_Audit grid_.

#include <vector>

#include "recording/core/RecordingPages.h"
#include "recording/ui/RecordingPage.h"

namespace vertal::recording {

class AuditPage : public RecordingPage {
  Q_OBJECT

 public:
  AuditPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo);

  // --- Handlers ---
  void OnFindingChosen(int row);

 protected:
  void Fill(const std::string& path) override;
  void Empty() override;

 private:
  void Show(const AuditModel& audit);

  QTableWidget* grid_ = nullptr;
  std::vector<std::optional<std::int64_t>> frames_;  // per row
};

}  // namespace vertal::recording
