#pragma once

// About Siltmere: what the program is and is for, its version, its
// copyright and licence, and the notices of the software it is built with.

#include <QString>

class QWidget;

namespace siltmere::ui {

// The box's text, rich text: the version, what Siltmere is for, the
// copyright and licence, and Qt's notice with the Qt version in use.
QString aboutSiltmereText();

// Siltmere's licence as the repository's LICENSE gives it.
QString licenceText();

// Shows About Siltmere over `parent`, with the licence's full text under
// "Show Details…".
void showAboutSiltmere(QWidget* parent);

} // namespace siltmere::ui
