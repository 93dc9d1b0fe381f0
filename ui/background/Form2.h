#pragma once

// The background window: what the tool predicts, the two earthworks
// scenarios, and a diagram of the conceptual catchment. It holds no data and
// calls nothing of the model. "Close" only hides it; closing it from the
// title bar destroys it.

#include "FormBuilder.h"

#include <QWidget>

namespace siltmere::ui {

class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

private:
    void Command1_Click();

    Controls controls_;
};

} // namespace siltmere::ui
