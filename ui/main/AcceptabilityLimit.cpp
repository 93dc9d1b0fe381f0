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

} // namespace siltmere::ui
