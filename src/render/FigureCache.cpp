#include "render/FigureCache.h"

#include <vector>

// A figure replayed from its recorded rows.
class CFigureCache::CRecordedFigure : public CFigure {
public:
    explicit CRecordedFigure(const CFigure& source) : CFigure(source.GetTop(), source.GetBottom())
    {
        m_rowStart.reserve(static_cast<std::size_t>(GetBottom() - GetTop()) + 1);
        for (int y = GetTop(); y < GetBottom(); ++y) {
            m_rowStart.push_back(static_cast<int>(m_spans.size()));
            source.AppendSpans(y, m_spans);
        }
        m_rowStart.push_back(static_cast<int>(m_spans.size()));
    }

    void AppendSpans(int y, CSpanList& spans) const override
    {
        const std::span<const CSpan> row = Row(y);
        spans.insert(spans.end(), row.begin(), row.end());
    }

    std::span<const CSpan> GetRowSpans(int y, CSpanList&) const override { return Row(y); }

private:
    std::span<const CSpan> Row(int y) const
    {
        if (y < GetTop() || y >= GetBottom())
            return {};
        const std::size_t row = static_cast<std::size_t>(y - GetTop());
        return std::span<const CSpan>(m_spans).subspan(m_rowStart[row], m_rowStart[row + 1] - m_rowStart[row]);
    }

    std::vector<int> m_rowStart;
    CSpanList m_spans;
};

CFigureCache::CFigureCache() = default;

CFigureCache::~CFigureCache() = default;

std::size_t CFigureCache::SetOf(const CKey& key)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (int value : key)
        hash = (hash ^ static_cast<std::uint32_t>(value)) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ (hash >> 29)) % kSets;
}

const CFigure* CFigureCache::Find(const CKey& key) const
{
    const std::size_t set = SetOf(key);
    for (std::size_t way = 0; way < kWays; ++way) {
        const CSlot& slot = m_slots[set * kWays + way];
        if (slot.figure && slot.key == key)
            return slot.figure.get();
    }
    return nullptr;
}

const CFigure& CFigureCache::Record(const CKey& key, const CFigure& figure)
{
    // Each set replaces its ways in turn.
    const std::size_t set = SetOf(key);
    CSlot& slot = m_slots[set * kWays + m_nextWay[set]];
    m_nextWay[set] = static_cast<std::uint8_t>((m_nextWay[set] + 1) % kWays);
    slot.key = key;
    slot.figure = std::make_unique<CRecordedFigure>(figure);
    return *slot.figure;
}
