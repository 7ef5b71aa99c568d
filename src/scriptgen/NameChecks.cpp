#include "NameChecks.h"

#include "model/PetCatalogue.h"

namespace glimmbar {

namespace {

// Codes 0 to 26 are the control characters the colour codes are built from.
constexpr char16_t kLastUncountedCode = 26;
constexpr int kShortestAllowedName = 4;

void refuse(MessageSink& messages, const QString& text) {
    messages.showMessage({text, kProgramTitle, MessageIcon::Critical});
}

// Adds one MP name to the counters: an empty name passes (the pet is simply not scripted),
// a typed one must be long enough.
void checkMpName(const QString& name, const QString& roleLabel, MessageSink& messages, int& passed,
                 int& empty) {
    if (name.isEmpty()) {
        ++passed;
        ++empty;
    } else {
        passed += CheckPetNameLength(name, roleLabel, messages);
    }
}

bool checkMp(const Settings& settings, MessageSink& messages) {
    int passed = 0;
    int empty = 0;
    // Every name is looked at, so the player sees all short names at once.
    checkMpName(settings.AttackPetName, QStringLiteral("attack pet"), messages, passed, empty);
    checkMpName(settings.HealPetName, QStringLiteral("healpet"), messages, passed, empty);
    checkMpName(settings.MezzPetName, QStringLiteral("mezz pet"), messages, passed, empty);
    if (empty == 3) {
        refuse(messages, QStringLiteral("You cannot make the control script files unless you "
                                        "name at least one pet!"));
        return false;
    }
    return passed == 3;
}

// The Engineer's robot and the Bureaucrat's droid: one name, required.
bool checkSingleName(const QString& name, const QString& roleLabel, const QString& missingText,
                     MessageSink& messages) {
    if (name.isEmpty()) {
        refuse(messages, missingText);
        return false;
    }
    return CheckPetNameLength(name, roleLabel, messages) == 1;
}

} // namespace

int countedNameLength(const QString& name) {
    int count = 0;
    for (const QChar c : name) {
        if (c.unicode() > kLastUncountedCode) {
            ++count;
        }
    }
    return count;
}

int CheckPetNameLength(const QString& PetNameToCheck, const QString& ParticularPetType,
                       MessageSink& messages) {
    if (countedNameLength(PetNameToCheck) >= kShortestAllowedName) {
        return 1;
    }
    refuse(messages, QStringLiteral("Your ") + ParticularPetType +
                         QStringLiteral(" has a name less than four characters in length.  "
                                        "Anarchy Online's name filter will not allow your pet "
                                        "name, so script files cannot be created."));
    return 0;
}

bool checkCreateNames(const Settings& settings, MessageSink& messages) {
    const std::optional<Profession> profession = professionFromText(settings.LastModeUsedMEC);
    if (!profession) {
        return false;
    }
    switch (*profession) {
    case Profession::MP:
        return checkMp(settings, messages);
    case Profession::Engineer:
        return checkSingleName(settings.EngyPetName, QStringLiteral("robot"),
                               QStringLiteral("You cannot make the control script files unless "
                                              "you have a name for your main robot!"),
                               messages);
    case Profession::Bureaucrat:
        return checkSingleName(settings.CratPetName, QStringLiteral("droid"),
                               QStringLiteral("You cannot make the control script files unless "
                                              "you have a name for your droid!"),
                               messages);
    }
    return false;
}

} // namespace glimmbar
