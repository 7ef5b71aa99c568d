#include "model/ColourCodes.h"

#include "TestFolder.h"

#include <QRegularExpression>
#include <QTest>

using namespace glimmbar;

// Each case of tests/data/colourcodes/cases.txt against what the program makes of its name.
class TestColourCodes : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("expected");
        const QRegularExpression form(
            QStringLiteral("^([^:]+): (runs|span|range|half) (.*?) ?(?:@ ([\\d-]+) )?=> ?(.*)$"));
        for (const QString& line : dataLines("colourcodes/cases.txt")) {
            if (line.startsWith('#')) {
                continue;
            }
            const QRegularExpressionMatch c = form.match(unescaped(line));
            QVERIFY2(c.hasMatch(), qPrintable(line));
            QTest::newRow(qPrintable(c.captured(1)))
                << c.captured(2) << c.captured(3) << c.captured(4) << c.captured(5);
        }
    }

    void cases() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, where);
        QFETCH(QString, expected);
        QStringList found;
        if (kind == QLatin1String("runs")) {
            for (const ColourRun& run : colourRuns(name)) {
                found << QString::number(run.colour) + QLatin1Char(':') + run.text;
            }
        } else if (kind == QLatin1String("span")) {
            const auto [start, length] = codeSpanAt(name, where.toInt());
            found << QStringLiteral("%1+%2").arg(start).arg(length);
        } else if (kind == QLatin1String("range")) {
            const auto [start, end] = wholeCodeRange(name, where.section('-', 0, 0).toInt(),
                                                     where.section('-', 1).toInt());
            found << QStringLiteral("%1-%2").arg(start).arg(end);
        } else {
            found << QString::number(halfCodeCharacters(name));
        }
        QCOMPARE(found.join(QStringLiteral(" | ")), expected);
    }
};

QTEST_MAIN(TestColourCodes)
#include "test_colourcodes.moc"
