#include "PdfReport.h"

#include "DesignFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace siltmere::ui {

namespace {

// Dots per inch the pages are laid out in: fine enough that the text's
// positions are exact to the printer's eye.
constexpr int kResolution = 600;
constexpr double kMarginMm = 16.0;

// Arial on Windows, its metric twin Liberation Sans on Linux: the same line
// breaks on both, embedded as TrueType outlines. DesignFonts chooses among
// the installed scalable families as the windows do.
QFont reportFont(double pointSize, bool bold = false)
{
    QFont font(substituteFamily("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

const QString kStyleSheet = QStringLiteral("h1 { font-size: 15pt; }"
                                           "h2 { font-size: 11.5pt; margin-top: 14px; }"
                                           "h3 { font-size: 9pt; margin-top: 8px; margin-bottom: 3px; }"
                                           "th { font-weight: bold; }");

// Whether a page boundary cuts `box`, which would fit on one page.
bool cutByPage(const QRectF& box, double pageHeight)
{
    const auto firstPage = static_cast<int>(box.top() / pageHeight);
    const auto lastPage = static_cast<int>((box.bottom() - 1) / pageHeight);
    return firstPage != lastPage && box.height() < pageHeight;
}

// The block that starts a new page where a page boundary cuts the body's
// first table or paragraph: the heading a table or a paragraph comes under,
// or the paragraph itself.
std::optional<QTextBlock> firstCut(QTextDocument& document, double pageHeight)
{
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            if (cutByPage(layout.frameBoundingRect(table), pageHeight))
                return document.findBlock(table->firstPosition() - 1).previous();
        } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
            if (cutByPage(layout.blockBoundingRect(block), pageHeight))
                return block.previous().blockFormat().headingLevel() > 0 ? block.previous() : block;
        }
    }
    return std::nullopt;
}

// Tables and paragraphs shorter than a page are kept on one page, each with
// its heading: a reader finds a table's rows together, and a page's text
// holds each line once (a paragraph cut by a page has the line before the
// cut drawn on the next page too, clipped from sight but found by a search).
void keepBlocksWhole(QTextDocument& document, double pageHeight)
{
    // Each pass moves one block, which may move the ones after it.
    for (int pass = 0; pass < 16; ++pass) {
        const std::optional<QTextBlock> cut = firstCut(document, pageHeight);
        if (!cut)
            return;
        QTextBlockFormat format = cut->blockFormat();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(*cut).setBlockFormat(format);
    }
}

// A page's footer, centred on the bottom of the area `width` wide whose
// foot is at `bottom`.
void paintFooter(QPainter& painter, const QString& text, const QFont& font, QPaintDevice& layoutDevice, double width,
                 double bottom)
{
    // Laid out on the layout device too: a font set on the painter would
    // take the printer's resolution.
    QTextLayout footer(text, font, &layoutDevice);
    footer.beginLayout();
    QTextLine line = footer.createLine();
    line.setLineWidth(width);
    footer.endLayout();
    painter.setPen(Qt::black);
    footer.draw(&painter, QPointF((width - line.naturalTextWidth()) / 2, bottom - line.height()));
}

// Writes the report's pages as a PDF to `device`, which is open for writing.
// Returns the number of pages, 0 when nothing could be drawn.
int renderPdfReport(const Report& report, QIODevice& device, const QPageSize& pageSize)
{
    QPdfWriter writer(&device);
    // PDF/A-1b: everything needed to show the pages is in the file.
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setTitle(report.title);
    writer.setCreator(report.creator);
    writer.setResolution(kResolution);
    writer.setPageLayout(reportPageLayout(pageSize));
    return paintReport(report, writer);
}

bool isHeldOpenByAnotherProgram(const QString& path)
{
#ifdef Q_OS_WIN
    // Replacing a file needs it opened for deleting; asking for that while
    // sharing everything fails only where another program's handle does
    // not share it, whatever this program's rights to the folder are.
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle = CreateFileW(native.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    }
    CloseHandle(handle);
    return false;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

QPageSize reportPageSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout reportPageLayout(const QPageSize& pageSize)
{
    return QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

int paintReport(const Report& report, QPagedPaintDevice& device)
{
    // Laid out in units of 1/kResolution inch on a device of that
    // resolution, whatever the device painted on has (a printer's 300 or
    // 1200 dpi): font metrics and the tables' page breaks then come out
    // alike on every device, and the painter scales the pages to it.
    QBuffer sink;
    QPdfWriter layoutDevice(&sink);
    layoutDevice.setResolution(kResolution);
    constexpr double kUnitsPerPoint = kResolution / 72.0;
    const QSizeF area = device.pageLayout().paintRect(QPageLayout::Point).size() * kUnitsPerPoint;

    // The painter's origin is the top left of the area inside the margins;
    // the footer takes the bottom of that area, the text the rest.
    const QFont footerFont = reportFont(8.0);
    const double footerHeight = 2.5 * QFontMetricsF(footerFont, &layoutDevice).height();
    const double width = area.width();
    const double bodyHeight = area.height() - footerHeight;
    if (width <= 0 || bodyHeight <= 0)
        return 0;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&layoutDevice);
    document.setDefaultFont(reportFont(9.5));
    document.setDefaultStyleSheet(kStyleSheet);
    document.setDocumentMargin(0);
    document.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kDiagramUrl)), report.diagram);
    document.setHtml(report.html);
    document.setPageSize(QSizeF(width, bodyHeight));
    keepBlocksWhole(document, bodyHeight);

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.scale(device.logicalDpiX() / double(kResolution), device.logicalDpiY() / double(kResolution));
    // The print preview shrinks the pages to the screen: the diagram stays
    // whole there. Qt's PDF writer never interpolates images, as PDF/A wants.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return 0;
        }
        // A block that ends at the page's top edge, or starts at its bottom
        // edge, belongs to the neighbouring page: the layout, given the page
        // itself, would draw it here too, out of sight but in the page's text.
        const QRectF shown(0, page * bodyHeight, width, bodyHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown.adjusted(0, 1, 0, -1);
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        paintFooter(painter, reportFooter(page + 1, pages), footerFont, layoutDevice, width, bodyHeight + footerHeight);
    }
    return painter.end() ? pages : 0;
}

