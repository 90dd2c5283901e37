#include "ui/listdocument.h"
#include "files/recoverystore.h"
#include "ui/dialogs.h"
#include "ui/rowfiledialogs.h"
#include "ui/rowlisthistory.h"
#include "ui/texts.h"
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QSessionManager>
#include <QUndoStack>
#include <QWidget>
#include <algorithm>

namespace {
QString rowCount(qint64 rows)
{
    return QLocale().toString(rows);
}
} // namespace

ListDocument::ListDocument(QWidget* window, RowListHistory& history)
    : QObject(window), m_window(window), m_history(history)
{
    m_copyTimer.setSingleShot(true);
    connect(&m_copyTimer, &QTimer::timeout, this, &ListDocument::writeCopy);
    m_partTimer.setSingleShot(true);
    connect(&m_partTimer, &QTimer::timeout, this, &ListDocument::takeCopyPart);
    connect(&m_history, &RowListHistory::listChanged, this, &ListDocument::onListChanged);
    connect(&m_history.stack(), &QUndoStack::cleanChanged, this, &ListDocument::onListChanged);
    // A change made outside any command is a step before the list counts its rows.
    connect(&m_history.rows(), &RowListModel::countChanged, this, &ListDocument::onListChanged);
    // A desktop session that ends asks too, where it lets the program ask; otherwise the copy
    // is there at the next start.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (session.allowsInteraction() && !askBeforeClosing())
            session.cancel();
    });
    showTitle();
}

ListDocument::~ListDocument() = default;

void ListDocument::setRecovery(RecoveryStore* store)
{
    m_store = store;
    if (m_store)
        connect(m_store, &RecoveryStore::saveFailed, this, &ListDocument::copyFailed);
    if (m_store)
        connect(m_store, &RecoveryStore::saved, this, &ListDocument::copyWritten);
}

bool ListDocument::hasUnsavedRows() const
{
    return !m_history.stack().isClean() && !m_history.rows().isEmpty();
}

void ListDocument::saved(const QString& path)
{
    m_fileName = path;
    m_history.stack().setClean();
    onListChanged();
}

void ListDocument::named(const QString& path)
{
    m_fileName = path;
    onListChanged();
}

void ListDocument::showTitle()
{
    const QString name =
        m_fileName.isEmpty() ? QStringLiteral("Nimetön") : QFileInfo(m_fileName).fileName();
    m_window->setWindowTitle(name + QStringLiteral("[*] - ") + Texts::AppTitle);
    m_window->setWindowModified(hasUnsavedRows());
}

bool ListDocument::askBeforeClosing(bool* asked)
{
    if (asked)
        *asked = hasUnsavedRows();
    if (!hasUnsavedRows())
        return true;
    const QString text =
        QStringLiteral("Listalla on tallentamattomia rivejä (%1 riviä). Tallennetaanko ne?")
            .arg(rowCount(m_history.rows().count()));
    switch (MessageBox::askToSave(m_window, Texts::AppTitle, text)) {
    case QMessageBox::Save:
        return m_save && m_save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void ListDocument::closed()
{
    m_copyTimer.stop();
    m_taking = false;
    if (!m_store)
        return;
    m_store->discard();
    m_store->waitUntilDone();
    m_copyKept = false;
}

void ListDocument::onListChanged()
{
    showTitle();
    if (!m_store)
        return;
    // A copy half taken is of rows no longer there: the next one is taken from the start.
    m_taking = false;
    m_taken = {};
    if (!hasUnsavedRows()) {
        m_copyTimer.stop();
        if (std::exchange(m_copyKept, false))
            m_store->discard();
        return;
    }
    if (m_copyTimer.isActive())
        return; // the copy then written holds this change too
    const qint64 sinceLast = m_sinceCopy.isValid() ? m_sinceCopy.elapsed() : CopyGapMs;
    m_copyTimer.start(int(std::max<qint64>(CopySettleMs, CopyGapMs - sinceLast)));
}

void ListDocument::writeCopy()
{
    if (!hasUnsavedRows())
        return;
    m_taking = true;
    m_taken.reserve(size_t(m_history.rows().count()));
    m_sinceCopy.start();
    takeCopyPart();
}

void ListDocument::takeCopyPart()
{
    if (!m_taking)
        return;
    // A command still under way (a long draw showing its progress) is copied once it is done.
    if (m_history.commandOpen()) {
        m_taking = false;
        m_taken = {};
        m_copyTimer.start(CopySettleMs);
        return;
    }
    const std::vector<ScoreRow>& rows = m_history.rows().rows();
    const size_t count = size_t(m_history.rows().count());
    const size_t end = std::min(m_taken.size() + CopyPart, count);
    m_taken.insert(m_taken.end(), rows.begin() + qsizetype(m_taken.size()),
                   rows.begin() + qsizetype(end));
    if (end < count) {
        m_partTimer.start(0);
        return;
    }
    m_taking = false;
    m_store->save(std::exchange(m_taken, {}), m_fileName);
    m_copyKept = true;
}

void ListDocument::copyFailed(const QString& why)
{
    if (std::exchange(m_failureTold, true))
        return;
    MessageBox::show(m_window, Texts::AppTitle,
                     QStringLiteral("Tallentamattomista riveistä ei voi pitää palautuskopiota, "
                                    "joten kaatuminen tai sähkökatko hävittäisi ne. Tallenna "
                                    "lista tiedostoon."),
                     MessageBox::Exclamation, why);
}

void ListDocument::offerRecovery(int columnCount,
                                 const std::function<void(int columns)>& switchColumns)
{
    if (!m_store || !m_store->hasLeftCopy())
        return;
    RecoveryCopy::Content copy;
    {
        BusyCursor busy;
        copy = m_store->readLeftCopy();
    }
    if (!copy.ok) {
        const QString aside = m_store->setLeftCopyAside();
        MessageBox::show(
            m_window, Texts::AppTitle,
            QStringLiteral("Edellisen istunnon palautuskopio on vioittunut, eikä sitä voi "
                           "palauttaa."),
            MessageBox::Exclamation,
            aside.isEmpty()
                ? QStringLiteral("Se on jätetty paikalleen: %1")
                      .arg(QDir::toNativeSeparators(m_store->copyPath()))
                : QStringLiteral("Se on tallessa nimellä %1").arg(QDir::toNativeSeparators(aside)));
        return;
    }
    if (!MessageBox::ask(m_window, Texts::AppTitle,
                         QStringLiteral("Edellinen istunto päättyi odottamatta. Palautetaanko "
                                        "lista (%1 riviä)?")
                             .arg(rowCount(qint64(copy.rows.size()))))) {
        m_store->discard();
        return;
    }
    {
        ListCommand step(m_history, QStringLiteral("Palautus"));
        if (copy.columnCount != columnCount)
            switchColumns(copy.columnCount);
        m_history.rows().appendAll(std::move(copy.rows));
    }
    m_copyKept = true; // the copy taken is there until a newer one replaces it
    named(copy.listFile);
}
