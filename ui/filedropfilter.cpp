#include "ui/filedropfilter.h"
#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

FileDropFilter::FileDropFilter(QObject* parent) : QObject(parent) {}

void FileDropFilter::watch(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        area->viewport()->setAcceptDrops(true);
        area->viewport()->installEventFilter(this);
    }
}

QStringList FileDropFilter::localFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    return paths;
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    // Every drag on a watched widget ends here: a list view must not take item drags or
    // text as rows of its own.
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty()) {
        drop->ignore();
        return true;
    }
    // Always a copy: a file manager deletes the original after an accepted move.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, paths] { emit filesDropped(paths); }, Qt::QueuedConnection);
    return true;
}
