#include "frames/core/FrameTable.h"

#include "frames/core/FrameRecord.h"
#include "records/core/RecordRule.h"

namespace vertal::frames {

const records::TableLayout& FrameTableLayout() {
  static const records::TableLayout layout{
      dump::kFrames,
      "StringGrid_O_Otb",
      kFrameTableColumns,
      kFrameTableRows,
      [](ByteSpan record, std::string_view separator) {
        const auto texts = FrameFieldTexts(record.first<kFrameSize>(), separator);
        return std::vector<std::string>(texts.begin(), texts.end());
      },
      &records::RuleValid<FrameRule>,
  };
  return layout;
}

}  // namespace vertal::frames
