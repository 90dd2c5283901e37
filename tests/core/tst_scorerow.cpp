#include "core/scorerow.h"
#include <QTest>

Q_DECLARE_METATYPE(ScoreRow)

class TestScoreRow : public QObject
{
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ScoreRow>("row"); // invalid for a malformed text
        QTest::newRow("two matches") << "2-1 0-3" << ScoreRow(2, {2, 1, 0, 3});
        QTest::newRow("two-digit goals") << "10-2 11-0" << ScoreRow(2, {10, 2, 11, 0});
        QTest::newRow("widest") << "99-99 99-99 99-99" << ScoreRow(3, {99, 99, 99, 99, 99, 99});
        for (const char* text : {"", "1-1", "1-1 2-2 3-3 4-4", "1-1 2-", "01-1 2-2", "100-1 2-2",
                                 "1-1  2-2", "1-1 2-2 ", "1-1-2-2", "+1-1 2-2"})
            QTest::addRow("malformed \"%s\"", text) << QString::fromLatin1(text) << ScoreRow();
    }

    void text()
    {
        QFETCH(QString, text);
        QFETCH(ScoreRow, row);
        const auto expected = row.isValid() ? std::optional(row) : std::nullopt;
        QCOMPARE(ScoreRow::fromText(text), expected);
        const QByteArray latin1 = text.toLatin1();
        QCOMPARE(ScoreRow::fromLatin1(latin1.constData(), latin1.size()), expected);
        if (row.isValid()) {
            QCOMPARE(row.text(), text);
            char buffer[ScoreRow::MaxTextLength];
            QCOMPARE(QLatin1String(buffer, row.writeText(buffer)), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestScoreRow)
#include "tst_scorerow.moc"
