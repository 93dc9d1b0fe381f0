#include "WindowCommands.h"

#include "FatalError.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

namespace siltmere::ui {

QAction* commandAction(QObject& owner, const QString& text, std::function<void()> command)
{
    auto* action = new QAction(text, &owner);
    QObject::connect(action, &QAction::triggered, &owner, guarded(std::move(command)));
    return action;
}

QAction* addWindowCommand(QWidget& window, const QString& text, const QKeySequence& shortcut,
                          std::function<void()> command)
{
    QAction* action = commandAction(window, text, std::move(command));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

void copyToClipboard(const QString& text, const QString& html)
{
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void showOrRaise(QWidget& window)
{
    const bool alreadyShown = window.isVisible();
    window.show();
    if (alreadyShown)
        window.raise();
    window.activateWindow();
}

} // namespace siltmere::ui
