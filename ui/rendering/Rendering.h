#pragma once

// What the windows, the copied tables, the working and the report render
// alike: a verdict's colour, and the record's texts in HTML.

#include "DesignText.h"
#include "WindowsColor.h"
#include "Wording.h"

#include <QColor>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <string_view>

namespace siltmere::ui {

// The colour a percentage box shows for a verdict, as the design numbers
// it: green within the limit, red above it, white for no percentage.
constexpr std::uint32_t verdictColor(Verdict verdict)
{
    return verdict == Verdict::Within ? colors::kGreen : verdict == Verdict::Above ? colors::kRed : colors::kWhite;
}

// The same colour, for HTML and for painting.
inline QColor verdictBack(Verdict verdict)
{
    return fromWindowsRgb(verdictColor(verdict));
}

// A text of the record (UTF-8) as HTML shows it literally.
inline QString escaped(std::string_view text)
{
    return toQString(text).toHtmlEscaped();
}

// When a report or a copy was made, with the offset from UTC, as a
// reviewer comparing outputs made elsewhere needs it.
inline QString madeText(const QDateTime& made)
{
    const int offsetMinutes = made.offsetFromUtc() / 60;
    const QChar sign = offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int minutes = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    return QStringLiteral("%1 UTC%2%3:%4")
        .arg(made.toString(QStringLiteral("yyyy-MM-dd HH:mm")), sign)
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace siltmere::ui
