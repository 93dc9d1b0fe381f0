#include "AcceptabilityLimit.h"

#include <cmath>

namespace siltmere::ui {

std::optional<double> parseAcceptabilityLimit(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString limitFormatExample(const QLocale& locale)
{
    return QStringLiteral("for example %1 or %2").arg(locale.toString(20), locale.toString(20.5, 'f', 1));
}

} // namespace siltmere::ui
