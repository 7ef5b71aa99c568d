#include "model/FileFit.h"

#include "files/FileLayer.h"
#include "model/ColourCodes.h"
#include "model/FileNames.h"

namespace glimmbar {

QString fileWords(TextFile file) {
    switch (file) {
    case TextFile::Settings:
        return QStringLiteral("Glimmbar's settings file ") + kSettingsFileName;
    case TextFile::Script:
        return QStringLiteral("the game's script files");
    case TextFile::HelpFile:
        return QStringLiteral("the in-game help file ") + kHelpFileName;
    }
    return {};
}

std::optional<QString> misfitInLine(const QString& text) {
    if (const QChar c = firstUnencodable(text); !c.isNull()) {
        // A character beyond the first 65536 is two QChars; the player should see it whole.
        const qsizetype at = text.indexOf(c);
        const bool pair = c.isHighSurrogate() && at + 1 < text.size();
        return QStringLiteral("the character ") + text.mid(at, pair ? 2 : 1);
    }
    if (const QString outsideCodes = withoutColourCodes(text);
        outsideCodes.contains(QLatin1Char('\n')) || outsideCodes.contains(QLatin1Char('\r'))) {
        return QStringLiteral("a line break");
    }
    return std::nullopt;
}

QString cannotHoldSentence(const QString& subject, const QString& misfit, TextFile file) {
    return subject + QStringLiteral(" holds ") + misfit + QStringLiteral(", which ") +
           fileWords(file) + QStringLiteral(" cannot hold.");
}

} // namespace glimmbar
