#include "Form2.h"

#include "FatalError.h"
#include "Form2Layout.h"

#include <QPushButton>

namespace siltmere::ui {

Form2::Form2(QWidget* parent)
    : QWidget(parent)
    , controls_(buildForm(*this, form2::kWindow, form2::kControls))
{
    // A window of its own, shown beside the main window rather than owned by
    // it; the title bar's close button destroys it.
    makeOwnWindow(*this);

    auto* close = controls_.get<QPushButton>(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
    close->setFocus();
}

void Form2::Command1_Click()
{
    hide();
}

} // namespace siltmere::ui
