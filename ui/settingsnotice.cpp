#include "ui/settingsnotice.h"
#include "settings/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/texts.h"
#include <QApplication>
#include <QDir>
#include <QPointer>

namespace SettingsNotice {

void install(QWidget* mainWindow)
{
    SettingsStore::setWriteFailureHandler([window = QPointer<QWidget>(mainWindow)](
                                              const QString& storeFile) {
        QWidget* front = QApplication::activeModalWidget();
        MessageBox::show(front ? front : window.data(), Texts::AppTitle,
                         QStringLiteral("Asetuksia ei voi tallentaa. Tämän käytön valinnat ovat "
                                        "voimassa, kunnes ohjelma suljetaan, mutta seuraavalla "
                                        "käynnistyskerralla ne on unohdettu."),
                         MessageBox::Exclamation,
                         QStringLiteral("Asetustiedostoon %1 ei voi kirjoittaa.")
                             .arg(QDir::toNativeSeparators(storeFile)));
    });
}

} // namespace SettingsNotice
