// The limit box follows the desktop's number format, takes the other decimal
// separator too, and says so: its tooltip and accessible description give an
// example with the locale's decimal separator and name the other one.

#include "UiTestSupport.h"

#include "AcceptabilityLimit.h"

#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;

class LimitBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void box_saysAndAcceptsTheDesktopsFormat_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("otherSeparator");
        QTest::newRow("English, decimal point")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "20 or 20.5 (20,5 works too)"
            << "37.5"
            << "20,5";
        QTest::newRow("German, decimal comma")
            << QLocale(QLocale::German, QLocale::Germany) << "20 or 20,5 (20.5 works too)"
            << "37,5"
            << "20.5";
        QTest::newRow("French, decimal comma")
            << QLocale(QLocale::French, QLocale::France) << "20 or 20,5 (20.5 works too)"
            << "37,5"
            << "20.5";
    }

    void box_saysAndAcceptsTheDesktopsFormat()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, example);
        QFETCH(QString, accepted);
        QFETCH(QString, otherSeparator);
        QLocale::setDefault(locale);
        MainWindow w;
        QVERIFY2(w.limit->toolTip().contains(example), qPrintable(w.limit->toolTip()));
        QVERIFY2(w.limit->accessibleDescription().contains(example), qPrintable(w.limit->accessibleDescription()));

        typeLimit(w.limit, accepted);
        QCOMPARE(w.limit->text(), accepted);
        // 5 mm with controls: subestuary 3's increase is 37.5 % (shown
        // "38%"), within a limit of 37.5; subestuary 2's 56 % is above it.
        // Read as 375 both would be green, read as 0 or 37 both red.
        w.allSteps();
        QCOMPARE(control<QLineEdit>(w.form, "Text30")->text(), QStringLiteral("38%"));
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text30")), QColor(0, 255, 0));
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text29")), QColor(255, 0, 0));

        // The other separator, typed key by key: "20." or "20," on the way
        // stays in the box rather than turning into "0" (and then "05").
        typeLimit(w.limit, otherSeparator);
        QCOMPARE(w.limit->text(), otherSeparator);
        // Against 20.5, subestuary 5's 20 % is within (red were the limit
        // read as 5 or 0), subestuary 3's 37.5 % and 2's 56 % above it
        // (green were it read as 205).
        w.allSteps();
        QCOMPARE(control<QLineEdit>(w.form, "Text32")->text(), QStringLiteral("20%"));
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text32")), QColor(0, 255, 0));
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text30")), QColor(255, 0, 0));
        QCOMPARE(backOf(control<QLineEdit>(w.form, "Text29")), QColor(255, 0, 0));
    }
};

SILTMERE_UI_TEST_MAIN(LimitBoxTest)
#include "LimitBoxTest.moc"
