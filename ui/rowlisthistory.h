#pragma once
// Undo and redo of the row list. Every handler that may change the list opens a ListCommand
// at its top, named as the player knows the command:
//
//     ListCommand step(history, QStringLiteral("Tyhjennä lista"));
//
// Everything the list records until the scope ends is one step, whatever happens meanwhile (a
// question, a progress window, a second file of a drop). Nested scopes join the outermost; a
// scope that changed nothing leaves no step. A change made outside any scope is a step of its
// own at once, named OutsideName, so that the history always matches the list.
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include <QObject>
#include <functional>

class QAction;
class QUndoStack;

class RowListHistory : public QObject, private RowListModel::Recorder
{
    Q_OBJECT
public:
    // Each step holds only what changed, but a cleared list of millions is still millions.
    static constexpr int Steps = 20;
    static const QString OutsideName;

    explicit RowListHistory(RowListModel& rows, QObject* parent = nullptr);
    ~RowListHistory() override;

    RowListModel& rows() const { return m_rows; }
    QUndoStack& stack() const { return *m_stack; }
    // Whether a command's step is still open.
    bool commandOpen() const { return m_depth > 0; }

    // Neither does anything while a command is open: its step is not done yet.
    void undo();
    void redo();
    // The edit menu's two items: enabled while there is a step to take, named by it, and
    // triggering undo() and redo().
    void drive(QAction* undoItem, QAction* redoItem);

signals:
    // After each step done, undone or done again.
    void listChanged();

private:
    friend class ListCommand;
    void open(const QString& name);
    void close();

    void appended(size_t from, size_t count) override;
    void cleared(RowListModel::Slice&& rows) override;
    void removed(RowListModel::Removed&& rows) override;

    RowListModel& m_rows;
    QUndoStack* m_stack;
    RowListChange m_pending;
    QString m_name;
    int m_depth = 0;
    bool m_savedAfter = false;
};

// The scope of one command's changes to the list (see RowListHistory).
class ListCommand
{
public:
    ListCommand(RowListHistory& history, const QString& name);
    ~ListCommand();
    ListCommand(const ListCommand&) = delete;
    ListCommand& operator=(const ListCommand&) = delete;

    // Something besides the list that the step also takes back and does again, at this point
    // among its changes of the list.
    void addAction(std::function<void()> undo, std::function<void()> redo);
    // The list is as saved once the step is done (the undo stack's clean state), if the
    // command changed it at all.
    void markSaved();

private:
    RowListHistory& m_history;
};
