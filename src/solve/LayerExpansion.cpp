#include "solve/LayerExpansion.h"

#include "model/Level.h"
#include "solve/CupDistance.h"
#include "solve/ShotPlayer.h"
#include "solve/WorkerThreads.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

// What one thread found: its first cup and the first state it reached for every key.
struct CWorkerFindings {
    bool cupFound = false;
    CShotOrder cupOrder;
    int cupNode = 0;
    CShot cupShot;
    std::unordered_map<CStateKey, CLayerExpansion::CChild> children;
};

// The work of a layer, cut into units of one node and one heading, handed out in the search's
// order. Once a unit has found a cup no later unit is started; every earlier one still finishes,
// so the first cup in the order is found whatever the number of threads.
struct CSharedWork {
    std::uint64_t block = 1;
    std::uint64_t nodes = 0;
    std::uint64_t headings = 0;
    std::uint64_t units = 0;
    std::atomic<std::uint64_t> next = 0;
    std::atomic<std::uint64_t> cupUnit = std::numeric_limits<std::uint64_t>::max();
    std::atomic<bool> stopped = false;

    // The node and the heading rank of a unit.
    std::pair<std::uint64_t, int> Unpack(std::uint64_t unit) const
    {
        const std::uint64_t blockUnits = block * headings;
        const std::uint64_t first = unit / blockUnits * block;
        const std::uint64_t size = std::min(block, nodes - first);
        const std::uint64_t inBlock = unit % blockUnits;
        return {first + inBlock % size, static_cast<int>(inBlock / size)};
    }

    void LowerCupUnit(std::uint64_t unit)
    {
        std::uint64_t current = cupUnit.load();
        while (unit < current && !cupUnit.compare_exchange_weak(current, unit)) {
        }
    }
};

} // namespace

bool CShotFilter::Accepts(CShotPlayer& player, const CBallState& from, const CPlayedShot& played) const
{
    if (noTunnel && played.throughWall)
        return false;
    return minForgiveness <= 0 || player.GetForgiveness(from, played) >= minForgiveness;
}

CLayerExpansion::CLayerExpansion(const CLevel& level, const CShotSet& shots, const CCupDistance& cup,
                                 int mergeGrid, bool aim, const CShotFilter& filter)
    : m_level(level), m_shots(shots), m_cup(cup), m_mergeGrid(mergeGrid), m_aim(aim), m_filter(filter)
{
}

std::uint64_t CLayerExpansion::GetUnitsPerNode(const CHeadingPlan& plan) const
{
    const int headings = m_shots.GetHeadingCount();
    if (plan.coarse <= 0 || plan.coarse >= headings)
        return static_cast<std::uint64_t>(headings);
    return static_cast<std::uint64_t>(std::min(2 * plan.cone + 1, headings) + plan.coarse);
}

int CLayerExpansion::HeadingOf(const CHeadingPlan& plan, int first, int rank) const
{
    const int headings = m_shots.GetHeadingCount();
    const bool full = plan.coarse <= 0 || plan.coarse >= headings;
    if (full && !m_aim)
        return rank;
    const int cone = full ? headings : std::min(2 * plan.cone + 1, headings);
    if (rank < cone)
        return m_shots.GetHeadingByRank(first, rank);
    // The coarse headings, from the one nearest the first outward.
    const long long coarse = plan.coarse;
    const int firstCoarse = static_cast<int>((first * coarse + headings / 2) / headings % coarse);
    const int offset = (rank - cone) % 2 ? (rank - cone + 1) / 2 : -((rank - cone) / 2);
    const long long index = ((firstCoarse + offset) % coarse + coarse) % coarse * headings / coarse;
    const int apart = static_cast<int>(std::abs(index - first));
    return std::min(apart, headings - apart) <= plan.cone ? -1 : static_cast<int>(index);
}

