#pragma once
// What assistive tools read of a value shown in a label that carries its caption as accessible
// name ("Модификация:" beside the value): the caption stays the name, and the label's text is
// given as its value, its description and its text, so that a screen reader says both. The
// interface is asked for each text when read, so it always follows what the label shows. It
// serves every label of text: one without a caption of its own is named by its text, as Qt
// names labels, and a caption tells which control it labels.

#include <QString>

class QLabel;
class QWidget;

namespace vertal::ui {

// Registers the interface of captioned value labels with Qt's accessibility; the first call
// does it, later calls do nothing. Call before any window is shown.
void InstallValueAccessibility();

// Shows `text` in a value label and tells assistive tools when it changed.
void SetValueText(QLabel* label, const QString& text);

}  // namespace vertal::ui
