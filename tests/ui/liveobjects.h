#pragma once
// The objects made in a LiveObjects' scope that are still alive, through Qt's debugging hooks.
#include <QMutex>
#include <QObject>
#include <QSet>
#include <algorithm>

// Exported by Qt Core; its layout is declared in Qt's private qhooks_p.h.
extern quintptr qtHookData[];

class LiveObjects
{
public:
    LiveObjects() : m_add(qtHookData[AddHook]), m_remove(qtHookData[RemoveHook])
    {
        s_current = this;
        qtHookData[AddHook] = reinterpret_cast<quintptr>(&hook<true>);
        qtHookData[RemoveHook] = reinterpret_cast<quintptr>(&hook<false>);
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
    static bool available() { return qtHookData[0] >= 1; }

    template <typename T> int count() const
    {
        QMutexLocker lock(&m_lock);
        return int(std::count_if(m_alive.begin(), m_alive.end(),
                                 [](QObject* o) { return qobject_cast<T*>(o) != nullptr; }));
    }

private:
    static constexpr int AddHook = 3, RemoveHook = 4;

    template <bool Add> static void hook(QObject* object)
    {
        QMutexLocker lock(&s_current->m_lock);
        Add ? void(s_current->m_alive.insert(object)) : void(s_current->m_alive.remove(object));
        lock.unlock();
        if (const quintptr chained = Add ? s_current->m_add : s_current->m_remove)
            reinterpret_cast<void (*)(QObject*)>(chained)(object);
    }

    static inline LiveObjects* s_current = nullptr;
    const quintptr m_add, m_remove;
    mutable QMutex m_lock;
    QSet<QObject*> m_alive;
};
