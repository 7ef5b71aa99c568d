// A pet name as a player may type, paste or load it: the splitter's runs, each behind the code
// of its colour, put back together give the name whenever the name is whole (every control
// character the start of a whole code that has text after it), and only then; splitting what
// was put back together gives the same runs.
#include "model/ColourCodes.h"

#include "FuzzFolder.h"

namespace {

using namespace glimmbar;

bool isWholeCode(const QString& name, qsizetype i) {
    return i + 1 < name.size() && name[i].unicode() == kColourCodeLead &&
           findGameColour(name[i + 1].unicode()) != nullptr;
}

// Every control character starts a whole code, and each code is followed by text.
bool isWholeName(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i].unicode() >= 32) {
            continue;
        }
        if (!isWholeCode(name, i) || i + 2 >= name.size() || name[i + 2].unicode() < 32) {
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<ColourRun> runs = colourRuns(name);
    QString rebuilt;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const ColourRun& run = runs[i];
        FUZZ_CHECK(!run.text.isEmpty());
        FUZZ_CHECK(run.colour == 0 ? i == 0 : findGameColour(run.colour) != nullptr);
        for (const QChar c : run.text) {
            FUZZ_CHECK(c.unicode() >= 32);
        }
        rebuilt += (run.colour == 0 ? QString() : colourCode(run.colour)) + run.text;
    }
    FUZZ_CHECK((rebuilt == name) == isWholeName(name));
    FUZZ_CHECK(colourRuns(rebuilt) == runs);
    return 0;
}
