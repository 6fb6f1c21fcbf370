#include "cli/CliSupport.h"

#include <ostream>
#include <utility>

namespace vertal::cli {

CommandResult BadUsage(std::string explanation) {
  CommandResult result;
  result.document = nullptr;
  result.status = ExitStatus::BadUsage;
  result.error = std::move(explanation);
  return result;
}

Json CollectingHost::MessagesJson() const {
  Json texts = Json::array();
  for (const Message& m : messages_) texts.push_back(m.text);
  return texts;
}

DumpSession::DumpSession(std::string path) : context_(std::move(path), host_) {
  dump::AddFileStages(sequence_);
}

bool DumpSession::Run() {
  sequence_.Run(context_);
  return Opened();
}

CommandResult DumpSession::OpenFailure(Json document) const {
  CommandResult result;
  result.document = std::move(document);
  result.status = ExitStatus::CannotOpen;
  for (const Message& m : host_.Messages())
    if (m.kind == MessageKind::Error) result.error = m.text;
  return result;
}

void WriteDocument(std::ostream& out, const Json& document) {
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace vertal::cli
