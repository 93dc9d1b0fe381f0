// Which limit texts are numbers, and what number, under the number formats
// planners use: the one parser behind the box's check and the percentage
// step, compared with values worked out by hand.

#include "AcceptabilityLimit.h"

#include <QTest>

#include <optional>

using siltmere::ui::limitFormatExample;
using siltmere::ui::parseAcceptabilityLimit;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kSwissGerman(QLocale::German, QLocale::Switzerland);
constexpr std::optional<double> kNotANumber;

} // namespace

class AcceptabilityLimitTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<std::optional<double>>("limit");

        QTest::newRow("C: a whole number") << "20" << QLocale::c() << std::optional(20.0);
        QTest::newRow("C: decimal point") << "37.5" << QLocale::c() << std::optional(37.5);
        QTest::newRow("C: negative") << "-1" << QLocale::c() << std::optional(-1.0);
        QTest::newRow("C: exponent") << "1e3" << QLocale::c() << std::optional(1000.0);
        QTest::newRow("German: decimal comma") << "37,5" << kGerman << std::optional(37.5);
        QTest::newRow("English: decimal point") << "20.5" << kEnglish << std::optional(20.5);
        // A limit that no subestuary could be judged against.
        QTest::newRow("infinity") << "inf" << QLocale::c() << kNotANumber;
        QTest::newRow("minus infinity") << "-inf" << QLocale::c() << kNotANumber;
        QTest::newRow("not a number") << "nan" << QLocale::c() << kNotANumber;
        QTest::newRow("overflowing exponent") << "1e999" << QLocale::c() << kNotANumber;
        QTest::newRow("English: infinity") << "inf" << kEnglish << kNotANumber;
        QTest::newRow("empty") << "" << kEnglish << kNotANumber;
        QTest::newRow("letters") << "abc" << kEnglish << kNotANumber;
        QTest::newRow("a sign alone") << "-" << kEnglish << kNotANumber;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QLocale, locale);
        QFETCH(std::optional<double>, limit);
        QCOMPARE(parseAcceptabilityLimit(text, locale), limit);
    }

    void example_usesTheLocalesDecimalSeparator_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("example");
        QTest::newRow("English, decimal point") << kEnglish << "for example 20 or 20.5";
        QTest::newRow("German, decimal comma") << kGerman << "for example 20 or 20,5";
        QTest::newRow("French, decimal comma") << kFrench << "for example 20 or 20,5";
        QTest::newRow("Swiss German, decimal point") << kSwissGerman << "for example 20 or 20.5";
    }

    void example_usesTheLocalesDecimalSeparator()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, example);
        QCOMPARE(limitFormatExample(locale), example);
        // The example is itself a valid limit there.
        QCOMPARE(parseAcceptabilityLimit(example.section(' ', -1), locale), std::optional<double>(20.5));
    }
};

QTEST_GUILESS_MAIN(AcceptabilityLimitTest)
#include "AcceptabilityLimitTest.moc"
