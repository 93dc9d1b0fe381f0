#include "DesignFonts.h"

#include <QFontDatabase>
#include <QHash>

#include <array>
#include <initializer_list>

namespace siltmere::ui {

namespace {

struct Substitution {
    std::string_view design;
    std::initializer_list<const char*> candidates;
};

// Substitutes in order of preference. Liberation Sans has Arial's metrics and
// is close to MS Sans Serif; Nimbus Mono PS is URW's Courier; URW Gothic is
// the nearest geometric sans to Century Gothic. Wide faces such as DejaVu Sans
// are left out on purpose: the designs' captions would no longer fit.
const std::array<Substitution, 5> kSubstitutions{{
    {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial", "Nimbus Sans", "Helvetica"}},
    {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"}},
    {"Arial Black", {"Liberation Sans", "Arimo", "Nimbus Sans"}},
    {"Courier", {"Courier New", "Nimbus Mono PS", "Liberation Mono", "Cousine"}},
    {"Century Gothic", {"URW Gothic", "TeX Gyre Adventor", "Liberation Sans"}},
}};

bool installed(const QString& family)
{
    // Matches the family whichever foundry provides it.
    return QFontDatabase::hasFamily(family);
}

} // namespace

QString substituteFamily(std::string_view designFamily)
{
    static QHash<QString, QString> chosen;
    const QString design = QString::fromUtf8(designFamily.data(), static_cast<qsizetype>(designFamily.size()));
    if (const auto it = chosen.constFind(design); it != chosen.constEnd())
        return *it;

    QString family = design;
    if (!installed(design)) {
        for (const auto& entry : kSubstitutions) {
            if (entry.design != designFamily)
                continue;
            for (const char* candidate : entry.candidates) {
                if (installed(QString::fromLatin1(candidate))) {
                    family = QString::fromLatin1(candidate);
                    break;
                }
            }
        }
    }
    chosen.insert(design, family);
    return family;
}

QFont designFont(const FontSpec& spec)
{
    const FontSpec& effective = spec.isWindowFont() ? kWindowFont : spec;
    QFont font(substituteFamily(effective.family));
    font.setPointSizeF(effective.pointSize);
    font.setWeight(effective.black ? QFont::Black : effective.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace siltmere::ui
