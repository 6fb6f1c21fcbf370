#pragma once
// The dialog that asks for the frames of the operative report: "Печатать с" [E_Home] "кадра по"
// [E_End] "кадр", with "Ok" and "Отмена". It always opens with the texts "0" and "200". "Ok"
// with a refused range shows why and leaves the dialog open with what was typed.
//
// Design names (Qt object names) of the members: E_Home firstFrame_, E_End lastFrame_,
// BitBtn1 okButton_ (OnOk), BitBtn2 cancelButton_ (OnCancel).

#include <QDialog>
#include <optional>

#include "common/core/Host.h"
#include "reports/core/TableReports.h"

class QLineEdit;
class QPushButton;

namespace vertal::reports {

class FrameRangeDialog : public QDialog {
  Q_OBJECT

 public:
  // Messages of refused ranges go to `host`.
  explicit FrameRangeDialog(Host& host, QWidget* parent = nullptr);

  // The range "Ok" accepted; nothing before that or after "Отмена".
  std::optional<FrameRange> Range() const { return range_; }

  void OnOk();
  void OnCancel();

 private:
  Host& host_;
  QLineEdit* firstFrame_ = nullptr;
  QLineEdit* lastFrame_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  std::optional<FrameRange> range_;
};

// Shows a new dialog modally over `parent`; the accepted range, or nothing when it was
// cancelled or closed.
std::optional<FrameRange> AskFrameRange(QWidget* parent, Host& host);

// The range typed in a pair of first/last fields; nothing once the refusal has been shown.
std::optional<FrameRange> TypedFrameRange(const QLineEdit& first, const QLineEdit& last, Host& host);

}  // namespace vertal::reports
