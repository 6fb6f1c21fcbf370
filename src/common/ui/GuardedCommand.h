#pragma once
// User commands run so that nothing they throw reaches the toolkit: the toolkit's frames are
// not exception-safe, so a failure is caught where the command starts, shown as an error box
// with its text, and the window goes on.

#include <QObject>
#include <exception>
#include <functional>
#include <string>

#include "common/core/Host.h"

namespace vertal::ui {

// The text of the exception in flight (or `error`); "" for an object that is not an exception.
std::string ExceptionText(std::exception_ptr error);

// Runs `command`; whatever it throws is shown on `host` as an error box.
void RunGuarded(Host& host, const std::function<void()>& command) noexcept;

// Connects `signal` to a handler of `receiver` that runs guarded. The handler may take the
// first arguments of the signal or none.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Receiver* receiver,
                                       Host& host, void (Receiver::*handler)(Args...)) {
  return QObject::connect(sender, signal, receiver, [receiver, &host, handler](Args... args) {
    RunGuarded(host, [&] { (receiver->*handler)(args...); });
  });
}

}  // namespace vertal::ui
