// The overview against the main window it opens from. Its numbers are checked
// against what the main window itself shows after its three steps for every
// thickness and scenario, and its copied tables against the main window's own
// copied results: two independent routes through the model must agree.

#include "UiTestSupport.h"

#include "ExceedanceChart.h"
#include "OverviewWindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

struct WithOverview : MainWindow {
    WithOverview() { activate(); }

    ui::OverviewWindow& open()
    {
        ui::OverviewWindow* overview = openOverview();
        if (!overview)
            qFatal("the shortcut opened no overview");
        return *overview;
    }
    // The main window's three steps for thickness position t and scenario s.
    void stepsFor(int t, std::size_t s) const
    {
        clickRow(list, t);
        clickOption(s == 0 ? option1 : option2);
        allSteps();
    }
};

QStringList cellLines(const QTableWidget& table, int row, int column)
{
    return table.item(row, column)->text().split(QLatin1Char('\n'));
}

QString accessibleName(QTableWidget& table, int row, int column)
{
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&table);
    QAccessibleInterface* cell = view->tableInterface()->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QString();
}

QStringList linesStartingWith(const QString& text, const QString& start)
{
    QStringList found;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(start))
            found << line.mid(start.size());
    }
    return found;
}

} // namespace

class OverviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A window of its own beside the main window, opened once: the
    // shortcut and the menus' entries are one command (MenuBarTest).
    void opens_once_asAWindowOfItsOwn()
    {
        WithOverview w;
        const Snapshot before = snapshot(w.form);
        QAction* entry = windowAction(w.form, QStringLiteral("Overview of all thicknesses and scenarios\u2026"));
        QVERIFY(entry);
        ui::OverviewWindow* overview = &w.open();
        QVERIFY(overview->isVisible());
        QVERIFY(!overview->parent());
        QVERIFY(!overview->isModal());
        // Opening it again brings the same window forward.
        entry->trigger();
        QCOMPARE(w.form.overviewWindow(), overview);
        QVERIFY2(snapshot(w.form) == before, "opening the overview changed the main window");
    }

    void everyCell_equalsTheMainWindowAfterItsThreeSteps_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::newRow("20") << "20";
        QTest::newRow("50: 12 to 18 events is exactly on it") << "50";
        // 8 to 11 events is an increase of 37.5 %, shown "38%": on the limit,
        // so within it, though the rounded text is above.
        QTest::newRow("37.5: 8 to 11 events is exactly on it") << "37.5";
    }

    void everyCell_equalsTheMainWindowAfterItsThreeSteps()
    {
        QFETCH(QString, limit);
        WithOverview w;
        ui::OverviewWindow& overview = w.open();
        // The overview follows the limit as it is typed in the main window.
        typeLimit(w.limit, limit);
        QCOMPARE(overview.results().limitText(), limit);

        for (int t = 0; t < kThicknesses; ++t) {
            for (std::size_t s = 0; s < kScenarios.size(); ++s) {
                w.stepsFor(t, s);
                const QString where = QStringLiteral("limit %1, thickness %2, scenario %3").arg(limit).arg(t).arg(s);
                const Snapshot main = snapshot(w.form);
                QTableWidget& table = overview.percentageTable(s);
                int outlined = 0;
                for (int k = 1; k <= kSubestuaries; ++k) {
                    const auto i = static_cast<std::size_t>(k - 1);
                    const QStringList lines = cellLines(table, t, k - 1);
                    QCOMPARE(lines.size(), 2);
                    QVERIFY2(lines[0].split(QLatin1Char(' ')).first() == main.rows[Percentage][i].text,
                             qPrintable(where + ": " + lines[0]));
                    QCOMPARE(table.item(t, k - 1)->background().color(), main.rows[Percentage][i].back);
                    QCOMPARE(
                        lines[1],
                        QStringLiteral("%1 \u2192 %2").arg(main.rows[Baseline][i].text, main.rows[Scenario][i].text));
                    QCOMPARE(overview.loadsTable().item(t, k - 1)->text(), main.rows[CriticalLoads][i].text);
                    for (std::size_t other = 0; other < kScenarios.size(); ++other) {
                        for (int row = 0; row < kThicknesses; ++row) {
                            if (accessibleName(overview.percentageTable(other), row, k - 1)
                                    .endsWith(QStringLiteral("chosen in the main window")))
                                ++outlined;
                        }
                    }
                }
                // The combination the main window holds now, and only it,
                // is marked.
                QVERIFY2(outlined == kSubestuaries, qPrintable(where));
                for (int k = 1; k <= kSubestuaries; ++k) {
                    QVERIFY(accessibleName(table, t, k - 1).endsWith(QStringLiteral("chosen in the main window")));
                }
            }
        }
    }

    void copy_givesOneBlockPerTable_asTheMainWindowCopiesItsResults_data()
    {
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("scenario");
        QTest::newRow("5 mm, with controls") << 2 << 0;
        QTest::newRow("10 mm, without controls") << 3 << 1;
    }

    void copy_givesOneBlockPerTable_asTheMainWindowCopiesItsResults()
    {
        QFETCH(int, thickness);
        QFETCH(int, scenario);
        const auto s = static_cast<std::size_t>(scenario);
        WithOverview w;
        w.stepsFor(thickness, s);
        QTest::keyClick(w.focus(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString main = QGuiApplication::clipboard()->text();
        const QString mainHtml = QGuiApplication::clipboard()->mimeData()->html();

        w.open();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        const QString html = QGuiApplication::clipboard()->mimeData()->html();

        const QStringList blocks = copied.split(QStringLiteral("\n\n"));
        QCOMPARE(blocks.size(), static_cast<qsizetype>(kScenarios.size() + 1));
        QCOMPARE(html.count(QStringLiteral("<table")), blocks.size());

        const QString label = ui::toQString(kThicknessChoices[static_cast<std::size_t>(thickness)].label);
        const QString& block = blocks[scenario];
        const QString caption = ui::toQString(kScenarios[s].caption);
        QVERIFY(block.startsWith(QStringLiteral("Percentage increase, %1\t").arg(caption)));
        QCOMPARE(linesStartingWith(block, label + QLatin1Char('\t')),
                 linesStartingWith(main, QStringLiteral("Percentage increase\t")));
        QCOMPARE(linesStartingWith(block, label + QStringLiteral(" verdict\t")),
                 linesStartingWith(main, QStringLiteral("Verdict\t")));
        QCOMPARE(linesStartingWith(block, label + QStringLiteral(" existing land use\t")),
                 linesStartingWith(main, QStringLiteral("Exceedances over 25 years, existing land use\t")));
        QCOMPARE(linesStartingWith(block, label + QLatin1Char(' ') + caption + QLatin1Char('\t')),
                 linesStartingWith(main, QStringLiteral("Exceedances over 25 years, scenario\t")));
        QCOMPARE(linesStartingWith(blocks.last(), label + QLatin1Char('\t')),
                 linesStartingWith(main, QStringLiteral("Critical total load (tonnes per event)\t")));
        // The percentages go to a spreadsheet on the colours, and as the
        // numbers, that the main window's copy gives them.
        QRegularExpression percentCell(QStringLiteral("<td [^>]*bgcolor[^>]*>[^<]*%</td>"));
        for (const QRegularExpressionMatch& cell : percentCell.globalMatch(mainHtml))
            QVERIFY2(html.contains(cell.captured(0)), qPrintable(cell.captured(0)));
    }

    void screenReader_readsEachCellWithItsContext_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("name");
        QTest::newRow("above the limit") << 0 << 2 << 2
                                         << "5 mm, subestuary 2, earthworks with controls: 56 %, above the limit; "
                                            "9 to 14 events";
        QTest::newRow("within the limit") << 0 << 2 << 5
                                          << "5 mm, subestuary 5, earthworks with controls: 20 %, within the limit; "
                                             "15 to 18 events";
        QTest::newRow("no increase to compare") << 1 << 0 << 1
                                                << "1 mm, subestuary 1, earthworks without controls: n/a, no "
                                                   "exceedances under the existing land use; 0 to 1 events";
        QTest::newRow("20 mm, without controls") << 1 << 4 << 5
                                                 << "20 mm, subestuary 5, earthworks without controls: 100 %, above "
                                                    "the limit; 1 to 2 events";
    }

    void screenReader_readsEachCellWithItsContext()
    {
        QFETCH(int, scenario);
        QFETCH(int, thickness);
        QFETCH(int, k);
        QFETCH(QString, name);
        WithOverview w;
        // The main window on 2 mm, so that none of the rows above is the
        // chosen combination.
        clickRow(w.list, 1);
        QTableWidget& table = w.open().percentageTable(static_cast<std::size_t>(scenario));
        QCOMPARE(accessibleName(table, thickness, k - 1), name);

        // Every cell says in words the verdict its colour shows.
        for (int t = 0; t < kThicknesses; ++t) {
            for (int c = 0; c < kSubestuaries; ++c) {
                const QColor back = table.item(t, c)->background().color();
                const QString said = accessibleName(table, t, c);
                QCOMPARE(said.contains(QStringLiteral("above the limit")), back == kRed);
                QCOMPARE(said.contains(QStringLiteral("within the limit")), back == kGreen);
                QCOMPARE(table.item(t, c)->text().contains(QStringLiteral(" above")), back == kRed);
            }
        }
    }

    // The percentage cells keep their texts' layouts between paintings; they
    // must paint exactly as Qt's own item delegate paints them, whatever the
    // verdicts, at every desktop scaling.
    void percentageCells_paintAsQtsOwnDelegate_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<qreal>("scaling");
        for (const char* limit : {"20", "205", "0"}) {
            for (const qreal scaling : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("limit %s %%, desktop at %d %%", limit, qRound(scaling * 100)) << limit << scaling;
        }
    }

    void percentageCells_paintAsQtsOwnDelegate()
    {
        QFETCH(QString, limit);
        QFETCH(qreal, scaling);
        ui::OverviewWindow overview(QStringLiteral("20"), 20.0);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        overview.showLimit(limit, limit.toDouble());
        const auto painted = [scaling](QTableWidget& table) {
            QImage image((QSizeF(table.size()) * scaling).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scaling);
            image.fill(Qt::transparent);
            table.render(&image);
            return image;
        };
        for (std::size_t s = 0; s < kScenarios.size(); ++s) {
            QTableWidget& table = overview.percentageTable(s);
            // Shown, the table has painted its cells once: its layouts are
            // the ones kept from then.
            const QImage kept = painted(table);
            QStyledItemDelegate qtsOwn;
            QAbstractItemDelegate* ours = table.itemDelegate();
            table.setItemDelegate(&qtsOwn);
            const QImage reference = painted(table);
            table.setItemDelegate(ours);
            QVERIFY(kept == reference);
        }
    }

    // Each cell fits its text with either verdict, so that a new limit never
    // cuts a verdict short: opened at a limit every increase is above, the
    // tables are as large as opened at one nearly every increase is within.
    void percentageTables_fitEitherVerdict_whateverTheLimitOpenedWith()
    {
        const auto tableSizes = [](const QString& limit) {
            ui::OverviewWindow overview(limit, limit.toDouble());
            overview.show();
            if (!QTest::qWaitForWindowExposed(&overview))
                qFatal("the overview was not shown");
            return std::pair(overview.percentageTable(0).size(), overview.percentageTable(1).size());
        };
        QCOMPARE(tableSizes(QStringLiteral("0")), tableSizes(QStringLiteral("205")));
    }

    void chart_drawsTheThreeSeriesForEverySubestuary()
    {
        WithOverview w;
        const ui::ExceedanceChart& chart = w.open().chart();
        // The series hold the counts the main window shows for each
        // thickness: baseline, then each scenario.
        for (int t = 0; t < kThicknesses; ++t) {
            for (std::size_t s = 0; s < kScenarios.size(); ++s) {
                w.stepsFor(t, s);
                const Snapshot main = snapshot(w.form);
                for (std::size_t i = 0; i < kSubestuaryCount; ++i) {
                    const auto at = static_cast<std::size_t>(t);
                    QCOMPARE(QString::number(chart.series()[0][i][at]), main.rows[Baseline][i].text);
                    QCOMPARE(QString::number(chart.series()[s + 1][i][at]), main.rows[Scenario][i].text);
                }
            }
        }
    }

    void chart_countAxis_coversTheLargestCountInRoundSteps_data()
    {
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("mostSteps");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("step");
        QTest::newRow("no events") << 0 << 5 << 1 << 1;
        QTest::newRow("one event") << 1 << 5 << 1 << 1;
        QTest::newRow("6 in steps of 2") << 6 << 5 << 6 << 2;
        QTest::newRow("26 in steps of 10") << 26 << 5 << 30 << 10;
        QTest::newRow("131 in steps of 50") << 131 << 5 << 150 << 50;
        QTest::newRow("exactly 100") << 100 << 5 << 100 << 20;
        QTest::newRow("100 in a short panel") << 100 << 3 << 100 << 50;
        QTest::newRow("no room at all still one step") << 7 << 0 << 10 << 10;
    }

    void chart_countAxis_coversTheLargestCountInRoundSteps()
    {
        QFETCH(int, largest);
        QFETCH(int, mostSteps);
        QFETCH(int, top);
        QFETCH(int, step);
        const ui::ExceedanceChart::Axis axis = ui::ExceedanceChart::countAxis(largest, mostSteps);
        QCOMPARE(axis.top, top);
        QCOMPARE(axis.step, step);
    }
};

SILTMERE_UI_TEST_MAIN(OverviewTest)
#include "OverviewTest.moc"
