#include "solve/ShotSolver.h"

#include "solve/CupDistance.h"
#include "solve/CupReach.h"
#include "solve/LayerExpansion.h"
#include "solve/ShotPlayer.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <unordered_set>

namespace {

using Clock = CSearchStop::Clock;

// The rounds of the look ahead: the positions kept of each length, the share of the shot set's
// headings tried from each (1 / divisor, spread evenly) and the cone of all headings around the
// direction of the cup, on either side.
struct CRound {
    int width;
    int divisor;
    int cone;
};
constexpr CRound kRounds[] = {{8, 8, 8}, {24, 4, 12}, {64, 2, 16}};

// The next layer: the new states, nearest the cup first, then in the order they were reached.
std::vector<CSearchNode> MakeLayer(const std::vector<CLayerExpansion::CChild>& children, const CCupDistance& cup,
                                   bool aim)
{
    std::vector<std::pair<double, const CLayerExpansion::CChild*>> ranked;
    ranked.reserve(children.size());
    for (const CLayerExpansion::CChild& child : children)
        ranked.emplace_back(aim ? cup.At(child.state.x, child.state.y) : 0.0, &child);
    // Stable: children arrive in the search's order.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CSearchNode> layer;
    layer.reserve(ranked.size());
    for (const auto& [distance, child] : ranked)
        layer.push_back({child->state, child->parent, child->shot});
    return layer;
}

// The beam's share of a ranked layer: the first position of each cell in the layer's order,
// then, while there is room, the others in that order.
std::vector<CSearchNode> PickBeam(const std::vector<CSearchNode>& ranked, std::size_t width)
{
    std::vector<CSearchNode> beam;
    std::vector<bool> taken(ranked.size());
    std::unordered_set<long long> cells;
    for (std::size_t i = 0; i < ranked.size() && beam.size() < width; ++i) {
        const long long cell = static_cast<long long>(std::floor(ranked[i].state.x)) * 1000003 +
                               static_cast<long long>(std::floor(ranked[i].state.y));
        if (cells.insert(cell).second) {
            beam.push_back(ranked[i]);
            taken[i] = true;
        }
    }
    for (std::size_t i = 0; i < ranked.size() && beam.size() < width; ++i) {
        if (!taken[i])
            beam.push_back(ranked[i]);
    }
    return beam;
}

// The shots that lead to a node of the last layer, then the last shot.
std::vector<CShot> TraceShots(const std::vector<std::vector<CSearchNode>>& layers, int node, const CShot& last)
{
    std::vector<CShot> shots{last};
    for (std::size_t d = layers.size() - 1; d > 0; --d) {
        shots.push_back(layers[d][node].shot);
        node = layers[d][node].parent;
    }
    std::reverse(shots.begin(), shots.end());
    return shots;
}

} // namespace

// One search: its options and everything it has learnt so far.
class CShotSolver::CRun {
public:
    CRun(CShotSolver& solver, const CSolveOptions& options, const CSearchStop& stop)
        : m_solver(solver), m_level(solver.m_level), m_options(options), m_stop(stop),
          m_jobs(options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))),
          m_mergeGrid(std::max(options.mergeGrid, 0)), m_shotSet(options.headings), m_cup(m_level),
          m_expansion(m_level, m_shotSet, m_cup, m_mergeGrid, options.aim,
                      CShotFilter{options.noTunnel, options.minForgiveness})
    {
    }

    // Fills the ending and what was ruled out.
    void Go(CSolveResult& result)
    {
        m_layers = {{CSearchNode{CShotPlayer::StartState(m_level), -1, {}}}};
        m_seen = {CStateKey::Of(m_layers[0][0].state, m_mergeGrid)};
        // A first, narrow look ahead; every first shot; the wider rounds; the proof.
        if (!Round(kRounds[0]) || !Prove(1) || !Round(kRounds[1]) || !Round(kRounds[2]) || !Prove(m_options.maxShots)) {
            result.ending = m_best > 0 ? SolveAtMost : SolveNoneFound;
            result.cancelled = m_stop.IsCancelled();
        } else {
            result.ending = m_best > 0 ? SolvePar : SolveNoneWithin;
        }
        result.depthProved = m_proved;
        result.firstSeconds = m_firstSeconds;
    }

