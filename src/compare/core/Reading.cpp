#include "compare/core/Reading.h"

#include <algorithm>

namespace vertal::compare {

std::optional<Reading> LoadReading(const std::string& path, std::string_view separator) {
  auto indexed = recording::ReadIndexed(path, recording::Digest::Skip);
  if (!indexed) return std::nullopt;
  Reading r{path, std::move(*indexed), {}, {}, {}};
  const recording::RecordingImage& image = r.recording.image;
  std::copy(image.LongTerm().begin(), image.LongTerm().end(), r.head.longTerm.begin());
  std::copy(image.Trailer().begin(), image.Trailer().end(), r.head.trailer.begin());
  r.head.fileSize = image.fileSize;
  r.pages = dump::PresentServicePages(r.head, separator);
  // The loaded operating time is read where the page shows it.
  r.info = dump::ReadLongTermInfo(r.head.longTerm, r.pages.service.loadedTime.has_value());
  return r;
}

std::string IdentificationText(const Reading& r) { return IdentificationText(r.pages.service); }

std::string IdentificationText(const dump::ServicePageModel& s) {
  return "ограничитель зав. № " + s.limiterSerial + ", кран " + s.crane + " № " + s.craneSerial;
}

bool SameCrane(const dump::LongTermInfo& a, const dump::LongTermInfo& b) {
  return a.limiterSerial == b.limiterSerial && a.craneSerial == b.craneSerial &&
         a.craneModel == b.craneModel;
}

bool SameCrane(const Reading& a, const Reading& b) { return SameCrane(a.info, b.info); }

}  // namespace vertal::compare
