// What a screen reader is told, read through the same accessibility
// interface that the desktop's accessibility bus (AT-SPI) reads: the scenario
// options are radio buttons, both windows are windows named by their titles,
// the background window's texts are readable whole and its diagram is
// described, the photograph is a described image, and only a focused list announces a focused entry.

#include "UiTestSupport.h"

#include "Form2Layout.h"
#include "FormBuilder.h"

#include <QAccessible>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

namespace {

QAccessibleInterface* accessibleOf(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface");
    return iface;
}

// The list entry as the screen reader sees it.
QAccessible::State entryState(QListWidget* list, int row)
{
    QAccessibleInterface* entry = accessibleOf(list)->child(row);
    if (!entry)
        qFatal("no accessible list entry %d", row);
    return entry->state();
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    void options_areRadioButtonsThatSayWhetherTheyAreChosen_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("notChosen");
        QTest::newRow("start-up: with controls") << ""
                                                 << "Option2";
        QTest::newRow("without controls chosen") << "Option2"
                                                 << "Option1";
        // Clicking a chosen option leaves it chosen.
        QTest::newRow("the chosen scenario clicked again") << "Option1"
                                                           << "Option2";
        QTest::newRow("the baseline's only option clicked again") << "Option3"
                                                                  << "Option2";
    }

    void options_areRadioButtonsThatSayWhetherTheyAreChosen()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, notChosen);
        MainWindow w;
        if (!chosen.isEmpty())
            clickOption(control<QRadioButton>(w.form, chosen));
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            QAccessibleInterface* option = accessibleOf(control<QRadioButton>(w.form, name));
            QCOMPARE(option->role(), QAccessible::RadioButton);
            QVERIFY(option->state().checkable);
            QCOMPARE(bool(option->state().checked), name != notChosen);
        }
        // Still one chosen per frame.
        QVERIFY(w.option3->isChecked());
        QVERIFY(w.option1->isChecked() != w.option2->isChecked());
    }

    void bothWindows_areWindowsNamedByTheirTitles()
    {
        MainWindow w;
        QAccessibleInterface* main = accessibleOf(&w.form);
        QCOMPARE(main->role(), QAccessible::Window);
        QCOMPARE(main->text(QAccessible::Name), QStringLiteral("Siltmere"));

        ui::Form2* background = w.openBackground();
        QVERIFY(background);
        QAccessibleInterface* second = accessibleOf(background);
        QCOMPARE(second->role(), QAccessible::Window);
        QCOMPARE(second->text(QAccessible::Name), QStringLiteral("Siltmere Background Information"));
        delete background;
    }

    void backgroundTexts_areReadableWhole_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("ending");
        QTest::newRow("introduction") << "Label1" << 1154 << "as well as an assessment of the acceptability of risk.";
        QTest::newRow("sentence under the diagram")
            << "Label2" << 218 << "each receiving a modelled proportion of sediment from each subcatchment.";
    }

    void backgroundTexts_areReadableWhole()
    {
        QFETCH(QString, label);
        QFETCH(int, length);
        QFETCH(QString, ending);
        MainWindow w;
        ui::Form2* background = w.openBackground();
        QVERIFY(background);
        QAccessibleInterface* text = accessibleOf(control<QLabel>(*background, label));
        QCOMPARE(text->role(), QAccessible::StaticText);
        const QString name = text->text(QAccessible::Name);
        QCOMPARE(name.size(), length);
        QVERIFY(name.endsWith(ending));
        // The same whole text through the text interface, which screen
        // readers use to read it by word or line.
        QAccessibleTextInterface* content = text->textInterface();
        QVERIFY(content);
        QCOMPARE(content->characterCount(), length);
        QCOMPARE(content->text(0, length), name);
        int start = -1;
        int end = -1;
        QCOMPARE(content->textAtOffset(length - 3, QAccessible::WordBoundary, &start, &end),
                 ending.section(' ', -1).chopped(1));
        delete background;
    }

    void diagram_isDescribed()
    {
        MainWindow w;
        ui::Form2* background = w.openBackground();
        QVERIFY(background);
        QAccessibleInterface* diagram = accessibleOf(control<QLabel>(*background, "Picture1"));
        QVERIFY(diagram->text(QAccessible::Name).contains("diagram"));
        const QString description = diagram->text(QAccessible::Description);
        for (const char* part : {"Six subcatchments", "six subestuary areas", "coast"})
            QVERIFY2(description.contains(part), part);
        delete background;
    }

    void photograph_isAnImageWithADescription()
    {
        MainWindow w;
        QAccessibleInterface* photo = accessibleOf(w.form.findChild<QWidget*>("Image1"));
        QCOMPARE(photo->role(), QAccessible::Graphic); // an image to AT-SPI, not a filler
        QCOMPARE(photo->text(QAccessible::Name), QStringLiteral("Photograph of a sediment-laden estuary"));
        const QString description = photo->text(QAccessible::Description);
        for (const char* part : {"sediment-laden estuary", "mud flats", "footprints"})
            QVERIFY2(description.contains(part), part);
    }

    // The chosen thickness stays selected wherever the focus is, but it is
    // announced as focused only while the list has the focus.
    void listEntry_isFocusedOnlyWhileTheListIs()
    {
        MainWindow w;
        w.activate();
        QCOMPARE(QApplication::focusWidget(), w.list);
        QAccessible::State state = entryState(w.list, 2);
        QVERIFY(state.focused);
        QVERIFY(state.selected);

        QTest::keyClick(w.list, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != w.list);
        state = entryState(w.list, 2);
        QVERIFY(!state.focused);
        QVERIFY(state.selected);
        for (int row = 0; row < w.list->count(); ++row)
            QVERIFY2(!entryState(w.list, row).focused, qPrintable(QString::number(row)));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.list);
        QVERIFY(entryState(w.list, 2).focused);
        // Back in the list the arrow keys go on from the chosen entry.
        QTest::keyClick(w.list, Qt::Key_Down);
        QCOMPARE(w.list->selectedItems().value(0)->text(), QStringLiteral("10 mm"));
        QVERIFY(entryState(w.list, 3).focused);
        QCOMPARE(w.form.model().ThickIdx, std::int16_t{4});
    }

    // Leaving and entering the list chooses nothing: the results stay.
    void focusLeavingTheList_clearsNoResults()
    {
        MainWindow w;
        w.activate();
        w.allSteps();
        const Snapshot before = snapshot(w.form);
        w.list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.list, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.list);
        QVERIFY2(snapshot(w.form) == before, qPrintable(describe(snapshot(w.form))));
    }
};

SILTMERE_UI_TEST_MAIN(ScreenReaderTest)
#include "ScreenReaderTest.moc"
