#include "ui/RadioGroupFocus.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace glimmbar {

namespace {

// Only the selected button takes Tab; the others can still be clicked or reached by the
// arrows. With none selected, Tab may stop at any of them.
void letTabStopAtSelected(const QButtonGroup& group) {
    const QAbstractButton* selected = group.checkedButton();
    for (QAbstractButton* button : group.buttons()) {
        const bool takesTab = selected == nullptr || button == selected;
        button->setFocusPolicy(takesTab ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace

void tabEntersAtSelectedButton(QButtonGroup& group) {
    letTabStopAtSelected(group);
    QObject::connect(&group, &QButtonGroup::buttonToggled, &group,
                     [&group](QAbstractButton*, bool checked) {
                         if (checked) {
                             letTabStopAtSelected(group);
                         }
                     });
}

} // namespace glimmbar
