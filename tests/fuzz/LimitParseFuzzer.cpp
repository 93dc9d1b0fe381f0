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
