#pragma once
#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;

// Lets row files be dropped on a widget: a drag that carries local files is accepted, any
// other is refused, and a drop reports the local files in the order they were dragged.
class FileDropFilter : public QObject
{
    Q_OBJECT
public:
    explicit FileDropFilter(QObject* parent = nullptr);

    // Takes drops on widget; for a list or other scroll area also on its viewport, where
    // the drag events arrive.
    void watch(QWidget* widget);

    static QStringList localFiles(const QMimeData* data);

signals:
    // Sent after the drop has finished, so that the questions and progress windows of
    // opening do not hold up the program the files were dragged from.
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
