#include "calculator/PetCalculator.h"
#include "calculator/PetTable.h"

#include "TestFolder.h"

#include <QTest>

using namespace glimmbar;

namespace {

struct Rec {
    const char* name;
    const char* ql;
    const char* requirement;
};

// A table file: the heading, then each record's three lines, CR LF after each.
QByteArray tableBytes(std::initializer_list<Rec> records) {
    QByteArray bytes = "Test pet table\r\n";
    for (const Rec& r : records) {
        bytes += QByteArray(r.name) + "\r\n" + r.ql + "\r\n" + r.requirement + "\r\n";
    }
    return bytes;
}

const Rec kNoPet{"(no pet)", "-2", "0"};
const Rec kNoFurther{"(no further pet)", "-1", "9999"};
const Rec kEnd{"end", "-1", "9999"};

// Records named Pet1, Pet2, ... with ascending requirements, closed by an "end" record that is
// no end placeholder.
QByteArray manyRecords(int pets) {
    QByteArray bytes = "Test pet table\r\n";
    for (int i = 1; i <= pets; ++i) {
        bytes += "Pet" + QByteArray::number(i) + "\r\n1\r\n" + QByteArray::number(i) + "\r\n";
    }
    return bytes + "end\r\n1\r\n600\r\n";
}

const char* const kTooLow = "Your skills are too low to use any pets.";
const char* const kNoMore = "There are no pets after your current one.";

QString best(const char* name, int ql) {
    return QStringLiteral("The best pet you can currently use is %1 (QL %2).")
        .arg(QLatin1String(name))
        .arg(ql);
}
QString next(const char* name, int ql) {
    return QStringLiteral("The next pet up from this is %1 (QL %2).")
        .arg(QLatin1String(name))
        .arg(ql);
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    // The skill box's text as the calculator has always read it. A null correction means the
    // box keeps what was typed; a row with no value is a calculation that ends without a word.
    void skillTextAsThePlayerTypesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("corrected");
        const QString keep;
        QTest::newRow("five digits are too long") << "12345" << 0 << "0";
        QTest::newRow("empty box") << "" << 0 << "0";
        QTest::newRow("negative") << "-5" << 0 << "0";
        QTest::newRow("letters only") << "abc" << 0 << keep;
        QTest::newRow("above 3000 searched as 3000") << "3500" << 3000 << keep;
        QTest::newRow("exponent") << "1e3" << 1000 << keep;
        QTest::newRow("leading blank") << " 12" << 12 << keep;
        QTest::newRow("blank between digits") << "1 2" << 12 << keep;
        QTest::newRow("letters after digits") << "12ab" << 12 << keep;
        QTest::newRow("hexadecimal") << "&H10" << 16 << keep;
        QTest::newRow("half rounds down to even") << "2.5" << 2 << keep;
        QTest::newRow("half rounds up to even") << "3.5" << 4 << keep;
        QTest::newRow("huge exponent") << "9e99" << -1 << keep;
    }
    void skillTextAsThePlayerTypesIt() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, corrected);
        const std::optional<SkillValue> skill = normaliseSkill(typed);
        QCOMPARE(skill.has_value(), value >= 0);
        if (skill) {
            QCOMPARE(skill->value, value);
            QCOMPARE(skill->correctedSkill.value_or(QString()), corrected);
        }
    }

    void searchesOfATable_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("skill");
        QTest::addColumn<QString>("bestName");
        QTest::addColumn<QString>("nextName");

        const QByteArray standard = tableBytes({kNoPet,
                                                {"Alpha", "1", "10"},
                                                {"Beta", "5", "20"},
                                                {"Gamma", "9", "20"},
                                                {"Delta", "12", "30"},
                                                kNoFurther,
                                                kEnd});
        QTest::newRow("equal to a requirement picks that pet")
            << standard << "10" << best("Alpha", 1) << next("Beta", 5);
        QTest::newRow("equal requirements pick the later record")
            << standard << "20" << best("Gamma", 9) << next("Delta", 12);
        QTest::newRow("far above the last pet")
            << standard << "3500" << best("Delta", 12) << kNoMore;

        QTest::newRow("both placeholders alone")
            << tableBytes({kNoPet, kNoFurther, kEnd}) << "0" << kTooLow << kNoMore;
        QTest::newRow("no-pet placeholder without an end placeholder")
            << tableBytes({kNoPet, {"Alpha", "1", "10"}, {"end", "3", "9999"}}) << "500"
            << best("Alpha", 1) << next("end", 3);
        QTest::newRow("end placeholder without a no-pet placeholder")
            << tableBytes({{"Alpha", "1", "10"}, kNoFurther, kEnd}) << "0" << best("", 0)
            << next("Alpha", 1);

        // Only the exact, lower-case name closes a table; what follows it is never read.
        const QByteArray endLookalikes =
            tableBytes({kNoPet, {"End", "1", "10"}, {"end ", "2", "20"}, kNoFurther, kEnd}) +
            "Ignored\r\nnot a number\r\n";
        QTest::newRow("End with a capital is a pet")
            << endLookalikes << "10" << best("End", 1) << next("end ", 2);
        QTest::newRow("end with a blank is a pet")
            << endLookalikes << "25" << best("end ", 2) << kNoMore;
        QTest::newRow("500 records, the last one end")
            << manyRecords(499) << "499" << best("Pet499", 1) << next("end", 1);

        // Nothing to show, and the skill box left alone. A table that cannot be read fails
        // before the skill is looked at, so even five digits are not corrected.
        const auto fails = [](const char* row, const QByteArray& file, const char* skill) {
            QTest::newRow(row) << file << QString::fromLatin1(skill) << QString() << QString();
        };
        const QByteArray good = tableBytes({kNoPet, {"Alpha", "1", "10"}, kNoFurther});
        fails("heading only", "Test pet table\r\n", "12345");
        fails("ends right after end", good + "end\r\n", "12345");
        fails("QL is not a number", tableBytes({kNoPet, {"Alpha", "one", "10"}, kNoFurther, kEnd}),
              "12345");
        fails("requirement outside 16 bits",
              tableBytes({kNoPet, {"Alpha", "1", "40000"}, kNoFurther, kEnd}), "12345");
        fails("a 501st record", manyRecords(500), "12345");
        fails("no end placeholder, skill above every pet",
              tableBytes({kNoPet, {"Alpha", "1", "10"}, {"end", "1", "20"}}), "3500");
        fails("no end placeholder in 500 records: the search stops at slot 500", manyRecords(499),
              "3500");
    }
    void searchesOfATable() {
        QFETCH(QByteArray, file);
        QFETCH(QString, skill);
        QFETCH(QString, bestName);
        QFETCH(QString, nextName);
        TestFolder folder;
        folder.write(QStringLiteral("mpapets.txt"), file);
        const CalcResult result = CalculateBestPet(1, skill);
        if (bestName.isNull()) {
            QCOMPARE(result.kind, CalcResult::Kind::Failed);
            QVERIFY(result.missingFile.text.isEmpty());
            QVERIFY(result.BestPetName.isEmpty());
            QVERIFY(!result.correctedSkill);
            return;
        }
        QCOMPARE(result.kind, CalcResult::Kind::Computed);
        QCOMPARE(result.BestPetName, bestName);
        QCOMPARE(result.NextPetName, nextName);
        if (bestName == QLatin1String(kTooLow)) {
            QCOMPARE(result.BestPetSkill, QStringLiteral(" "));
        }
        if (nextName == QLatin1String(kNoMore)) {
            QCOMPARE(result.NextPetSkill, QStringLiteral(" "));
        }
    }

    void oeIsFourFifthsRounded() {
        QCOMPARE(oeValue(250), 200);
        QCOMPARE(oeValue(13), 10);
        QCOMPARE(oeValue(12), 10);
        QCOMPARE(oeValue(0), 0);
    }

    // Each category names its own skill, phrase and file; the other four files are there.
    void textsOfEachCategory_data() {
        QTest::addColumn<QString>("skill");
        QTest::addColumn<int>("petType");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shell"); // whether the nano creates a shell or summons a pet
        QTest::newRow("MP attack") << "MC" << 1 << "mpapets.txt" << false;
        QTest::newRow("MP heal") << "BM" << 2 << "mphpets.txt" << false;
        QTest::newRow("MP mezz") << "MM" << 3 << "mpmpets.txt" << false;
        QTest::newRow("Engineer") << "MC" << 4 << "engypets.txt" << true;
        QTest::newRow("Bureaucrat") << "MC" << 5 << "cratpets.txt" << true;
    }
    void textsOfEachCategory() {
        QFETCH(int, petType);
        QFETCH(QString, file);
        QFETCH(QString, skill);
        QFETCH(bool, shell);
        const QString phrase =
            shell ? QStringLiteral("create the shell") : QStringLiteral("summon");
        TestFolder folder;
        for (int other = 1; other <= 5; ++other) {
            if (other != petType) {
                folder.write(calcCategory(other)->dataFile, tableBytes({kNoPet, kNoFurther, kEnd}));
            }
        }
        const CalcResult absent = CalculateBestPet(petType, QStringLiteral("12345"));
        QCOMPARE(absent.kind, CalcResult::Kind::MissingFile);
        QCOMPARE(
            absent.missingFile,
            (Message{QStringLiteral("A required file, %1, is missing. Please re-install "
                                    "Glimmbar")
                         .arg(file.toUpper()),
                     QStringLiteral("A required file is missing!"), MessageIcon::Exclamation}));
        QVERIFY(!absent.correctedSkill);

        folder.write(
            file,
            tableBytes({kNoPet, {"Small", "2", "13"}, {"Wide", "60", "250"}, kNoFurther, kEnd}));
        const CalcResult result = CalculateBestPet(petType, QStringLiteral("13"));
        QCOMPARE(result.kind, CalcResult::Kind::Computed);
        const QString sentence = QStringLiteral("This nano requires %1/T&&S skills of at least %2 "
                                                "to %3, and %4 to prevent OE.");
        QCOMPARE(result.BestPetName, best("Small", 2));
        QCOMPARE(result.BestPetSkill, sentence.arg(skill).arg(13).arg(phrase).arg(10));
        QCOMPARE(result.NextPetName, next("Wide", 60));
        QCOMPARE(result.NextPetSkill, sentence.arg(skill).arg(250).arg(phrase).arg(200));
    }
};

QTEST_GUILESS_MAIN(TestCalculator)
#include "test_calculator.moc"