private:
    int GetLimit() const { return m_best > 0 ? std::min(m_options.maxShots, m_best - 1) : m_options.maxShots; }

    // Plays the plan's shots from every node of the layer. False when the stop came first.
    bool Expand(const std::vector<CSearchNode>& layer, const std::unordered_set<CStateKey>& seen,
                const CHeadingPlan& plan, bool keepChildren, CLayerExpansion::CResult& found)
    {
        m_solver.m_units = 0;
        m_solver.m_unitsPerPosition = static_cast<long long>(m_expansion.GetUnitsPerNode(plan));
        m_solver.m_positionsTotal = static_cast<long long>(layer.size());
        found = m_expansion.Run(layer, seen, plan, keepChildren, m_jobs, m_stop, m_solver.m_shots, m_solver.m_units);
        return !found.stopped;
    }

    void SetProved(int depth)
    {
        m_proved = depth;
        m_solver.m_depthProved = depth;
    }

    // Replays a better solution from the start, measures its shots and makes it the best.
    void Record(const std::vector<CShot>& shots)
    {
        CShotPlayer player(m_level);
        CSolution solution;
        solution.shots = player.PlaySequence(shots, true);
        CBallState from = CShotPlayer::StartState(m_level);
        for (const CPlayedShot& played : solution.shots) {
            solution.forgiveness.push_back(player.GetForgiveness(from, played));
            from = played.end;
        }
        m_best = static_cast<int>(shots.size());
        if (m_firstSeconds < 0)
            m_firstSeconds = m_solver.GetProgress().seconds;
        const std::lock_guard lock(m_solver.m_bestMutex);
        m_solver.m_bestSolution = std::move(solution);
        m_solver.m_best = m_best;
    }

    void AddLayer(const std::vector<CLayerExpansion::CChild>& children)
    {
        m_layers.push_back(MakeLayer(children, m_cup, m_options.aim));
        for (const CSearchNode& node : m_layers.back())
            m_seen.insert(CStateKey::Of(node.state, m_mergeGrid));
    }

    // A round of the beam search, after solutions shorter than the best so far. False when the
    // stop came first.
    bool Round(const CRound& round)
    {
        const int limit = GetLimit();
        if (limit <= m_proved)
            return true;
        m_solver.m_proving = 0;
        const int headings = m_shotSet.GetHeadingCount();
        const CHeadingPlan plan{round.divisor > 1 ? headings / round.divisor : 0, round.cone};
        // Its own: it may well come back to where the proof has been.
        std::vector<std::vector<CSearchNode>> beam{m_layers[0]};
        std::unordered_set<CStateKey> seen{CStateKey::Of(m_layers[0][0].state, m_mergeGrid)};
        for (int depth = 1; depth <= limit && !beam.back().empty(); ++depth) {
            CLayerExpansion::CResult found;
            if (!Expand(beam.back(), seen, plan, depth < limit, found))
                return false;
            if (found.cupFound) {
                Record(TraceShots(beam, found.cupNode, found.cupShot));
                return true;
            }
            for (const CLayerExpansion::CChild& child : found.children)
                seen.insert(CStateKey::Of(child.state, m_mergeGrid));
            beam.push_back(PickBeam(MakeLayer(found.children, m_cup, m_options.aim), round.width));
        }
        return true;
    }

    // Breadth first, every layer up to the one given or one shot less than the best so far.
    bool Prove(int upTo)
    {
        for (int depth = m_proved + 1; depth <= std::min(upTo, GetLimit()); ++depth) {
            m_solver.m_proving = depth;
            if (m_layers.back().empty()) {
                // No new state to shoot from: no longer solution either.
                SetProved(GetLimit());
                break;
            }
            const bool last = depth == GetLimit();
            CLayerExpansion::CResult found;
            if (!Expand(m_layers.back(), m_seen, {}, !last, found))
                return false;
            if (found.cupFound) {
                Record(TraceShots(m_layers, found.cupNode, found.cupShot));
                break;
            }
            SetProved(depth);
            if (!last)
                AddLayer(found.children);
        }
        m_solver.m_proving = 0;
        return true;
    }

    CShotSolver& m_solver;
    const CLevel& m_level;
    const CSolveOptions& m_options;
    const CSearchStop& m_stop;
    const int m_jobs;
    const int m_mergeGrid;
    const CShotSet m_shotSet;
    const CCupDistance m_cup;
    const CLayerExpansion m_expansion;
    // The layers of the proof, the keys of their states, the best length found and every length
    // ruled out so far.
    std::vector<std::vector<CSearchNode>> m_layers;
    std::unordered_set<CStateKey> m_seen;
    int m_best = 0;
    int m_proved = 0;
    double m_firstSeconds = -1.0;
};

CShotSolver::CShotSolver(const CLevel& level) : m_level(level) {}

CSolveProgress CShotSolver::GetProgress() const
{
    CSolveProgress progress;
    progress.shots = m_shots;
    progress.best = m_best;
    progress.proving = m_proving;
    progress.depthProved = m_depthProved;
    progress.positionsTotal = m_positionsTotal;
    progress.positionsDone = std::min(m_units / std::max(m_unitsPerPosition.load(), 1LL), progress.positionsTotal);
    const long long started = m_startedNs;
    if (started != 0)
        progress.seconds =
            std::chrono::duration<double>(Clock::now().time_since_epoch() - std::chrono::nanoseconds(started)).count();
    return progress;
}

CSolution CShotSolver::GetBest() const
{
    const std::lock_guard lock(m_bestMutex);
    return m_bestSolution;
}

CSolveResult CShotSolver::Solve(const CSolveOptions& options, const std::atomic<bool>* cancel)
{
    const auto started = Clock::now();
    const auto deadline = options.timeLimit > 0
                              ? started + std::chrono::duration_cast<Clock::duration>(
                                              std::chrono::duration<double>(std::min(options.timeLimit, 1e9)))
                              : Clock::time_point::max();
    m_shots = 0;
    m_best = 0;
    m_proving = 0;
    m_depthProved = 0;
    m_units = 0;
    m_positionsTotal = 0;
    {
        const std::lock_guard lock(m_bestMutex);
        m_bestSolution = {};
    }
    m_startedNs = std::chrono::duration_cast<std::chrono::nanoseconds>(started.time_since_epoch()).count();

    CSolveResult result;
    const CCupReach::Verdict verdict = CCupReach::Judge(m_level);
    if (verdict != CCupReach::Reachable) {
        result.ending = SolveUnreachable;
        result.noCup = verdict == CCupReach::NoCup;
    } else {
        const CSearchStop stop(cancel, deadline);
        CRun(*this, options, stop).Go(result);
        static_cast<CSolution&>(result) = GetBest();
    }
    result.shotsPlayed = m_shots;
    result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    return result;
}
