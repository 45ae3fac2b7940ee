// Owners of kernel handles and registry keys, so every path out of a function closes them.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_handle = other.Release();
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    // CreateFile reports failure with INVALID_HANDLE_VALUE, most other calls with null.
    bool Valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE* Receive() {
        Close();
        return &m_handle;
    }
    HANDLE Release() {
        HANDLE handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    // False when the handle was open and closing it failed.
    bool Close() {
        if (!Valid()) {
            m_handle = nullptr;
            return true;
        }
        const bool closed = ::CloseHandle(Release()) != FALSE;
        return closed;
    }

private:
    HANDLE m_handle = nullptr;
};

class UniqueKey {
public:
    UniqueKey() = default;
    ~UniqueKey() { Close(); }
    UniqueKey(UniqueKey&& other) noexcept : m_key(other.m_key) { other.m_key = nullptr; }
    UniqueKey& operator=(UniqueKey&&) = delete;
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;

    HKEY Get() const { return m_key; }
    PHKEY Receive() {
        Close();
        return &m_key;
    }
    bool Close() {
        if (m_key == nullptr) {
            return true;
        }
        const LSTATUS status = ::RegCloseKey(m_key);
        m_key = nullptr;
        return status == ERROR_SUCCESS;
    }

private:
    HKEY m_key = nullptr;
};

}  // namespace velmora::win32
