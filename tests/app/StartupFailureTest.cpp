// Started where no window can be shown, the program ends with one plain line
// that says what is wrong and how to start it, and exit status 1, instead of
// the toolkit's abort. The program itself runs in a child process.

#include "Startup.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace siltmere;

namespace {

QString programPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(SILTMERE_PROGRAM));
}

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString errors;
    QString output;
};

Run runProgram(const QProcessEnvironment& environment, const QStringList& arguments = {})
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(programPath(), arguments);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
    }
    return {program.exitCode(), program.exitStatus(), QString::fromLocal8Bit(program.readAllStandardError()),
            QString::fromLocal8Bit(program.readAllStandardOutput())};
}

QProcessEnvironment environmentOf(const QStringList& variables)
{
    QProcessEnvironment environment;
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    return environment;
}

} // namespace

class StartupFailureTest : public QObject {
    Q_OBJECT

private slots:
    void missingDisplay_isFoundBeforeTheToolkitStarts_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("problem");
        // Only where the display comes from the environment can it be missing.
        const bool missing = ui::kDisplayFromEnvironment;
        QTest::newRow("nothing set") << QStringList{} << QStringList{} << missing;
        QTest::newRow("only unrelated variables")
            << QStringList{"HOME=/root", "LANG=C.UTF-8"} << QStringList{} << missing;
        QTest::newRow("empty DISPLAY") << QStringList{"DISPLAY="} << QStringList{} << missing;
        QTest::newRow("X display") << QStringList{"DISPLAY=:0"} << QStringList{} << false;
        QTest::newRow("Wayland display") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QStringList{} << false;
        QTest::newRow("platform chosen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << QStringList{} << false;
        QTest::newRow("platform on the command line")
            << QStringList{} << QStringList{"-platform", "offscreen"} << false;
    }

    void missingDisplay_isFoundBeforeTheToolkitStarts()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(bool, problem);
        QList<QByteArray> storage{"siltmere"};
        for (const QString& argument : arguments)
            storage.append(argument.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& argument : storage)
            argv.push_back(argument.data());
        const auto found =
            ui::missingDisplayProblem(environmentOf(environment), static_cast<int>(argv.size()), argv.data());
        QCOMPARE(found.has_value(), problem);
        if (found)
            QVERIFY(found->contains("desktop session"));
    }

    void programWithoutADisplay_endsWithOnePlainLine_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        if (!ui::kDisplayFromEnvironment)
            QSKIP("Windows and macOS always have a display, and there the toolkit reports a platform that cannot "
                  "start in a message box of its own, which a test run cannot dismiss");
        const QStringList none;
        QTest::newRow("empty environment") << none << none << "no display";
        QTest::newRow("only a home and a language") << QStringList{"HOME=/tmp", "LANG=C.UTF-8"} << none << "no display";
        QTest::newRow("an X display nobody serves")
            << QStringList{"DISPLAY=:97531"} << none << "X display \":97531\" cannot be opened";
        // With no locale variables either: nothing but the program's own line.
        QTest::newRow("a platform that does not exist")
            << QStringList{"QT_QPA_PLATFORM=nonexistent"} << none << "display platform \"nonexistent\" cannot start";
        QTest::newRow("a platform that does not exist, on the command line")
            << QStringList{"DISPLAY=:97531"} << QStringList{"-platform", "nonexistent"}
            << "display platform \"nonexistent\" cannot start";
    }

    void programWithoutADisplay_endsWithOnePlainLine()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        const Run run = runProgram(environmentOf(environment), arguments);
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, ui::kStartupFailureExitCode);
        QVERIFY2(run.errors.endsWith('\n') && run.errors.count('\n') == 1, qPrintable(run.errors));
        QVERIFY2(run.errors.startsWith("siltmere: "), qPrintable(run.errors));
        QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
        QVERIFY2(run.errors.contains("start Siltmere from a desktop session"), qPrintable(run.errors));
        QVERIFY2(!run.errors.contains("Reinstalling"), qPrintable(run.errors));
        QVERIFY(run.output.isEmpty());
    }

    // The check lets a real platform through: the offscreen one starts, and
    // the program runs until it is ended.
    void programWithAPlatform_starts()
    {
        QProcess program;
        program.setProcessEnvironment(environmentOf({"QT_QPA_PLATFORM=offscreen"}));
        program.start(programPath(), {});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500));
        program.kill();
        program.waitForFinished();
        QVERIFY2(!program.readAllStandardError().contains("siltmere:"), "no start-up failure reported");
    }
};

QTEST_GUILESS_MAIN(StartupFailureTest)
#include "StartupFailureTest.moc"
