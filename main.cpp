#include "ui/frmSarvento.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sarvento"));
    frmSarvento window;
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}
