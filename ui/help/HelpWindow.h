#pragma once

// The help window, "Siltmere Help": the user's guide, written once as
// Markdown (docs/guide.md) and compiled into the program, shown in a text
// browser in the theme's colours. Like the background window it is a window
// of its own, not modal and without an owner; one instance, brought to the
// front when asked for again.

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace siltmere::ui {

// The user's guide, Markdown, as the repository holds it.
QString userGuide();

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser& browser() const { return *browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

// Opens the one help window, or brings it to the front. The window lives
// until this opener goes: it belongs to the main window's commands, while
// the window itself stays ownerless beside the main window.
class HelpWindowOpener : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~HelpWindowOpener() override;

    HelpWindow* open();

private:
    QPointer<HelpWindow> window_;
};

} // namespace siltmere::ui
