#include "AllocationLimit.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> limit{0}; // 0: no limit
std::atomic<std::size_t> largestRefused{0};

void* allocate(std::size_t n) {
    const std::size_t cap = limit.load();
    if (cap != 0 && n > cap) {
        if (n > largestRefused.load())
            largestRefused.store(n);
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(n == 0 ? 1 : n))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t n) {
    return allocate(n);
}
void* operator new[](std::size_t n) {
    return allocate(n);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace kadro::test {

AllocationLimit::AllocationLimit(std::size_t cap) {
    largestRefused.store(0);
    limit.store(cap);
}

AllocationLimit::~AllocationLimit() {
    limit.store(0);
}

std::size_t AllocationLimit::refused() const {
    return largestRefused.load();
}

} // namespace kadro::test
