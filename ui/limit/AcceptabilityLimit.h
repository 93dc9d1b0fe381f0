#pragma once

// The acceptability limit is the planner's only free input: the largest
// increase of exceedances, in percent, that still counts as acceptable.
// One parser decides both whether a text is a number and what number it is,
// so the box's check and the percentage step always agree.

#include <QLocale>
#include <QString>

#include <optional>

namespace siltmere::ui {

// The limit written in `text`, read by the number rules of `locale`, or
// nothing when the text is not a number. Texts that the locale reads as an
// infinity or not-a-number ("inf", "nan", "1e999") count as not a number:
// such a limit would judge every subestuary alike whatever its counts.
std::optional<double> parseAcceptabilityLimit(const QString& text, const QLocale& locale = QLocale());

// The limit follows the desktop's number format: "20.5" where the decimal
// separator is a point, "20,5" where it is a comma. Typing the other
// separator makes the text not a number, and the box turns it into "0" at
// once, so the box says which one it expects: "for example 20 or 20,5", in
// the digits and decimal separator of `locale`.
QString limitFormatExample(const QLocale& locale = QLocale());

} // namespace siltmere::ui
