#pragma once
// The status bar of the main window: panel 0 shows the path of the current dump file, panel 1
// the status message. The bar as a whole takes a colour while a readout runs.

#include <QColor>
#include <QStatusBar>

class QLabel;

namespace vertal::app {

class StatusPanels : public QStatusBar {
  Q_OBJECT
 public:
  static constexpr int kPanelCount = 2;
  static constexpr int kPathPanelWidth = 418;
  static constexpr int kHeight = 25;

  explicit StatusPanels(QWidget* parent = nullptr);

  QString PanelText(int panel) const;
  void SetPanelText(int panel, const QString& text);

  QColor Color() const;
  void SetColor(const QColor& color);
  // The system's button-face colour, the bar's colour at start and after a failed step.
  QColor ButtonFaceColor() const;

  QLabel* Panel(int panel) const;

 private:
  QLabel* panels_[kPanelCount] = {};
};

// The pale yellow notice above the pages by which a file that is not a full readout says so;
// hidden until then.
QLabel* MakeSizeNotice(QWidget* parent);

}  // namespace vertal::app
