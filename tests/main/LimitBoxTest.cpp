// The limit box follows the desktop's number format and says which one: its
// tooltip and accessible description give an example with the locale's
// decimal separator, and the other separator turns the text into "0" at once.

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
        QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates) << "20 or 20.5"
                                       << "37.5"
                                       << ",";
        QTest::newRow("decimal comma") << QLocale(QLocale::German, QLocale::Germany) << "20 or 20,5"
                                       << "37,5"
                                       << ".";
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

        // The other separator, typed after the digits, is not a number here.
        typeLimit(w.limit, QStringLiteral("20"));
        QTest::keyClicks(w.limit, otherSeparator);
        QCOMPARE(w.limit->text(), QStringLiteral("0"));
    }
};

SILTMERE_UI_TEST_MAIN(LimitBoxTest)
#include "LimitBoxTest.moc"
