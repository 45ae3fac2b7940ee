// A growable array of plain values that grows in place where the allocator can.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace velmora::qt {

// std::vector copies on growth, briefly holding old and new storage; realloc can move the
// pages of a large block instead, which keeps the peak of a few hundred megabytes of output
// near the size of the text itself.
template <class T>
class GrowBuffer {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowBuffer() = default;
    GrowBuffer(const GrowBuffer&) = delete;
    GrowBuffer& operator=(const GrowBuffer&) = delete;
    ~GrowBuffer() { std::free(m_data); }

    T* Data() { return m_data; }
    const T* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }
    T& operator[](std::size_t i) { return m_data[i]; }
    const T& operator[](std::size_t i) const { return m_data[i]; }
    T Back() const { return m_data[m_size - 1]; }

    void Reserve(std::size_t capacity) {
        if (capacity <= m_capacity) {
            return;
        }
        std::size_t grown = m_capacity + m_capacity / 2;
        if (grown < capacity) {
            grown = capacity;
        }
        if (grown < 1024) {
            grown = 1024;
        }
        void* moved = std::realloc(m_data, grown * sizeof(T));
        if (moved == nullptr) {
            throw std::bad_alloc();
        }
        m_data = static_cast<T*>(moved);
        m_capacity = grown;
    }
    void Append(const T* values, std::size_t count) {
        Reserve(m_size + count);
        if (count > 0) {
            std::memcpy(m_data + m_size, values, count * sizeof(T));
        }
        m_size += count;
    }
    void PushBack(T value) { Append(&value, 1); }
    // Room for count more values, to be filled by the caller and committed with Grow.
    T* Tail(std::size_t count) {
        Reserve(m_size + count);
        return m_data + m_size;
    }
    void Grow(std::size_t count) { m_size += count; }
    void Truncate(std::size_t size) {
        if (size < m_size) {
            m_size = size;
        }
    }
    void Release() {
        std::free(m_data);
        m_data = nullptr;
        m_size = m_capacity = 0;
    }

private:
    T* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

}  // namespace velmora::qt
