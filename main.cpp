#include "ui/frmSarvento.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sarvento"));
    // The program speaks Finnish, so the standard dialogs and buttons do too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Finnish, QLocale::Finland), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    frmSarvento window;
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}
