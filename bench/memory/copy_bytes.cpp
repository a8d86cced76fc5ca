// copy_bytes LEVEL: the heap bytes that a copy of the level holds (what one undo copy of it
// costs), counted as the allocator's usable sizes, so its own rounding is counted too.
#include "model/Level.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {
long long g_inUse = 0;
}

void* operator new(std::size_t size)
{
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr)
        throw std::bad_alloc();
    g_inUse += static_cast<long long>(malloc_usable_size(block));
    return block;
}
void operator delete(void* block) noexcept
{
    if (block != nullptr)
        g_inUse -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

int main(int argc, char** argv)
{
    CLevel level;
    if (argc != 2 || !level.LoadFromFile(argv[1]))
        return 1;
    const long long before = g_inUse;
    const CLevel copy(level);
    std::printf("%lld\n", g_inUse - before);
    return 0;
}
