#include "model/ColourCodes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace glimmbar;

namespace {

// "{16}" is the character 16, "\u00e9" the character U+00E9.
QString decode(QString text) {
    static const QRegularExpression escape(QStringLiteral("\\{(\\d+)\\}|\\\\u([0-9A-Fa-f]{4})"));
    QRegularExpressionMatch match;
    while ((match = escape.match(text)).hasMatch()) {
        const bool braces = !match.captured(1).isEmpty();
        const int code = braces ? match.captured(1).toInt() : match.captured(2).toInt(nullptr, 16);
        text.replace(match.capturedStart(), match.capturedLength(),
                     QChar(static_cast<char16_t>(code)));
    }
    return text;
}

} // namespace

class TestColourCodes : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QFile file(QStringLiteral(GLIMMBAR_TEST_DATA "/colourcodes/cases.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int line = 0;
        while (!file.atEnd()) {
            const QString text = QString::fromUtf8(file.readLine()).chopped(1);
            ++line;
            if (text.isEmpty() || text.startsWith(QLatin1Char('#'))) {
                continue;
            }
            static const QRegularExpression form(QStringLiteral("^(runs|span) (.*?) ?=> ?(.*)$"));
            const QRegularExpressionMatch parts = form.match(text);
            QVERIFY2(parts.hasMatch(), qPrintable(text));
            QTest::addRow("line %d", line)
                << parts.captured(1) << parts.captured(2) << parts.captured(3);
        }
    }
    void cases() {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        if (kind == QLatin1String("runs")) {
            QStringList runs;
            for (const ColourRun& run : colourRuns(decode(input))) {
                runs << QString::number(run.colour) + QLatin1Char(':') + run.text;
            }
            QCOMPARE(runs.join(QStringLiteral(" | ")), decode(expected));
            QCOMPARE(holdsColourCode(decode(input)), input.contains(QLatin1Char('{')));
        } else {
            const QString name = decode(input.section(QStringLiteral(" @ "), 0, 0));
            const auto [start, length] =
                codeSpanAt(name, input.section(QStringLiteral(" @ "), 1).toInt());
            QCOMPARE(QStringLiteral("%1+%2").arg(start).arg(length), expected);
        }
    }
};

QTEST_MAIN(TestColourCodes)
#include "test_colourcodes.moc"
