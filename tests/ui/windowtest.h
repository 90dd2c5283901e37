#pragma once
// Windows driven headless: controls by objectName, settings in a temporary folder, the main
// window played from a script. Helpers return what went wrong for the test to check.
#include "core/scoremodel.h"
#include "settings/recentfiles.h"
#include "settings/settingsstore.h"
#include "tests/testfile.h"
#include "ui/dialogs.h"
#include "ui/frmSarvento.h"
#include "ui/rowlisthistory.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QUndoStack>
#include <QtTest>
#include <type_traits>

namespace WindowTest {

// A missing control fails the test; the caller gets a stand-in to run on without crashing.
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

// Opens the item's menus first: the main window sets the enabled states then.
inline bool menuItemEnabled(QMainWindow& w, const QString& name)
{
    QAction* item = child<QAction>(w, name);
    for (QObject* owner : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            emit menu->aboutToShow();
    return item->isEnabled();
}

inline QString labelText(QWidget& w, const QString& name)
{
    return child<QLabel>(w, name)->text();
}

inline QStringList listed(const std::vector<ScoreRow>& rows)
{
    QStringList texts;
    for (ScoreRow row : rows)
        texts << row.text();
    return texts;
}
inline QStringList listed(const RowListModel& model)
{
    return listed(model.rows());
}

// Files (paths or addresses) and a row text dragged onto target with a move proposed, and
// dropped when taken (unless release is false: "entered"): "copied", "refused" or what went wrong.
inline QString dropFiles(QWidget* target, const QStringList& files, bool release = true)
{
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromUserInput(file);
    QMimeData data;
    data.setText("1-0 0-0");
    data.setUrls(urls);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, {});
    enter.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(target, &enter); // a drop goes where the drag entered
    if (!enter.isAccepted() || enter.dropAction() != Qt::CopyAction)
        return enter.isAccepted() ? "taken as a move" : "refused";
    if (!release)
        return "entered";
    QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? "copied" : "drop not accepted";
}

// Settings in a folder of their own, Finnish numbers, no real message boxes. A question with
// no answer queued fails the test rather than passing as No.
inline void setUpHeadless(const QTemporaryDir& settingsDir)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    MessageBox::setHeadless(true);
    MessageBox::setUnansweredHandler([](const QString& text) {
        QTest::qFail(qPrintable("no answer queued for the question \"" + text + '"'), __FILE__,
                     __LINE__);
    });
}

inline void resetBetweenTests(const QTemporaryDir& settingsDir)
{
    QFile::remove(settingsDir.path() + QStringLiteral("/SarVento/SarVento.ini"));
    MessageBox::reset();
    ModalRunner::setHandler({});
}

struct SeededRandom
{
    GeneratorRandom random{20240611};
};

// The main window past the notice, seeded so that no row count depends on a chance duplicate.
struct MainWindow : SeededRandom, frmSarvento
{
    explicit MainWindow(bool warnings = true) : frmSarvento(random)
    {
        SettingsStore::write("Rekisteri", "AlaNaytaInfoa", "True");
        SettingsStore::write("Rekisteri", "Varoitus", warnings ? "True" : "False");
        if (!Form_Load())
            QTest::qFail("the main window did not start", __FILE__, __LINE__);
    }
    // "off" as the script's first step stores the warnings off.
    explicit MainWindow(const QString& script)
        : MainWindow(script.section(';', 0, 0).trimmed() != "off")
    {
    }
};

