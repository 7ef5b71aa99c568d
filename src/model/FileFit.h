// What a line of the files Glimmbar writes cannot hold, and the one way a refusal says so.
//
// Every file is single-byte Windows-1252 text with one value a line: a character outside the
// code page would be stored as '?', and a line break would push every later value down a line.
// Whichever window or command refuses such a text, the player reads the same sentence naming
// the same file in the same words.
#pragma once

#include <QString>

#include <optional>

namespace glimmbar {

// The files a typed text can go into.
enum class TextFile { Settings, Script, HelpFile };

// How a refusal names the file: "Glimmbar's settings file glimmbar.cfg", "the game's script
// files", "the in-game help file glimmbarhelp.txt".
QString fileWords(TextFile file);

// The first thing in `text` that one line of such a file cannot hold, in words ("the character
// 一", "a line break"), or nullopt when the text fits. A carriage return that ends a
// colour code (Dark Blue's) belongs to the code and is no line break.
std::optional<QString> misfitInLine(const QString& text);

// The refusal's first sentence: "<subject> holds <misfit>, which <file> cannot hold."
QString cannotHoldSentence(const QString& subject, const QString& misfit, TextFile file);

} // namespace glimmbar
