#pragma once
// Small helpers for driving windows headless: find controls by objectName, choose menu items,
// start the main window with the notice skipped, keep settings in a temporary folder.
#include "settings/settingsstore.h"
#include "tests/testfile.h"
#include "ui/dialogs.h"
#include "ui/frmSarvento.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <type_traits>

namespace WindowTest {

// A missing control fails the running test; the caller gets a stand-in so that the rest of
// the test runs on without crashing and the other tests still run.
template <typename T> T* child(QWidget& w, const QString& name)
{
    if (T* found = w.findChild<T*>(name))
        return found;
    QTest::qFail(qPrintable("no control " + name), __FILE__, __LINE__);
    if constexpr (std::is_abstract_v<T>) {
        return nullptr; // no stand-in can be made; the failure is already recorded
    } else {
        static QWidget standIns;
        auto* standIn = new T();
        standIn->setParent(&standIns);
        return standIn;
    }
}

// Opens the item's menu (the main window sets enabled states then) and reports whether the
// item may be chosen.
inline bool menuItemEnabled(QMainWindow& w, const QString& name)
{
    QAction* item = child<QAction>(w, name);
    for (QObject* owner : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            emit menu->aboutToShow();
    return item->isEnabled();
}

// Chooses a menu item as the player would; a disabled item fails the test, since triggering
// it would silently do nothing. Use as QVERIFY(chooseMenuItem(w, "MnuAvaa")).
[[nodiscard]] inline bool chooseMenuItem(QMainWindow& w, const QString& name)
{
    if (!menuItemEnabled(w, name)) {
        QTest::qFail(qPrintable(name + " is disabled"), __FILE__, __LINE__);
        return false;
    }
    child<QAction>(w, name)->trigger();
    return true;
}

inline QString labelText(QWidget& w, const QString& name)
{
    return child<QLabel>(w, name)->text();
}

inline QStringList listed(const RowListModel& model)
{
    QStringList rows;
    for (ScoreRow row : model.rows())
        rows << row.text();
    return rows;
}

inline void storeSetting(const QString& key, const QString& value)
{
    SettingsStore::write(QStringLiteral("Rekisteri"), key, value);
}

// Settings in a folder of their own, Finnish numbers, no real message boxes.
inline void setUpHeadless(const QTemporaryDir& settingsDir)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    MessageBox::setHeadless(true);
}

inline void resetBetweenTests(const QTemporaryDir& settingsDir)
{
    QFile::remove(settingsDir.path() + QStringLiteral("/SarVento/SarVento.ini"));
    MessageBox::reset();
    ModalRunner::setHandler({});
}

// A started main window with the notice skipped.
inline bool start(frmSarvento& w)
{
    storeSetting(QStringLiteral("AlaNaytaInfoa"), QStringLiteral("True"));
    return w.Form_Load();
}

} // namespace WindowTest
