#pragma once
#include "render/Colour.h"
#include "solve/Shot.h"

#include <atomic>
#include <cstddef>
#include <vector>

class CDeviceContext;
class CLevel;

// Where a shot ended: where it came to rest or sank, or, after water, where the ball went in.
struct CMapShot {
    CShot shot;
    int result = ShotRest;
    CPathPoint end;
};

// The outcome of every first shot from the level's start (the shots of CShotSet), for a
// designer to see where a first shot can land. Make may run on any thread while the level stays
// unchanged; its cancel flag may be set and its shot count read from any other.
class CShotMap {
public:
    // The most shots a map holds (some 170 MB of them), and the most points of the paths into the
    // cup it keeps (64 MB): the cup shots beyond them keep their end, not their path.
    static constexpr std::size_t kMaxShots = std::size_t{1} << 22;
    static constexpr std::size_t kMaxPathPoints = std::size_t{1} << 22;

    // Plays every shot on jobs threads (0 or less: one per processor), counting the shots played
    // in shotsPlayed when given (for a progress display on another thread). False, with the map
    // emptied, when the cancel flag was set before the end, or at once when the level and the
    // heading count give more than kMaxShots shots (see CountShots).
    bool Make(const CLevel& level, int headings, int jobs, const std::atomic<bool>* cancel = nullptr,
              std::atomic<long long>* shotsPlayed = nullptr);
    // How many shots Make would play, counted until the count is past kMaxShots.
    static std::size_t CountShots(const CLevel& level, int headings);

    // Heading by heading as CShotSet numbers them, each from the weakest shot to the strongest.
    const std::vector<CMapShot>& GetShots() const { return m_shots; }
    // The shots that sink the ball, in the same order, with their paths.
    const std::vector<CPlayedShot>& GetCupShots() const { return m_cupShots; }

    // Draws over an image of the level whose top-left corner is at (x0, y0), cell pixels a
    // block: the paths of the shots into the cup, then a dot at the end of every shot, white
    // where it came to rest, cyan where it went into water, yellow in the cup.
    void Draw(CDeviceContext& dc, int x0, int y0, int cell) const;
    // The colour of the dot of a shot that ended so (a ShotResult).
    static Colour GetDotColour(int result);
    // One path as a line through the ball's centres.
    static void DrawPath(CDeviceContext& dc, const std::vector<CPathPoint>& path, int x0, int y0, int cell);

private:
    std::vector<CMapShot> m_shots;
    std::vector<CPlayedShot> m_cupShots;
};
