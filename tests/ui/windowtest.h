#pragma once
// Small helpers for driving windows headless: find controls by objectName, start the main
// window with the notice skipped, keep settings in a temporary folder.
#include "settings/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/frmSarvento.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace WindowTest {

template <typename T> T* child(QWidget& w, const QString& name)
{
    T* found = w.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
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
