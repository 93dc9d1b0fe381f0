// What changes between platforms: which installed fonts stand in for the
// design's faces, and how tall a style draws list rows. Windows still ships
// the bitmap faces "MS Sans Serif" and "Courier", and its Vista style pads
// item rows; neither may spoil the window.

#include "DesignFonts.h"
#include "UiTestSupport.h"

#include <QScrollBar>
#include <QSet>
#include <QStyleFactory>

#include <memory>

using namespace siltmere;
using namespace siltmere::test;
using ui::chooseFamily;
using ui::missingFontsAdvice;

namespace {

// Scalable families a machine offers, as the font lookup sees them.
using Families = QSet<QString>;

ui::FamilyAvailable offering(const Families& families)
{
    return [families](const QString& family) { return families.contains(family); };
}

// A stock Windows: the bitmap faces are installed but do not count.
const Families kWindows{"Microsoft Sans Serif", "Arial", "Arial Black", "Courier New", "Tahoma", "Segoe UI"};
// Debian with the two font packages the program depends on.
const Families kDebian{"Liberation Sans", "Liberation Mono", "Liberation Serif", "Nimbus Sans",
                       "Nimbus Mono PS",  "URW Gothic",      "DejaVu Sans"};

} // namespace

Q_DECLARE_METATYPE(Families)

class PlatformLookTest : public QObject {
    Q_OBJECT

private slots:
    void standIns_data()
    {
        QTest::addColumn<Families>("installed");
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("expected");

        QTest::newRow("windows/MS Sans Serif->Microsoft Sans Serif") << kWindows << "MS Sans Serif"
                                                                     << "Microsoft Sans Serif";
        QTest::newRow("windows/Courier->Courier New") << kWindows << "Courier"
                                                      << "Courier New";
        QTest::newRow("windows/Arial") << kWindows << "Arial"
                                       << "Arial";
        QTest::newRow("windows/Arial Black") << kWindows << "Arial Black"
                                             << "Arial Black";
        QTest::newRow("windows without Office/Century Gothic->Arial") << kWindows << "Century Gothic"
                                                                      << "Arial";
        QTest::newRow("windows with Office/Century Gothic")
            << (kWindows + Families{"Century Gothic"}) << "Century Gothic"
            << "Century Gothic";

        QTest::newRow("debian/MS Sans Serif->Liberation Sans") << kDebian << "MS Sans Serif"
                                                               << "Liberation Sans";
        QTest::newRow("debian/Arial->Liberation Sans") << kDebian << "Arial"
                                                       << "Liberation Sans";
        QTest::newRow("debian/Arial Black->Liberation Sans") << kDebian << "Arial Black"
                                                             << "Liberation Sans";
        QTest::newRow("debian/Courier->Nimbus Mono PS") << kDebian << "Courier"
                                                        << "Nimbus Mono PS";
        QTest::newRow("debian/Century Gothic->URW Gothic") << kDebian << "Century Gothic"
                                                           << "URW Gothic";
        QTest::newRow("debian without URW/Courier->Liberation Mono")
            << Families{"Liberation Sans", "Liberation Mono"} << "Courier"
            << "Liberation Mono";
        QTest::newRow("debian with Microsoft's fonts/Arial") << (kDebian + Families{"Arial"}) << "Arial"
                                                             << "Arial";

        // Nothing suitable: the platform's own matching decides.
        QTest::newRow("no fonts/Courier") << Families{} << "Courier"
                                          << "Courier";
        QTest::newRow("only a wide face/MS Sans Serif") << Families{"DejaVu Sans"} << "MS Sans Serif"
                                                        << "MS Sans Serif";
    }

    void standIns()
    {
        QFETCH(Families, installed);
        QFETCH(QString, design);
        QFETCH(QString, expected);
        QCOMPARE(chooseFamily(design.toStdString(), offering(installed)), expected);
    }

