#pragma once
// Builds the pages "Перегрузки" and "КДС" into the main window and adds their table fills to
// the open sequence and the clearing of their tables to the view reset.

namespace vertal::app {

class TForm_Main;

void BuildEventPages(TForm_Main& form);

}  // namespace vertal::app
