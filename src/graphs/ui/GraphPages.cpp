#include "graphs/ui/GraphPages.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

#include "graphs/ui/ParamGraphPage.h"
#include "graphs/ui/RelayGraphPage.h"

namespace vertal::graphs {

namespace {

// Result lists keep the record number of each item under this role.
constexpr int kNumberRole = Qt::UserRole;

QString Name(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::string TextOf(const QWidget* window, std::string_view name) {
  const QWidget* label = window->findChild<QWidget*>(Name(name));
  return label ? label->property("text").toString().toStdString() : std::string();
}

}  // namespace

GraphPages::GraphPages(QWidget* window, QWidget* paramSheet, QWidget* relaySheet,
                       const MainPages& pages, std::function<std::string()> currentFile, Host& host)
    : QObject(window), window_(window), pages_(pages), currentFile_(std::move(currentFile)) {
  setObjectName(QStringLiteral("GraphPages"));
  const GraphLinks links{currentFile_, [this] { return ReadCraneLabels(); }, &host};
  param_ = new ParamGraphPage(links, paramSheet);
  relay_ = new RelayGraphPage(links, relaySheet);
  connect(param_, &ParamGraphPage::FrameChosen, this, &GraphPages::ShowFrame);
}

void GraphPages::OpenParam(const std::string& path) {
  param_->Open(path, OverloadList());
}

void GraphPages::OpenRelay(const std::string& path) {
  relay_->Open(path, {});
}

void GraphPages::Reset() {
  param_->Reset();
  relay_->Reset();
}

void GraphPages::Go_KZClick() {
  if (currentFile_().empty()) return;
  pages_.main->setCurrentWidget(pages_.graphs);
  const QScrollBar* frames = FrameScrollBar();
  if (!frames) return;
  const int position = frames->value();
  // Each scroll bar clamps the position and refills its graph only when it moves.
  param_->ScrollBarGPar->setValue(position);
  relay_->ScrollBarGKZ->setValue(position);
}

void GraphPages::ShowFrame(std::int64_t frame) {
  pages_.main->setCurrentWidget(pages_.frames);
  pages_.framePages->setCurrentWidget(pages_.frameTable);
  // The scroll bar clamps a frame beyond the table's last page.
  if (QScrollBar* frames = FrameScrollBar()) frames->setValue(static_cast<int>(frame));
}

CraneLabels GraphPages::ReadCraneLabels() const {
  return {TextOf(window_, kCraneLabel), TextOf(window_, kCraneNumberLabel),
          TextOf(window_, kLimiterNumberLabel)};
}

JumpList GraphPages::OverloadList() const {
  JumpList list;
  const auto* combo = window_->findChild<QComboBox*>(Name(kOverloadListControl));
  if (!combo) return list;
  const QAbstractItemModel* model = combo->model();
  // Only the first window's worth of episodes can be marked.
  const int rows = std::min(model->rowCount(), static_cast<int>(kWindowFrames));
  for (int row = 0; row < rows; ++row)
    list.Add({}, model->data(model->index(row, 0), kNumberRole).toLongLong());
  return list;
}

QScrollBar* GraphPages::FrameScrollBar() const {
  return window_->findChild<QScrollBar*>(QString::fromLatin1(kFrameScrollBar));
}

}  // namespace vertal::graphs
