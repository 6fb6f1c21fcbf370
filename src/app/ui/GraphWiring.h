#pragma once
// Builds the two graph pages into the page "Графики" and joins them to the window: their fills
// in the open sequence, their clearing in the view reset, and the pop-up command
// "Показать графики".

namespace vertal::app {

class TForm_Main;

void BuildGraphPages(TForm_Main& form);

}  // namespace vertal::app
