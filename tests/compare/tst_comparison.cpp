#include "compare/comparison.h"
#include <QtTest>

// "1-1 1-1, 2-2 2-2+": '+' ticks a row before the comparison, '*' marks it ticked after.
static void fill(RowListModel& model, const QString& texts)
{
    for (QString text : texts.split(", ")) {
        const bool ticked = text.endsWith('+');
        text.remove('+');
        model.appendAll({ScoreRow::fromText(text).value()});
        if (ticked)
            model.setChecked(model.count() - 1, true);
    }
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
    // Either list may be the one looked up in (the smaller is), its index built for the
    // comparison or already there.
    void tickShared_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("indexedBefore");
        QTest::addColumn<int>("newlyTicked");
        QTest::addColumn<QString>("first after");
        QTest::addColumn<QString>("second after");
        const QString shorter = "1-1 1-1, 2-2 2-2+, 1-1 1-1, 5-5 5-5, 3-3 3-3";
        const QString longer = "1-1 1-1, 3-3 3-3+, 1-1 1-1 0-0, 1-1 1-1, 5-5 5-5 5-5, 2-2 2-2";
        const QString shorterAfter = "1-1 1-1*, 2-2 2-2*, 1-1 1-1*, 5-5 5-5, 3-3 3-3*";
        const QString longerAfter =
            "1-1 1-1*, 3-3 3-3*, 1-1 1-1 0-0, 1-1 1-1*, 5-5 5-5 5-5, 2-2 2-2*";
        // clang-format off
        QTest::newRow("first shorter") << shorter << longer << false << 6 << shorterAfter << longerAfter;
        QTest::newRow("second shorter, indexed before") << longer << shorter << true << 6 << longerAfter << shorterAfter;
        // "same": the first list against itself, which has nothing to tick.
        QTest::newRow("itself") << "1-1 1-1, 2-2 2-2" << "same" << false << 0 << "1-1 1-1, 2-2 2-2" << "";
        QTest::newRow("none shared") << "1-1 1-1" << "1-1 1-1 0-0+" << false << 0 << "1-1 1-1" << "1-1 1-1 0-0*";
        // clang-format on
    }
    void tickShared()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        RowListModel list1, list2;
        fill(list1, first);
        if (second != "same")
            fill(list2, second);
        RowListModel& other = second == "same" ? list1 : list2;
        QFETCH(bool, indexedBefore);
        if (indexedBefore)
            QVERIFY(list1.contains(list1.at(0)) && list2.contains(list2.at(0)));
        QTEST(Comparison::tickShared(list1, other), "newlyTicked");
        QTEST(shown(list1), "first after");
        QTEST(shown(list2), "second after");
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
