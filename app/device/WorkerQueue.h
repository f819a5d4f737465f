#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <vector>

// A list of codes appended by one thread and drained from the front by the device worker.
// m_mutex guards m_items for each single operation; the worker peeks the front, works, and
// removes it afterwards, and is the only thread that removes.
class WorkerQueue {
public:
    void Append(int code) {
        std::lock_guard lock(m_mutex);
        m_items.push_back(code);
    }
    std::optional<int> Front() const {
        std::lock_guard lock(m_mutex);
        if (m_items.empty()) {
            return std::nullopt;
        }
        return m_items.front();
    }
    // Removes the front code and returns it; nothing when the queue is empty.
    std::optional<int> TakeFront() {
        std::lock_guard lock(m_mutex);
        if (m_items.empty()) {
            return std::nullopt;
        }
        const int code = m_items.front();
        m_items.pop_front();
        return code;
    }
    void Clear() {
        std::lock_guard lock(m_mutex);
        m_items.clear();
    }
    bool Empty() const {
        std::lock_guard lock(m_mutex);
        return m_items.empty();
    }
    std::vector<int> Snapshot() const {
        std::lock_guard lock(m_mutex);
        return {m_items.begin(), m_items.end()};
    }

private:
    mutable std::mutex m_mutex;
    std::deque<int> m_items;
};
