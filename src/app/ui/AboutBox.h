#pragma once
// The about box: the program's title, version, purpose and maker, closed by "OK".

#include <QDialog>

class QLabel;
class QPushButton;

namespace vertal::app {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 281;
  static constexpr int kHeight = 222;

  explicit AboutBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Version = nullptr;
  QLabel* Comments = nullptr;
  QLabel* Copyright = nullptr;
  QPushButton* OKButton = nullptr;
};

}  // namespace vertal::app
