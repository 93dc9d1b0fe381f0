#include "WorkingWindow.h"

#include "DesignFonts.h"
#include "FatalError.h"
#include "FormBuilder.h"
#include "WindowCommands.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <memory>

namespace siltmere::ui {

namespace {

// About ninety characters a line and forty lines: a working's longest
// section without scrolling, on a screen that has the room.
constexpr int kColumns = 90;
constexpr int kLines = 40;

} // namespace

WorkingWindow::WorkingWindow(QWidget* parent)
    : QWidget(parent)
{
    setUpWindow(*this, QStringLiteral("Working"), tr("Siltmere Working"));
    // A window of its own beside the main window, as the background window
    // is.
    makeOwnWindow(*this);
    const QFont windowFont = designFont(kReadingFont);
    setFont(windowFont);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("WorkingText"));
    browser_->setAccessibleName(tr("How the result was worked out"));
    browser_->setOpenLinks(false);
    browser_->document()->setDocumentMargin(10);
    // Read with the keyboard too: a caret to move through the text, as a
    // screen reader needs.
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    browser_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);

    // Ctrl+C copies the whole working, not a selection: the read-only view
    // leaves the key to the window. Its context menu's own "Copy" copies a
    // selection.
    copy_ = addWindowCommand(*this, tr("Copy working"), QKeySequence::Copy, [this] {
        const WorkingDocument copy =
            copiedWorking(working_, origin_, QStringLiteral(SILTMERE_VERSION), QDateTime::currentDateTime());
        copyToClipboard(copy.text, copy.html);
    });
    connect(browser_, &QTextBrowser::customContextMenuRequested, this, guarded([this](const QPoint& position) {
                std::unique_ptr<QMenu> menu(browser_->createStandardContextMenu(position));
                menu->addSeparator();
                menu->addAction(copy_);
                menu->exec(browser_->viewport()->mapToGlobal(position));
            }));

    const QFontMetrics metrics(windowFont);
    resize(metrics.averageCharWidth() * kColumns, metrics.lineSpacing() * kLines);
    fitToScreenOnFirstShow(*this);
}

void WorkingWindow::showWorking(const Working& working, const QString& origin)
{
    // The same result again (an input changed) keeps its place; another
    // starts at its top.
    const int scrolled = working.title == working_.title ? browser_->verticalScrollBar()->value() : 0;
    working_ = working;
    origin_ = origin;
    document_ = renderWorking(working, origin);
    browser_->setHtml(document_.html);
    browser_->verticalScrollBar()->setValue(scrolled);
    browser_->setAccessibleDescription(QString::fromStdString(working.title));
}

} // namespace siltmere::ui
