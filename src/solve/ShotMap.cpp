#include "solve/ShotMap.h"

#include "model/Level.h"
#include "solve/ShotPlayer.h"
#include "solve/ShotSet.h"
#include "solve/WorkerThreads.h"

#include <algorithm>
#include <thread>

bool CShotMap::Make(const CLevel& level, int headings, int jobs, const std::atomic<bool>* cancel,
                    std::atomic<long long>* shotsPlayed)
{
    const CShotSet shotSet(headings);
    const CBallState start = CShotPlayer::StartState(level);
    const int headingCount = shotSet.GetHeadingCount();
    // The strengths of every heading, and where its shots begin in the map.
    std::vector<std::vector<int>> strengths(headingCount);
    std::vector<std::size_t> first(headingCount + 1, 0);
    m_shots.clear();
    m_cupShots.clear();
    for (int heading = 0; heading < headingCount; ++heading) {
        CShotSet::GetStrengthSteps(level, start.x, start.y, shotSet.GetHeading(heading), strengths[heading]);
        first[heading + 1] = first[heading] + strengths[heading].size();
        if (first[heading + 1] > kMaxShots)
            return false;
    }
    m_shots.assign(first.back(), {});
    std::atomic<std::size_t> pathPoints = 0;
    std::vector<std::vector<CPlayedShot>> cupShots(headingCount);
    std::atomic<int> next = 0;
    std::atomic<bool> cancelled = false;

    // Each thread takes whole headings and writes only their places of the map.
    auto work = [&](int) {
        CShotPlayer player(level);
        for (int heading = next++; heading < headingCount; heading = next++) {
            for (std::size_t i = 0; i < strengths[heading].size(); ++i) {
                if (cancel && cancel->load(std::memory_order_relaxed)) {
                    cancelled = true;
                    return;
                }
                CMapShot& mapped = m_shots[first[heading] + i];
                mapped.shot = {CShotSet::GetStrength(strengths[heading][i]), shotSet.GetHeading(heading)};
                player.Place(start);
                CPathPoint last{start.x, start.y};
                const CPlayedShot played =
                    player.Shoot(mapped.shot, CShotPlayer::kStepLimit, [&last](const CBall& ball, long long) {
                        if (!ball.WasPutBack())
                            last = {ball.GetX(), ball.GetY()};
                    });
                if (shotsPlayed)
                    shotsPlayed->fetch_add(1, std::memory_order_relaxed);
                mapped.result = played.result;
                mapped.end = last;
                if (played.result == ShotCup) {
                    CPlayedShot sunk = player.Play(start, mapped.shot, true);
                    if ((pathPoints += sunk.path.size()) > kMaxPathPoints)
                        sunk.path.clear();
                    cupShots[heading].push_back(std::move(sunk));
                }
            }
        }
    };
    const int threads = std::clamp(jobs > 0 ? jobs : static_cast<int>(std::thread::hardware_concurrency()), 1,
                                   std::max(headingCount, 1));
    RunOnThreads(threads, work);

    if (cancelled) {
        m_shots.clear();
        return false;
    }
    for (std::vector<CPlayedShot>& shots : cupShots)
        std::move(shots.begin(), shots.end(), std::back_inserter(m_cupShots));
    return true;
}

std::size_t CShotMap::CountShots(const CLevel& level, int headings)
{
    const CShotSet shotSet(headings);
    const CBallState start = CShotPlayer::StartState(level);
    std::vector<int> strengths;
    std::size_t count = 0;
    for (int heading = 0; heading < shotSet.GetHeadingCount() && count <= kMaxShots; ++heading) {
        CShotSet::GetStrengthSteps(level, start.x, start.y, shotSet.GetHeading(heading), strengths);
        count += strengths.size();
    }
    return count;
}
