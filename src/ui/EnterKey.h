// Enter and Return press the push button that has the keyboard focus, as Windows players
// expect of every dialog. Qt does this only for dialogs' default buttons.
#pragma once

class QWidget;

namespace glimmbar {

// Call once the window's push buttons exist; the filter belongs to the window.
void pressFocusedButtonOnEnter(QWidget& window);

} // namespace glimmbar
