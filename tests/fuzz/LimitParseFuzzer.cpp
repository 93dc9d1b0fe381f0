// Fuzzes the path from the acceptability limit's text to the verdicts of the
// scenario comparison without the window: the text is read under each of a
// few planners' locales by the program's one limit parser, and every limit it
// accepts is applied to the model's comparison. QtCore only and no
// application object, so one input costs microseconds rather than a window's
// round of events (scripts/fuzz.sh also runs the window target, end to end).
//
// The first byte of an input picks the case:
//   bits 0-2  thickness position in the list (value modulo 5)
//   bit  3    scenario: 0 earthworks with controls, 1 without
// The rest is the limit's text (UTF-8; invalid sequences become replacement
// characters).
//
// The parser must keep its separator rule under each locale: a text the
// locale reads is that number; a text it does not read is taken only with
// the other decimal separator (point for comma, comma for point), once,
// without the locale's own, and then as the locale reads it with the two
// swapped, so never with both separators; a letter other than an exponent
// is never taken. Plain decimal texts ("20.5", "-,5", "1.000") are
// checked against values worked out here with std::from_chars: the other
// separator reads as a decimal separator unless it stands where it would
// group thousands.
//
// A parsed limit must be finite, and the comparison must then give each
// subestuary "n/a" when it has no baseline exceedances and otherwise the
// whole percentage increase of the scenario's exceedances over the
// baseline's, judged +1 within the limit and -1 above it. The expected
// verdicts are worked out here from the exceedance counts themselves.

#include "AcceptabilityLimit.h"
#include "Constants.h"
#include "ModelError.h"
#include "SedimentModel.h"
#include "StartedModel.h"
#include "Thickness.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using siltmere::ModelError;
using siltmere::SedimentModel;
using siltmere::constants::kSubestuaries;

// Longer texts are cut: they exercise nothing a shorter one does not.
constexpr std::size_t kMaxTextBytes = 256;
constexpr auto kThicknessPositions = static_cast<unsigned>(siltmere::kThicknesses);

[[noreturn]] void fail(const char* what, const QString& text, const QLocale& locale, int k = 0)
{
    std::fprintf(stderr, "\nLimitParseFuzzer check failed: %s\n  text \"%s\", locale %s, subestuary %d\n", what,
                 qPrintable(text), qPrintable(locale.name()), k);
    std::fflush(stderr);
    std::abort();
}

// The model as the window leaves it after start-up; built once, since the
// comparison rewrites only the row texts and flags.
SedimentModel& model()
{
    static SedimentModel m = siltmere::test::startedModel();
    return m;
}

// Number rules that differ where it matters: the decimal point, the group
// separator, the minus sign and the digits themselves.
const std::array<QLocale, 4>& locales()
{
    static const std::array<QLocale, 4> all{QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                            QLocale(QLocale::Arabic, QLocale::Egypt),
                                            QLocale(QLocale::French, QLocale::France)};
    return all;
}

// "56%" -> 56; anything else is not a whole percentage.
bool wholePercent(const std::string& text, int& value)
{
    if (text.size() < 2 || text.back() != '%')
        return false;
    const char* end = text.data() + text.size() - 1;
    const auto parsed = std::from_chars(text.data(), end, value);
    return parsed.ec == std::errc() && parsed.ptr == end;
}

// The decimal separator that the parser may take instead of the locale's
// own, or '\0' where it takes none.
char16_t otherSeparator(const QLocale& locale)
{
    const QString own = locale.decimalPoint();
    if (own == QStringLiteral("."))
        return u',';
    if (own == QStringLiteral(","))
        return u'.';
    return u'\0';
}

QString withSeparatorsSwapped(QString text)
{
    for (QChar& c : text) {
        if (c == u'.')
            c = u',';
        else if (c == u',')
            c = u'.';
    }
    return text;
}

// Whether the text holds a letter that no number of the locale holds: only
// an exponent ("e", "E", or the locale's own such as Arabic's) belongs there.
bool holdsForeignLetter(const QString& text, const QLocale& locale)
{
    const QString exponent = locale.exponential();
    return std::any_of(text.begin(), text.end(),
                       [&](QChar c) { return c.isLetter() && c != u'e' && c != u'E' && !exponent.contains(c); });
}

// A plain decimal text: an optional minus, ASCII digits, one point or comma,
// ASCII digits, with at least one digit.
struct PlainDecimal {
    bool negative = false;
    std::string before;
    char16_t separator = u'\0';
    std::string after;
};

std::optional<PlainDecimal> plainDecimal(const QString& text)
{
    PlainDecimal plain;
    qsizetype i = 0;
    if (i < text.size() && text.at(i) == u'-') {
        plain.negative = true;
        ++i;
    }
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
        plain.before += static_cast<char>(text.at(i).unicode());
    if (i == text.size() || (text.at(i) != u'.' && text.at(i) != u','))
        return std::nullopt;
    plain.separator = text.at(i++).unicode();
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
        plain.after += static_cast<char>(text.at(i).unicode());
    if (i != text.size() || plain.before.size() + plain.after.size() == 0)
        return std::nullopt;
    return plain;
}

