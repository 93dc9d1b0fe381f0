// What a screen-reader or keyboard-only user gets: every control named and
// described, the green/red verdict of each percentage also given in words,
// every step reachable from the keyboard, and a limit box that survives
// whatever is pasted into it.

#include "UiTestSupport.h"

#include "Form1Layout.h"
#include "Form2Layout.h"
#include "FormBuilder.h"

#include <QAccessible>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;
using namespace siltmere::ui;

namespace {

QString accessible(QWidget* widget, QAccessible::Text what)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(what) : QString();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Which texts are numbers depends on the locale; these cases are
        // written for English number rules.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void everyInteractiveControl_hasANameAndADescription()
    {
        MainWindow w;
        w.activate();
        for (const ControlSpec& spec : form1::kControls) {
            auto* widget = control<QWidget>(w.form, toQString(spec.name));
            QVERIFY2(!accessible(widget, QAccessible::Name).isEmpty(), spec.name.data());
            const bool interactive = spec.kind == ControlKind::TextBox || spec.kind == ControlKind::ListBox ||
                                     spec.kind == ControlKind::PushButton || spec.kind == ControlKind::OptionButton;
            if (interactive)
                QVERIFY2(!accessible(widget, QAccessible::Description).isEmpty(), spec.name.data());
        }
        Form2* background = w.openBackground();
        QVERIFY(background);
        for (const ControlSpec& spec : form2::kControls)
            QVERIFY2(!accessible(control<QWidget>(*background, toQString(spec.name)), QAccessible::Name).isEmpty(),
                     spec.name.data());
        delete background;
    }

