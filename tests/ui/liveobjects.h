#pragma once
// Which objects made while a LiveObjects is in scope are still alive: it listens on the hooks
// Qt calls from every QObject's constructor and destructor, the ones debugging tools use. An
// object nobody deletes stays on the list, so a window's leaks show without a sanitizer.
#include <QMutex>
#include <QObject>
#include <QSet>

// Exported by Qt Core; its layout is declared in Qt's private qhooks_p.h.
extern quintptr qtHookData[];

class LiveObjects
{
public:
    LiveObjects()
    {
        s_current = this;
        m_add = qtHookData[AddHook];
        m_remove = qtHookData[RemoveHook];
        qtHookData[AddHook] = reinterpret_cast<quintptr>(&added);
        qtHookData[RemoveHook] = reinterpret_cast<quintptr>(&removed);
    }
    ~LiveObjects()
    {
        qtHookData[AddHook] = m_add;
        qtHookData[RemoveHook] = m_remove;
        s_current = nullptr;
    }
    LiveObjects(const LiveObjects&) = delete;
    LiveObjects& operator=(const LiveObjects&) = delete;

    // False when this Qt offers no hooks; then nothing is seen.
    static bool available() { return qtHookData[VersionIndex] >= 1; }

    template <typename T> int count() const
    {
        QMutexLocker lock(&m_lock);
        int n = 0;
        for (QObject* object : m_alive)
            n += qobject_cast<T*>(object) != nullptr;
        return n;
    }

private:
    enum Index
    {
        VersionIndex = 0,
        AddHook = 3,
        RemoveHook = 4
    };
    using Hook = void (*)(QObject*);

    static void added(QObject* object)
    {
        {
            QMutexLocker lock(&s_current->m_lock);
            s_current->m_alive.insert(object);
        }
        if (s_current->m_add)
            reinterpret_cast<Hook>(s_current->m_add)(object);
    }
    static void removed(QObject* object)
    {
        {
            QMutexLocker lock(&s_current->m_lock);
            s_current->m_alive.remove(object);
        }
        if (s_current->m_remove)
            reinterpret_cast<Hook>(s_current->m_remove)(object);
    }

    static inline LiveObjects* s_current = nullptr;
    mutable QMutex m_lock;
    QSet<QObject*> m_alive;
    quintptr m_add = 0;
    quintptr m_remove = 0;
};
