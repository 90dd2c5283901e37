#include "compare/comparison.h"
#include <QtTest>

// Lists are written "1-1 1-1, 2-2 2-2"; a '*' after a row marks it ticked.
static void fill(RowListModel& model, const QString& texts)
{
    for (const QString& text : QString(texts).remove('*').split(", "))
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
    // Every copy of a shared row is ticked on both sides; rows of another width never match.
    void tickShared()
    {
        const QString first = "1-1 1-1*, 2-2 2-2, 1-1 1-1*, 5-5 5-5, 5-5 5-5";
        const QString second = "1-1 1-1*, 4-4 4-4, 1-1 1-1 0-0, 1-1 1-1*, 5-5 5-5 5-5";
        RowListModel list1, list2;
        fill(list1, first);
        fill(list2, second);
        QCOMPARE(Comparison::tickShared(list1, list2), 4);
        QCOMPARE(shown(list1), first);
        QCOMPARE(shown(list2), second);
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
