#include "About.h"

#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QObject>
#include <QtGlobal>

namespace siltmere::ui {

namespace {

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

// Qt's licence, and where its source is: the Windows bundle carries a Qt of
// its own, which the user may replace; elsewhere Siltmere uses the system's.
QString qtNotice()
{
    QString version = QString::fromLatin1(qVersion());
    if (version != QLatin1String(QT_VERSION_STR))
        version = QObject::tr("%1 (built with %2)").arg(version, QLatin1String(QT_VERSION_STR));
    QString notice = QObject::tr("Siltmere is built with Qt %1, copyright The Qt Company Ltd. and other "
                                 "contributors, used under the GNU Lesser General Public License, version 3. "
                                 "Qt includes FreeType, HarfBuzz, libjpeg, libpng, PCRE2, zlib and other "
                                 "libraries under their own permissive licences.")
                         .arg(version.toHtmlEscaped());
#ifdef Q_OS_WIN
#ifdef SILTMERE_QT_SOURCE
    notice += QLatin1Char(' ') + QObject::tr("The Qt libraries in Siltmere's folder were built from %1.")
                                     .arg(QStringLiteral(SILTMERE_QT_SOURCE).toHtmlEscaped());
#endif
    notice += QLatin1Char(' ') +
              QObject::tr("Siltmere loads them dynamically: you may replace them with your own build of a compatible "
                          "Qt 6. Their licences are in the folder <i>licenses</i> beside siltmere.exe, with "
                          "the notice at the end of LICENSE.txt.");
#else
    notice += QLatin1Char(' ') + QObject::tr("Siltmere uses your system's Qt libraries, whose licence and source "
                                             "come with them (on Debian, the qt6-base source package).");
#endif
    notice += QLatin1Char(' ') + QObject::tr("Qt's source is also at <a href=\"https://download.qt.io/\">"
                                             "download.qt.io</a>.");
    return notice;
}

} // namespace

QString aboutSiltmereText()
{
    return QStringLiteral("<h3>Siltmere %1</h3>").arg(QStringLiteral(SILTMERE_VERSION)) +
           paragraph(QObject::tr("Siltmere estimates for environmental planners how often sediment washed off a "
                                 "catchment settles in its estuary thick enough to harm the life there, and how "
                                 "much more often under earthworks than under today's land use.")) +
           paragraph(QObject::tr("%1. Siltmere is free software under the %2: see \u201cShow Details\u2026\u201d.")
                         .arg(QStringLiteral(SILTMERE_COPYRIGHT).toHtmlEscaped(),
                              QStringLiteral(SILTMERE_LICENCE_NAME).toHtmlEscaped())) +
           paragraph(qtNotice());
}

QString licenceText()
{
    QFile file(QStringLiteral(":/help/LICENSE"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void showAboutSiltmere(QWidget* parent)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("AboutSiltmere"));
    box.setWindowTitle(QObject::tr("About Siltmere"));
    box.setIconPixmap(QIcon(QStringLiteral(":/assets/siltmere.png")).pixmap(64, 64));
    box.setTextFormat(Qt::RichText);
    box.setText(aboutSiltmereText());
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.setDetailedText(licenceText());
    box.setStandardButtons(QMessageBox::Close);
    box.exec();
}

} // namespace siltmere::ui
