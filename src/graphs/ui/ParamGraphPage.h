#pragma once
// The page "Параметры": load moment, load, radius, boom length and azimuth over a window of
// frames, with the zero line and the 110 % limit line that marks the overload episodes. The
// check boxes under the chart are its colour key and show or hide each parameter; a click on
// a point asks for the frame table at that frame.

#include <cstdint>

#include "graphs/ui/GraphPage.h"

class QCPAbstractPlottable;
class QCheckBox;
class QLabel;

namespace vertal::graphs {

class ParamGraphPage : public GraphPage {
  Q_OBJECT

 public:
  ParamGraphPage(GraphLinks links, QWidget* sheet);

  void ScrollBarGParChange();
  void CheckBox_GrParMClick();
  void CheckBox_GrParQClick();
  void CheckBox_GrParRClick();
  void CheckBox_GrParGAClick();
  void CheckBox_GrParLClick();
  // A click on a point or line of any series, with the index of the point in its series.
  void Chart_ParamClickSeries(QCPAbstractPlottable* series, int index);

 signals:
  // The frame table is to show `frame` in its first column.
  void FrameChosen(std::int64_t frame);

 protected:
  // Series visibility from the check boxes, and the value axis from what is visible.
  void Restyle() override;

 private:
  void BuildKeyPanel();
  // The right-hand axis of the azimuth: a full turn, one tick per quarter.
  void BuildAzimuthAxis();
  void ShowChecked();

  GraphChart* Chart_Param = nullptr;
  QScrollBar* ScrollBarGPar = nullptr;
  QFrame* Panel6 = nullptr;
  QCheckBox* CheckBox_GrParM = nullptr;
  QLabel* Label37 = nullptr;
  QCheckBox* CheckBox_GrParQ = nullptr;
  QCheckBox* CheckBox_GrParR = nullptr;
  QCheckBox* CheckBox_GrParGA = nullptr;
  QCheckBox* CheckBox_GrParL = nullptr;
};

}  // namespace vertal::graphs
