#include "common/ui/GuardedCommand.h"

namespace vertal::ui {

std::string ExceptionText(std::exception_ptr error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    // Not an exception object: shown with an empty message.
  }
  return {};
}

void RunGuarded(Host& host, const std::function<void()>& command) noexcept {
  try {
    command();
  } catch (...) {
    try {
      ShowError(host, ExceptionText(std::current_exception()));
    } catch (...) {
      // Showing the failure failed as well; the command is abandoned silently.
    }
  }
}

}  // namespace vertal::ui
