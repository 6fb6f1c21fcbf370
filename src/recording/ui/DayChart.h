#pragma once
// A bar chart of the journal: per day the hours the crane worked and its highest load moment,
// side by side, with the date below.

#include <QString>
#include <QWidget>
#include <vector>

namespace vertal::recording {

class DayChart : public QWidget {
  Q_OBJECT

 public:
  struct Day {
    QString date;
    double hours = 0;
    int maxMoment = 0;  // percent
  };

  explicit DayChart(QWidget* parent);
  void Show(std::vector<Day> days);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Day> days_;
};

}  // namespace vertal::recording