double fromChars(const std::string& digits)
{
    double value = 0.0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size())
        std::abort(); // plainDecimal let only digits through: the fuzzer's own fault
    return value;
}

// Plain decimal texts, worked out without QLocale. The locale's own
// separator, and the other one elsewhere, read as a decimal separator; the
// other one after a digit and before exactly three digits may be the
// locale's grouping (a thousand for "1.000" under German) or not a number,
// never the decimal reading.
void checkPlainDecimal(const QString& text, const QLocale& locale, const std::optional<double>& limit)
{
    const char16_t other = otherSeparator(locale);
    const std::optional<PlainDecimal> plain = plainDecimal(text);
    if (other == u'\0' || !plain)
        return;
    const std::string sign = plain->negative ? "-" : "";
    const double decimal = fromChars(sign + (plain->before.empty() ? "0" : plain->before) + "." +
                                     (plain->after.empty() ? "0" : plain->after));
    const bool couldGroup = plain->separator == other && !plain->before.empty() && plain->after.size() == 3;
    if (!couldGroup) {
        if (limit != decimal)
            fail("a plain decimal text does not read as its decimal value", text, locale);
        return;
    }
    const double grouped = fromChars(sign + plain->before + plain->after);
    if (limit && *limit != grouped)
        fail("the other separator before three digits was read as a decimal separator", text, locale);
}

// The separator rule, whatever the text.
void checkSeparatorRule(const QString& text, const QLocale& locale, const std::optional<double>& limit)
{
    bool localeReads = false;
    const double own = locale.toDouble(text, &localeReads);
    if (localeReads) {
        const std::optional<double> expected = std::isfinite(own) ? std::optional(own) : std::nullopt;
        if (limit != expected)
            fail("a number of the locale did not read as the locale reads it", text, locale);
    } else if (limit) {
        const char16_t other = otherSeparator(locale);
        if (other == u'\0')
            fail("a locale without another separator took a text it does not read", text, locale);
        // Both separators, or the other one twice, only the locale could
        // read, and it did not.
        if (text.count(QChar(other)) != 1 || text.contains(locale.decimalPoint()))
            fail("a text was taken without exactly one other separator and none of the locale's", text, locale);
        bool swappedReads = false;
        const double swapped = locale.toDouble(withSeparatorsSwapped(text), &swappedReads);
        if (!swappedReads || swapped != *limit)
            fail("the other separator did not read as the locale reads the text with both swapped", text, locale);
    }
    if (limit && holdsForeignLetter(text, locale))
        fail("a text with a letter other than an exponent was taken", text, locale);
    checkPlainDecimal(text, locale, limit);
}

void checkComparison(unsigned position, int scenario, double limit, const QString& text, const QLocale& locale)
{
    SedimentModel& m = model();
    m.Select_Thickness(static_cast<int>(position));
    m.ScenarioNo = static_cast<std::int16_t>(scenario);
    try {
        m.Calc_PctIncrease(limit);
    } catch (const ModelError&) {
        fail("the comparison failed for a finite limit", text, locale);
    }

    const auto& baselineCounts = siltmere::constants::kBaselineCounts[position];
    const auto& scenarioCounts =
        (scenario == 1 ? siltmere::constants::kScenario1Counts : siltmere::constants::kScenario2Counts)[position];
    for (int k = 1; k <= kSubestuaries; ++k) {
        const auto at = static_cast<std::size_t>(k - 1);
        const std::string& shown = m.strRow(k);
        const std::int16_t flag = m.PctFlag(k);
        const double baseline = baselineCounts[at];
        if (baseline == 0.0) {
            if (shown != "n/a" || flag != 0)
                fail("a subestuary without baseline exceedances was compared", text, locale, k);
            continue;
        }
        const double increase = (scenarioCounts[at] - baseline) / baseline * 100.0;
        int percent = 0;
        if (!wholePercent(shown, percent) || std::fabs(percent - increase) > 0.5)
            fail("the shown percentage is not the rounded increase", text, locale, k);
        if (flag != (increase <= limit ? 1 : -1))
            fail("the verdict disagrees with the increase and the limit", text, locale, k);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned position = (data[0] & 7u) % kThicknessPositions;
    const int scenario = (data[0] & 8u) != 0 ? 2 : 1;
    const std::size_t textBytes = size - 1 < kMaxTextBytes ? size - 1 : kMaxTextBytes;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(textBytes));

    // Most texts that one locale reads as a number read the same under the
    // others ("20", "1e3"); a limit already compared for this input is not
    // compared again.
    std::array<double, 4> compared{};
    std::size_t comparedCount = 0;
    for (const QLocale& locale : locales()) {
        const std::optional<double> limit = siltmere::ui::parseAcceptabilityLimit(text, locale);
        checkSeparatorRule(text, locale, limit);
        if (!limit)
            continue;
        if (!std::isfinite(*limit))
            fail("the parser accepted a limit that is not finite", text, locale);
        const auto seen = compared.begin() + static_cast<std::ptrdiff_t>(comparedCount);
        if (std::find(compared.begin(), seen, *limit) != seen)
            continue;
        compared[comparedCount++] = *limit;
        checkComparison(position, scenario, *limit, text, locale);
    }
    return 0;
}
