// Records every message the core shows, in order, in place of the message boxes.
#pragma once

#include "model/Messages.h"

#include <QList>
#include <QStringList>

class RecordingSink final : public glimmbar::MessageSink {
public:
    void showMessage(const glimmbar::Message& message) override { messages.append(message); }

    QStringList texts() const {
        QStringList out;
        for (const glimmbar::Message& m : messages) {
            out.append(m.text);
        }
        return out;
    }

    QList<glimmbar::Message> messages;
};
