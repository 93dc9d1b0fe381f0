// An error that escapes a handler ends the program after a message box that
// gives the error's number and description, and nothing of the failed
// handler's later steps runs. Each case plants a fault in the model of a
// child process, presses the button that meets it, reads the message box the
// child shows and checks how the child ended.

#include "UiTestSupport.h"

#include "FatalError.h"
#include "ModelError.h"

#include <QMessageBox>
#include <QtTest>

#include <iostream>
#include <new>

using namespace siltmere;
using namespace siltmere::test;

namespace {

// The child: a real main window with a planted fault.
int runFaultyWindow(const QString& fault)
{
    ui::Form1 form;
    form.show();

    auto* command1 = control<QPushButton>(form, "Command1");
    auto* command2 = control<QPushButton>(form, "Command2");
    if (fault == "loads") {
        form.model().DepArea(1) = 0; // no area to spread subestuary 1's sediment over
        QTimer::singleShot(0, [command1] { click(command1); });
    } else if (fault == "lookup") {
        QTimer::singleShot(0, [&form, command1, command2] {
            click(command1);
            form.model().ThickIdx = 6; // a thickness row the tables do not have
            click(command2);
        });
    }

    // While the report is shown, the failed handler is stopped where it
    // failed: record what the window shows then, and dismiss the box.
    auto* watcher = new QTimer(&form);
    QObject::connect(watcher, &QTimer::timeout, [&form] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        std::cout << "title=" << box->windowTitle().toStdString() << "\n"
                  << "text=" << box->text().replace('\n', ' ').toStdString() << "\n"
                  << "Command2=" << control<QPushButton>(form, "Command2")->isEnabled() << "\n"
                  << "Command3=" << control<QPushButton>(form, "Command3")->isEnabled() << "\n"
                  << "Text3=" << control<QLineEdit>(form, "Text3")->text().toStdString() << "\n"
                  << "Text11=" << control<QLineEdit>(form, "Text11")->text().toStdString() << "\n"
                  << std::flush;
        box->accept();
    });
    watcher->start(20);
    QApplication::exec();
    std::cout << "event loop returned" << std::endl;
    return 0;
}

} // namespace

class FatalErrorTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedLoadStep_isReportedAndEndsTheRun()
    {
        const ChildRun run = runChild("loads");
        QVERIFY(run.finished);
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, ui::kFatalErrorExitCode);
        QVERIFY2(run.output.contains("text=Run-time error '11':  Division by zero"), qPrintable(run.output));
        QVERIFY(run.output.contains("title=Siltmere"));
        // The step stopped before filling its row and enabling the next step.
        QVERIFY(run.output.contains("Command2=0"));
        QVERIFY(run.output.contains("Text3=0\n"));
        QVERIFY(!run.output.contains("event loop returned"));
    }

    void aFailedLookup_isReportedAndEndsTheRun()
    {
        const ChildRun run = runChild("lookup");
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, ui::kFatalErrorExitCode);
        QVERIFY2(run.output.contains("text=Run-time error '9':  Subscript out of range"), qPrintable(run.output));
        QVERIFY(run.output.contains("Command2=1"));
        QVERIFY(run.output.contains("Command3=0"));
        QVERIFY(run.output.contains("Text3=40909"));
        QVERIFY(run.output.contains("Text11=0\n"));
        QVERIFY(!run.output.contains("event loop returned"));
    }

    void reports_giveNumberAndDescription_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("overflow") << 0 << 6 << "Overflow";
        QTest::newRow("invalid") << 1 << 5 << "Invalid floating-point operation";
        QTest::newRow("memory") << 2 << 7 << "Out of memory";
        QTest::newRow("other") << 3 << 51 << "Internal error: boom";
    }

    void reports_giveNumberAndDescription()
    {
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(QString, description);
        std::exception_ptr error;
        switch (kind) {
        case 0:
            error = std::make_exception_ptr(ModelError::floatingOverflow());
            break;
        case 1:
            error = std::make_exception_ptr(ModelError::invalidOperation());
            break;
        case 2:
            error = std::make_exception_ptr(std::bad_alloc());
            break;
        default:
            error = std::make_exception_ptr(std::runtime_error("boom"));
            break;
        }
        const ui::FatalErrorReport report = ui::describe(error);
        QCOMPARE(report.number, number);
        QCOMPARE(report.description, description);
    }
};

SILTMERE_UI_TEST_MAIN_WITH_CHILD(FatalErrorTest, runFaultyWindow)
#include "FatalErrorTest.moc"
