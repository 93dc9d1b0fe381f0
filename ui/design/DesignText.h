#pragma once

// The designs hold their texts (captions, names, font families) as UTF-8
// string views; the toolkit takes QStrings.

#include <QString>

#include <string_view>

namespace siltmere::ui {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace siltmere::ui
