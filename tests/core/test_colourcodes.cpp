#include "model/ColourCodes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace glimmbar;

// Each case of tests/data/colourcodes/cases.txt against what the program makes of its name.
class TestColourCodes : public QObject {
    Q_OBJECT

private slots:
    void cases() {
        QFile file(QStringLiteral(GLIMMBAR_TEST_DATA "/colourcodes/cases.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpression form(
            QStringLiteral("^(runs|span) (.*?) ?(?:@ (\\d+) )?=> ?(.*)$"));
        const QRegularExpression escape(QStringLiteral("\\{(\\d+)\\}|\\\\u([0-9A-F]{4})"));
        for (QString line; !file.atEnd();) {
            line = QString::fromUtf8(file.readLine()).chopped(1);
            for (QRegularExpressionMatch m; (m = escape.match(line)).hasMatch();) {
                const int code = m.captured(1).isEmpty() ? m.captured(2).toInt(nullptr, 16)
                                                         : m.captured(1).toInt();
                line.replace(m.capturedStart(), m.capturedLength(), QChar(code));
            }
            const QRegularExpressionMatch c = form.match(line);
            QStringList found;
            for (const ColourRun& run : colourRuns(c.captured(2))) {
                found << QString::number(run.colour) + QLatin1Char(':') + run.text;
            }
            const auto [start, length] = codeSpanAt(c.captured(2), c.captured(3).toInt());
            if (c.captured(1) == QLatin1String("span")) {
                found = QStringList{QStringLiteral("%1+%2").arg(start).arg(length)};
            }
            QVERIFY2(line.startsWith('#') || line.isEmpty() || c.hasMatch(), qPrintable(line));
            QCOMPARE(found.join(QStringLiteral(" | ")), c.captured(4));
        }
    }
};

QTEST_MAIN(TestColourCodes)
#include "test_colourcodes.moc"
