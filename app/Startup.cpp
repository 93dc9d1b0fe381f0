#include "Startup.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace siltmere::ui {

namespace {

#if defined(Q_OS_WIN)
constexpr char kDefaultPlatform[] = "windows";
#elif defined(Q_OS_MACOS)
constexpr char kDefaultPlatform[] = "cocoa";
#else
constexpr char kDefaultPlatform[] = "xcb";
#endif

constexpr char kHowToStart[] =
    "start Siltmere from a desktop session (its menu entry, or a terminal inside the desktop)";

bool platformChosenOnCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

[[noreturn]] void endWith(const QString& problem)
{
    std::fprintf(stderr, "siltmere: %s\n", qPrintable(problem));
    std::fflush(stderr);
    std::_Exit(kStartupFailureExitCode);
}

// While the application object starts its platform, the toolkit reports a
// platform that cannot start as a fatal message (and would abort, telling the
// user to reinstall). This catches that message and the platform's warnings
// before it, and ends with one plain line instead.
QtMessageHandler previousHandler = nullptr;
QList<std::tuple<QtMsgType, QByteArray, QString>> heldWarnings;

void duringPlatformStart(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QByteArray category = context.category ? QByteArray(context.category) : QByteArray();
    if (type == QtFatalMsg) {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        endWith(QStringLiteral("the display platform \"%1\" cannot start, so no window can be shown; %2")
                    .arg(platform.isEmpty() ? QString::fromLatin1(kDefaultPlatform) : QString::fromLocal8Bit(platform),
                         QString::fromLatin1(kHowToStart)));
    }
    if (category.startsWith("qt.qpa")) {
        heldWarnings.append({type, category, message});
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

std::optional<QString> missingDisplayProblem(const QProcessEnvironment& environment, int argc, char** argv)
{
    if (!kDisplayFromEnvironment)
        return std::nullopt;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!environment.value(QString::fromLatin1(name)).isEmpty())
            return std::nullopt;
    }
    if (platformChosenOnCommandLine(argc, argv))
        return std::nullopt;
    return QStringLiteral("no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); %1")
        .arg(QString::fromLatin1(kHowToStart));
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv)
{
    if (const auto problem = missingDisplayProblem(QProcessEnvironment::systemEnvironment(), argc, argv))
        endWith(*problem);

    // The name the desktop knows the program by: its desktop entry, its icon
    // and its software-centre entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(SILTMERE_APP_ID));
    previousHandler = qInstallMessageHandler(duringPlatformStart);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    // The platform started after all: its warnings are worth seeing.
    for (const auto& [type, category, message] : heldWarnings) {
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(type, context, message);
    }
    heldWarnings.clear();
    return app;
}

} // namespace siltmere::ui
