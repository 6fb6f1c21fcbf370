#pragma once
// The dialog of "Экспорт в CSV…": which table to write (the frames of a range, the overload or
// KDS search results, the episode lists, the load spectrum or the service page), with the
// frame range fields "0" and "200" as the frame-range dialog proposes them. "Записать" with a
// refused range shows why and leaves the dialog open with what was typed.
//
// Design names (Qt object names) of the members: E_First firstFrame_, E_Last lastFrame_,
// Button_Write writeButton_ (OnWrite), Button_Cancel cancelButton_ (OnCancel).

#include <QDialog>
#include <array>
#include <optional>

#include "common/core/Host.h"
#include "export/core/TableExport.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vertal::app {

struct ExportChoice {
  exporting::TableKind kind = exporting::TableKind::Frames;
  reports::FrameRange range;  // for the frames
};

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Messages of refused ranges go to `host`.
  explicit ExportDialog(Host& host, QWidget* parent = nullptr);

  // What "Записать" accepted; nothing before that or after "Отмена".
  std::optional<ExportChoice> Choice() const { return choice_; }

  void OnWrite();
  void OnCancel();

 private:
  exporting::TableKind ChosenKind() const;

  Host& host_;
  std::array<QRadioButton*, exporting::kTableKindNames.size()> kinds_{};
  QLineEdit* firstFrame_ = nullptr;
  QLineEdit* lastFrame_ = nullptr;
  QPushButton* writeButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  std::optional<ExportChoice> choice_;
};

// Shows a new dialog modally over `parent`; the accepted choice, or nothing when it was
// cancelled or closed.
std::optional<ExportChoice> AskExportChoice(QWidget* parent, Host& host);

}  // namespace vertal::app
