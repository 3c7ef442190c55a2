#pragma once

#include <functional>
#include <utility>

// A window made the first time it is asked for, once, and kept from then on (its Qt parent
// destroys it). Whoever hands it values before it exists asks made() first and lets the
// maker give the window those values when it is made.
template <class T> class LazyWindow {
public:
    explicit LazyWindow(std::function<T*()> maker = {}) : m_maker(std::move(maker)) {}
    void setMaker(std::function<T*()> maker) { m_maker = std::move(maker); }

    T* get() {
        if (!m_window)
            m_window = m_maker();
        return m_window;
    }
    T* operator->() { return get(); }
    T& operator*() { return *get(); }
    // The window, or null while it has not been made.
    T* made() const { return m_window; }

private:
    std::function<T*()> m_maker;
    T* m_window = nullptr;
};
