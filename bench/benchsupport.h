#pragma once
// What the benchmark programs share: the peak memory of the process, and for the window
// benchmarks a main window started headless with the goal grid ticked full.
#include <cstdio>

inline double peakMegabytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    long peakKb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld", &peakKb) == 1)
            break;
    std::fclose(status);
    return double(peakKb) / 1024.0;
}

#ifdef SARVENTO_WINDOW_BENCH
#include "ui/dialogs.h"
#include "ui/frmSarvento.h"
#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>

// Settings in settingsDir, the notice skipped, messages only recorded.
inline void startHeadless(frmSarvento& window, const QTemporaryDir& settingsDir)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QSettings(QSettings::IniFormat, QSettings::UserScope, "SarVento", "SarVento")
        .setValue("Rekisteri/AlaNaytaInfoa", "True");
    MessageBox::setHeadless(true);
    window.Form_Load();
    window.show();
}

// Every goal box ticked: the largest three-match system, 2,985,984 rows.
inline void tickFullGrid(frmSarvento& window)
{
    for (const char* column :
         {"chkKoti1", "chkVieras1", "chkKoti2", "chkVieras2", "chkKoti3", "chkVieras3"})
        for (int goal = 0; goal < 12; ++goal)
            window
                .findChild<QCheckBox*>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(goal))
                ->setChecked(true);
}
#endif
