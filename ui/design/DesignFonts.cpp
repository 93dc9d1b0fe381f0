#include "DesignFonts.h"

#include "DesignText.h"
#include "FontPackages.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <array>
#include <cstdio>
#include <initializer_list>

namespace siltmere::ui {

namespace {

struct Substitution {
    std::string_view design;
    std::initializer_list<const char*> candidates;
};

// Substitutes in order of preference. Windows has Microsoft Sans Serif (the
// scalable successor of MS Sans Serif), Courier New and Arial everywhere;
// Century Gothic only where Office installed it. Liberation Sans has Arial's
// metrics and is close to MS Sans Serif; Nimbus Mono PS is URW's Courier; URW
// Gothic is the nearest geometric sans to Century Gothic. Wide faces such as
// DejaVu Sans are left out on purpose: the designs' captions would no longer
// fit.
const std::array<Substitution, 5> kSubstitutions{{
    {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial", "Nimbus Sans", "Helvetica"}},
    {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"}},
    {"Arial Black", {"Liberation Sans", "Arimo", "Nimbus Sans"}},
    {"Courier", {"Courier New", "Nimbus Mono PS", "Liberation Mono", "Cousine"}},
    {"Century Gothic", {"URW Gothic", "TeX Gyre Adventor", "Liberation Sans", "Arial"}},
}};

// The Debian package that provides the first Linux substitute of a design face.
QString debianPackageFor(std::string_view designFamily)
{
    for (const FontPackage& entry : kFontPackages) {
        if (entry.designFamily == designFamily)
            return toQString(entry.debianPackage);
    }
    return {};
}

const Substitution* substitutionFor(std::string_view designFamily)
{
    for (const auto& entry : kSubstitutions) {
        if (entry.design == designFamily)
            return &entry;
    }
    return nullptr;
}

// The design face or one of its substitutes, or nothing.
QString availableFamily(std::string_view designFamily, const FamilyAvailable& available)
{
    QString design = toQString(designFamily);
    if (available(design))
        return design;
    if (const Substitution* entry = substitutionFor(designFamily)) {
        for (const char* candidate : entry->candidates) {
            QString family = QString::fromLatin1(candidate);
            if (available(family))
                return family;
        }
    }
    return {};
}

void reportMissingFontsOnce()
{
#ifdef Q_OS_LINUX
    static const bool reported = [] {
        const QString advice = missingFontsAdvice(scalableFamilyInstalled, debianPackageInstalled);
        if (!advice.isEmpty())
            std::fprintf(stderr, "siltmere: %s\n", qPrintable(advice));
        return true;
    }();
    (void)reported;
#endif
}

} // namespace

bool scalableFamilyInstalled(const QString& family)
{
#ifdef Q_OS_WIN
    // Windows' own "MS Sans Serif" and "Courier" are the raster fonts
    // sserife.fon and coure.fon, whatever the font list says of them (a
    // bitmap-only TrueType file of the same name passes for scalable).
    for (const char* bitmapFace : {"MS Sans Serif", "Courier"}) {
        if (family.compare(QLatin1String(bitmapFace), Qt::CaseInsensitive) == 0)
            return false;
    }
#endif
    // Matches the family whichever foundry provides it.
    return QFontDatabase::hasFamily(family) && QFontDatabase::isSmoothlyScalable(family);
}

QString chooseFamily(std::string_view designFamily, const FamilyAvailable& available)
{
    const QString family = availableFamily(designFamily, available);
    return family.isEmpty() ? toQString(designFamily) : family;
}

bool debianPackageInstalled(const QString& package)
{
    // dpkg keeps the file list of every installed package there; the font
    // packages serve every architecture, so the list carries the bare name.
    return QFileInfo::exists(QStringLiteral("/var/lib/dpkg/info/%1.list").arg(package));
}

QString missingFontsAdvice(const FamilyAvailable& available, const PackageInstalled& installed)
{
    QStringList faces;
    QStringList missingPackages;
    for (const auto& entry : kSubstitutions) {
        if (!availableFamily(entry.design, available).isEmpty())
            continue;
        faces << toQString(entry.design);
        const QString package = debianPackageFor(entry.design);
        if (!package.isEmpty() && !installed(package) && !missingPackages.contains(package))
            missingPackages << package;
    }
    if (faces.isEmpty())
        return {};
    const QString what = QStringLiteral("no font is found for %1, so the windows fall back to other fonts and their "
                                        "captions may not fit; ")
                             .arg(faces.join(QStringLiteral(", ")));
    if (!missingPackages.isEmpty())
        return what + QStringLiteral("install the packages %1 (apt-get install %1)")
                          .arg(missingPackages.join(QLatin1Char(' ')));
    return what + QStringLiteral("the font packages are installed, but the font configuration finds none of "
                                 "their fonts (see what fc-list finds)");
}

QString substituteFamily(std::string_view designFamily)
{
    static QHash<QString, QString> chosen;
    const QString design = toQString(designFamily);
    if (const auto it = chosen.constFind(design); it != chosen.constEnd())
        return *it;

    reportMissingFontsOnce();
    QString family = chooseFamily(designFamily, scalableFamilyInstalled);
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
