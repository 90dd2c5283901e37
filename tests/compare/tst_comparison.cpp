#include "compare/comparison.h"
#include <QtTest>

// Lists are written "1-1 1-1, 2-2 2-2"; a '*' after a row marks it ticked.
static void fill(RowListModel& model, const QString& texts)
{
    for (const QString& text : QString(texts).remove('*').split(", ", Qt::SkipEmptyParts))
        model.appendAll({ScoreRow::fromText(text).value()});
}

static QString shown(const RowListModel& model)
{
    QStringList texts;
    for (int i = 0; i < model.count(); ++i)
        texts << model.at(i).text() + (model.isChecked(i) ? "*" : "");
    return texts.join(", ");
}

class ComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    // The two lists as "first | second".
    void tickShared_data()
    {
        QTest::addColumn<QString>("lists");
        QTest::newRow("duplicates on both sides")
            << "1-1 1-1*, 2-2 2-2, 1-1 1-1*, 5-5 5-5, 5-5 5-5 | 1-1 1-1*, 4-4 4-4, 1-1 1-1*";
        QTest::newRow("widths never match") << "1-1 1-1 | 1-1 1-1 0-0";
        QTest::newRow("two-digit goals") << "11-1 1-1, 1-11 1-1* | 1-11 1-1*";
    }
    void tickShared()
    {
        QFETCH(QString, lists);
        RowListModel list1, list2;
        fill(list1, lists.section(" | ", 0, 0));
        fill(list2, lists.section(" | ", 1));
        QCOMPARE(Comparison::tickShared(list1, list2), int(lists.count('*')));
        QCOMPARE(shown(list1) + " | " + shown(list2), lists);
    }

    // Source duplicates move once, listed rows not at all, other widths are counted each.
    void appendMissing()
    {
        RowListModel main, source;
        fill(main, "2-2 2-2");
        fill(source, "1-1 1-1, 2-2 2-2, 1-1 1-1 1-1, 1-1 1-1, 3-3 3-3, 1-1 1-1 1-1");
        const auto result = Comparison::appendMissing(source.rows(), main, 2);
        QCOMPARE(shown(main), "2-2 2-2, 1-1 1-1, 3-3 3-3");
        QCOMPARE(result.moved, 2);
        QCOMPARE(result.leftOutForWidth, 2);
        QCOMPARE(Comparison::appendMissing(source.rows(), main, 2).moved, 0);
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
