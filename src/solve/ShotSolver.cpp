#include "solve/ShotSolver.h"

#include "solve/CupDistance.h"
#include "solve/LayerExpansion.h"
#include "solve/ShotPlayer.h"

#include <algorithm>
#include <thread>
#include <tuple>

namespace {

// The next layer: the new states, nearest the cup first, then in the order they were reached.
std::vector<CSearchNode> MakeLayer(const std::vector<CLayerExpansion::CChild>& children, const CCupDistance& cup,
                                   bool aim)
{
    std::vector<std::pair<int, const CLayerExpansion::CChild*>> ranked;
    ranked.reserve(children.size());
    for (const CLayerExpansion::CChild& child : children)
        ranked.emplace_back(aim ? cup.At(child.state.x, child.state.y) : 0, &child);
    // Stable: children arrive in the search's order.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CSearchNode> layer;
    layer.reserve(ranked.size());
    for (const auto& [distance, child] : ranked)
        layer.push_back({child->state, child->parent, child->shot});
    return layer;
}

} // namespace

CShotSolver::CShotSolver(const CLevel& level) : m_level(level) {}

CSolveProgress CShotSolver::GetProgress() const { return {m_shots.load(), m_depth.load(), m_positions.load()}; }

CSolveResult CShotSolver::Solve(const CSolveOptions& options, const std::atomic<bool>* cancel)
{
    const auto started = CSearchStop::Clock::now();
    const auto deadline = options.timeLimit > 0
                              ? started + std::chrono::duration_cast<CSearchStop::Clock::duration>(
                                              std::chrono::duration<double>(std::min(options.timeLimit, 1e9)))
                              : CSearchStop::Clock::time_point::max();
    const CSearchStop stop(cancel, deadline);
    const int jobs = options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int mergeGrid = std::max(options.mergeGrid, 0);
    const CShotSet shotSet(options.headings);
    const CCupDistance cup(m_level);
    const CLayerExpansion expansion(m_level, shotSet, cup, mergeGrid, options.aim);
    m_shots = 0;

    CSolveResult result;
    std::vector<std::vector<CSearchNode>> layers{{CSearchNode{CShotPlayer::StartState(m_level), -1, {}}}};
    std::unordered_set<CStateKey> seen{CStateKey::Of(layers[0][0].state, mergeGrid)};
    // Without cup ground no shot can end in the cup.
    for (int depth = 1; depth <= options.maxShots && cup.HasCup(); ++depth) {
        m_depth = depth;
        m_positions = static_cast<long long>(layers.back().size());
        const bool last = depth == options.maxShots;
        CLayerExpansion::CResult found = expansion.Run(layers.back(), seen, !last, jobs, stop, m_shots);
        if (found.cupFound) {
            std::vector<CShot> shots{found.cupShot};
            for (int d = depth - 1, node = found.cupNode; d > 0; --d) {
                shots.push_back(layers[d][node].shot);
                node = layers[d][node].parent;
            }
            std::reverse(shots.begin(), shots.end());
            CShotPlayer player(m_level);
            result.shots = player.PlaySequence(shots, true);
            result.status = SolveFound;
            break;
        }
        if (found.stopped) {
            result.status = stop.IsCancelled() ? SolveCancelled : SolveTimedOut;
            break;
        }
        result.depthSearched = depth;
        if (last)
            break;
        layers.push_back(MakeLayer(found.children, cup, options.aim));
        // Nothing new to shoot from: no longer solution either.
        if (layers.back().empty())
            break;
        for (const CSearchNode& node : layers.back())
            seen.insert(CStateKey::Of(node.state, mergeGrid));
    }
    if (result.status == SolveNone)
        result.depthSearched = std::max(result.depthSearched, options.maxShots);
    result.shotsPlayed = m_shots;
    return result;
}
