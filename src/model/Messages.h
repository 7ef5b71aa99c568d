// How the core tells the player something: a modal message with a text, a title and an icon.
// The windows show it in a message box; tests record it.
#pragma once

#include <QString>

namespace glimmbar {

enum class MessageIcon { Critical, Information, Exclamation };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Critical;

    friend bool operator==(const Message&, const Message&) = default;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns once the player has dismissed the message.
    virtual void showMessage(const Message& message) = 0;
};

struct OptionsText;

// A decision the player is told about: the message, and the Options box whose text is the
// reason when there is one. Whatever refuses a run, a save or a folder returns
// std::optional<Refusal>; nullopt means go ahead.
struct Refusal {
    Message message;
    const OptionsText* box = nullptr;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The title every refusal and error carries.
inline const QString kProgramTitle = QStringLiteral("Glimmbar");

// A text in double quotes, as a message names a folder or a box and a script names a pet.
inline QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A refusal or an error: the program's title and the critical icon.
inline Message refusal(const QString& text) {
    return {text, kProgramTitle, MessageIcon::Critical};
}

} // namespace glimmbar