    // The bitmap faces Windows ships under the design's names never stand in
    // for themselves, whatever the font list reports.
    void windowsBitmapFaces_areNeverChosen()
    {
#ifdef Q_OS_WIN
        QVERIFY(!ui::scalableFamilyInstalled(QStringLiteral("MS Sans Serif")));
        QVERIFY(!ui::scalableFamilyInstalled(QStringLiteral("Courier")));
        QVERIFY(ui::substituteFamily("MS Sans Serif") != QLatin1String("MS Sans Serif"));
        QVERIFY(ui::substituteFamily("Courier") != QLatin1String("Courier"));
#else
        QSKIP("the bitmap faces are Windows' own");
#endif
    }

    void missingFonts_data()
    {
        QTest::addColumn<Families>("installed");
        QTest::addColumn<QStringList>("packagesInstalled");
        QTest::addColumn<QStringList>("faces");
        QTest::addColumn<QStringList>("packages");

        const QStringList none;
        const QStringList both{"fonts-liberation", "fonts-urw-base35"};
        const QStringList allFaces{"MS Sans Serif", "Arial", "Arial Black", "Courier", "Century Gothic"};
        QTest::newRow("debian") << kDebian << both << none << none;
        QTest::newRow("windows") << kWindows << none << none << none;
        QTest::newRow("liberation alone serves every face")
            << Families{"Liberation Sans", "Liberation Mono"} << QStringList{"fonts-liberation"} << none << none;
        QTest::newRow("URW alone lacks the sans faces")
            << Families{"Nimbus Mono PS", "URW Gothic"} << QStringList{"fonts-urw-base35"}
            << QStringList{"MS Sans Serif", "Arial Black"} << QStringList{"fonts-liberation"};
        QTest::newRow("no fonts at all, no packages") << Families{} << none << allFaces << both;
        QTest::newRow("no fonts found although the packages are installed")
            << Families{} << both << allFaces << QStringList{"font configuration"};
    }

    void missingFonts()
    {
        QFETCH(Families, installed);
        QFETCH(QStringList, packagesInstalled);
        QFETCH(QStringList, faces);
        QFETCH(QStringList, packages);
        const QString advice = missingFontsAdvice(
            offering(installed), [&](const QString& package) { return packagesInstalled.contains(package); });
        QCOMPARE(advice.isEmpty(), faces.isEmpty());
        for (const QString& face : faces)
            QVERIFY2(advice.contains(face), qPrintable(advice));
        for (const QString& package : packages)
            QVERIFY2(advice.contains(package), qPrintable(advice));
        // Installed packages are never advised.
        for (const QString& package : packagesInstalled)
            QVERIFY2(!advice.contains(package), qPrintable(advice));
        QVERIFY2(!advice.contains(QLatin1Char('\n')), "one line");
    }

    void thicknessList_showsAllFiveEntries_data()
    {
        QTest::addColumn<QString>("style");
        for (const QString& key : QStyleFactory::keys())
            QTest::newRow(qPrintable(key)) << key;
    }

    // The list is as tall as five lines of its font: every style must draw
    // all five thicknesses without a scroll bar.
    void thicknessList_showsAllFiveEntries()
    {
        QFETCH(QString, style);
        const std::unique_ptr<QStyle> chosen(QStyleFactory::create(style));
        QVERIFY(chosen);
        const MainWindow w; // destroyed before the style it uses
        w.list->setStyle(chosen.get());
        w.list->doItemsLayout();
        QCOMPARE(w.list->count(), 5);
        for (int row = 0; row < w.list->count(); ++row) {
            const QRect rect = w.list->visualItemRect(w.list->item(row));
            QVERIFY2(w.list->viewport()->rect().contains(rect),
                     qPrintable(QStringLiteral("row %1 at %2,%3 %4x%5 in a viewport %6 high")
                                    .arg(row)
                                    .arg(rect.x())
                                    .arg(rect.y())
                                    .arg(rect.width())
                                    .arg(rect.height())
                                    .arg(w.list->viewport()->height())));
        }
        QVERIFY(!w.list->verticalScrollBar()->isVisible());
    }
};

SILTMERE_UI_TEST_MAIN(PlatformLookTest)

#include "PlatformLookTest.moc"
