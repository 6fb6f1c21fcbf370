#pragma once
// The operator's entries for a reading (the date, who read it, the organisations, the
// certificate and the crane's owner) and what pressing "Запись" stores from them: the
// operator's trailer and the commissioning organisation of the crane-identification record.
// The window's dialog and the command-line tool both store through this.

#include <optional>
#include <string>
#include <utility>

#include "link/core/Readout.h"

namespace vertal::link {

inline constexpr const char* kDefaultOperatorName = "Оператор";
inline constexpr const char* kDefaultOperatorOrg = "Сервисная организация";
inline constexpr const char* kDefaultCertificate = "000000";
// Shown as a grey hint in an empty field, never stored.
inline constexpr const char* kFillInText = "Заполните поле (не более 39 символов)";

// The dialog's fields as texts, with the texts the dialog shows when it opens.
struct OperatorFields {
  // The date of the reading: day, month and the year's last two digits, two digits each.
  std::string day;
  std::string month;
  std::string year;
  std::string name = kDefaultOperatorName;
  std::string organisation = kDefaultOperatorOrg;
  std::string certificate = kDefaultCertificate;
  // Nothing: the text the unit holds, which goes back to it byte for byte.
  std::optional<std::string> commissioning;
  std::string owner;  // empty until the operator types it
};

// The commissioning organisation of a crane-identification record, as the dialog shows it.
std::string CommissioningText(const CraneIdentBuffer& craneIdent);

// The fields as the dialog opens them: the date fields hold today's local date.
OperatorFields DefaultOperatorFields();

// What "Запись" stores. Each date field read as two hexadecimal digits becomes one byte of
// the trailer (so "15" is stored as 0x15); a date field that is not two hexadecimal digits
// leaves its byte as it was. The texts go in Windows-1251, cut at their fields' widths, a
// shorter text followed by zeros; the trailer's checksum is closed. A commissioning
// organisation that was given goes into bytes 63 to 102 of the record; its checksum byte is
// not touched.
void StoreOperatorFields(const OperatorFields& fields, CraneIdentBuffer& craneIdent,
                         TrailerBuffer& trailer);

// Answers the readout's dialog with fixed fields, pressing "Запись", or closes it unless
// `press`.
class FieldsOperatorDialog : public OperatorDialog {
 public:
  explicit FieldsOperatorDialog(OperatorFields fields, bool press = true)
      : fields_(std::move(fields)), press_(press) {}
  bool Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) override;

 private:
  OperatorFields fields_;
  bool press_;
};

}  // namespace vertal::link
