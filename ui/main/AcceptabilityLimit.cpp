#include "AcceptabilityLimit.h"

#include <cmath>

namespace siltmere::ui {

namespace {

// The decimal separator planners type instead of the locale's own: the point
// and the comma stand in for each other. A locale with a separator of its
// own, such as Arabic's "٫", gets none: which of the two its planners would
// mean as a decimal separator is not ours to guess.
std::optional<QChar> otherDecimalSeparator(const QLocale& locale)
{
    const QString own = locale.decimalPoint();
    if (own == QStringLiteral("."))
        return QChar(u',');
    if (own == QStringLiteral(","))
        return QChar(u'.');
    return std::nullopt;
}

// Whether the separator at `at` stands where it would group thousands: after
// a digit and before exactly three digits, as in "1.000" or "12,345".
bool couldGroupThousands(const QString& text, qsizetype at)
{
    if (at == 0 || !text.at(at - 1).isDigit())
        return false;
    qsizetype digits = 0;
    for (qsizetype i = at + 1; i < text.size() && text.at(i).isDigit(); ++i)
        ++digits;
    return digits == 3;
}

std::optional<double> finiteOrNothing(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

// The other separator is taken only where the text can mean one number:
// - The locale's own reading comes first and wins: under German "1.000" is a
//   thousand and under English "1,000" is a thousand, never 1.0, because that
//   is how those desktops write and show a thousand.
// - The text must hold the other separator exactly once and the locale's
//   separator not at all. Twice ("1.000.5") it can only be grouping, and
//   with both ("1,000.5" under German) only the locale could say which one
//   groups, and it already said the text is not a number.
// - The other separator must not stand where it would group thousands, after
//   a digit and before exactly three digits: "1.000" under French or
//   "12,345" under Swiss German may mean a thousand times more to a reader
//   from a desktop that groups with it, and a limit off by a factor of a
//   thousand is the silent change this rule is here to prevent. Under German
//   or English such a text is either the locale's own grouping, read above,
//   or badly grouped ("12345.678"), which is no clearer.
// - Then the text, with that one separator made the locale's, must be a
//   number of the locale. This keeps what is typed along the way: "20." under
//   German and "20," under English read as 20 (the locales take a trailing
//   separator of their own), so the box that replaces a non-number at once,
//   keystroke by keystroke, leaves "20." for the decimals that follow.
// Letters or other junk stay not a number, since the locale rejects them in
// either spelling.
std::optional<double> parseAcceptabilityLimit(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok)
        return finiteOrNothing(value);

    const std::optional<QChar> other = otherDecimalSeparator(locale);
    if (!other || text.contains(locale.decimalPoint()))
        return std::nullopt;
    const qsizetype at = text.indexOf(*other);
    if (at < 0 || text.indexOf(*other, at + 1) >= 0 || couldGroupThousands(text, at))
        return std::nullopt;
    QString swapped = text;
    swapped.replace(at, 1, locale.decimalPoint());
    const double read = locale.toDouble(swapped, &ok);
    if (!ok)
        return std::nullopt;
    return finiteOrNothing(read);
}

QString limitFormatExample(const QLocale& locale)
{
    const QString own = locale.toString(20.5, 'f', 1);
    QString example = QStringLiteral("for example %1 or %2").arg(locale.toString(20), own);
    if (const std::optional<QChar> other = otherDecimalSeparator(locale)) {
        QString withOther = own;
        withOther.replace(locale.decimalPoint(), QString(*other));
        example += QStringLiteral(" (%1 works too)").arg(withOther);
    }
    return example;
}

} // namespace siltmere::ui
