#pragma once
// Writes a document as nlohmann's dump with an indent of 2 writes it, byte for byte, with the
// controls written item by item straight to the output instead of built as a tree first: the
// result lists of one file can hold half a million items.

#include <iosfwd>

#include "cli/CliSupport.h"

namespace vertal::cli {

// Writes `document` followed by a line break; its member kControlsKey, a placeholder, is
// written as `controls`. Bytes that are not UTF-8 are replaced, as in WriteDocument.
void WriteStreamedDocument(std::ostream& out, const Json& document, const ControlSnapshot& controls);

}  // namespace vertal::cli
