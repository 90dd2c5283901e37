// The main window's hand-over to the windows of other areas: the other games, net play and
// the print menu. Each area's own behaviour is tested with its window.
#include "ui/frmOnNet.h"
#include "ui/instancecheck.h"
#include "ui/urlopener.h"
#include "windowtest.h"
#include <QCheckBox>
#include <QTabWidget>

using namespace WindowTest;

namespace {
class CapturingBrowser : public UrlOpener
{
public:
    QList<QUrl> opened;
    bool open(const QUrl& url) override
    {
        opened << url;
        return true;
    }
};

class FixedCopies : public InstanceCheck
{
public:
    bool running = false;
    bool otherCopyRunning() override { return running; }
};

QWidget* visibleWindowNamed(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}
} // namespace

class TestMainWindowWiring : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }

    void bonusWindowsBringTheMainWindowBack_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("ownCloseControl");
        for (bool own : {false, true}) {
            const char* how = own ? "close control" : "Lopeta";
            QTest::addRow("Lotto, %s", how) << "MnuLotto" << "frmLotot" << own;
            QTest::addRow("Random, %s", how) << "MnuRandom" << "frmRandom" << own;
            QTest::addRow("Keno, %s", how) << "MnuKeno" << "frmKeno" << own;
            QTest::addRow("Vakio, %s", how) << "MnuVakio" << "frmVakio" << own;
            QTest::addRow("Pitkäveto, %s", how) << "MnuVeto" << "frmVeto" << own;
        }
    }
    void bonusWindowsBringTheMainWindowBack()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(bool, ownCloseControl);
        GeneratorRandom random(7);
        frmSarvento w(random);
        QVERIFY(start(w));
        w.show();
        QVERIFY(chooseMenuItem(w, item));
        QWidget* game = visibleWindowNamed(window);
        QVERIFY(game);
        QVERIFY(!w.isVisible());
        QPointer<QWidget> gone = game;
        if (ownCloseControl) {
            game->close();
        } else {
            const QStringList quitButtons{"cmdLopeta", "cmdEnd"};
            QAbstractButton* quit = nullptr;
            for (const QString& name : quitButtons)
                if (!quit)
                    quit = game->findChild<QAbstractButton*>(name);
            QVERIFY2(quit, "no Lopeta button");
            quit->click();
        }
        QVERIFY(w.isVisible());
        QTRY_VERIFY(gone.isNull()); // a fresh window the next time
    }

    // Net play opens only with a price, and never while another copy runs.
    void netPlayOpens_data()
    {
        QTest::addColumn<bool>("stake");
        QTest::addColumn<bool>("otherCopy");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("errorLabel");
        QTest::newRow("price") << true << false << true << "";
        QTest::newRow("no stake") << false << false << false << "Tarkista panos";
        QTest::newRow("another copy runs") << true << true << false << "";
    }
    void netPlayOpens()
    {
        QFETCH(bool, stake);
        QFETCH(bool, otherCopy);
        QFETCH(bool, opens);
        QFETCH(QString, errorLabel);
        GeneratorRandom random(7);
        CapturingBrowser browser;
        FixedCopies copies;
        copies.running = otherCopy;
        frmSarvento w(random);
        w.setNetPlayServices(browser, copies);
        QVERIFY(start(w));
        w.show();
        w.rowList().appendAll({ScoreRow::fromText(u"1-2 0-1 2-0").value()});
        child<QCheckBox>(w, "Chk1Markka")->setChecked(stake);
        child<QPushButton>(w, "cmdOnNet")->click();
        QWidget* net = visibleWindowNamed("frmOnNet");
        QCOMPARE(net != nullptr, opens);
        QCOMPARE(w.isVisible(), !opens);
        QCOMPARE(MessageBox::shownTexts().size(), otherCopy ? 1 : 0);
        QCOMPARE(labelText(w, "lblVirhe"), errorLabel);
        if (!net)
            return;
        child<QPushButton>(*net, "cmdLaheta")->click();
        QCOMPARE(browser.opened.size(), 1);
        QVERIFY(browser.opened[0].toString().endsWith("h1=1&v1=2&h2=0&v2=1&h3=2&v3=0"));
        net->close();
        QVERIFY(w.isVisible());
    }

    // Opening the print menu decides which items print, from the list and the grid.
    void printMenuStates_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("system");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("nothing") << 0 << false << false << "";
        QTest::newRow("rows") << 2 << false << false << "rows list preview";
        QTest::newRow("a ticked row") << 2 << true << false << "rows ticked list preview";
        QTest::newRow("a system") << 0 << false << true << "system";
    }
    void printMenuStates()
    {
        QFETCH(int, rows);
        QFETCH(bool, tick);
        QFETCH(bool, system);
        QFETCH(QString, enabled);
        GeneratorRandom random(7);
        frmSarvento w(random);
        QVERIFY(start(w));
        for (int i = 0; i < rows; ++i)
            w.rowList().appendAll({ScoreRow(3, {i, 0, 0, 0, 0, 0})});
        if (tick)
            w.rowList().setChecked(1, true);
        if (system)
            for (const char* team :
                 {"chkKoti1", "chkVieras1", "chkKoti2", "chkVieras2", "chkKoti3", "chkVieras3"})
                child<QCheckBox>(w, QString::fromLatin1(team) + "_1")->setChecked(true);
        const QList<std::pair<QString, QString>> items{{"rows", "MnuTulostaKupongille"},
                                                       {"ticked", "MnuTulostaValitutKupongille"},
                                                       {"list", "MnuTulostaLista"},
                                                       {"preview", "MnuEsikatselu"},
                                                       {"system", "MnuTulostaSysteemiKupongille"}};
        QStringList seen;
        for (const auto& [word, name] : items)
            if (menuItemEnabled(w, name))
                seen << word;
        QCOMPARE(seen.join(' '), enabled);
    }
};

QTEST_MAIN(TestMainWindowWiring)
#include "tst_mainwindowwiring.moc"
