#include "settings/settingsstore.h"
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    // Truth values as older stores wrote them; anything else leaves each setting at its default
    // (warnings on, other choices off).
    void storedTexts()
    {
        using namespace StoredSettings;
        for (const char* yes : {"TRUE", "-1"})
            QVERIFY2(isTrue(yes) && warningsOn(yes), yes);
        for (const char* no : {"false", "0"})
            QVERIFY2(!isTrue(no) && !warningsOn(no), no);
        for (const char* garbage : {"kyllä", "nan", "inf"}) // toDouble reads "nan" and "inf"
            QVERIFY2(!isTrue(garbage) && warningsOn(garbage), garbage);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
