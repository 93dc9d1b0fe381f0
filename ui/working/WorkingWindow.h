#pragma once

// The working window, "Siltmere Working": how the result the planner picked
// was worked out, step by step, as text that screen readers read and that
// scrolls on small screens. One window, not modal and owned by no other; the
// main window tells it the result to show, again whenever the planner picks
// another or the inputs change. Ctrl+C, or "Copy working" in its context
// menu, copies the whole working as plain text and HTML.

#include "WorkingText.h"

#include <QWidget>

class QAction;
class QTextBrowser;

namespace siltmere::ui {

class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget* parent = nullptr);

    // Shows `working`, of a result shown where `origin` says.
    void showWorking(const Working& working, const QString& origin);

    // What the window shows, and its text view, for tests.
    const WorkingDocument& document() const { return document_; }
    QTextBrowser& browser() const { return *browser_; }

private:
    Working working_;
    QString origin_;
    WorkingDocument document_;
    QTextBrowser* browser_ = nullptr;
    QAction* copy_ = nullptr;
};

} // namespace siltmere::ui
