#pragma once
// What the print and export commands share: the guard that does nothing while no file is
// current, and the inputs of their tables gathered by the core action from the open file and
// the search fields as the pages show them; a search that has to run shows on its page as
// "Найти" shows it.

#include <optional>

#include "app/core/TableInputs.h"
#include "common/ui/PageWindow.h"

namespace vertal::app {

class PageTree;

class TableCommandInputs {
 public:
  TableCommandInputs(ui::PageWindow& window, PageTree& pages, DumpDocument& document)
      : window_(window), pages_(pages), document_(document) {}

  // A table command does nothing while no file is current.
  bool HasFile() const { return document_.HasFile(); }
  const DumpDocument& Document() const { return document_; }
  ui::PageWindow& Window() const { return window_; }

  // Nothing when the command is refused; it has said why.
  std::optional<TableInputs> Gather(const TableNeeds& needs, reports::FrameRange range);

 private:
  ui::PageWindow& window_;
  PageTree& pages_;
  DumpDocument& document_;
};

}  // namespace vertal::app
