#pragma once
// The dialog in which the operator enters the data that accompany a reading: the date, who read
// it, the organisations, the certificate and the crane's owner. "Запись" stores them into the
// readout's buffers and closes the dialog; closing it by its frame changes nothing.
//
// Design names (Qt object names) of the members:
//   Edit_DataSch  dayField_      Edit_MonthSch  monthField_         Edit_EarSch    yearField_
//   Edit_Name     readerField_   Edit_Org       organisationField_  Edit_NUd       certificateField_
//   Edit_PyckOrg  commissioningField_           Edit_VladKran  ownerField_
//   BitBtn1       storeButton_ ("Запись", OnStore)

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
  void OnStore();

  QLineEdit* dayField_ = nullptr;
  QLineEdit* monthField_ = nullptr;
  QLineEdit* yearField_ = nullptr;
  QLineEdit* readerField_ = nullptr;
  QLineEdit* organisationField_ = nullptr;
  QLineEdit* certificateField_ = nullptr;
  QLineEdit* commissioningField_ = nullptr;
  QLineEdit* ownerField_ = nullptr;
  QPushButton* storeButton_ = nullptr;
  CraneIdentBuffer* craneIdent_ = nullptr;
  TrailerBuffer* trailer_ = nullptr;
  QString shownCommissioning_;
  bool stored_ = false;
};

}  // namespace vertal::link
