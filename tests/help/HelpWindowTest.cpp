// The help window against the guide as the repository holds it
// (docs/guide.md, read here from the source tree), in a light and a dark
// palette and to a screen reader; About Siltmere against LICENSE.

#include "UiTestSupport.h"

#include "About.h"
#include "HelpWindow.h"

#include <QAccessible>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

using namespace siltmere;
using namespace siltmere::test;
using namespace siltmere::ui;

namespace {

QString sourceFile(const char* path)
{
    QFile file(QStringLiteral(SILTMERE_SOURCE_DIR "/") + QLatin1String(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    return QString::fromUtf8(file.readAll());
}

// The guide's headings as the Markdown file writes them: "## Title" lines
// outside code blocks, with their level.
QStringList headingsOfFile(const QString& markdown)
{
    QStringList headings;
    bool inCode = false;
    static const QRegularExpression heading(QStringLiteral("^(#{1,6}) +(.*)$"));
    for (const QString& line : markdown.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("```")))
            inCode = !inCode;
        const QRegularExpressionMatch match = heading.match(line);
        if (!inCode && match.hasMatch())
            headings << QStringLiteral("%1 %2").arg(match.capturedLength(1)).arg(match.captured(2).trimmed());
    }
    return headings;
}

QStringList headingsShown(const QTextDocument& document)
{
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (const int level = block.blockFormat().headingLevel(); level > 0)
            headings << QStringLiteral("%1 %2").arg(level).arg(block.text());
    }
    return headings;
}

double luminance(const QColor& color)
{
    return 0.2126 * color.redF() + 0.7152 * color.greenF() + 0.0722 * color.blueF();
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    return dark;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The window shows the guide the repository holds, every heading in its
    // order and level, and its tables as tables.
    void window_showsTheRepositorysGuide()
    {
        const QString file = sourceFile("docs/guide.md");
        QCOMPARE(userGuide(), file);
        HelpWindow help;
        const QStringList headings = headingsShown(*help.browser().document());
        QVERIFY(headings.size() > 5);
        QCOMPARE(headings, headingsOfFile(file));
        // The shortcuts' table: a row per shortcut, Ctrl+Shift+C among them.
        QVERIFY(help.browser().document()->toPlainText().contains(QStringLiteral("Ctrl+Shift+C")));
        QVERIFY(!help.browser().document()->toPlainText().contains(QStringLiteral("|---")));
    }

    // One window however often it is asked for, not modal, without an
    // owner, and gone with the opener; closed, it does not keep the program
    // running, and asked for again it is there anew.
    void opener_keepsOneWindowBesideTheMainWindow()
    {
        auto* opener = new HelpWindowOpener;
        HelpWindow* first = opener->open();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QCOMPARE(first->windowTitle(), QStringLiteral("Siltmere Help"));
        QVERIFY(first->isWindow());
        QVERIFY(!first->parentWidget());
        QVERIFY(!first->isModal());
        QVERIFY(!first->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(opener->open(), first);
        QPointer<HelpWindow> closed(first);
        first->close();
        QVERIFY(QTest::qWaitFor([&closed] { return closed.isNull(); }));
        HelpWindow* second = opener->open();
        QVERIFY(second && second->isVisible());
        QPointer<HelpWindow> last(second);
        delete opener;
        QVERIFY(!last);
    }

    // A screen reader finds the guide by name and description and reads
    // its text.
    void screenReaders_readTheGuide()
    {
        HelpWindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&help.browser());
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Siltmere user's guide"));
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text);
        const QString read = text->text(0, text->characterCount());
        for (const QString& heading : headingsOfFile(userGuide()))
            QVERIFY2(read.contains(heading.section(QLatin1Char(' '), 1)), qPrintable(heading));
    }

    // The guide takes the theme's colours: on a dark palette it shows a
    // dark page with light text, as on a light one a light page with dark
    // text. A colour of its own would leave text unreadable on one of them.
    void guide_readsOnLightAndDarkPalettes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void guide_readsOnLightAndDarkPalettes()
    {
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        QPalette palette = before;
        if (dark)
            palette = darkPalette();
        else {
            palette.setColor(QPalette::Base, Qt::white);
            palette.setColor(QPalette::Text, Qt::black);
        }
        QApplication::setPalette(palette);
        HelpWindow help;
        help.resize(600, 500);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const QImage page = help.browser().viewport()->grab().toImage();
        QApplication::setPalette(before);

        const QColor base = palette.color(QPalette::Base);
        const double baseLuminance = luminance(base);
        int onBase = 0;
        int textLike = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = page.pixelColor(x, y);
                if (pixel == base)
                    ++onBase;
                // Text pixels stand far from the page, towards the text's side.
                else if (std::abs(luminance(pixel) - baseLuminance) > 0.6)
                    ++textLike;
            }
        }
        const int all = page.width() * page.height();
        QVERIFY2(onBase > all / 2, qPrintable(QStringLiteral("%1 of %2 on the page colour").arg(onBase).arg(all)));
        QVERIFY2(textLike > all / 200, qPrintable(QStringLiteral("%1 text pixels").arg(textLike)));
    }

    // The window fits a small screen and scrolls to the end of the guide.
    void window_fitsTheScreenAndScrolls()
    {
        HelpWindowOpener opener;
        HelpWindow* help = opener.open();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QRect available = help->screen()->availableGeometry();
        QVERIFY(help->width() <= available.width() && help->height() <= available.height());
        // Scrolled to the end, the guide's last words are in view.
        QTextBrowser& browser = help->browser();
        browser.moveCursor(QTextCursor::End);
        QVERIFY(browser.verticalScrollBar()->maximum() > 0);
        QVERIFY(QTest::qWaitFor([&browser] { return browser.verticalScrollBar()->value() > 0; }));
        QVERIFY(browser.viewport()->rect().contains(browser.cursorRect()));
    }

    // The version, the copyright line and licence as LICENSE gives them,
    // and Qt's licence with the Qt version in use.
    void about_namesVersionLicenceAndQt()
    {
        const QString licence = sourceFile("LICENSE");
        QCOMPARE(licenceText(), licence);
        const QString copyright = licence.section(QLatin1Char('\n'), 2, 2);
        QVERIFY(copyright.startsWith(QLatin1String("Copyright")));
        const QString about = aboutSiltmereText();
        for (const QString& expected :
             {QStringLiteral("Siltmere " SILTMERE_VERSION), copyright.toHtmlEscaped(), QStringLiteral("MIT License"),
              QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
              QStringLiteral("GNU Lesser General Public License, version 3")})
            QVERIFY2(about.contains(expected), qPrintable(expected + QStringLiteral(" in ") + about));

        QString title;
        QString details;
        QTimer::singleShot(0, [&title, &details] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                details = box->detailedText();
                box->reject();
            }
        });
        showAboutSiltmere(nullptr);
        QCOMPARE(title, QStringLiteral("About Siltmere"));
        QCOMPARE(details, licence);
    }
};

SILTMERE_UI_TEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
