#include "app/ui/TableCommandInputs.h"

#include <optional>

#include "app/ui/PageTree.h"
#include "common/ui/ShownPass.h"
#include "events/ui/KdsPage.h"
#include "events/ui/OverloadPage.h"

namespace vertal::app {

namespace {

// A search that a table command runs, shown on its page and in the status bar.
class PageSearchShow final : public SearchShow {
 public:
  PageSearchShow(ui::PageWindow& window, PageTree& pages) : window_(window), pages_(pages) {}

  PassHooks Began(SearchKind kind) override {
    if (kind == SearchKind::Overloads) {
      pass_.emplace(window_, events::OverloadPage::SearchDisplay());
      return pass_->Hooks([this] { pages_.Overloads().ClearSearch(); });
    }
    pass_.emplace(window_, events::KdsPage::SearchDisplay());
    return pass_->Hooks([this] { pages_.Kds().ClearSearch(); });
  }
  void Ended(const PassResult<events::OverloadSearchModel>& result) override {
    pages_.Overloads().ShowSearch(result);
    pass_->End(result.end);
  }
  void Ended(const PassResult<events::KdsSearchModel>& result) override {
    pages_.Kds().ShowSearch(result);
    pass_->End(result.end);
  }

 private:
  ui::PageWindow& window_;
  PageTree& pages_;
  std::optional<ui::ShownPass> pass_;
};

}  // namespace

std::optional<TableInputs> TableCommandInputs::Gather(const TableNeeds& needs,
                                                      reports::FrameRange range) {
  const TableFields fields{pages_.Overloads().Typed(), pages_.Kds().Typed(), range};
  PageSearchShow show(window_, pages_);
  return GatherTableInputs(needs, document_, fields, window_.host(), &show);
}

}  // namespace vertal::app
