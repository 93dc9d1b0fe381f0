// The background window: opened by "Background", hidden by "Close",
// destroyed by its title bar, and never keeping the program alive after the
// planner closes the main window.

#include "UiTestSupport.h"

#include "Form2.h"
#include "Form2Layout.h"
#include "FormBuilder.h"

#include <QFile>
#include <QPointer>
#include <QtTest>

#include <iostream>

using namespace siltmere;
using namespace siltmere::test;
using namespace siltmere::ui;

namespace {

int backgroundWindowCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Form2*>(widget))
            ++count;
    return count;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The child: both windows, the background one open or hidden, then the main
// window closed as its title bar would.
int runAndCloseMainWindow(const QString& backgroundState)
{
    MainWindow w;
    Form2* form2 = w.openBackground();
    if (backgroundState == "hidden")
        click(control<QPushButton>(*form2, "Command1"));
    QTimer::singleShot(50, [&w] { w.form.close(); });
    const int status = QApplication::exec();
    std::cout << "ended " << status << std::endl;
    return status;
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        flushDeletes();
        QCOMPARE(backgroundWindowCount(), 0);
    }

    void background_opensTheWindowInItsDesignState()
    {
        MainWindow w;
        QVERIFY(!w.form.backgroundWindow());
        Form2* form2 = w.openBackground();
        QVERIFY(form2);
        QVERIFY(form2->isVisible());
        QVERIFY(!form2->isModal());
        QVERIFY(!form2->parentWidget()); // no owner: either window can lie in front
        // Its title, and its texts read whole: ScreenReaderTest.
        QCOMPARE(form2->size(), QSize(704, 783));
        // Worked out by hand from the design's twips, 15 to the pixel.
        QCOMPARE(control<QLabel>(*form2, "Label1")->geometry(), QRect(16, 16, 673, 129));
        QCOMPARE(control<QLabel>(*form2, "Picture1")->geometry(), QRect(96, 152, 500, 500));
        QCOMPARE(control<QLabel>(*form2, "Label2")->geometry(), QRect(16, 688, 665, 41));
        QCOMPARE(control<QPushButton>(*form2, "Command1")->geometry(), QRect(528, 744, 169, 25));
        QCOMPARE(control<QLabel>(*form2, "Label1")->text(), toQString(form2::kIntroduction));
        QVERIFY(control<QLabel>(*form2, "Label1")->text().startsWith("This tool predicts the frequency"));
        QCOMPARE(control<QPushButton>(*form2, "Command1")->text(), QStringLiteral("Close"));
        delete form2;
    }

    void diagram_isShownAtItsNaturalSizeInsideASunkenBorder()
    {
        MainWindow w;
        Form2* form2 = w.openBackground();
        auto* picture = control<QLabel>(*form2, "Picture1");
        QCOMPARE(picture->size(), QSize(500, 500));
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(),
                 QSize(form2::kDiagramPixels, form2::kDiagramPixels));
        QVERIFY(!picture->hasScaledContents());
        QCOMPARE(picture->contentsRect(), QRect(2, 2, 496, 496));
        QCOMPARE(picture->frameShadow(), QFrame::Sunken);

        // One picture pixel to one screen pixel, from the top-left corner.
        const QImage source = picture->pixmap().toImage();
        const QImage shown = picture->grab().toImage();
        for (const QPoint p : {QPoint(0, 0), QPoint(247, 30), QPoint(450, 250), QPoint(495, 495), QPoint(100, 300)})
            QCOMPARE(shown.pixelColor(p + QPoint(2, 2)), source.pixelColor(p));

        // The diagram itself: 24-bit RGB (PNG colour type 2, 8 bits a channel).
        QFile file(":/assets/catchment.png");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(26);
        QCOMPARE(header.mid(1, 3), QByteArray("PNG"));
        QCOMPARE(int(header.at(24)), 8);
        QCOMPARE(int(header.at(25)), 2);
        delete form2;
    }

    void focus_startsOnCloseAndTabMovesToTheDiagram()
    {
        MainWindow w;
        Form2* form2 = w.openBackground();
        form2->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form2));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        delete form2;
    }

    void backgroundTwice_opensOneWindow()
    {
        MainWindow w;
        Form2* first = w.openBackground();
        Form2* second = w.openBackground();
        QCOMPARE(second, first);
        QCOMPARE(backgroundWindowCount(), 1);
        QVERIFY(first->isVisible());
        delete first;
    }

    void closeThenBackground_showsTheSameWindowWhereItWas()
    {
        MainWindow w;
        Form2* form2 = w.openBackground();
        form2->move(form2->pos() + QPoint(40, 30));
        const QPoint where = form2->pos();
        click(control<QPushButton>(*form2, "Command1"));
        QVERIFY(!form2->isVisible());
        flushDeletes();
        QCOMPARE(w.form.backgroundWindow(), form2); // hidden, not destroyed
        QCOMPARE(w.openBackground(), form2);
        QVERIFY(form2->isVisible());
        QCOMPARE(form2->pos(), where);
        delete form2;
    }

    void titleBarClose_destroysItAndTheNextOpenCreatesItAfresh()
    {
        MainWindow w;
        QPointer<Form2> first = w.openBackground();
        control<QLabel>(*first, "Label1")->setText("changed"); // would show if reused
        first->close();
        flushDeletes();
        QVERIFY(first.isNull());
        QVERIFY(!w.form.backgroundWindow());
        Form2* second = w.openBackground();
        QVERIFY(second);
        QCOMPARE(control<QLabel>(*second, "Label1")->text(), toQString(form2::kIntroduction));
        QCOMPARE(second->size(), QSize(704, 783));
        delete second;
    }

    void theMainWindowKeepsWorkingWhileTheBackgroundIsShown()
    {
        MainWindow w;
        Form2* form2 = w.openBackground();
        click(w.command1);
        click(w.command2);
        clickOption(w.option2);
        click(w.command2);
        click(w.command3);
        QCOMPARE(control<QLineEdit>(w.form, "Text20")->text(), QStringLiteral("16"));
        QCOMPARE(control<QLineEdit>(w.form, "Text29")->text(), QStringLiteral("78%"));
        clickRow(w.list, 4);
        QCOMPARE(w.form.model().ThickIdx, std::int16_t{5});
        QTest::keyClick(w.limit, Qt::Key_End);
        QTest::keyClicks(w.limit, "5");
        QCOMPARE(w.limit->text(), QStringLiteral("205"));
        QVERIFY(form2->isVisible());
        delete form2;
    }

    void closingTheMainWindow_endsTheRun_data()
    {
        QTest::addColumn<QString>("backgroundState");
        QTest::newRow("background shown") << "shown";
        QTest::newRow("background hidden") << "hidden";
    }

    void closingTheMainWindow_endsTheRun()
    {
        QFETCH(QString, backgroundState);
        const ChildRun run = runChild(backgroundState);
        QVERIFY2(run.finished, "the program went on running after its main window was closed");
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.output.contains("ended 0"));
    }
};

SILTMERE_UI_TEST_MAIN_WITH_CHILD(Form2Test, runAndCloseMainWindow)
#include "Form2Test.moc"
