#pragma once
// The controls beside a graph's scroll bar: a whole window back and forward, the field "Кадр"
// that goes to a typed frame number, and the field for a date and time that goes to the first
// frame recorded then or later. The row only reports what the user asked for; the page moves
// its scroll bar.

#include <QWidget>
#include <cstdint>
#include <optional>

class QLineEdit;
class QToolButton;

namespace vertal::graphs {

class GraphNavigation : public QWidget {
  Q_OBJECT

 public:
  explicit GraphNavigation(QWidget* parent);

  QToolButton* BackButton() const { return back_; }
  QToolButton* ForwardButton() const { return forward_; }
  QLineEdit* FrameField() const { return frame_; }
  QLineEdit* MomentField() const { return moment_; }

  // "Кадр" shows the first frame of the window the graph shows; empty with no file.
  void ShowWindowStart(std::optional<std::int64_t> firstFrame);
  // Empties the date and time typed for another file.
  void ClearMoment();

 signals:
  // -1 for a window back, +1 for a window forward.
  void WindowStep(int direction);
  void FrameTyped(const QString& text);
  void MomentTyped(const QString& text);

 private:
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QLineEdit* frame_ = nullptr;
  QLineEdit* moment_ = nullptr;
};

}  // namespace vertal::graphs
