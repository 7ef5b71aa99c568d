#include "scriptgen/NameChecks.h"

#include "RecordingSink.h"

#include <QTest>

using namespace glimmbar;

namespace {

const QString kTooShortTail =
    QStringLiteral(" has a name less than four characters in length.  Anarchy Online's name "
                   "filter will not allow your pet name, so script files cannot be created.");

QString tooShort(const char* roleLabel) {
    return QStringLiteral("Your ") + QLatin1String(roleLabel) + kTooShortTail;
}

const QString kNoMpName =
    QStringLiteral("You cannot make the control script files unless you name at least one pet!");
const QString kNoRobot = QStringLiteral(
    "You cannot make the control script files unless you have a name for your main robot!");
const QString kNoDroid = QStringLiteral(
    "You cannot make the control script files unless you have a name for your droid!");

// A colour code as the colour buttons insert it: code 16, then the colour number.
QString colour(int number) {
    return QString(QChar(16)) + QChar(number);
}

} // namespace

class TestNameChecks : public QObject {
    Q_OBJECT

private slots:
    void createRule_data() {
        QTest::addColumn<QString>("profession");
        QTest::addColumn<QStringList>("names"); // attack, heal, mezz, robot, mech dog, droid
        QTest::addColumn<bool>("writerRuns");
        QTest::addColumn<QStringList>("expectedMessages");

        const auto mp = [](const char* a, const char* h, const char* m) {
            return QStringList{
                QString::fromUtf8(a), QString::fromUtf8(h), QString::fromUtf8(m), {}, {}, {}};
        };
        const auto engy = [](const QString& robot, const QString& dog) {
            return QStringList{{}, {}, {}, robot, dog, {}};
        };
        const auto crat = [](const QString& droid) {
            return QStringList{{}, {}, {}, {}, {}, droid};
        };

        QTest::newRow("MP, only a five-letter heal name")
            << "MP" << mp("", "Fixer", "") << true << QStringList{};
        QTest::newRow("MP, three names long enough")
            << "MP" << mp("Zapper", "Fixer", "Sandman") << true << QStringList{};
        QTest::newRow("MP, three-letter attack name, no other name")
            << "MP" << mp("Zap", "", "") << false << QStringList{tooShort("attack pet")};
        QTest::newRow("MP, short heal name beside a good attack name")
            << "MP" << mp("Zapper", "Fx", "") << false << QStringList{tooShort("healpet")};
        QTest::newRow("MP, three short names, one message each in order")
            << "MP" << mp("Zap", "Fx", "Zzz") << false
            << QStringList{tooShort("attack pet"), tooShort("healpet"), tooShort("mezz pet")};
        QTest::newRow("MP, short attack and mezz names")
            << "MP" << mp("ab", "Fixer", "cd") << false
            << QStringList{tooShort("attack pet"), tooShort("mezz pet")};
        QTest::newRow("MP, no name at all")
            << "MP" << mp("", "", "") << false << QStringList{kNoMpName};
        QTest::newRow("MP, four spaces count")
            << "MP" << mp("    ", "", "") << true << QStringList{};
        QTest::newRow("MP, one character is not empty")
            << "MP" << mp("", "", "x") << false << QStringList{tooShort("mezz pet")};
        QTest::newRow("MP, colour code and three letters")
            << "MP" << QStringList{colour(6) + QStringLiteral("Zap"), {}, {}, {}, {}, {}} << false
            << QStringList{tooShort("attack pet")};
        QTest::newRow("MP, colour code and four letters")
            << "MP" << QStringList{colour(6) + QStringLiteral("Zapp"), {}, {}, {}, {}, {}} << true
            << QStringList{};
        QTest::newRow("MP, colour codes only")
            << "MP"
            << QStringList{{}, colour(1) + colour(25) + colour(13) + colour(16), {}, {}, {}, {}}
            << false << QStringList{tooShort("healpet")};
        QTest::newRow("MP ignores the Engineer and Bureaucrat names")
            << "MP" << QStringList{QStringLiteral("Zapper"), {}, {}, QStringLiteral("R"), {}, {}}
            << true << QStringList{};

        QTest::newRow("Engineer, robot name and empty mech-dog name")
            << "Engineer" << engy(QStringLiteral("Robby"), {}) << true << QStringList{};
        QTest::newRow("Engineer, a short mech-dog name is not examined")
            << "Engineer" << engy(QStringLiteral("Robby"), QStringLiteral("Rx")) << true
            << QStringList{};
        QTest::newRow("Engineer, no robot name")
            << "Engineer" << engy({}, QStringLiteral("Rexxy")) << false << QStringList{kNoRobot};
        QTest::newRow("Engineer, three-letter robot name")
            << "Engineer" << engy(QStringLiteral("Bob"), {}) << false
            << QStringList{tooShort("robot")};
        QTest::newRow("Engineer, code 26 does not count")
            << "Engineer" << engy(QString(QChar(26)) + QStringLiteral("Bob"), {}) << false
            << QStringList{tooShort("robot")};
        QTest::newRow("Engineer, code 27 counts")
            << "Engineer" << engy(QString(QChar(27)) + QStringLiteral("Bob"), {}) << true
            << QStringList{};

        QTest::newRow("Bureaucrat, droid name")
            << "Bureaucrat" << crat(QStringLiteral("Paperclip")) << true << QStringList{};
        QTest::newRow("Bureaucrat, no droid name")
            << "Bureaucrat" << crat({}) << false << QStringList{kNoDroid};
        QTest::newRow("Bureaucrat, short droid name") << "Bureaucrat" << crat(QStringLiteral("R2"))
                                                      << false << QStringList{tooShort("droid")};

        QTest::newRow("profession in lower case does nothing")
            << "mp" << mp("", "", "") << false << QStringList{};
        QTest::newRow("profession in capitals does nothing")
            << "ENGINEER" << engy({}, {}) << false << QStringList{};
        QTest::newRow("no profession does nothing") << "" << crat({}) << false << QStringList{};
    }

    void createRule() {
        QFETCH(QString, profession);
        QFETCH(QStringList, names);
        QFETCH(bool, writerRuns);
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
        QCOMPARE(checkCreateNames(s, sink), writerRuns);
        QCOMPARE(sink.texts(), expectedMessages);
        for (const Message& m : sink.messages) {
            QCOMPARE(m.title, QStringLiteral("Glimmbar"));
            QCOMPARE(m.icon, MessageIcon::Critical);
        }
    }

    void lengthCheckReturnsOneOrZero() {
        RecordingSink sink;
        QCOMPARE(CheckPetNameLength(QStringLiteral("abcd"), QStringLiteral("robot"), sink), 1);
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(CheckPetNameLength(QStringLiteral("abc"), QStringLiteral("droid"), sink), 0);
        QCOMPARE(sink.texts(), QStringList{tooShort("droid")});
    }
};

QTEST_GUILESS_MAIN(TestNameChecks)
#include "test_namechecks.moc"
