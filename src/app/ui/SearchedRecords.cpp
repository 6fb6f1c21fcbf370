#include "app/ui/SearchedRecords.h"

#include "app/ui/PageTree.h"
#include "events/ui/KdsPage.h"
#include "events/ui/OverloadPage.h"

namespace vertal::app {

std::optional<std::vector<std::int64_t>> SearchedOverloads(PageTree& pages) {
  events::OverloadPage& page = pages.Overloads();
  if (!page.SearchedRecords()) page.BitBtn_Find_PerClick();
  return page.SearchedRecords();
}

std::optional<std::vector<std::int64_t>> SearchedKds(PageTree& pages) {
  events::KdsPage& page = pages.Kds();
  if (!page.SearchedRecords()) page.BitBtn_Find_KDSClick();
  return page.SearchedRecords();
}

}  // namespace vertal::app
