#include "dump/core/OperatorTrailer.h"

#include <algorithm>

#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"

namespace vertal::dump {
namespace {
template <typename Span>
auto Field(Span bytes, std::int64_t offset, std::int64_t size) {
  return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}
}  // namespace

OperatorTrailer ReadOperatorTrailer(std::span<const std::uint8_t, kTrailerSize> bytes) {
  OperatorTrailer t;
  std::copy_n(bytes.begin() + kTrailerDate, 3, t.date.begin());
  const std::span<const std::uint8_t> all(bytes);
  t.name = FieldText(Field(all, kTrailerName, kTrailerNameSize));
  t.organisation = FieldText(Field(all, kTrailerOrg, kTrailerOrgSize));
  t.certificate = FieldText(Field(all, kTrailerCert, kTrailerCertSize));
  t.owner = FieldText(Field(all, kTrailerOwner, kTrailerOwnerSize));
  return t;
}

TrailerBytes WriteOperatorTrailer(const OperatorTrailer& trailer) {
  TrailerBytes bytes{};
  std::copy(trailer.date.begin(), trailer.date.end(), bytes.begin() + kTrailerDate);
  const std::span<std::uint8_t> all(bytes);
  PutFieldText(Field(all, kTrailerName, kTrailerNameSize), trailer.name);
  PutFieldText(Field(all, kTrailerOrg, kTrailerOrgSize), trailer.organisation);
  PutFieldText(Field(all, kTrailerCert, kTrailerCertSize), trailer.certificate);
  PutFieldText(Field(all, kTrailerOwner, kTrailerOwnerSize), trailer.owner);
  CloseRecord(all);
  return bytes;
}

}  // namespace vertal::dump
