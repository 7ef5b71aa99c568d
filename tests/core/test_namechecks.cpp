#include "scriptgen/NameChecks.h"

#include "RecordingSink.h"

#include <QTest>

using namespace glimmbar;

namespace {

QString tooShort(const char* roleLabel) {
    return QStringLiteral("Your ") + QLatin1String(roleLabel) +
           QStringLiteral(" has a name less than four characters in length.  Anarchy Online's "
                          "name filter will not allow your pet name, so script files cannot be "
                          "created.");
}

QString unnamed(const char* what) {
    return QStringLiteral("You cannot make the control script files unless you ") +
           QLatin1String(what) + QLatin1Char('!');
}

// A colour code as the colour buttons insert it: code 16, then the colour number.
const QString kColour = QString(QChar(16)) + QChar(6);

} // namespace

class TestNameChecks : public QObject {
    Q_OBJECT

private slots:
    void createRule_data() {
        QTest::addColumn<QString>("profession");
        QTest::addColumn<QStringList>("names"); // attack, heal, mezz, robot, mech dog, droid
        QTest::addColumn<QStringList>("expectedMessages"); // the writer runs when empty

        const auto mp = [](const QString& a, const QString& h, const QString& m) {
            return QStringList{a, h, m, {}, {}, {}};
        };
        const auto engy = [](const QString& robot, const QString& dog) {
            return QStringList{{}, {}, {}, robot, dog, {}};
        };
        const QStringList none{{}, {}, {}, {}, {}, {}};

        QTest::newRow("MP, only a heal name") << "MP" << mp({}, "Fixer", {}) << QStringList{};
        QTest::newRow("MP, three short names, one message each in order")
            << "MP" << mp("Zap", "Fx", "Zzz")
            << QStringList{tooShort("attack pet"), tooShort("healpet"), tooShort("mezz pet")};
        QTest::newRow("MP, short attack and mezz names around a good one")
            << "MP" << mp("ab", "Fixer", "cd")
            << QStringList{tooShort("attack pet"), tooShort("mezz pet")};
        QTest::newRow("MP, no name at all")
            << "MP" << none << QStringList{unnamed("name at least one pet")};
        QTest::newRow("MP, four spaces count") << "MP" << mp("    ", {}, {}) << QStringList{};
        QTest::newRow("MP, a colour code does not count")
            << "MP" << mp(kColour + "Zap", {}, {}) << QStringList{tooShort("attack pet")};
        QTest::newRow("MP ignores the Engineer's names")
            << "MP" << QStringList{"Zapper", {}, {}, "R", {}, {}} << QStringList{};

        QTest::newRow("Engineer, a short mech-dog name is not examined")
            << "Engineer" << engy("Robby", "Rx") << QStringList{};
        QTest::newRow("Engineer, no robot name")
            << "Engineer" << engy({}, "Rexxy")
            << QStringList{unnamed("have a name for your main robot")};
        QTest::newRow("Engineer, code 26 does not count")
            << "Engineer" << engy(QChar(26) + QStringLiteral("Bob"), {})
            << QStringList{tooShort("robot")};
        QTest::newRow("Engineer, code 27 counts")
            << "Engineer" << engy(QChar(27) + QStringLiteral("Bob"), {}) << QStringList{};

        QTest::newRow("Bureaucrat, no droid name")
            << "Bureaucrat" << none << QStringList{unnamed("have a name for your droid")};
        QTest::newRow("Bureaucrat, short droid name")
            << "Bureaucrat" << QStringList{{}, {}, {}, {}, {}, "R2"}
            << QStringList{tooShort("droid")};

        // Any other text, another letter case included, matches no rule: no message, no files.
        QTest::newRow("profession in lower case does nothing") << "mp" << none << QStringList{};
        QTest::newRow("no profession does nothing") << "" << none << QStringList{};
    }

    void createRule() {
        QFETCH(QString, profession);
        QFETCH(QStringList, names);
        QFETCH(QStringList, expectedMessages);
        Settings s = Settings::defaults();
        s.LastModeUsedMEC = profession;
        s.AttackPetName = names[0];
        s.HealPetName = names[1];
        s.MezzPetName = names[2];
        s.EngyPetName = names[3];
        s.MechdogPetName = names[4];
        s.CratPetName = names[5];

        RecordingSink sink;
        const bool known = QStringList{"MP", "Engineer", "Bureaucrat"}.contains(profession);
        QCOMPARE(checkCreateNames(s, sink), known && expectedMessages.isEmpty());
        QCOMPARE(sink.texts(), expectedMessages);
        for (const Message& m : sink.messages) {
            QCOMPARE(m.title, QStringLiteral("Glimmbar"));
            QCOMPARE(m.icon, MessageIcon::Critical);
        }
    }
};

QTEST_GUILESS_MAIN(TestNameChecks)
#include "test_namechecks.moc"
