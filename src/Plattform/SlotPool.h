#pragma once
// Memory for objects of which a document holds hundreds of thousands (rows,
// entries): slots of one size cut from large blocks and reused, without the
// general allocator's header per block, and given back at the cost of one
// store. Blocks stay with the process. A class takes its memory from here
// through its own operator new and delete; a derived class of another size
// gets the general allocator. Under the address sanitizer every object gets
// its own block, so that misuse is still caught.
#include "Plattform/MemoryPages.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <limits>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define KONTOBOK_SLOT_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KONTOBOK_SLOT_POOL 0
#endif
#endif
#ifndef KONTOBOK_SLOT_POOL
#define KONTOBOK_SLOT_POOL 1
#endif

template <size_t Size>
class SlotPool {
public:
    static void* allocate(size_t size) {
        if (!KONTOBOK_SLOT_POOL || size != Size) return ::operator new(size);
        Lock lock;
        if (free_) {
            Slot* slot = free_;
            free_ = slot->next;
            return slot;
        }
        if (next_ == ready_) prepareMore();
        void* slot = next_;
        next_ += slotSize;
        return slot;
    }
    static void release(void* p, size_t size) {
        if (!p) return;
        if (!KONTOBOK_SLOT_POOL || size != Size) return ::operator delete(p);
        Lock lock;
        auto* slot = static_cast<Slot*>(p);
        slot->next = free_;
        free_ = slot;
    }

private:
    struct Slot {
        Slot* next;
    };
    // Whole words: the pooled classes need no stricter alignment.
    static constexpr size_t slotSize = (Size + 7) / 8 * 8;
    // Blocks double from 64 KiB, so that a small document takes little,
    // up to 2 MiB; their slots are made ready a stretch at a time.
    static constexpr size_t firstBlock = size_t(64) << 10, largestBlock = size_t(2) << 20;
    static constexpr size_t stretch = (size_t(256) << 10) / slotSize * slotSize;

    // Records are made on one thread; the lock only keeps a stray other
    // thread from breaking the list.
    struct Lock {
        Lock() {
            while (busy_.test_and_set(std::memory_order_acquire)) {
            }
        }
        ~Lock() { busy_.clear(std::memory_order_release); }
    };

    // Page faults cost more than the records written into the pages (a
    // fresh process loading a large document spent about half its time in
    // them), so the pages of each stretch are mapped in one call before its
    // first slot is handed out; a stretch at a time keeps a pool that stops
    // growing from holding more than a stretch it does not use.
    static void prepareMore() {
        if (ready_ == end_) addBlock();
        const size_t bytes = std::min(size_t(end_ - next_), stretch);
        prefaultPages(next_, bytes);
        ready_ = next_ + bytes;
    }

    static void addBlock() {
        const size_t bytes = blockBytes_;
        next_ = ready_ = static_cast<unsigned char*>(::operator new(bytes));
        end_ = next_ + bytes / slotSize * slotSize;
        blockBytes_ = std::min(2 * bytes, largestBlock);
    }

    inline static Slot* free_ = nullptr;
    // The newest block: slots from next_ on were never handed out; those
    // before ready_ have their pages mapped.
    inline static unsigned char* next_ = nullptr;
    inline static unsigned char* ready_ = nullptr;
    inline static unsigned char* end_ = nullptr;
    inline static size_t blockBytes_ = firstBlock;
    inline static std::atomic_flag busy_ = ATOMIC_FLAG_INIT;
};

// For the many small arrays a document holds one of per record (an entry's
// few rows): arrays of up to 64 bytes come from slot pools by size, larger
// ones from the general allocator.
template <class T>
struct PooledArrayAllocator {
    using value_type = T;

    PooledArrayAllocator() = default;
    template <class U>
    PooledArrayAllocator(const PooledArrayAllocator<U>&) {}

    T* allocate(size_t n) {
        if (n > std::numeric_limits<size_t>::max() / sizeof(T)) throw std::bad_array_new_length();
        const size_t bytes = n * sizeof(T);
        if (bytes <= 16) return static_cast<T*>(SlotPool<16>::allocate(16));
        if (bytes <= 32) return static_cast<T*>(SlotPool<32>::allocate(32));
        if (bytes <= 64) return static_cast<T*>(SlotPool<64>::allocate(64));
        return static_cast<T*>(::operator new(bytes));
    }
    void deallocate(T* p, size_t n) {
        const size_t bytes = n * sizeof(T);
        if (bytes <= 16) return SlotPool<16>::release(p, 16);
        if (bytes <= 32) return SlotPool<32>::release(p, 32);
        if (bytes <= 64) return SlotPool<64>::release(p, 64);
        ::operator delete(p);
    }

    friend bool operator==(const PooledArrayAllocator&, const PooledArrayAllocator&) { return true; }
};
