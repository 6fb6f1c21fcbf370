#pragma once
// Pictures of the tool buttons and the program's logo, drawn in code. Every button picture has
// a normal and a disabled state.

#include <QIcon>
#include <QPixmap>

namespace vertal::app {

inline constexpr int kButtonPictureSize = 16;

QIcon ReadPicture();   // read the recorder: an arrow coming out of the processing unit
QIcon OpenPicture();   // an open folder
QIcon ExitPicture();   // a door with an arrow leaving it
QIcon AboutPicture();  // a question mark in a circle

// The program's logo: a crane boom over a gauge, `size` pixels square.
QPixmap LogoPicture(int size);

}  // namespace vertal::app
