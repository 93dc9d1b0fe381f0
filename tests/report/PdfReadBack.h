#pragma once

// Reads a saved report back as a reader would: its text, pages and fonts
// through poppler's tools where they are installed, otherwise from the
// file's own bytes.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace siltmere::test {

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where SILTMERE_REPORT_SAMPLES names a folder, a report written is copied
// there as `name`, to be looked at or checked by hand (e.g. one made under
// Wine).
inline void keepSample(const QString& path, const QString& name)
{
    const QString samples = qEnvironmentVariable("SILTMERE_REPORT_SAMPLES");
    if (samples.isEmpty())
        return;
    const QString target = QDir(samples).filePath(name);
    QFile::remove(target);
    QFile::copy(path, target);
}

// What the tool prints; a null string where it is not installed.
inline QString toolOutput(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(tool, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text as pdftotext reads it, as one line of words with single spaces:
// a table row, and a sentence however it wraps, reads as the words in
// order. The spaces around an arrow come and go with the glyphs' spacing, so
// "9 → 14" reads "9→14". Null where pdftotext is not installed.
inline QString pdfText(const QString& path)
{
    QString text = toolOutput(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", path, "-"});
    if (text.isNull())
        return text;
    static const QRegularExpression kArrow(QStringLiteral(" ?→ ?"));
    return text.simplified().replace(kArrow, QStringLiteral("→"));
}

// The number of pages: pdfinfo's count, or the page objects in the file.
inline int pdfPageCount(const QString& path)
{
    const QString info = toolOutput(QStringLiteral("pdfinfo"), {path});
    if (!info.isNull()) {
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption).match(info);
        return pages.hasMatch() ? pages.captured(1).toInt() : -1;
    }
    static const QRegularExpression kPageObject(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int pages = 0;
    for (auto match = kPageObject.globalMatch(QString::fromLatin1(fileBytes(path))); match.hasNext(); match.next())
        ++pages;
    return pages;
}

// A file that starts as a PDF and declares itself PDF/A-1 in its XMP
// metadata: what can be told without poppler.
inline bool declaresPdfA1(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    static const QRegularExpression kPart(QStringLiteral("pdfaid:part(>|=\")1"));
    return bytes.startsWith("%PDF-") && QString::fromLatin1(bytes).contains(kPart);
}

} // namespace siltmere::test
