#pragma once

#include <windows.h>

#include <mutex>

// A lock and condition on the system's slim reader/writer lock. Under Wine these wait on the
// address (a futex) without a trip to the wine server, where the threads library's condition
// variables take two; on the key path from the hook to the injected key that is a tenth of a
// millisecond per event.
class SlimLock {
public:
    void lock() { AcquireSRWLockExclusive(&m_lock); }
    void unlock() { ReleaseSRWLockExclusive(&m_lock); }

private:
    friend class SlimCondition;
    SRWLOCK m_lock = SRWLOCK_INIT;
};

class SlimCondition {
public:
    template <typename Predicate> void wait(std::unique_lock<SlimLock>& lock, Predicate done) {
        while (!done()) {
            SleepConditionVariableSRW(&m_condition, &lock.mutex()->m_lock, INFINITE, 0);
        }
    }
    void notify_all() { WakeAllConditionVariable(&m_condition); }

private:
    CONDITION_VARIABLE m_condition = CONDITION_VARIABLE_INIT;
};
