#include "common/AllocationMeter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

std::atomic<long long> g_inUse{0};
std::atomic<long long> g_peak{0};

void* Allocate(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    const long long inUse = g_inUse += static_cast<long long>(malloc_usable_size(block));
    for (long long peak = g_peak.load(); inUse > peak && !g_peak.compare_exchange_weak(peak, inUse);) {
    }
    return block;
}

void Release(void* block)
{
    if (!block)
        return;
    g_inUse -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

} // namespace

// Every plain form is replaced, not only the two the others call by default: a sanitizer runtime
// supplies its own nothrow and array forms, and a block from one of those must not reach ours.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }

CAllocationMeter::CAllocationMeter() : m_start(g_inUse.load()) { g_peak = m_start; }

std::size_t CAllocationMeter::GetPeakBytes() const
{
    const long long peak = g_peak.load() - m_start;
    return peak > 0 ? static_cast<std::size_t>(peak) : 0;
}