// Plays "step; step; ..." on the main window: off (first only), draw MAXIMUM TIMES, set BOX
// [TEXT], tick/untick BOX, click BUTTON, choose OPTION, dclick LABEL, menu ITEM, yes/no (the
// next answer), save/discard/cancel (the next answer to whether to save), file [PATH] (the next
// file dialog's), tab INDEX, add ROW, check ROW [LISTVIEW], keys COMBOBOX TEXT, grid GOALS... (home
// 1, away 1, ... as "0,3"), drop PATH..., recent N, hide (the main window put away), close WINDOW
// (one of its own windows, by name). Returns "", or the first step that could not run and why.
[[nodiscard]] inline QString play(frmSarvento& w, const QString& script)
{
    const bool failedBefore = QTest::currentTestFailed();
    const QStringList steps = script.split(';');
    for (int i = 0; i < steps.size(); ++i) {
        const QString step = steps[i].trimmed();
        const QStringList words = step.split(' ');
        const QString name = words.value(1);
        const QString rest = words.mid(2).join(' ');
        QString failed;
        if (words[0].isEmpty()) {
            continue;
        } else if (words[0] == "off") {
            if (i > 0)
                failed = "off only as the first step: the warnings are read at the start";
        } else if (words[0] == "draw") {
            failed = play(w, "set txtMaali " + name + "; set txtKertaa " + rest +
                                 "; click cmdArvo_Tulokset");
        } else if (words[0] == "file") {
            FileDialog::setNextFileName(words.mid(1).join(' '));
        } else if (words[0] == "set") {
            child<QLineEdit>(w, name)->setText(rest);
        } else if (words[0] == "tick" || words[0] == "untick") {
            child<QCheckBox>(w, name)->setChecked(words[0] == "tick");
        } else if (words[0] == "click") {
            child<QPushButton>(w, name)->click();
        } else if (words[0] == "choose") {
            child<QRadioButton>(w, name)->click();
        } else if (words[0] == "dclick") {
            QTest::mouseDClick(child<QWidget>(w, name), Qt::LeftButton);
        } else if (words[0] == "menu") {
            if (menuItemEnabled(w, name))
                child<QAction>(w, name)->trigger();
            else
                failed = "the item is disabled";
        } else if (words[0] == "yes" || words[0] == "no") {
            MessageBox::setNextAnswer(words[0] == "yes");
        } else if (words[0] == "save" || words[0] == "discard" || words[0] == "cancel") {
            MessageBox::setNextAnswer(words[0] == "save"      ? QMessageBox::Save
                                      : words[0] == "discard" ? QMessageBox::Discard
                                                              : QMessageBox::Cancel);
        } else if (words[0] == "tab") {
            child<QTabWidget>(w, "SSTab1")->setCurrentIndex(name.toInt());
        } else if (words[0] == "check") { // a row of the main list, or of the named list view
            auto* view = rest.isEmpty() ? nullptr : child<QListView>(w, rest);
            (view ? *qobject_cast<RowListModel*>(view->model()) : w.rowList())
                .setChecked(name.toInt(), true);
        } else if (words[0] == "add") {
            if (const auto row = ScoreRow::fromText(words.mid(1).join(' ')))
                w.rowList().appendAll({*row});
            else
                failed = "not a row";
        } else if (words[0] == "keys") {
            child<QComboBox>(w, name)->setEditText(rest);
        } else if (words[0] == "drop") {
            failed = dropFiles(child<QListView>(w, "lstLista")->viewport(), words.mid(1))
                         .replace("copied", "");
            QCoreApplication::processEvents(); // the files open once the drop is over
        } else if (words[0] == "recent") {
            const QList<QAction*> files = child<QMenu>(w, "MnuViimeksiAvatut")->actions();
            if (name.toInt() >= 1 && name.toInt() <= files.size())
                files[name.toInt() - 1]->trigger();
            else
                failed = "no such recent file";
        } else if (words[0] == "hide") {
            w.hide();
        } else if (words[0] == "close") {
            child<QWidget>(w, name)->close();
        } else if (words[0] == "grid") {
            QStringList ticks;
            for (int team = 1; team < words.size(); ++team)
                for (const QString& goal : words[team].split(','))
                    ticks << (team % 2 ? "tick chkKoti" : "tick chkVieras") +
                                 QString::number((team + 1) / 2) + '_' + goal;
            failed = play(w, ticks.join(';'));
        } else {
            failed = "no such step";
        }
        if (failed.isEmpty() && !failedBefore && QTest::currentTestFailed())
            failed = "failed on the way (see above)";
        if (!failed.isEmpty())
            return QStringLiteral("step %1 \"%2\": %3").arg(i + 1).arg(step, failed);
    }
    return QString();
}