    void resultBoxes_sayWhatTheirValueIs_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unitWord");
        QTest::newRow("load") << "Text3"
                              << "Critical total load, subestuary 1"
                              << "Tonnes";
        QTest::newRow("baseline") << "Text12"
                                  << "Baseline exceedances, subestuary 2"
                                  << "existing land use";
        QTest::newRow("scenario") << "Text24"
                                  << "Scenario exceedances, subestuary 6"
                                  << "scenario";
        QTest::newRow("percentage") << "Text31"
                                    << "Percentage increase, subestuary 4"
                                    << "percent";
    }

    void resultBoxes_sayWhatTheirValueIs()
    {
        QFETCH(QString, box);
        QFETCH(QString, name);
        QFETCH(QString, unitWord);
        MainWindow w;
        auto* widget = control<QLineEdit>(w.form, box);
        QCOMPARE(accessible(widget, QAccessible::Name), name);
        QVERIFY(accessible(widget, QAccessible::Description).contains(unitWord));
    }

    void percentageVerdicts_areGivenInWordsAndClearedWithTheRow()
    {
        MainWindow w;
        w.activate();
        w.allSteps();
        // 5 mm with controls at 20 %: n/a, 56 % red ... 20 % green.
        QVERIFY(accessible(control<QLineEdit>(w.form, "Text28"), QAccessible::Description).contains("no exceedances"));
        QVERIFY(accessible(control<QLineEdit>(w.form, "Text29"), QAccessible::Description)
                    .contains("above the acceptability limit of 20 %"));
        QVERIFY(accessible(control<QLineEdit>(w.form, "Text32"), QAccessible::Description)
                    .contains("within the acceptability limit of 20 %"));

        clickOption(w.option2);
        for (int k = 1; k <= kSubestuaries; ++k)
            QCOMPARE(accessible(resultBox(w.form, Percentage, k), QAccessible::Description),
                     QStringLiteral("Increase of the scenario's exceedances over the baseline, in percent"));
    }

    // As in a native radio group: Tab and Shift+Tab enter the scenario frame
    // at the chosen option, wherever it stands in the keyboard order, and an
    // arrow key then moves the choice and runs its handler.
    void keyboard_entersTheScenariosAtTheChosenOption_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("from");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::Key>("arrow");
        QTest::addColumn<QString>("movedTo");
        QTest::addColumn<int>("scenarioNo");
        QTest::newRow("Tab, with controls chosen") << "Option1"
                                                   << "List1" << Qt::Key_Tab << Qt::Key_Down << "Option2" << 2;
        QTest::newRow("Tab, without controls chosen") << "Option2"
                                                      << "List1" << Qt::Key_Tab << Qt::Key_Up << "Option1" << 1;
        QTest::newRow("Shift+Tab, with controls chosen")
            << "Option1"
            << "Option3" << Qt::Key_Backtab << Qt::Key_Down << "Option2" << 2;
        QTest::newRow("Shift+Tab, without controls chosen")
            << "Option2"
            << "Option3" << Qt::Key_Backtab << Qt::Key_Up << "Option1" << 1;
    }

    void keyboard_entersTheScenariosAtTheChosenOption()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, from);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::Key, arrow);
        QFETCH(QString, movedTo);
        QFETCH(int, scenarioNo);
        MainWindow w;
        w.activate();
        clickOption(control<QRadioButton>(w.form, chosen));
        control<QWidget>(w.form, from)->setFocus(Qt::TabFocusReason);
        w.key(key);
        QCOMPARE(w.focus()->objectName(), chosen);
        w.key(arrow);
        QCOMPARE(w.focus()->objectName(), movedTo);
        QVERIFY(control<QRadioButton>(w.form, movedTo)->isChecked());
        QCOMPARE(w.form.model().ScenarioNo, scenarioNo);
        QVERIFY(control<QLabel>(w.form, QStringLiteral("Label15(%1)").arg(scenarioNo))->isVisibleTo(&w.form));
    }

    void everyStep_canBeTakenWithTheKeyboardAlone()
    {
        MainWindow w;
        w.activate();
        QCOMPARE(w.focus()->objectName(), QStringLiteral("List1"));
        w.key(Qt::Key_Up); // 2 mm
        QCOMPARE(w.form.model().ThickIdx, std::int16_t{2});

        w.tabTo("Option1");
        w.key(Qt::Key_Down); // earthworks without controls
        QVERIFY(w.option2->isChecked());

        w.tabTo("AcceptanceBox");
        QTest::keyClick(w.focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w.focus(), "60");
        QCOMPARE(w.limit->text(), QStringLiteral("60"));

        for (const char* step : {"Command1", "Command2", "Command3"}) {
            w.tabTo(step);
            w.key(Qt::Key_Space);
        }
        // 2 mm without controls at 60 %: 57 % 55 % 108 % 64 % 50 %.
        const QStringList expected{"n/a", "57%", "55%", "108%", "64%", "50%"};
        for (int k = 1; k <= kSubestuaries; ++k)
            QCOMPARE(resultBox(w.form, Percentage, k)->text(), expected[k - 1]);
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text29")), kGreen);
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text31")), kRed);

        w.tabTo("Command4");
        w.key(Qt::Key_Space);
        Form2* background = w.form.backgroundWindow();
        QVERIFY(background && background->isVisible());
        background->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(background));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!background->isVisible());
        delete background;
    }

    // As on Windows, Enter on the focused button presses it, whether the
    // main keyboard's Return or the keypad's Enter.
    void enter_pressesTheFocusedButton_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const bool background : {false, true}) {
            const char* window = background ? "background window's Close" : "Command1";
            QTest::addRow("Return on %s", window) << background << int{Qt::Key_Return} << int{Qt::NoModifier};
            QTest::addRow("keypad Enter on %s", window) << background << int{Qt::Key_Enter} << int{Qt::KeypadModifier};
        }
    }

    void enter_pressesTheFocusedButton()
    {
        QFETCH(bool, background);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const auto press = [&](QWidget* button) {
            QCOMPARE(QApplication::focusWidget(), button);
            QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        };
        MainWindow w;
        w.activate();
        if (!background) {
            w.tabTo("Command1");
            QVERIFY(!w.command2->isEnabled());
            press(w.command1);
            QVERIFY(w.command2->isEnabled());              // the first step was taken
            QVERIFY(resultBox(w.form, 0, 1)->isEnabled()); // and filled
            return;
        }
        Form2* form2 = w.openBackground();
        QVERIFY(form2 && form2->isVisible());
        form2->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form2));
        press(control<QPushButton>(*form2, "Command1"));
        QVERIFY(!form2->isVisible());
        delete form2;
    }

    void hostileLimitTexts_endAsZeroOrANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a megabyte of digits") << QString(1 << 20, '7') << "0";
        QTest::newRow("a megabyte of letters") << QString(1 << 20, 'x') << "0";
        QTest::newRow("control characters") << QStringLiteral("2\t0\r\n\x01") << "0";
        QTest::newRow("NUL inside") << QString::fromUtf16(u"2\u00000", 3) << "0";
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf16(u"\u0662\u0660") << "0";
        QTest::newRow("full-width digits") << QString::fromUtf16(u"\uFF12\uFF10") << "0";
        QTest::newRow("minus sign U+2212") << QString::fromUtf16(u"\u22125") << QString::fromUtf16(u"\u22125");
        QTest::newRow("right-to-left mark") << QString::fromUtf16(u"\u200F20") << "0";
        QTest::newRow("emoji") << QString::fromUtf16(u"\U0001F30A") << "0";
        QTest::newRow("plain number") << "42"
                                      << "42";
        // Infinities, not-a-number and texts that are no number at all.
        for (const char* text : {"inf", "-inf", "nan", "1e999", "", "abc", "-"})
            QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text) << "0";
    }

    void hostileLimitTexts_endAsZeroOrANumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        MainWindow w;
        w.activate();
        click(w.command1);
        w.limit->selectAll();
        w.limit->insert(text); // a paste
        QCOMPARE(w.limit->text(), expected);
        QVERIFY(!w.command2->isEnabled());
        // The window still works afterwards.
        w.allSteps();
        QCOMPARE(control<QLineEdit>(w.form, "Text29")->text(), QStringLiteral("56%"));
    }
};

SILTMERE_UI_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
