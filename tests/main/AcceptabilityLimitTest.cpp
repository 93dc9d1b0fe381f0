// Which limit texts are numbers, and what number, under the number formats
// planners use: the one parser behind the box's check and the percentage
// step, compared with values worked out by hand.

#include "AcceptabilityLimit.h"

#include <QRegularExpression>
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
const QLocale kArabic(QLocale::Arabic, QLocale::Egypt);
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
        QTest::newRow("C: comma as decimal separator") << "20,5" << QLocale::c() << std::optional(20.5);
        QTest::newRow("C: 1,000 stays a thousand") << "1,000" << QLocale::c() << std::optional(1000.0);

        QTest::newRow("English: decimal point") << "20.5" << kEnglish << std::optional(20.5);
        QTest::newRow("English: comma as decimal separator") << "20,5" << kEnglish << std::optional(20.5);
        QTest::newRow("English: comma before four decimals") << "1,2345" << kEnglish << std::optional(1.2345);
        QTest::newRow("English: comma before the only digit") << ",5" << kEnglish << std::optional(0.5);
        QTest::newRow("English: 1,000 stays a thousand") << "1,000" << kEnglish << std::optional(1000.0);
        QTest::newRow("English: grouped, decimal point") << "1,000.5" << kEnglish << std::optional(1000.5);
        QTest::newRow("English: both separators the German way") << "1.000,5" << kEnglish << kNotANumber;
        QTest::newRow("English typing: trailing other separator") << "20," << kEnglish << std::optional(20.0);

        QTest::newRow("German: decimal comma") << "37,5" << kGerman << std::optional(37.5);
        QTest::newRow("German: point as decimal separator") << "20.5" << kGerman << std::optional(20.5);
        QTest::newRow("German: point, negative") << "-20.5" << kGerman << std::optional(-20.5);
        QTest::newRow("German: point, exponent") << "2.05E1" << kGerman << std::optional(20.5);
        QTest::newRow("German: 1.000 stays a thousand") << "1.000" << kGerman << std::optional(1000.0);
        QTest::newRow("German: grouped, decimal comma") << "1.234,5" << kGerman << std::optional(1234.5);
        QTest::newRow("German: both separators the English way") << "1,000.5" << kGerman << kNotANumber;
        QTest::newRow("German: point twice") << "1.000.5" << kGerman << kNotANumber;
        // Badly grouped, or three decimals after a point: either way unclear.
        QTest::newRow("German: point before three digits") << "12345.678" << kGerman << kNotANumber;
        QTest::newRow("German: a percent sign") << "20.5%" << kGerman << kNotANumber;
        QTest::newRow("German: overflowing exponent") << "1.5E999" << kGerman << kNotANumber;
        QTest::newRow("German typing: trailing other separator") << "20." << kGerman << std::optional(20.0);
        QTest::newRow("German typing: trailing own separator") << "20," << kGerman << std::optional(20.0);
        QTest::newRow("German typing: a point alone") << "." << kGerman << kNotANumber;

        QTest::newRow("French: point as decimal separator") << "20.5" << kFrench << std::optional(20.5);
        QTest::newRow("French: point first, three decimals") << ".125" << kFrench << std::optional(0.125);
        QTest::newRow("French: grouped with a space, point") << "1 000.5" << kFrench << std::optional(1000.5);
        // A point groups thousands on other desktops: 1 or 1000?
        QTest::newRow("French: 1.000 is not a number") << "1.000" << kFrench << kNotANumber;
        QTest::newRow("French: point before three decimals") << "20.125" << kFrench << kNotANumber;
        QTest::newRow("French typing: trailing other separator") << "20." << kFrench << std::optional(20.0);

        QTest::newRow("Swiss German: comma as decimal separator") << "20,5" << kSwissGerman << std::optional(20.5);
        QTest::newRow("Swiss German: 1,000 is not a number") << "1,000" << kSwissGerman << kNotANumber;

        // Arabic writes neither separator: its own only, in either digits.
        QTest::newRow("Arabic: its own separator") << QStringLiteral("٢٠٫٥") << kArabic << std::optional(20.5);
        QTest::newRow("Arabic: a point is not a number") << "20.5" << kArabic << kNotANumber;

        // A limit that no subestuary could be judged against.
        QTest::newRow("infinity") << "inf" << QLocale::c() << kNotANumber;
        QTest::newRow("minus infinity") << "-inf" << QLocale::c() << kNotANumber;
        QTest::newRow("not a number") << "nan" << QLocale::c() << kNotANumber;
        QTest::newRow("overflowing exponent") << "1e999" << QLocale::c() << kNotANumber;
        QTest::newRow("English: infinity") << "inf" << kEnglish << kNotANumber;
        QTest::newRow("empty") << "" << kEnglish << kNotANumber;
        QTest::newRow("letters are not a number") << "abc" << kEnglish << kNotANumber;
        QTest::newRow("letters after the other separator") << "20.5abc" << kGerman << kNotANumber;
        QTest::newRow("a sign alone") << "-" << kEnglish << kNotANumber;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QLocale, locale);
        QFETCH(std::optional<double>, limit);
        QCOMPARE(parseAcceptabilityLimit(text, locale), limit);
    }

    void example_namesTheSeparatorsTaken_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("example");
        QTest::newRow("English, decimal point") << kEnglish << "for example 20 or 20.5 (20,5 works too)";
        QTest::newRow("German, decimal comma") << kGerman << "for example 20 or 20,5 (20.5 works too)";
        QTest::newRow("French, decimal comma") << kFrench << "for example 20 or 20,5 (20.5 works too)";
        QTest::newRow("Swiss German, decimal point") << kSwissGerman << "for example 20 or 20.5 (20,5 works too)";
        QTest::newRow("Arabic, its own separator") << kArabic << QStringLiteral("for example ٢٠ or ٢٠٫٥");
    }

    void example_namesTheSeparatorsTaken()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, example);
        QCOMPARE(limitFormatExample(locale), example);
        // Every number the example shows is itself a valid limit there: the
        // first 20, the others 20.5.
        const QRegularExpression number(QStringLiteral("[\\d.,٫]+"), QRegularExpression::UseUnicodePropertiesOption);
        QList<std::optional<double>> limits;
        for (auto it = number.globalMatch(example); it.hasNext();)
            limits.append(parseAcceptabilityLimit(it.next().captured(), locale));
        QVERIFY(limits.size() >= 2);
        QCOMPARE(limits.takeFirst(), std::optional(20.0));
        for (const std::optional<double>& limit : limits)
            QCOMPARE(limit, std::optional(20.5));
    }
};

QTEST_GUILESS_MAIN(AcceptabilityLimitTest)
#include "AcceptabilityLimitTest.moc"
