#include "files/recoverystore.h"
#include "ui/frmSarvento.h"
#include "ui/instancecheck.h"
#include "ui/urlopener.h"
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sarvento"));
    // The installed desktop entry and icon belong to this window.
    QGuiApplication::setDesktopFileName(QStringLiteral("sarvento"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sarvento")));
    // The program speaks Finnish, so the standard dialogs and buttons do too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Finnish, QLocale::Finland), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // Held for the whole run: the lock tells other copies that this one is running.
    LockFileInstanceCheck otherCopies;
    DesktopUrlOpener browser;
    // This run's slot for the recovery copy of unsaved rows, and any copy a crash left there.
    RecoveryStore recovery;
    frmSarvento window;
    window.setNetPlayServices(browser, otherCopies);
    window.setRecovery(recovery);
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}
