#pragma once
// The service page ("Служебная"): the identification of the limiter and of the crane, the
// service and operator data, the operating times and the crane's classification, in six group
// boxes. Each value is a label named as the open sequence writes it, with its caption to its
// left; the page only shows what the open sequence computed.

#include <QWidget>
#include <vector>

#include "dump/core/ServicePages.h"

class QFrame;
class QGridLayout;
class QLabel;
class QResizeEvent;

namespace vertal::dump {

class ServicePage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `panel` and fills it.
  explicit ServicePage(QFrame* panel);

  // Shows what opening or a reset computed, with the rows and captions the file's version
  // asks for.
  void Show(const ServicePageModel& model);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Gives every value its caption's current text as accessible name; captions change with
  // the recorder version of the file opened.
  void FollowCaptions();

  // The values of one column start at the same place in every box, beyond its widest caption.
  void AlignValues();

  struct Column {
    std::vector<QGridLayout*> grids;
    std::vector<QLabel*> captions;
  };
  // Each name broken over lines holds the height its lines need at its width, so that the
  // window's least size keeps every line of it.
  // Keeps every name at least as wide as its longest word, so that no word is cut.
  void HoldNameWidths();
  void HoldNameHeights();

  std::vector<QLabel*> captions_;
  std::vector<QLabel*> names_;
  std::vector<Column> columns_;
};

}  // namespace vertal::dump
