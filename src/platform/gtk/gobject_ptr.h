#pragma once

// GTK: an owned reference to a GObject, released on every path.

#include <glib-object.h>

template <class T>
class GObjectPtr {
public:
    GObjectPtr() = default;
    // Takes over a reference the caller owns (a new object, or one from g_object_ref).
    explicit GObjectPtr(T* owned) : m_object(owned) {}
    ~GObjectPtr() { Reset(); }
    GObjectPtr(GObjectPtr&& other) noexcept : m_object(other.m_object) { other.m_object = nullptr; }
    GObjectPtr& operator=(GObjectPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_object = other.m_object;
            other.m_object = nullptr;
        }
        return *this;
    }
    GObjectPtr(const GObjectPtr&) = delete;
    GObjectPtr& operator=(const GObjectPtr&) = delete;

    T* get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void Reset() {
        if (m_object != nullptr) g_object_unref(m_object);
        m_object = nullptr;
    }

private:
    T* m_object = nullptr;
};
