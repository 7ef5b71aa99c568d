#include "CreateCommand.h"

#include <algorithm>
#include <array>
#include <utility>

namespace glimmbar {

namespace {

// Codes 0 to 26 are the control characters the colour codes are built from (code 16 followed
// by a colour number of 25 or less), so colour codes never make a name long enough.
constexpr char16_t kLastUncountedCode = 26;
constexpr qsizetype kShortestAllowedName = 4;

void refuse(MessageSink& messages, const QString& text) {
    messages.showMessage({text, kProgramTitle, MessageIcon::Critical});
}

// True when the name has at least four characters the game's name filter counts; otherwise
// shows the refusal for the pet of `ParticularPetType` ("attack pet", "healpet", "mezz pet",
// "robot", "droid").
bool CheckPetNameLength(const QString& PetNameToCheck, const QString& ParticularPetType,
                        MessageSink& messages) {
    const auto counted = std::count_if(PetNameToCheck.begin(), PetNameToCheck.end(),
                                       [](QChar c) { return c.unicode() > kLastUncountedCode; });
    if (counted >= kShortestAllowedName) {
        return true;
    }
    refuse(messages, QStringLiteral("Your ") + ParticularPetType +
                         QStringLiteral(" has a name less than four characters in length.  "
                                        "Anarchy Online's name filter will not allow your pet "
                                        "name, so script files cannot be created."));
    return false;
}

// A Meta-Physicist needs at least one pet named; an empty name only leaves that pet out.
// Every name is looked at, so the player sees all short names at once.
bool checkMp(const Settings& s, MessageSink& messages) {
    const std::array<std::pair<const QString*, QString>, 3> names = {{
        {&s.AttackPetName, QStringLiteral("attack pet")},
        {&s.HealPetName, QStringLiteral("healpet")},
        {&s.MezzPetName, QStringLiteral("mezz pet")},
    }};
    int passed = 0;
    int empty = 0;
    for (const auto& [name, roleLabel] : names) {
        if (name->isEmpty()) {
            ++passed;
            ++empty;
        } else if (CheckPetNameLength(*name, roleLabel, messages)) {
            ++passed;
        }
    }
    if (empty == 3) {
        refuse(messages, QStringLiteral("You cannot make the control script files unless you "
                                        "name at least one pet!"));
        return false;
    }
    return passed == 3;
}

// The Engineer's robot and the Bureaucrat's droid: one name, required. The Engineer's mech-dog
// name is not looked at.
bool checkSingleName(const QString& name, const QString& roleLabel, const QString& missingText,
                     MessageSink& messages) {
    if (name.isEmpty()) {
        refuse(messages, missingText);
        return false;
    }
    return CheckPetNameLength(name, roleLabel, messages);
}

bool checkCreateNames(Profession profession, const Settings& s, MessageSink& messages) {
    switch (profession) {
    case Profession::MP:
        return checkMp(s, messages);
    case Profession::Engineer:
        return checkSingleName(s.EngyPetName, QStringLiteral("robot"),
                               QStringLiteral("You cannot make the control script files unless "
                                              "you have a name for your main robot!"),
                               messages);
    case Profession::Bureaucrat:
        return checkSingleName(s.CratPetName, QStringLiteral("droid"),
                               QStringLiteral("You cannot make the control script files unless "
                                              "you have a name for your droid!"),
                               messages);
    }
    return false;
}

} // namespace

bool runCreateFiles(const CreateSnapshot& snapshot, MessageSink& messages) {
    return snapshot.profession &&
           checkCreateNames(*snapshot.profession, snapshot.settings, messages) &&
           writeScriptFiles(snapshot, messages);
}

} // namespace glimmbar
