#include "HelpWindow.h"

#include "FormBuilder.h"
#include "WindowCommands.h"

#include <QFile>
#include <QFontMetrics>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace siltmere::ui {

QString userGuide()
{
    QFile file(QStringLiteral(":/help/docs/guide.md"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent)
{
    setUpWindow(*this, QStringLiteral("Help"), tr("Siltmere Help"));
    makeOwnWindow(*this);
    // Left open, it does not keep the program running once the main window
    // has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    // The theme's font and colours throughout: the guide sets none of its
    // own, so it reads in a dark theme as in a light one.
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Guide"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(fontMetrics().height());
    browser_->setMarkdown(userGuide());
    browser_->setAccessibleName(tr("Siltmere user's guide"));
    browser_->setAccessibleDescription(
        tr("The three steps and their results, the limit's number format, the overview, copying, saving a report, "
           "and every shortcut"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setFocusProxy(browser_);

    // Lines of about 80 characters, and about 44 of them: a page that reads
    // well, smaller where the screen is, and scrolled.
    const QFontMetrics metrics(browser_->font());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    resize(80 * metrics.averageCharWidth() + 2 * fontMetrics().height() + bar + 2 * browser_->frameWidth(),
           44 * metrics.lineSpacing());
    fitToScreenOnFirstShow(*this);
}

HelpWindowOpener::~HelpWindowOpener()
{
    delete window_.data();
}

HelpWindow* HelpWindowOpener::open()
{
    if (!window_)
        window_ = new HelpWindow();
    showOrRaise(*window_);
    return window_;
}

} // namespace siltmere::ui
