#pragma once

// Starting the program's application object, and saying plainly why that
// cannot be done. Siltmere is a desktop program: it needs a display to show
// its windows on. Started outside a desktop session (from a plain console,
// over ssh without X forwarding, from a service) or with a display platform
// that cannot start, it ends with one line that says what is wrong and how to
// start it, and exit status kStartupFailureExitCode, instead of the toolkit's
// own abort.

#include <QApplication>
#include <QProcessEnvironment>

#include <memory>
#include <optional>

namespace siltmere::ui {

inline constexpr int kStartupFailureExitCode = 1;

// Whether windows go to a display named by the environment (X11, Wayland), as
// on Linux and the BSDs. Windows and macOS always have their one display.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
inline constexpr bool kDisplayFromEnvironment = true;
#else
inline constexpr bool kDisplayFromEnvironment = false;
#endif

// Why the program cannot show a window in `environment` with these command
// line arguments, or nothing when it may try: a display (X11 or Wayland) or
// an explicitly chosen platform is needed where kDisplayFromEnvironment.
std::optional<QString> missingDisplayProblem(const QProcessEnvironment& environment, int argc, char** argv);

// The application object, or, when there is no display or the platform
// cannot start, the one-line message on standard error and the end of the
// program with kStartupFailureExitCode.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

} // namespace siltmere::ui
