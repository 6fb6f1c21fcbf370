#pragma once
// The dialog in which the operator enters the data that accompany a reading: the date, who read
// it, the organisations, the certificate and the crane's owner. "Запись" stores them into the
// readout's buffers and closes the dialog; closing it by its frame changes nothing.

#include <QDialog>

#include "link/core/Readout.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vertal::link {

class OperatorDialogWindow : public QDialog, public OperatorDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 548;
  static constexpr int kHeight = 313;

  // Opens with today's date, the default texts of the other fields and an empty owner; the
  // commissioning organisation is the unit's when the dialog is run.
  explicit OperatorDialogWindow(QWidget* parent = nullptr);

  // Shows the dialog modally; true when "Запись" stored the fields into the buffers.
  bool Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) override;

 private:
  void BitBtn1Click();

  QLineEdit* Edit_DataSch = nullptr;
  QLineEdit* Edit_MonthSch = nullptr;
  QLineEdit* Edit_EarSch = nullptr;
  QLineEdit* Edit_Name = nullptr;
  QLineEdit* Edit_Org = nullptr;
  QLineEdit* Edit_NUd = nullptr;
  QLineEdit* Edit_PyckOrg = nullptr;
  QLineEdit* Edit_VladKran = nullptr;
  QPushButton* BitBtn1 = nullptr;
  CraneIdentBuffer* craneIdent_ = nullptr;
  TrailerBuffer* trailer_ = nullptr;
  QString shownCommissioning_;
  bool stored_ = false;
};

}  // namespace vertal::link
