#pragma once
// A read-only table of result rows, as the recording, comparison and history pages list them:
// whole rows chosen one at a time, no row numbers, alternating shades, Tab leaving it for the
// next control; and the texts that stand beside such tables.

#include <QString>
#include <QStringList>
#include <QTableWidget>

class QLabel;

namespace vertal::ui {

QTableWidget* MakeListGrid(QWidget* parent, const char* name, const QString& accessibleName,
                           const QStringList& headers, int rowPadding);

// A text of a result page: plain, broken between words, selectable with the mouse.
QLabel* MakePageText(QWidget* parent, const char* name, const QString& accessibleName);

}  // namespace vertal::ui
