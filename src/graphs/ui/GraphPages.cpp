#include "graphs/ui/GraphPages.h"

#include <QScrollBar>
#include <QTabWidget>

#include "graphs/ui/ParamGraphPage.h"
#include "graphs/ui/RelayGraphPage.h"
#include "common/ui/GuardedCommand.h"

namespace vertal::graphs {

GraphPages::GraphPages(QObject* owner, QWidget* paramSheet, QWidget* relaySheet,
                       const MainPages& pages, std::function<DumpSource()> currentFile, Host& host)
    : QObject(owner), pages_(pages), host_(&host), currentFile_(std::move(currentFile)) {
  setObjectName(QStringLiteral("GraphPages"));
  const GraphLinks links{currentFile_, &host};
  param_ = new ParamGraphPage(links, paramSheet);
  relay_ = new RelayGraphPage(links, relaySheet);
  ui::ConnectCommand(param_, &ParamGraphPage::FrameChosen, this, *host_, &GraphPages::ShowFrame);
}

void GraphPages::Open(GraphModel param, GraphModel relay, const Overview& overview) {
  param_->Open(std::move(param), overview);
  relay_->Open(std::move(relay), overview);
}

void GraphPages::Reset() {
  param_->Reset();
  relay_->Reset();
}

void GraphPages::OnShowGraphs() {
  if (currentFile_().Empty()) return;
  pages_.main->setCurrentWidget(pages_.graphs);
  FollowFrameTable();
}

void GraphPages::FollowFrameTable() {
  const int position = pages_.frameScrollBar->value();
  // Each scroll bar clamps the position and refills its graph only when it moves.
  param_->ScrollBar()->setValue(position);
  relay_->ScrollBar()->setValue(position);
}

void GraphPages::ShowFrame(std::int64_t frame) {
  pages_.main->setCurrentWidget(pages_.frames);
  pages_.framePages->setCurrentWidget(pages_.frameTable);
  // The scroll bar clamps a frame beyond the table's last page.
  pages_.frameScrollBar->setValue(static_cast<int>(frame));
}

void GraphPages::ShowFrameInGraphsToo(std::int64_t frame) {
  ShowFrame(frame);
  FollowFrameTable();
}

}  // namespace vertal::graphs
