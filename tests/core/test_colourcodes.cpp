#include "model/ColourCodes.h"

#include <QFile>
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
        QFile file(QStringLiteral(GLIMMBAR_TEST_DATA "/colourcodes/cases.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpression form(
            QStringLiteral("^([^:]+): (runs|span|range|half) (.*?) ?(?:@ ([\\d-]+) )?=> ?(.*)$"));
        const QRegularExpression escape(QStringLiteral("\\{(\\d+)\\}|\\\\u([0-9A-F]{4})"));
        while (!file.atEnd()) {
            QString line = QString::fromUtf8(file.readLine()).chopped(1);
            if (line.startsWith('#') || line.isEmpty()) {
                continue;
            }
            for (QRegularExpressionMatch m; (m = escape.match(line)).hasMatch();) {
                const int code = m.captured(1).isEmpty() ? m.captured(2).toInt(nullptr, 16)
                                                         : m.captured(1).toInt();
                line.replace(m.capturedStart(), m.capturedLength(), QChar(code));
            }
            const QRegularExpressionMatch c = form.match(line);
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
