// The program as the recovery tests run it in a process of its own: its recovery copies in the
// data folder the environment names, its questions answered from the command line, and what it
// shows written to standard output, one line each.
//
//     recoverydriver ANSWERS ROWS [wait]
//
// ANSWERS: y or n for each question asked, in turn ("-": none may be asked). ROWS: row texts
// separated by ";", each added as the player would. With wait, "copied" is written once a
// recovery copy is, and the program runs until it is killed.
#include "core/random.h"
#include "files/recoverystore.h"
#include "settings/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/frmSarvento.h"
#include "ui/listdocument.h"
#include <QApplication>
#include <cstdio>
#include <unistd.h>

namespace {
void tell(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sarvento"));
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    const QStringList args = QApplication::arguments();
    if (args.size() < 3)
        return 2;
    MessageBox::setHeadless(true);
    MessageBox::setUnansweredHandler([](const QString& text) {
        tell(QStringLiteral("unanswered: ") + text);
        ::_exit(3);
    });
    for (const QChar answer : args[1])
        if (answer != '-')
            MessageBox::setNextAnswer(answer == 'y');
    SettingsStore::write(QStringLiteral("Rekisteri"), QStringLiteral("AlaNaytaInfoa"),
                         QStringLiteral("True"));
    SettingsStore::write(QStringLiteral("Rekisteri"), QStringLiteral("Varoitus"),
                         QStringLiteral("False"));

    RecoveryStore recovery;
    GeneratorRandom random(1);
    frmSarvento window(random);
    window.setRecovery(recovery);
    if (!window.Form_Load())
        return 4;
    QStringList rows;
    for (ScoreRow row : window.rowList().rows())
        rows << row.text();
    tell(QStringLiteral("rows=") + rows.join(QStringLiteral(", ")));
    tell(QStringLiteral("told=") + MessageBox::shownTexts().join(QStringLiteral(" / ")));
    for (const QString& text : args[2].split(';', Qt::SkipEmptyParts))
        if (const auto row = ScoreRow::fromText(text))
            window.rowList().appendAll({*row});
    if (args.value(3) != QStringLiteral("wait"))
        return 0;
    QObject::connect(window.findChild<ListDocument*>(), &ListDocument::copyWritten,
                     [] { tell(QStringLiteral("copied")); });
    return app.exec();
}
