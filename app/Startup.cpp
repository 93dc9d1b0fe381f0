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

// Where the command line chooses a display platform ("-platform NAME" or
// "--platform NAME"): the option's place in argv, or 0 for nowhere.
int platformOptionAt(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return i;
    }
    return 0;
}

// The display platform the toolkit is asked for: the command line's choice,
// else QT_QPA_PLATFORM's, else the system's own. Set before the application
// object reads the command line.
QString requestedPlatform;

QString platformAskedFor(int argc, char** argv)
{
    const int option = platformOptionAt(argc, argv);
    if (option > 0 && option + 1 < argc)
        return QString::fromLocal8Bit(argv[option + 1]);
    const QByteArray fromEnvironment = qgetenv("QT_QPA_PLATFORM");
    return fromEnvironment.isEmpty() ? QString::fromLatin1(kDefaultPlatform) : QString::fromLocal8Bit(fromEnvironment);
}

// Why the platform did not start, as far as the program can tell: for the X11
// and Wayland platforms the display they were to open, otherwise the platform.
QString platformFailure(const QString& platform)
{
    const QString name = platform.section(QLatin1Char(':'), 0, 0);
    const QByteArray x11Display = qgetenv("DISPLAY");
    if (name == QLatin1String("xcb") && !x11Display.isEmpty())
        return QStringLiteral("the X display \"%1\" cannot be opened (is its X server running, and may you use it?), "
                              "so no window can be shown")
            .arg(QString::fromLocal8Bit(x11Display));
    const QByteArray waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    if (name == QLatin1String("wayland") && !waylandDisplay.isEmpty())
        return QStringLiteral("the Wayland display \"%1\" cannot be opened, so no window can be shown")
            .arg(QString::fromLocal8Bit(waylandDisplay));
    return QStringLiteral("the display platform \"%1\" cannot start, so no window can be shown").arg(platform);
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
    if (type == QtFatalMsg)
        endWith(platformFailure(requestedPlatform) + QStringLiteral("; ") + QString::fromLatin1(kHowToStart));
    if (category.startsWith("qt.qpa")) {
        heldWarnings.append({type, category, message});
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

// Started with no locale at all (a service, `env -i`), the C library's
// character type is ASCII, and Qt 6.8 and later warn in four lines that they
// switch it to UTF-8. The program asks for UTF-8 characters itself. Only the
// character type: the number format, which the limit is read in, stays as
// the environment says.
void useUtf8Characters()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return;
    }
    qputenv("LC_CTYPE", "C.UTF-8");
#endif
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
    if (platformOptionAt(argc, argv) > 0)
        return std::nullopt;
    return QStringLiteral("no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); %1")
        .arg(QString::fromLatin1(kHowToStart));
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv)
{
    if (const auto problem = missingDisplayProblem(QProcessEnvironment::systemEnvironment(), argc, argv))
        endWith(*problem);

    useUtf8Characters();
    // The name the desktop knows the program by: its desktop entry, its icon
    // and its software-centre entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(SILTMERE_APP_ID));
    requestedPlatform = platformAskedFor(argc, argv);
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
