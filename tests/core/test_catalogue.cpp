#include "model/PetCatalogue.h"

#include <QSet>
#include <QTest>

using namespace glimmbar;

namespace {

int index(const char* key) {
    return petTypeIndex(QLatin1String(key));
}

const ToggleGroup& group(const char* button) {
    const ToggleGroup* found = findToggleGroup(QLatin1String(button));
    Q_ASSERT(found != nullptr);
    return *found;
}

IncludeFlags only(std::initializer_list<const char*> keys) {
    IncludeFlags flags{};
    for (const char* key : keys) {
        flags[static_cast<std::size_t>(index(key))] = true;
    }
    return flags;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void rolesHoldTheirTypesInRowOrder() {
        const QList<qsizetype> counts{11, 10, 10, 11, 5, 9};
        QSet<QString> keys;
        for (std::size_t r = 0; r < kAllRoles.size(); ++r) {
            const auto types = roleTypes(kAllRoles[r]);
            QCOMPARE(static_cast<qsizetype>(types.size()), counts[static_cast<qsizetype>(r)]);
            for (std::size_t i = 0; i < types.size(); ++i) {
                QCOMPARE(types[i].role, kAllRoles[r]);
                QCOMPARE(types[i].row, static_cast<int>(i) + 1);
                keys.insert(QLatin1String(types[i].key));
            }
        }
        QCOMPARE(keys.size(), kPetTypeCount);
        QCOMPARE(index("AngerManifestation"), 0);
        QCOMPARE(index("BureaucratBodyguard"), 55);
        QCOMPARE(index("PredatorM30"), 42);
        QCOMPARE(index("NoSuchPet"), -1);
        QCOMPARE(QLatin1String(petTypes()[24].caption), QLatin1String("Ignatus Mind Clouder"));
    }

    void professionsAndTheirRoles() {
        QCOMPARE(professionRoles(Profession::MP).size(), 3u);
        QCOMPARE(professionRoles(Profession::Engineer)[1], PetRole::Mechdog);
        QCOMPARE(professionRoles(Profession::Bureaucrat)[0], PetRole::Crat);
        QCOMPARE(professionFromText(QStringLiteral("Engineer")), Profession::Engineer);
        QVERIFY(!professionFromText(QStringLiteral("mp")).has_value());
        QVERIFY(!professionFromText(QStringLiteral("MP ")).has_value());
    }

    // Every toggle group is a run of one role's rows that agrees with the catalogue's groups.
    void toggleGroupsMatchTheCatalogue() {
        QCOMPARE(toggleGroups().size(), 16u);
        int covered = 0;
        for (const ToggleGroup& g : toggleGroups()) {
            const PetType& first = petTypes()[static_cast<std::size_t>(g.firstMember)];
            for (int i = 0; i < g.memberCount; ++i) {
                const PetType& t = petTypes()[static_cast<std::size_t>(g.firstMember + i)];
                QCOMPARE(t.role, g.role);
                QCOMPARE(t.group, first.group);
            }
            QVERIFY(g.decidingMember >= g.firstMember);
            QVERIFY(g.decidingMember < g.firstMember + g.memberCount);
            covered += g.memberCount;
        }
        QCOMPARE(covered, kPetTypeCount);
        int greater = 0;
        for (const ToggleGroup& g : toggleGroups()) {
            greater += QLatin1String(g.caption) == QLatin1String("Toggle Greater Pets") ? 1 : 0;
        }
        QCOMPARE(greater, 5);
    }

    void toggleFollowsTheDecidingMember() {
        const ToggleGroup& lesser = group("cmdToggleMPHLesser");
        // Medinos decides: unticked, so the whole group is ticked.
        QCOMPARE(Toggle(lesser, only({"Salvinous", "Valentyia"})),
                 only({"Medinos", "Salvinous", "Valentyia"}));
        QCOMPARE(Toggle(lesser, only({"Medinos", "Salvinous", "Valentyia"})), only({}));
        // And once more back on.
        QCOMPARE(Toggle(lesser, Toggle(lesser, only({"Medinos", "Salvinous", "Valentyia"}))),
                 only({"Medinos", "Salvinous", "Valentyia"}));
    }

    // The attack pets' Greater group is decided by its bottom row.
    void attackGreaterIsDecidedByMetaphysicalDemon() {
        const ToggleGroup& greater = group("cmdToggleMPAGreater");
        QCOMPARE(Toggle(greater, only({"FrenzyEmbodiment"})),
                 only({"FrenzyEmbodiment", "EnmityPersonification", "MetaphysicalDemon"}));
        QCOMPARE(Toggle(greater, only({"MetaphysicalDemon"})), only({}));
    }

    void toggleTouchesOnlyItsOwnGroup() {
        IncludeFlags all{};
        all.fill(true);
        const IncludeFlags after = Toggle(group("cmdToggleMechdogAll"), all);
        for (int i = 0; i < kPetTypeCount; ++i) {
            const bool mechdog = petTypes()[static_cast<std::size_t>(i)].role == PetRole::Mechdog;
            QCOMPARE(after[static_cast<std::size_t>(i)], !mechdog);
        }
        // Each "Toggle Greater Pets" acts on its own role only.
        const IncludeFlags crat = Toggle(group("cmdToggleCratGreater"), only({}));
        QCOMPARE(crat,
                 only({"BureaucratAdministrator", "BureaucratMinion", "BureaucratBodyguard"}));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
