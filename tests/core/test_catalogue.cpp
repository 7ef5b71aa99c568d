// The catalogue is a fixed fact of the game and of players' petselect.cfg files, so it is
// checked once against a literal copy kept in tests/data/scriptgen.
#include "model/PetCatalogue.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

namespace {

QString keyAt(int index) {
    return petTypes()[static_cast<std::size_t>(index)].key();
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void petTypesInCatalogueOrder() {
        const QList<QStringList> rows = dataTable("model/catalogue.txt");
        QCOMPARE(rows.size(), static_cast<qsizetype>(petTypes().size()));
        for (std::size_t i = 0; i < petTypes().size(); ++i) {
            const PetType& t = petTypes()[i];
            QCOMPARE((QStringList{t.key(), t.caption, t.inGameName(), roleKey(t.role)}),
                     rows[static_cast<qsizetype>(i)]);
            QCOMPARE(petTypeIndex(t), i);
        }
    }

    // A toggle button's deciding member alone decides: ticked, the whole group is cleared;
    // clear, the whole group is ticked. Nothing outside the group changes.
    void toggleGroups() {
        const QList<QStringList> rows = dataTable("model/toggles.txt");
        QCOMPARE(rows.size(), static_cast<qsizetype>(glimmbar::toggleGroups().size()));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const ToggleGroup& g = glimmbar::toggleGroups()[static_cast<std::size_t>(i)];
            // The members are checked by what the toggle does.
            QCOMPARE((QStringList{g.buttonName, g.caption, roleKey(g.role), rows[i][3],
                                  keyAt(g.decidingMember)}),
                     rows[i]);
            for (const bool decidingTicked : {true, false}) {
                IncludeFlags flags(petTypes().size());
                for (std::size_t f = 0; f < flags.size(); ++f) {
                    flags[f] = (f + static_cast<std::size_t>(i)) % 3 == 0;
                }
                flags[static_cast<std::size_t>(g.decidingMember)] = decidingTicked;
                const IncludeFlags after = toggledFlags(g, flags);
                for (std::size_t f = 0; f < flags.size(); ++f) {
                    const bool member = rows[i][3].split(' ').contains(keyAt(static_cast<int>(f)));
                    QCOMPARE(after[f], member ? !decidingTicked : flags[f]);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
