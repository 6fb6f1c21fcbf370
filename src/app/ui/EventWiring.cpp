#include "app/ui/EventWiring.h"

#include "app/ui/Bodyprog.h"
#include "frames/ui/KdsPage.h"
#include "frames/ui/OverloadPage.h"

namespace vertal::app {

void BuildEventPages(TForm_Main& form) {
  form.overloadPage = new frames::OverloadPage(form.TabSheet_Per, form);
  form.kdsPage =
      new frames::KdsPage(form.TabSheet_KDS, form, [&form] { return form.RecorderVersion; });
  form.overloadPage->AddOpenStages(form.OpenSteps());
  form.kdsPage->AddOpenStages(form.OpenSteps());
  form.ResetSteps().Add(ResetStage::OverloadTable, [&form] { form.overloadPage->ResetTable(); });
  form.ResetSteps().Add(ResetStage::KdsTable, [&form] { form.kdsPage->ResetTable(); });
}

}  // namespace vertal::app
