#include "Rendering.h"

#include "DesignText.h"

namespace siltmere::ui {

QColor verdictBack(Verdict verdict)
{
    return fromWindowsRgb(verdictColor(verdict));
}

QString escaped(std::string_view text)
{
    return toQString(text).toHtmlEscaped();
}

} // namespace siltmere::ui
