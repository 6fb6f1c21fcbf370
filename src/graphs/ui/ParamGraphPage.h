#pragma once
// The page "Параметры": load moment, load, radius, boom length and azimuth over a window of
// frames, with the zero line and the 110 % limit line that marks the overload episodes. The
// check boxes under the chart are its colour key and show or hide each parameter; a click on
// a point asks for the frame table at that frame.
//
// Design names (Qt object names): Chart_Param, ScrollBarGPar and Panel6 are the base page's
// Chart(), ScrollBar() and KeyPanel(); the key's boxes CheckBox_GrParM momentBox_,
// CheckBox_GrParQ loadBox_, CheckBox_GrParR radiusBox_, CheckBox_GrParGA azimuthBox_,
// CheckBox_GrParL boomLengthBox_; Label37 limitLineKey_ (the 110 % line).

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

  void OnScrolled();
  void OnMomentToggled();
  void OnLoadToggled();
  void OnRadiusToggled();
  void OnAzimuthToggled();
  void OnBoomLengthToggled();
  // A click on a point or line of any series, with the index of the point in its series.
  void OnPointClicked(QCPAbstractPlottable* series, int index);

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

  QCheckBox* momentBox_ = nullptr;
  QLabel* limitLineKey_ = nullptr;
  QCheckBox* loadBox_ = nullptr;
  QCheckBox* radiusBox_ = nullptr;
  QCheckBox* azimuthBox_ = nullptr;
  QCheckBox* boomLengthBox_ = nullptr;
};

}  // namespace vertal::graphs
