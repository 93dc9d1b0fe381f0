// The working window opened the ways a planner opens it: F1 on a result box
// clicked or reached with Tab, a filled box's context menu, F1 where no box
// has the focus, and in the overview F1, Enter and a cell's context menu.
// Each time it must show the working of exactly that box, ending in the text
// the box shows, and follow the boxes and inputs as they change.

#include "UiTestSupport.h"

#include "OverviewWindow.h"
#include "WorkingWindow.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

const QString kEntry = QStringLiteral("How was this worked out?");

// How the working is asked for.
enum class Way { ClickAndF1, TabAndF1, BoxMenu, F1Elsewhere, Enter, CellMenu };

} // namespace

Q_DECLARE_METATYPE(Way)

namespace {

// The first line of a working names its result and subestuary.
QString titleOf(ResultRowId row, int k)
{
    static const std::array<QString, kRowCount> kNames{
        QStringLiteral("Critical total load"), QStringLiteral("Exceedances under the existing land use"),
        QStringLiteral("Exceedances under earthworks with controls"), QStringLiteral("Percentage increase")};
    return QStringLiteral("%1, subestuary %2").arg(kNames.at(indexOf(row))).arg(k);
}

// Chooses the entry in the context menu about to open, from the keyboard.
void chooseInNextMenu(QObject* context, const QString& entry, QStringList* seen = nullptr)
{
    QTimer::singleShot(0, context, [entry, seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (seen)
                *seen << action->text();
            if (action->text() == entry)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, menu->activeAction() ? Qt::Key_Return : Qt::Key_Escape);
    });
}

struct Main : MainWindow {
    Main() { activate(); }

    ui::WorkingWindow* working() const
    {
        ui::WorkingWindow* window = form.workingWindow();
        if (window && !QTest::qWaitForWindowExposed(window))
            qFatal("working window not exposed");
        return window;
    }
    void f1() const { QTest::keyClick(focus(), Qt::Key_F1); }
};

// The working shown is that of the box: its title, and its last line ending
// in the box's text as the box shows it.
void verifyShows(const ui::WorkingWindow* window, ResultRowId row, int k, const QString& boxText)
{
    QVERIFY(window);
    const QStringList lines = window->document().text.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), titleOf(row, k));
    QVERIFY2(lines.last().endsWith(QStringLiteral(": ") + boxText), qPrintable(lines.last()));
    // What a screen reader reads is the same text.
    QVERIFY(window->browser().toPlainText().contains(titleOf(row, k)));
}

} // namespace

class WorkingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void mainWindow_opensTheWorkingOfTheBoxInHand_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("k");
        QTest::newRow("percentage of subestuary 2 clicked, then F1") << Way::ClickAndF1 << 3 << 2;
        QTest::newRow("critical load of subestuary 3 reached with Tab, then F1") << Way::TabAndF1 << 0 << 3;
        QTest::newRow("scenario count of subestuary 4 from its context menu") << Way::BoxMenu << 2 << 4;
        QTest::newRow("baseline count of subestuary 6 from its context menu") << Way::BoxMenu << 1 << 6;
        QTest::newRow("F1 in the limit box: the last row filled, subestuary 1") << Way::F1Elsewhere << 3 << 1;
    }

    void mainWindow_opensTheWorkingOfTheBoxInHand()
    {
        QFETCH(Way, way);
        QFETCH(int, row);
        QFETCH(int, k);
        Main w;
        clickRow(w.list, 0);
        w.allSteps();
        const auto rowIndex = static_cast<std::size_t>(row);
        QLineEdit* box = resultBox(w.form, rowIndex, k);
        const Snapshot before = snapshot(w.form);
        switch (way) {
        case Way::ClickAndF1:
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(w.focus(), box);
            w.f1();
            break;
        case Way::TabAndF1:
            w.tabTo(box->objectName());
            w.f1();
            break;
        case Way::BoxMenu: {
            QStringList entries;
            chooseInNextMenu(this, kEntry, &entries);
            emit box->customContextMenuRequested(QPoint(4, 4));
            // Offered before the window's own entries.
            QVERIFY(entries.indexOf(kEntry) >= 0);
            QVERIFY(entries.indexOf(kEntry) < entries.indexOf(QStringLiteral("Copy results")));
            break;
        }
        case Way::F1Elsewhere:
            w.limit->setFocus(Qt::TabFocusReason);
            w.f1();
            break;
        case Way::Enter:
        case Way::CellMenu:
            QFAIL("not a way of the main window");
        }
        ui::WorkingWindow* working = w.working();
        verifyShows(working, static_cast<ResultRowId>(row), k, box->text());
        QCOMPARE(working->windowTitle(), QStringLiteral("Siltmere Working"));
        QVERIFY(!working->parent());
        QVERIFY(!working->isModal());
        QVERIFY2(snapshot(w.form) == before, "opening the working changed the main window");

        // The one action, with F1, that a menu bar can hold too.
        QAction* action = w.form.workingAction();
        QVERIFY(action);
        QCOMPARE(action->text(), kEntry);
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F1));
        // Asked again, the same window.
        action->trigger();
        QCOMPARE(w.form.workingWindow(), working);
    }

    void mainWindow_aClearedBoxOffersNoWorkingButF1SaysTheStepToTakeFirst()
    {
        Main w;
        QStringList entries;
        chooseInNextMenu(this, QString(), &entries);
        emit resultBox(w.form, Percentage, 2)->customContextMenuRequested(QPoint(4, 4));
        QVERIFY(!entries.isEmpty());
        QVERIFY(!entries.contains(kEntry));
        w.activate();
        w.list->setFocus(Qt::TabFocusReason);
        w.f1();
        const QString text = w.working()->document().text;
        QVERIFY2(text.contains(QStringLiteral("take the step \u201cCalculate: Critical Total Loads\u201d first")),
                 qPrintable(text));
    }

    void workingWindow_followsTheBoxPickedNextAndTheInputs()
    {
        Main w;
        w.allSteps();
        QTest::mouseClick(resultBox(w.form, Percentage, 2), Qt::LeftButton);
        w.f1();
        ui::WorkingWindow* working = w.working();
        verifyShows(working, ResultRowId::Percentage, 2, resultBox(w.form, Percentage, 2)->text());

        // Another box clicked in the main window.
        w.activate();
        QTest::mouseClick(resultBox(w.form, CriticalLoads, 5), Qt::LeftButton);
        verifyShows(working, ResultRowId::CriticalLoads, 5, resultBox(w.form, CriticalLoads, 5)->text());
        // Coming back to the window is no pick.
        working->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(working));
        w.activate();
        verifyShows(working, ResultRowId::CriticalLoads, 5, resultBox(w.form, CriticalLoads, 5)->text());

        // A new thickness clears the loads: the step to take first; the
        // step again, the new load.
        clickRow(w.list, 4);
        QVERIFY(working->document().text.contains(QStringLiteral("\u201cCalculate: Critical Total Loads\u201d first")));
        click(w.command1);
        verifyShows(working, ResultRowId::CriticalLoads, 5, resultBox(w.form, CriticalLoads, 5)->text());
        QVERIFY(working->document().text.contains(QStringLiteral("20 mm = 0.02 m")));
    }

    void overview_opensTheWorkingOfTheCellInHand_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<int>("table"); // kScenarios index; 2: the loads
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("k");
        QTest::newRow("F1 on 5 mm with controls, subestuary 3") << Way::ClickAndF1 << 0 << 2 << 3;
        QTest::newRow("Enter on 1 mm without controls, subestuary 2") << Way::Enter << 1 << 0 << 2;
        QTest::newRow("context menu of 10 mm with controls, subestuary 5") << Way::CellMenu << 0 << 3 << 5;
        QTest::newRow("F1 on the critical load at 20 mm, subestuary 6") << Way::ClickAndF1 << 2 << 4 << 6;
    }

    void overview_opensTheWorkingOfTheCellInHand()
    {
        QFETCH(Way, way);
        QFETCH(int, table);
        QFETCH(int, thickness);
        QFETCH(int, k);
        Main w;
        ui::OverviewWindow* overview = w.openOverview();
        QVERIFY(overview);
        const bool loads = table == 2;
        QTableWidget& cells =
            loads ? overview->loadsTable() : overview->percentageTable(static_cast<std::size_t>(table));
        const QModelIndex cell = cells.model()->index(thickness, k - 1);
        cells.setFocus(Qt::TabFocusReason);
        cells.setCurrentIndex(cell);
        switch (way) {
        case Way::ClickAndF1:
            QTest::keyClick(&cells, Qt::Key_F1);
            break;
        case Way::Enter:
            QTest::keyClick(&cells, Qt::Key_Return);
            break;
        case Way::CellMenu:
            cells.setCurrentIndex(cells.model()->index(0, 0));
            chooseInNextMenu(this, kEntry);
            emit cells.customContextMenuRequested(cells.visualRect(cell).center());
            break;
        case Way::TabAndF1:
        case Way::BoxMenu:
        case Way::F1Elsewhere:
            QFAIL("not a way of the overview");
        }
        const Assessment& assessment = overview->results().assessment(loads ? 0 : static_cast<std::size_t>(table),
                                                                      static_cast<std::size_t>(thickness));
        const ResultRowId row = loads ? ResultRowId::CriticalLoads : ResultRowId::Percentage;
        // The cell's own first word: the load, or the percentage.
        const QString shown = cells.item(thickness, k - 1)->text().section(QLatin1Char(' '), 0, 0).section('\n', 0, 0);
        ui::WorkingWindow* working = w.working();
        QVERIFY(working);
        verifyShows(working, row, k, shown);
        const QString text = working->document().text;
        QVERIFY(text.contains(ui::toQString(kThicknessChoices.at(static_cast<std::size_t>(thickness)).label)));
        if (!loads)
            QVERIFY(text.contains(ui::toQString(kScenarios.at(static_cast<std::size_t>(table)).spokenName)));
        QVERIFY(text.contains(QStringLiteral("From the overview")));
        QCOMPARE(assessment.box(row, k).text, shown.toStdString());
    }

    void copy_putsTheWholeWorkingOnTheClipboardAsTextAndHtml_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+C") << false;
        QTest::newRow("the context menu's Copy working") << true;
    }

    void copy_putsTheWholeWorkingOnTheClipboardAsTextAndHtml()
    {
        QFETCH(bool, byMenu);
        Main w;
        w.allSteps();
        QTest::mouseClick(resultBox(w.form, Percentage, 3), Qt::LeftButton);
        w.f1();
        ui::WorkingWindow* working = w.working();
        QVERIFY(QTest::qWaitForWindowActive(working));
        QGuiApplication::clipboard()->clear();
        QTextBrowser& browser = working->browser();
        // A part selected: still the whole working.
        browser.selectAll();
        QTextCursor cursor = browser.textCursor();
        cursor.setPosition(3);
        cursor.setPosition(9, QTextCursor::KeepAnchor);
        browser.setTextCursor(cursor);
        if (byMenu) {
            chooseInNextMenu(this, QStringLiteral("Copy working"));
            emit browser.customContextMenuRequested(QPoint(10, 10));
        } else {
            browser.setFocus();
            QTest::keyClick(&browser, Qt::Key_C, Qt::ControlModifier);
        }
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied);
        // The window's working, and under its title what a pasted copy must
        // still say: which Siltmere made it, when, and every input.
        QStringList lines = copied->text().split(QLatin1Char('\n'));
        const QString stamp = lines.takeAt(1);
        QCOMPARE(lines.join(QLatin1Char('\n')), working->document().text);
        const QRegularExpression stamped(QStringLiteral(
            "^Copied from Siltmere \\d+\\.\\d+\\.\\d+ on \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d UTC[+-]\\d\\d:\\d\\d; the "
            "assessment's inputs: critical deposition thickness 5 mm, scenario earthworks with controls, "
            "acceptability limit 20 %\\.$"));
        QVERIFY2(stamped.match(stamp).hasMatch(), qPrintable(stamp));
        QVERIFY(copied->html().contains(QStringLiteral("<p>%1</p>").arg(stamp.toHtmlEscaped())));
        QCOMPARE(copied->html().remove(QStringLiteral("<p>%1</p>\n").arg(stamp.toHtmlEscaped())),
                 working->document().html);
        QVERIFY(copied->text().startsWith(titleOf(ResultRowId::Percentage, 3)));
        QVERIFY(copied->text().trimmed().endsWith(QStringLiteral(": ") + resultBox(w.form, Percentage, 3)->text()));
    }
};

SILTMERE_UI_TEST_MAIN(WorkingWindowTest)
#include "WorkingWindowTest.moc"
