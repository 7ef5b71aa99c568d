// Tab enters a group of radio buttons at the selected one, as on every desktop, and the arrow
// keys move the selection within the group. Qt alone enters at whichever button last had the
// focus, or at the first one.
#pragma once

class QButtonGroup;

namespace glimmbar {

// Call once the group holds its buttons; it keeps working as the selection changes, however
// it changes (mouse, keys, an accessibility action, the program).
void tabEntersAtSelectedButton(QButtonGroup& group);

} // namespace glimmbar
