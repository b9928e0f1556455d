#pragma once

#include <cstddef>

namespace kadro::test {

// While one exists, a single allocation through operator new larger than the limit throws
// std::bad_alloc and is remembered, so a test can show that untrusted sizes are checked before
// anything is allocated for them. Only in test programs that link AllocationLimit.cpp.
class AllocationLimit {
public:
    explicit AllocationLimit(std::size_t limit);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

    // The largest allocation refused since the limit was set, or 0.
    std::size_t refused() const;
};

} // namespace kadro::test
