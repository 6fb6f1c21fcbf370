#pragma once
// The picture of the search buttons: a magnifying glass over a page of records. The disabled
// state is derived from it.

#include <QIcon>

namespace vertal::ui {

QIcon FindPicture();

}  // namespace vertal::ui