CLayerExpansion::CResult CLayerExpansion::Run(const std::vector<CSearchNode>& layer,
                                              const std::unordered_set<CStateKey>& seen, const CHeadingPlan& plan,
                                              bool keepChildren, int jobs, const CSearchStop& stop,
                                              std::atomic<long long>& shots, std::atomic<long long>& units) const
{
    std::vector<int> firstHeadings;
    for (const CSearchNode& node : layer)
        firstHeadings.push_back(m_aim ? m_shots.GetNearestHeading(m_cup.HeadingToCup(node.state.x, node.state.y)) : 0);

    CSharedWork work;
    work.block = m_aim ? kNodeBlock : 1;
    work.nodes = layer.size();
    work.headings = GetUnitsPerNode(plan);
    work.units = work.nodes * work.headings;

    auto runWorker = [&](CWorkerFindings& findings) {
        CShotPlayer player(m_level);
        std::vector<int> strengthSteps;
        while (true) {
            const std::uint64_t unit = work.next.fetch_add(1, std::memory_order_relaxed);
            if (unit >= work.units || unit > work.cupUnit.load(std::memory_order_relaxed) ||
                work.stopped.load(std::memory_order_relaxed))
                return;
            const auto [node, rank] = work.Unpack(unit);
            const int headingIndex = HeadingOf(plan, firstHeadings[node], rank);
            const CBallState& from = layer[node].state;
            const double heading = m_shots.GetHeading(std::max(headingIndex, 0));
            if (headingIndex < 0)
                strengthSteps.clear();
            else
                CShotSet::GetStrengthSteps(m_level, from.x, from.y, heading, strengthSteps);
            for (const int step : strengthSteps) {
                if (stop.IsDue()) {
                    work.stopped = true;
                    return;
                }
                const CShot shot{CShotSet::GetStrength(step), heading};
                // Where no state is kept only the cup counts.
                const CPlayedShot played = keepChildren ? player.Play(from, shot) : player.PlayForCup(from, shot);
                shots.fetch_add(1, std::memory_order_relaxed);
                const CShotOrder order{unit, static_cast<std::uint32_t>(step)};
                if (played.result == ShotCup) {
                    if (!m_filter.Accepts(player, from, played))
                        continue;
                    // The first cup of this thread: every later unit it could take comes after it.
                    findings.cupFound = true;
                    findings.cupOrder = order;
                    findings.cupNode = static_cast<int>(node);
                    findings.cupShot = shot;
                    work.LowerCupUnit(unit);
                    return;
                }
                if (!keepChildren || played.result == ShotMoving)
                    continue;
                const CStateKey key = CStateKey::Of(played.end, m_mergeGrid);
                // A thread plays its shots in the search's order: its first state for a key is
                // its earliest.
                if (!seen.contains(key) && !findings.children.contains(key) && m_filter.Accepts(player, from, played))
                    findings.children.emplace(key, CChild{order, static_cast<int>(node), played.end, shot});
            }
            units.fetch_add(1, std::memory_order_relaxed);
        }
    };

    const int threads = static_cast<int>(std::clamp<std::uint64_t>(jobs, 1, std::max<std::uint64_t>(work.units, 1)));
    std::vector<CWorkerFindings> findings(threads);
    RunOnThreads(threads, [&](int i) { runWorker(findings[i]); });

    CResult result;
    result.stopped = work.stopped;
    for (const CWorkerFindings& found : findings) {
        if (found.cupFound && (!result.cupFound || found.cupOrder < result.cupOrder)) {
            result.cupFound = true;
            result.cupOrder = found.cupOrder;
            result.cupNode = found.cupNode;
            result.cupShot = found.cupShot;
        }
    }
    if (result.cupFound || result.stopped || !keepChildren)
        return result;
    std::unordered_map<CStateKey, CChild> merged;
    for (CWorkerFindings& found : findings) {
        for (auto& [key, child] : found.children) {
            auto [it, inserted] = merged.try_emplace(key, child);
            if (!inserted && child.order < it->second.order)
                it->second = child;
        }
    }
    result.children.reserve(merged.size());
    for (auto& [key, child] : merged)
        result.children.push_back(child);
    std::sort(result.children.begin(), result.children.end(),
              [](const CChild& a, const CChild& b) { return a.order < b.order; });
    return result;
}
