#pragma once
// The service page ("Служебная"): the identification of the limiter and of the crane, the
// service and operator data, the operating times and the crane's classification, in six group
// boxes. Each value is a label named as the open sequence writes it, with its caption to its
// left; the page only shows what the open sequence computed.

#include <QWidget>
#include <vector>

#include "dump/core/ServicePages.h"

class QFrame;
class QLabel;

namespace vertal::dump {

class ServicePage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `panel` and fills it.
  explicit ServicePage(QFrame* panel);

  // Shows what opening or a reset computed, with the rows and captions the file's version
  // asks for.
  void Show(const ServicePageModel& model);

 private:
  // Gives every value its caption's current text as accessible name; captions change with
  // the recorder version of the file opened.
  void FollowCaptions();

  std::vector<QLabel*> captions_;
};

}  // namespace vertal::dump
