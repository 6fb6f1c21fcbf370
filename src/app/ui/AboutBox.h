#pragma once
// The about box: the program's title, version, purpose and maker, closed by "OK".
//
// Design names (Qt object names) of the members: ProgramIcon icon_, ProductName title_,
// Version version_, Comments purpose_, Copyright maker_, OKButton okButton_.

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
  QLabel* icon_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* purpose_ = nullptr;
  QLabel* maker_ = nullptr;
  QPushButton* okButton_ = nullptr;
};

}  // namespace vertal::app
