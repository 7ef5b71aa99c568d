#include "model/Options.h"

#include "model/FileFit.h"

#include <QDir>

namespace glimmbar {

namespace {

using enum SettingsField;
constexpr std::array<OptionsText, kOptionsTextCount> kOptionsTexts = {{
    {Naming, &Settings::Naming, "txtNaming", "Name of Pet Naming script", OptionsTab::Scripting},
    {Attack, &Settings::Attack, "txtAttack", "Name of Pet Attack script", OptionsTab::Scripting},
    {Behind, &Settings::Behind, "txtBehind", "Name of Attack Pet Behind/Follow script",
     OptionsTab::Scripting},
    {Heal, &Settings::Heal, "txtHeal", "Name of Pet Heal script", OptionsTab::Scripting},
    {Healme, &Settings::Healme, "txtHealme", "Name of Pet Heal Me script", OptionsTab::Scripting},
    {Mezz, &Settings::Mezz, "txtMezz", "Name of Pet Mezz script", OptionsTab::Scripting},
    {MezzBehind, &Settings::MezzBehind, "txtMezzBehind", "Name of Mezz Pet Behind/Follow script",
     OptionsTab::Scripting},
    {NewHealPetDelay, &Settings::NewHealPetDelay, "txtNewHealPetDelay",
     "Heal Pet Delay (1000 = 1 sec) [0 = no delay]", OptionsTab::Scripting},
    {MPAttackAnnounce, &Settings::MPAttackAnnounce, "txtMPAttackAnnounce",
     "Meta-Physicist attack pet starting combat", OptionsTab::Announcements},
    {MPHealAnnounce, &Settings::MPHealAnnounce, "txtMPHealAnnounce",
     "Meta-Physicist heal pet starting heal", OptionsTab::Announcements},
    {MPMezzAnnounce, &Settings::MPMezzAnnounce, "txtMPMezzAnnounce",
     "Meta-Physicist mezz pet starting combat", OptionsTab::Announcements},
    {EngyAnnounce, &Settings::EngyAnnounce, "txtEngyAnnounce", "Engineer pet starting combat",
     OptionsTab::Announcements},
    {CratAnnounce, &Settings::CratAnnounce, "txtCratAnnounce", "Bureaucrat pet starting combat",
     OptionsTab::Announcements},
}};

const QString kOptionsNotSaved = QStringLiteral(" Change it, then press Ok again. Your options "
                                                "were not saved.");

QString tabWords(OptionsTab tab) {
    return tab == OptionsTab::Scripting ? QStringLiteral("Scripting Options")
                                        : QStringLiteral("Pet Announcements");
}

} // namespace

std::span<const OptionsText, kOptionsTextCount> optionsTexts() {
    return kOptionsTexts;
}

const OptionsText* optionsText(const TextField& field) {
    for (const OptionsText& text : kOptionsTexts) {
        if (TextField(text.field) == field) {
            return &text;
        }
    }
    return nullptr;
}

QString optionsBoxWords(const OptionsText& text) {
    return QStringLiteral("The box ") + quoted(QLatin1String(text.caption));
}

QString optionsTabWords(const OptionsText& text) {
    return QStringLiteral("on the ") + tabWords(text.tab) +
           QStringLiteral(" tab of the Options window");
}

std::optional<Refusal> saveOptions(const Settings& shown, const PetSelection& shownSelection,
                                   Settings& settings, PetSelection& selection) {
    for (const OptionsText& text : kOptionsTexts) {
        if (const std::optional<QString> misfit = misfitInLine(shown.*text.field)) {
            return Refusal{
                refusal(cannotHoldSentence(optionsBoxWords(text), *misfit, TextFile::Settings) +
                        kOptionsNotSaved),
                &text};
        }
    }
    Settings values = shown;
    values.TitleString = kSettingsHeader;
    std::vector<SettingsField> fields = {SettingsField::TitleString, SettingsField::FollowOrBehind};
    for (const OptionsText& text : kOptionsTexts) {
        fields.push_back(text.line);
    }
    FileResult result = updateSettingsFile(values, fields, &settings);
    if (result) {
        result = savePetSelection(shownSelection);
    }
    if (!result) {
        return Refusal{
            refusal(QStringLiteral("Glimmbar could not save your options to \"%1\" in the "
                                   "folder \"%2\":\n\n%3\n\nYour changes are still in the "
                                   "Options window.")
                        .arg(result.fileName, QDir::toNativeSeparators(QDir::currentPath()),
                             result.reason))};
    }
    selection = shownSelection;
    return std::nullopt;
}

} // namespace glimmbar