std::optional<QString> writePdfReport(const Report& report, const QString& path, const QPageSize& pageSize)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (renderPdfReport(report, file, pageSize) == 0) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the pages could not be drawn");
        file.cancelWriting();
        return reason;
    }
    // A write that failed on the way (a full disk) fails the commit, which
    // then removes the temporary file and keeps the old one.
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString saveReportTitle()
{
    // Translated under the context the saving messages have always had, so
    // that a translation made for them still finds them.
    return QCoreApplication::translate("siltmere::ui::ReportSaving", "Save report as PDF");
}

QString askSavePath(QWidget* parent, const QString& proposed, const QString& filter)
{
    const QString organisation = QStringLiteral("QtProject");
    const QString group = QStringLiteral("FileDialog");
    const QSettings before(QSettings::UserScope, organisation);
    const bool hadAny = !before.allKeys().isEmpty();
    const bool hadDialog = before.childGroups().contains(group);
    QString path = QFileDialog::getSaveFileName(parent, saveReportTitle(), proposed, filter);
    if (!path.isEmpty() || hadDialog)
        return path;
    QSettings settings(QSettings::UserScope, organisation);
    settings.remove(group);
    settings.sync();
    if (hadAny)
        return path;
        // Nothing there before: not even an empty file or key is left. Other
        // programs' own settings, beside these, stay.
#ifdef Q_OS_WIN
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QtProject\\OrganizationDefaults");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QtProject");
#else
    QFile::remove(settings.fileName());
#endif
    return path;
}

bool saveReportWithRetry(QWidget* parent, const Report& report, const QString& path, const QPageSize& pageSize)
{
    for (;;) {
        const std::optional<QString> error = writePdfReport(report, path, pageSize);
        if (!error)
            return true;
        if (!retryAfterWriteFailure(
                parent, saveReportTitle(),
                QCoreApplication::translate("siltmere::ui::ReportSaving", "The report could not be saved as"), path,
                *error))
            return false;
    }
}

bool retryAfterWriteFailure(QWidget* parent, const QString& title, const QString& failed, const QString& path,
                            const QString& reason)
{
    const QString file = QDir::toNativeSeparators(path);
    if (!isHeldOpenByAnotherProgram(path)) {
        QMessageBox::warning(parent, title, QStringLiteral("%1\n%2\n\n%3").arg(failed, file, reason));
        return false;
    }
    QMessageBox box(QMessageBox::Warning, title,
                    QCoreApplication::translate("siltmere::ui::FileInUse",
                                                "%1\n%2\n\nThe file is in use by another program (a PDF reader, "
                                                "for example). Close it there and press Retry, or press Cancel "
                                                "and save the report under another name.")
                        .arg(failed, file),
                    QMessageBox::Retry | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Retry;
}

} // namespace siltmere::ui
