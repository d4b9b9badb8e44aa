#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <type_traits>

namespace cantorino {

/// A bounded lock-free queue for exactly one producer thread and one consumer thread.
/// Storage is part of the object, so neither side ever allocates.
template <typename T, size_t Capacity>
class SpscRing {
    static_assert(std::is_trivially_copyable_v<T>, "items are copied between threads as plain data");
    static_assert(Capacity > 0 && (Capacity & (Capacity - 1)) == 0, "capacity must be a power of two");

public:
    /// Producer: appends `item`; false when the queue is full.
    bool push(const T& item) {
        const size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == Capacity) return false;
        items_[tail % Capacity] = item;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    /// Consumer: the oldest item, or nullptr when the queue is empty.
    const T* front() const {
        const size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) return nullptr;
        return &items_[head % Capacity];
    }

    /// Consumer: removes the oldest item; only after front() returned one.
    void pop() { head_.store(head_.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

private:
    alignas(64) std::atomic<size_t> head_{0};
    alignas(64) std::atomic<size_t> tail_{0};
    alignas(64) std::array<T, Capacity> items_{};
};

}  // namespace cantorino
