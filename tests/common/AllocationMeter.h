#pragma once
#include <cstddef>

// The heap that a piece of code takes, as operator new hands it out (the bytes of every block as
// the allocator sized it), on all threads: the highest total in use while the meter lives, above
// what was in use when it started. A test binary that uses it links AllocationMeter.cpp, which
// replaces the global operator new and delete.
class CAllocationMeter {
public:
    CAllocationMeter();
    CAllocationMeter(const CAllocationMeter&) = delete;
    CAllocationMeter& operator=(const CAllocationMeter&) = delete;

    std::size_t GetPeakBytes() const;

private:
    long long m_start;
};
