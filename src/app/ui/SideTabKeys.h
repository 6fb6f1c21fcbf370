#pragma once
// Up and Down on the tabs of a tab control whose tabs stand at its side: the previous and the
// next tab, as Left and Right do on tabs along the top.

#include <QObject>

class QTabBar;

namespace vertal::app {

class SideTabKeys : public QObject {
 public:
  // Belongs to `tabs`.
  explicit SideTabKeys(QTabBar* tabs);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTabBar* tabs_;
};

}  // namespace vertal::app
