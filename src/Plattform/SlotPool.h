#pragma once
// Memory for objects of which a document holds hundreds of thousands (rows,
// entries): slots of one size cut from large pages and reused, without the
// general allocator's header per block, and given back at the cost of one
// store. Pages stay with the process. A class takes its memory from here
// through its own operator new and delete; a derived class of another size
// gets the general allocator. Under the address sanitizer every object gets
// its own block, so that misuse is still caught.
#include <atomic>
#include <cstddef>
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
        if (!free_) addPage();
        Slot* slot = free_;
        free_ = slot->next;
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
    static constexpr size_t slotsPerPage = (size_t(64) << 10) / slotSize;

    // Records are made on one thread; the lock only keeps a stray other
    // thread from breaking the list.
    struct Lock {
        Lock() {
            while (busy_.test_and_set(std::memory_order_acquire)) {
            }
        }
        ~Lock() { busy_.clear(std::memory_order_release); }
    };

    static void addPage() {
        auto* page = static_cast<unsigned char*>(::operator new(slotsPerPage * slotSize));
        for (size_t i = slotsPerPage; i-- > 0;) {
            auto* slot = reinterpret_cast<Slot*>(page + i * slotSize);
            slot->next = free_;
            free_ = slot;
        }
    }

    inline static Slot* free_ = nullptr;
    inline static std::atomic_flag busy_ = ATOMIC_FLAG_INIT;
};
