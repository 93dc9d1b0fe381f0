#pragma once

// The last line of defence. The model and the handlers catch nothing: an
// error that leaves an event handler ends the program, after a message box
// that gives the error's number and description. Every handler is connected
// through guarded(), so this is the one place where errors are caught.

#include <QString>

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

namespace siltmere::ui {

// Exit status of a run ended by an error.
inline constexpr int kFatalErrorExitCode = 3;

struct FatalErrorReport {
    int number;
    QString description;
};

// What an exception says to the user: a model error's own number and
// description; 7 "Out of memory"; otherwise 51 "Internal error".
FatalErrorReport describe(const std::exception_ptr& error);

// Shows the message box and ends the process with kFatalErrorExitCode. Ends
// it at once, so that no later step of the failed handler, nor of a handler
// it runs inside, can run.
[[noreturn]] void reportFatalErrorAndExit(const std::exception_ptr& error);

// An event handler whose errors are reported fatally. It takes what the
// handler takes: a signal's arguments reach it, and a handler that takes
// none connects to a signal that has some (the constraint tells Qt how many
// it takes).
template <typename Handler>
struct Guarded {
    Handler handler;

    template <typename... Args>
    requires std::invocable<const Handler&, Args...>
    void operator()(Args&&... args) const
    {
        try {
            std::invoke(handler, std::forward<Args>(args)...);
        } catch (...) {
            reportFatalErrorAndExit(std::current_exception());
        }
    }
};

template <typename Handler>
Guarded<Handler> guarded(Handler handler)
{
    return {std::move(handler)};
}

} // namespace siltmere::ui
