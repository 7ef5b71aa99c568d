// Records every message the core shows, in order, in place of the message boxes.
#pragma once

#include "model/Messages.h"

#include <QList>

class RecordingSink final : public glimmbar::MessageSink {
public:
    void showMessage(const glimmbar::Message& message) override { messages.append(message); }

    QList<glimmbar::Message> messages;
};
