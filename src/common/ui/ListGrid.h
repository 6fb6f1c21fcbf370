#pragma once
// A read-only table of result rows, as the recording and comparison pages list them: whole rows
// chosen one at a time, no row numbers, alternating shades, Tab leaving it for the next control.

#include <QString>
#include <QStringList>
#include <QTableWidget>

namespace vertal::ui {

QTableWidget* MakeListGrid(QWidget* parent, const char* name, const QString& accessibleName,
                           const QStringList& headers, int rowPadding);

}  // namespace vertal::ui
