#include "app/ui/StatusPanels.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include "common/ui/ValueAccessibility.h"

namespace vertal::app {

namespace {

QLabel* MakePanel(QWidget* parent, const char* name, const QString& accessibleName) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAccessibleName(accessibleName);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setTextFormat(Qt::PlainText);
  label->setIndent(2);
  // Long paths and messages are cut at the panel's edge instead of widening the window.
  label->setMinimumWidth(1);
  return label;
}

// Holds a panel at the size the status bar gives the slot. A panel's new text then repaints
// the panel alone: placed in the bar's layout itself, every text would lay the whole window out
// again and repaint its pages.
class PanelSlot final : public QWidget {
 public:
  PanelSlot(QWidget* parent, QLabel* panel) : QWidget(parent), panel_(panel) {
    panel->setParent(this);
    setMinimumWidth(panel->minimumWidth());
  }
  QSize sizeHint() const override { return minimumSizeHint(); }
  QSize minimumSizeHint() const override { return {minimumWidth(), panel_->minimumSizeHint().height()}; }

 protected:
  void resizeEvent(QResizeEvent*) override { panel_->setGeometry(rect()); }

 private:
  QLabel* panel_;
};

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("StatusBar1"));
  setFixedHeight(kHeight);
  setAutoFillBackground(true);
  panels_[0] = MakePanel(this, "StatusBar1_Panel0", QStringLiteral("Файл"));
  panels_[1] = MakePanel(this, "StatusBar1_Panel1", QStringLiteral("Состояние"));
  auto* pathSlot = new PanelSlot(this, panels_[0]);
  pathSlot->setFixedWidth(kPathPanelWidth);
  addWidget(pathSlot);
  addWidget(new PanelSlot(this, panels_[1]), 1);
  SetColor(ButtonFaceColor());
}

QLabel* StatusPanels::Panel(int panel) const {
  Q_ASSERT(panel >= 0 && panel < kPanelCount);
  return panels_[panel];
}

QString StatusPanels::PanelText(int panel) const {
  return Panel(panel)->text();
}

void StatusPanels::SetPanelText(int panel, const QString& text) {
  ui::SetValueText(Panel(panel), text);
}

QColor StatusPanels::Color() const {
  return palette().color(QPalette::Window);
}

void StatusPanels::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
}

QColor StatusPanels::ButtonFaceColor() const {
  return QApplication::palette().color(QPalette::Button);
}

QLabel* MakeSizeNotice(QWidget* parent) {
  constexpr int kNoticeMargin = 4;
  constexpr QRgb kNoticeColour = 0xFFF3B0;  // pale yellow
  auto* notice = new QLabel(parent);
  notice->setObjectName(QStringLiteral("Label_SizeNotice"));
  notice->setWordWrap(true);
  notice->setMargin(kNoticeMargin);
  notice->setTextFormat(Qt::PlainText);
  notice->setAutoFillBackground(true);
  QPalette palette = notice->palette();
  palette.setColor(QPalette::Window, QColor(kNoticeColour));
  notice->setPalette(palette);
  notice->hide();
  return notice;
}

}  // namespace vertal::app