// What the player sees under key: a label's or box's text, a list view's rows; a check box or
// whether a button or menu item is enabled as 1/0; "NAME?" whether not hidden; or rows, ticked,
// matches, told, titles, stake (cents a row), warnings, stored (the setting), recent (files),
// visible, title (a * where the title marks unsaved rows), undo and redo (the items' texts), steps
// (the list changes done). Matches and warnings tell also when the settings menu's marks show
// otherwise.
inline QString observe(frmSarvento& w, const QString& key)
{
    const QHash<QString, std::function<QString()>> state{
        {"rows", [&] { return listed(w.rowList()).join(", "); }},
        {"ticked",
         [&] {
             QStringList ticked;
             for (int i = 0; i < w.rowList().count(); ++i)
                 if (w.rowList().isChecked(i))
                     ticked << QString::number(i);
             return ticked.join(',');
         }},
        {"matches",
         [&] {
             const int n = w.ColumnCount();
             const bool marked = child<QAction>(w, "MnuSarake2")->isChecked() == (n == 2) &&
                                 child<QAction>(w, "MnuSarake3")->isChecked() == (n == 3);
             return QString::number(n) + (marked ? "" : " (marks differ)");
         }},
        {"told", [] { return MessageBox::shownTexts().join(" / "); }},
        {"titles", [] { return MessageBox::shownTitles().join(" / "); }},
        {"stake", [&] { return QString::number(w.StakePerRowCents()); }},
        {"warnings",
         [&] {
             const bool marked = child<QAction>(w, "MnuVaroitukset")->isChecked() == w.WarningsOn();
             return QString::number(w.WarningsOn()) + (marked ? "" : " (mark differs)");
         }},
        {"visible", [&] { return QString::number(w.isVisible()); }},
        {"title", [&] { return w.windowTitle().replace("[*]", w.isWindowModified() ? "*" : ""); }},
        {"stored", [] { return SettingsStore::read("Rekisteri", "Varoitus"); }},
        {"recent", [] { return RecentFiles::load().paths().join(", "); }},
        {"undo", [&] { return child<QAction>(w, "MnuKumoa")->text(); }},
        {"redo", [&] { return child<QAction>(w, "MnuTeeUudelleen")->text(); }},
        {"steps", [&] { return QString::number(w.listHistory().stack().index()); }}};
    if (state.contains(key))
        return state[key]();
    if (key.endsWith('?'))
        return QString::number(!child<QWidget>(w, key.chopped(1))->isHidden());
    if (auto* view = w.findChild<QListView*>(key))
        return listed(*qobject_cast<RowListModel*>(view->model())).join(", ");
    if (auto* box = w.findChild<QCheckBox*>(key))
        return QString::number(box->isChecked());
    if (auto* box = w.findChild<QLineEdit*>(key))
        return box->text();
    if (auto* box = w.findChild<QComboBox*>(key))
        return box->currentText();
    if (auto* button = w.findChild<QPushButton*>(key))
        return QString::number(button->isEnabled());
    if (w.findChild<QAction*>(key))
        return QString::number(menuItemEnabled(w, key));
    return labelText(w, key);
}

// Answers and file names queued in vain, as "unused answers=1|unused file names=2".
inline QString unusedQueues()
{
    QStringList unused;
    if (MessageBox::queuedAnswers() > 0)
        unused << "unused answers=" + QString::number(MessageBox::queuedAnswers());
    if (FileDialog::queuedFileNames() > 0)
        unused << "unused file names=" + QString::number(FileDialog::queuedFileNames());
    return unused.join('|');
}

// What is seen under each key of expected ("key=value|..."), for QCOMPARE(seen(w, expected),
// expected); answers and file names queued in vain are added.
[[nodiscard]] inline QString seen(frmSarvento& w, const QString& expected)
{
    QStringList pairs;
    for (const QString& pair : expected.split('|', Qt::SkipEmptyParts)) {
        const QString key = pair.section('=', 0, 0);
        pairs << key + '=' + observe(w, key);
    }
    if (const QString unused = unusedQueues(); !unused.isEmpty())
        pairs << unused;
    return pairs.join('|');
}

// What a label shows, "hidden" while it is.
inline QString shownLabel(QWidget& w, const QString& name)
{
    auto* label = child<QLabel>(w, name);
    return label->isHidden() ? "hidden" : label->text();
}

// Expected goals home - away of the three matches that chance tests use.
inline const double ChanceGoals[3][2] = {{1.5, 1.0}, {2.0, 0.5}, {1.0, 1.0}};

// Every match's expected goals typed and used in the probabilities window: ChanceGoals, or all
// "rare".
inline QString setChances(const QString& rare = {})
{
    QStringList steps;
    for (int k = 1; k <= 3; ++k)
        for (int side = 0; side < 2; ++side)
            steps << QString("set txtOdotus%1_%2 %3")
                         .arg(side ? "Vieras" : "Koti")
                         .arg(k)
                         .arg(rare.isEmpty() ? QLocale().toString(ChanceGoals[k - 1][side]) : rare);
    return steps.join("; ") + "; click cmdKayta";
}

// The model ChanceGoals make for the first matches.
inline ScoreModel chanceModel(int matches)
{
    std::vector<ExpectedGoals> goals;
    for (int k = 0; k < matches; ++k)
        goals.push_back({ChanceGoals[k][0], ChanceGoals[k][1]});
    return *ScoreModel::make(goals, 0);
}

// The tooltip the main list shows over a row, "" when none.
inline QString rowToolTip(frmSarvento& w, int row)
{
    auto* view = child<QAbstractItemView>(w, "lstLista");
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QHelpEvent help(QEvent::ToolTip, rect.center(), view->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(view->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace WindowTest

// The start every window test shares: settings in a folder of their own, no real message
// boxes, and every answer and file name queued by a test used by its end.
class HeadlessWindowTest : public QObject
{
    Q_OBJECT
protected:
    QTemporaryDir m_settings;

private slots:
    void initTestCase() { WindowTest::setUpHeadless(m_settings); }
    void init() { WindowTest::resetBetweenTests(m_settings); }
    void cleanup() { QCOMPARE(WindowTest::unusedQueues(), QString()); }
};
