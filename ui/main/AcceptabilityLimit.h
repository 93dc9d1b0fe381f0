#pragma once

// The acceptability limit is the planner's only free input: the largest
// increase of exceedances, in percent, that still counts as acceptable.
// One parser decides both whether a text is a number and what number it is,
// so the box's check and the percentage step always agree.

#include <QLocale>
#include <QString>

#include <optional>

namespace siltmere::ui {

// The limit written in `text`, or nothing when the text is not a number.
// The text is read by the number rules of `locale` first; a text that is not
// a number there is read once more with the other decimal separator (a point
// where the locale writes a comma, a comma where it writes a point), so that
// a planner's habit from another desktop does not change the limit. Only
// texts that can mean a single number that way are taken (the rule, and
// why, is in AcceptabilityLimit.cpp). Texts that read as an infinity or not-a-number ("inf",
// "nan", "1e999") count as not a number: such a limit would judge every
// subestuary alike whatever its counts.
std::optional<double> parseAcceptabilityLimit(const QString& text, const QLocale& locale = QLocale());

// What the box says about its format: "for example 20 or 20,5 (20.5 works
// too)", in the digits and decimal separator of `locale`, naming the other
// separator only where the parser takes it.
QString limitFormatExample(const QLocale& locale = QLocale());

} // namespace siltmere::ui
