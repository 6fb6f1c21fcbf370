#include "app/ui/GraphWiring.h"

#include <QAction>

#include "app/ui/Bodyprog.h"
#include "app/ui/UiText.h"
#include "graphs/ui/GraphPages.h"

namespace vertal::app {

void BuildGraphPages(TForm_Main& form) {
  constexpr int kPathPanel = 0;
  const graphs::MainPages pages{form.PageControl_Main, form.TabSheet_Grafik, form.TabSheet_Cikl,
                                form.PageControl_Cikl, form.TabSheet_Osn};
  auto* graphs = new graphs::GraphPages(
      &form, form.TabSheet19, form.TabSheet20, pages,
      [&form] { return ToStdString(form.StatusText(kPathPanel)); }, form.host());
  form.graphPages = graphs;

  // The period scan has filled the overload list by the time the parameter graph opens.
  form.OpenSteps().Add(dump::OpenStage::ParamGraph, [graphs](dump::OpenContext& c) {
    graphs->OpenParam(c.path);
    return true;
  });
  form.OpenSteps().Add(dump::OpenStage::RelayGraph, [graphs](dump::OpenContext& c) {
    graphs->OpenRelay(c.path);
    return true;
  });
  form.ResetSteps().Add(ResetStage::Graphs, [graphs] { graphs->Reset(); });
  QObject::connect(form.Go_KZ, &QAction::triggered, graphs, &graphs::GraphPages::Go_KZClick);
}

}  // namespace vertal::app
