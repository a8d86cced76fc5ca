#pragma once
#include <atomic>

// A value that one thread writes while another reads it, such as the ball's position that the
// ball thread moves and the user-interface thread paints. Every load and store is a relaxed
// atomic access, so the reader may see a slightly older value but never a torn one. The compound
// assignments are a load followed by a store: they are only correct because a single thread
// writes the value.
template <typename T>
class CRelaxed {
public:
    CRelaxed(T value = T()) : m_value(value) {}
    CRelaxed(const CRelaxed&) = delete;
    CRelaxed& operator=(const CRelaxed&) = delete;

    operator T() const { return m_value.load(std::memory_order_relaxed); }
    CRelaxed& operator=(T value)
    {
        m_value.store(value, std::memory_order_relaxed);
        return *this;
    }
    CRelaxed& operator+=(T value) { return *this = *this + value; }
    CRelaxed& operator-=(T value) { return *this = *this - value; }
    CRelaxed& operator*=(T value) { return *this = *this * value; }

private:
    std::atomic<T> m_value;
};
