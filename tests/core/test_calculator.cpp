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

// A file of many records named Pet1, Pet2, ... with ascending requirements, closed or not.
QByteArray manyRecords(int pets, bool closeWithEnd) {
    QByteArray bytes = "Test pet table\r\n";
    for (int i = 1; i <= pets; ++i) {
        bytes += "Pet" + QByteArray::number(i) + "\r\n1\r\n" + QByteArray::number(i) + "\r\n";
    }
    if (closeWithEnd) {
        bytes += "end\r\n1\r\n600\r\n";
    }
    return bytes;
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
    void skillTextAsThePlayerTypesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("corrected"); // null: the box keeps what was typed

        const QString keep;
        const QString zero = QStringLiteral("0");
        QTest::newRow("five digits are too long") << "12345" << 0 << zero;
        QTest::newRow("empty box") << "" << 0 << zero;
        QTest::newRow("negative") << "-5" << 0 << zero;
        QTest::newRow("rounds to minus one") << "-0.6" << 0 << zero;
        QTest::newRow("rounds to zero from below") << "-0.4" << 0 << keep;
        QTest::newRow("letters only") << "abc" << 0 << keep;
        QTest::newRow("above 3000 searched as 3000") << "3500" << 3000 << keep;
        QTest::newRow("exponent") << "1e3" << 1000 << keep;
        QTest::newRow("exponent without digits") << "1e" << 1 << keep;
        QTest::newRow("negative exponent") << "1e-3" << 0 << keep;
        QTest::newRow("leading blank") << " 12" << 12 << keep;
        QTest::newRow("blank between digits") << "1 2" << 12 << keep;
        QTest::newRow("tab and line feed") << "\t7\n" << 7 << keep;
        QTest::newRow("plus sign") << "+12" << 12 << keep;
        QTest::newRow("letters after digits") << "12ab" << 12 << keep;
        QTest::newRow("hexadecimal") << "&H10" << 16 << keep;
        QTest::newRow("octal, lower case") << "&o17" << 15 << keep;
        QTest::newRow("half rounds down to even") << "2.5" << 2 << keep;
        QTest::newRow("half rounds up to even") << "3.5" << 4 << keep;
        QTest::newRow("two thousand million still fits") << "2e9" << 3000 << keep;
    }
    void skillTextAsThePlayerTypesIt() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, corrected);
        const std::optional<SkillValue> skill = normaliseSkill(typed);
        QVERIFY(skill);
        QCOMPARE(skill->value, value);
        QCOMPARE(skill->correctedSkill.has_value(), !corrected.isNull());
        if (!corrected.isNull()) {
            QCOMPARE(*skill->correctedSkill, corrected);
        }
    }

    void skillBeyondThirtyTwoBitsFails_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("huge exponent") << "9e99";
        QTest::newRow("just past the range") << "3e9";
        QTest::newRow("huge negative") << "-9e9";
    }
    void skillBeyondThirtyTwoBitsFails() {
        QFETCH(QString, typed);
        QVERIFY(!normaliseSkill(typed));
    }

    void numberLinesOfATable_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "250" << true << 250;
        QTest::newRow("blanks around") << "  12 \t" << true << 12;
        QTest::newRow("negative placeholder QL") << "-2" << true << -2;
        QTest::newRow("fraction half to even, down") << "2.5" << true << 2;
        QTest::newRow("fraction half to even, up") << "3.5" << true << 4;
        QTest::newRow("point with no fraction") << "5." << true << 5;
        QTest::newRow("highest 16-bit") << "32767" << true << 32767;
        QTest::newRow("lowest 16-bit") << "-32768" << true << -32768;
        QTest::newRow("rounds to the highest") << "32766.5" << true << 32766;
        QTest::newRow("one above 16 bits") << "32768" << false << 0;
        QTest::newRow("one below 16 bits") << "-32769" << false << 0;
        QTest::newRow("rounds out of 16 bits") << "32767.5" << false << 0;
        QTest::newRow("many digits") << QString(400, QLatin1Char('9')) << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("word") << "abc" << false << 0;
        QTest::newRow("trailing letters") << "12ab" << false << 0;
        QTest::newRow("blank inside") << "1 2" << false << 0;
    }
    void numberLinesOfATable() {
        QFETCH(QString, line);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<std::int16_t> number = parseTableNumber(line);
        QCOMPARE(number.has_value(), valid);
        if (valid) {
            QCOMPARE(int(*number), value);
        }
    }

    void searchOnSmallTables_data() {
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
        QTest::newRow("below the first pet") << standard << "9" << kTooLow << next("Alpha", 1);
        QTest::newRow("equal to a requirement picks that pet")
            << standard << "10" << best("Alpha", 1) << next("Beta", 5);
        QTest::newRow("equal requirements pick the later record")
            << standard << "20" << best("Gamma", 9) << next("Delta", 12);
        QTest::newRow("at the last pet") << standard << "30" << best("Delta", 12) << kNoMore;
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
        QTest::newRow("end placeholder on the end record itself")
            << tableBytes({kNoPet, {"Alpha", "1", "10"}, {"end", "-1", "9999"}}) << "10"
            << best("Alpha", 1) << kNoMore;

        const QByteArray endLookalikes = tableBytes({kNoPet,
                                                     {"End", "1", "10"},
                                                     {"end ", "2", "20"},
                                                     {"Omega", "3", "30"},
                                                     kNoFurther,
                                                     kEnd});
        QTest::newRow("End with a capital is a pet")
            << endLookalikes << "10" << best("End", 1) << next("end ", 2);
        QTest::newRow("end with a blank is a pet")
            << endLookalikes << "25" << best("end ", 2) << next("Omega", 3);
        QTest::newRow("top of the skill range")
            << tableBytes({kNoPet, {"Top", "200", "3000"}, {"Beyond", "220", "3001"}, kEnd})
            << "3500" << best("Top", 200) << next("Beyond", 220);
        QTest::newRow("500 records, the last one end")
            << manyRecords(499, true) << "499" << best("Pet499", 1) << next("end", 1);
        QTest::newRow("names keep their blanks")
            << tableBytes({kNoPet, {" Spaced  Pet ", "1", "10"}, kNoFurther, kEnd}) << "10"
            << best(" Spaced  Pet ", 1) << kNoMore;
    }
    void searchOnSmallTables() {
        QFETCH(QByteArray, file);
        QFETCH(QString, skill);
        QFETCH(QString, bestName);
        QFETCH(QString, nextName);
        TestFolder folder;
        folder.write(QStringLiteral("mpapets.txt"), file);
        const CalcResult result = CalculateBestPet(1, skill);
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

    void unreadableTablesFailSilently_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readingFails");
        const QByteArray good = tableBytes({kNoPet, {"Alpha", "1", "10"}, kNoFurther});
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("heading only") << QByteArray("Test pet table\r\n") << true;
        QTest::newRow("no end record") << good << true;
        QTest::newRow("ends right after end") << good + "end\r\n" << true;
        QTest::newRow("ends after the end QL") << good + "end\r\n-1\r\n" << true;
        QTest::newRow("QL is not a number")
            << tableBytes({kNoPet, {"Alpha", "one", "10"}, kNoFurther, kEnd}) << true;
        QTest::newRow("requirement is empty")
            << tableBytes({kNoPet, {"Alpha", "1", ""}, kNoFurther, kEnd}) << true;
        QTest::newRow("requirement outside 16 bits")
            << tableBytes({kNoPet, {"Alpha", "1", "40000"}, kNoFurther, kEnd}) << true;
        QTest::newRow("a 501st record") << manyRecords(500, true) << true;
        QTest::newRow("500 records and no end") << manyRecords(500, false) << true;
        QTest::newRow("no end placeholder, skill above every pet")
            << tableBytes({kNoPet, {"Alpha", "1", "10"}, {"end", "1", "20"}}) << false;
        QTest::newRow("no end placeholder in 500 records") << manyRecords(499, true) << false;
    }
    void unreadableTablesFailSilently() {
        QFETCH(QByteArray, file);
        QFETCH(bool, readingFails);
        TestFolder folder;
        folder.write(QStringLiteral("mpapets.txt"), file);
        const CalcResult result = CalculateBestPet(1, QStringLiteral("3500"));
        QCOMPARE(result.kind, CalcResult::Kind::Failed);
        QVERIFY(result.missingFile.text.isEmpty());
        QVERIFY(result.BestPetName.isEmpty());
        QVERIFY(!result.correctedSkill);
        if (readingFails) {
            // A calculation that got as far as the skill would turn 12345 into "0"; one whose
            // file cannot be read leaves the box alone.
            const CalcResult again = CalculateBestPet(1, QStringLiteral("12345"));
            QCOMPARE(again.kind, CalcResult::Kind::Failed);
            QVERIFY(!again.correctedSkill);
        }
    }

    void readerStopsAtTheEndRecord() {
        TestFolder folder;
        folder.write(QStringLiteral("t.txt"), tableBytes({kNoPet, {"Alpha", "1", "10"}, kEnd}) +
                                                  "Ignored\r\nnot a number\r\n");
        const std::optional<PetTable> table = readPetTable(QStringLiteral("t.txt"));
        QVERIFY(table);
        QCOMPARE(table->records[0], PetRecord{});
        QCOMPARE(table->records[2], (PetRecord{QStringLiteral("Alpha"), 1, 10}));
        QCOMPARE(table->records[3], (PetRecord{QStringLiteral("end"), -1, 9999}));
        QCOMPARE(table->records[4], PetRecord{});
        QCOMPARE(table->records[500], PetRecord{});
    }

    void searchNeverPassesSlot500() {
        PetTable table;
        for (std::size_t i = 1; i < table.records.size(); ++i) {
            table.records[i].requirement = static_cast<std::int16_t>(i);
        }
        QCOMPARE(findNextSlot(table, 499), std::optional<int>(500));
        QCOMPARE(findNextSlot(table, 500), std::nullopt);
    }

    void skillCorrectionComesWithTheResult_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("corrected");
        QTest::newRow("five digits") << "12345"
                                     << "0";
        QTest::newRow("negative") << "-5"
                                  << "0";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("letters stay") << "abc" << QString();
        QTest::newRow("3500 stays") << "3500" << QString();
    }
    void skillCorrectionComesWithTheResult() {
        QFETCH(QString, typed);
        QFETCH(QString, corrected);
        TestFolder folder;
        folder.write(QStringLiteral("mpapets.txt"),
                     tableBytes({kNoPet, {"Alpha", "1", "10"}, kNoFurther, kEnd}));
        const CalcResult result = CalculateBestPet(1, typed);
        QCOMPARE(result.kind, CalcResult::Kind::Computed);
        QCOMPARE(result.correctedSkill.value_or(QString()), corrected);
    }

    void oeValues_data() {
        QTest::addColumn<int>("requirement");
        QTest::addColumn<int>("oe");
        QTest::newRow("250") << 250 << 200;
        QTest::newRow("13 rounds down") << 13 << 10;
        QTest::newRow("12 rounds up") << 12 << 10;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("negative") << -13 << -10;
    }
    void oeValues() {
        QFETCH(int, requirement);
        QFETCH(int, oe);
        QCOMPARE(oeValue(requirement), oe);
    }

    void textsOfEachCategory_data() {
        QTest::addColumn<int>("petType");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("skill250");
        QTest::addColumn<QString>("skill13");
        QTest::addColumn<QString>("missing");
        QTest::newRow("MP attack")
            << 1 << "mpapets.txt"
            << "This nano requires MC/T&&S skills of at least 250 to summon, and 200 to prevent OE."
            << "This nano requires MC/T&&S skills of at least 13 to summon, and 10 to prevent OE."
            << "A required file, MPAPETS.TXT, is missing. Please re-install Glimmbar";
        QTest::newRow("MP heal")
            << 2 << "mphpets.txt"
            << "This nano requires BM/T&&S skills of at least 250 to summon, and 200 to prevent OE."
            << "This nano requires BM/T&&S skills of at least 13 to summon, and 10 to prevent OE."
            << "A required file, MPHPETS.TXT, is missing. Please re-install Glimmbar";
        QTest::newRow("MP mezz")
            << 3 << "mpmpets.txt"
            << "This nano requires MM/T&&S skills of at least 250 to summon, and 200 to prevent OE."
            << "This nano requires MM/T&&S skills of at least 13 to summon, and 10 to prevent OE."
            << "A required file, MPMPETS.TXT, is missing. Please re-install Glimmbar";
        QTest::newRow("Engineer")
            << 4 << "engypets.txt"
            << "This nano requires MC/T&&S skills of at least 250 to create the shell, and 200 to "
               "prevent OE."
            << "This nano requires MC/T&&S skills of at least 13 to create the shell, and 10 to "
               "prevent OE."
            << "A required file, ENGYPETS.TXT, is missing. Please re-install Glimmbar";
        QTest::newRow("Bureaucrat")
            << 5 << "cratpets.txt"
            << "This nano requires MC/T&&S skills of at least 250 to create the shell, and 200 to "
               "prevent OE."
            << "This nano requires MC/T&&S skills of at least 13 to create the shell, and 10 to "
               "prevent OE."
            << "A required file, CRATPETS.TXT, is missing. Please re-install Glimmbar";
    }
    void textsOfEachCategory() {
        QFETCH(int, petType);
        QFETCH(QString, file);
        QFETCH(QString, skill250);
        QFETCH(QString, skill13);
        QFETCH(QString, missing);
        TestFolder folder;
        // The other four files are there: the category must name its own file.
        for (int other = 1; other <= 5; ++other) {
            if (other != petType) {
                folder.write(calcCategory(other)->dataFile, tableBytes({kNoPet, kNoFurther, kEnd}));
            }
        }
        const CalcResult absent = CalculateBestPet(petType, QStringLiteral("12345"));
        QCOMPARE(absent.kind, CalcResult::Kind::MissingFile);
        QCOMPARE(absent.missingFile,
                 (Message{missing, QStringLiteral("A required file is missing!"),
                          MessageIcon::Exclamation}));
        QVERIFY(!absent.correctedSkill);

        folder.write(
            file,
            tableBytes({kNoPet, {"Small", "2", "13"}, {"Wide", "60", "250"}, kNoFurther, kEnd}));
        const CalcResult result = CalculateBestPet(petType, QStringLiteral("13"));
        QCOMPARE(result.kind, CalcResult::Kind::Computed);
        QCOMPARE(result.BestPetName, best("Small", 2));
        QCOMPARE(result.BestPetSkill, skill13);
        QCOMPARE(result.NextPetName, next("Wide", 60));
        QCOMPARE(result.NextPetSkill, skill250);
    }

    void unknownCategoryDoesNothing_data() {
        QTest::addColumn<int>("petType");
        QTest::newRow("0, nothing chosen") << 0;
        QTest::newRow("6") << 6;
        QTest::newRow("negative") << -1;
    }
    void unknownCategoryDoesNothing() {
        QFETCH(int, petType);
        TestFolder folder;
        const CalcResult result = CalculateBestPet(petType, QStringLiteral("12345"));
        QCOMPARE(result.kind, CalcResult::Kind::Failed);
        QVERIFY(result.missingFile.text.isEmpty());
        QVERIFY(!result.correctedSkill);
    }

    void dataFileFoundInTheWorkingFolderOnly() {
        TestFolder folder;
        folder.write(QStringLiteral("elsewhere/mpapets.txt"),
                     tableBytes({kNoPet, kNoFurther, kEnd}));
        QCOMPARE(CalculateBestPet(1, QStringLiteral("5")).kind, CalcResult::Kind::MissingFile);
        // A folder where the file should be is no data file either.
        folder.write(QStringLiteral("mpapets.txt/x"), QByteArray());
        QCOMPARE(CalculateBestPet(1, QStringLiteral("5")).kind, CalcResult::Kind::MissingFile);
    }
};

QTEST_GUILESS_MAIN(TestCalculator)
#include "test_calculator.moc"
