#pragma once
// The main window's row list as a document: whether its rows are saved and in which file, the
// window title that shows both, the question before closing with unsaved rows, and the recovery
// copy kept while there are such rows, offered back at the next start after a crash.
//
// Saved means the undo history's clean state: opening a file into an empty list, saving and
// emptying the list mark it (ListCommand::markSaved for a command's step), and undoing back
// there makes the list saved again.
#include "core/scorerow.h"
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;
class RecoveryStore;
class RowListHistory;

class ListDocument : public QObject
{
    Q_OBJECT
public:
    // A copy is written this long after the list changed, and never sooner than CopyGapMs
    // after the one before.
    static constexpr int CopySettleMs = 500;
    static constexpr int CopyGapMs = 2000;
    // The rows are taken for a copy this many at a turn of the window, so that taking millions
    // makes no pause a player would feel.
    static constexpr size_t CopyPart = 1 << 17;

    // window shows the title.
    ListDocument(QWidget* window, RowListHistory& history);
    ~ListDocument() override;

    // Where copies go; without one, none are kept.
    void setRecovery(RecoveryStore* store);
    // How "Tallenna" of the closing question saves: to the list's file, or one the player
    // names. True when saved.
    void setSave(std::function<bool()> save) { m_save = std::move(save); }

    QString fileName() const { return m_fileName; }
    // Rows that closing now would lose: the list changed since it was last saved, and not empty.
    bool hasUnsavedRows() const;

    // The list was saved to path.
    void saved(const QString& path);
    // The list was opened from path (its step marked saved), or emptied: no file is its own.
    void named(const QString& path);
    void emptied() { named(QString()); }

    // Before the program ends: asks about unsaved rows, saving them on "Tallenna". False when
    // the program is to go on (cancelled, or the save failed or was cancelled); asked tells
    // whether there was a question.
    bool askBeforeClosing(bool* asked = nullptr);
    // The program ends as the player asked: no copy is kept.
    void closed();

    // At the start, before anything else: offers back the rows of a run that ended without
    // closing, as the step "Palautus". switchColumns switches the match count to the rows'.
    void offerRecovery(int columnCount, const std::function<void(int columns)>& switchColumns);

signals:
    // For tests: a copy was written.
    void copyWritten();

private:
    void onListChanged();
    void showTitle();
    void writeCopy();
    void takeCopyPart();
    void copyFailed(const QString& why);

    QWidget* m_window;
    RowListHistory& m_history;
    RecoveryStore* m_store = nullptr;
    std::function<bool()> m_save;
    QString m_fileName;
    QTimer m_copyTimer;
    QTimer m_partTimer;
    std::vector<ScoreRow> m_taken; // of the copy being taken
    bool m_taking = false;
    QElapsedTimer m_sinceCopy;
    bool m_copyKept = false;
    bool m_failureTold = false;
};
