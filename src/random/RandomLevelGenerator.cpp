#include "random/RandomLevelGenerator.h"

#include "random/BiteSet.h"
#include "random/BiteWalk.h"

#include <cstdlib>

namespace {

constexpr int kEast = 1;
constexpr int kWest = -1;
constexpr int kSouth = CBiteWalk::kSide;
constexpr int kNorth = -CBiteWalk::kSide;

// The level block at the top-left corner of a bite cell.
int CellLeft(int cell) { return cell % CBiteWalk::kSide * CRandomLevelGenerator::kBitePitch; }
int CellTop(int cell) { return cell / CBiteWalk::kSide * CRandomLevelGenerator::kBitePitch; }

void Turn(CLevel& level, int quarterTurns)
{
    for (int i = 0; i < quarterTurns; ++i)
        level.Rotate90();
}

// How a course cell between start and end is filled, by the moves that enter and leave it.
// Corner bites open west and south as stored; the straight bite west and east.
struct CPlacement {
    int in;
    int out;
    bool straight;
    int turns;
    // Further turns of the straight bite after the paste: a north-south cell leaves it half a
    // turn from where it stood, and the next straight cell starts from there.
    int turnsAfter;
};

constexpr CPlacement kPlacements[] = {
    {kEast, kEast, true, 0, 0},    {kWest, kWest, true, 0, 0},    {kNorth, kNorth, true, 1, 1},
    {kSouth, kSouth, true, 1, 1},  {kEast, kSouth, false, 0, 0},  {kNorth, kWest, false, 0, 0},
    {kEast, kNorth, false, 1, 0},  {kSouth, kWest, false, 1, 0},  {kWest, kNorth, false, 2, 0},
    {kSouth, kEast, false, 2, 0},  {kNorth, kEast, false, 3, 0},  {kWest, kSouth, false, 3, 0},
};

const CPlacement* FindPlacement(int in, int out)
{
    for (const CPlacement& placement : kPlacements)
        if (placement.in == in && placement.out == out)
            return &placement;
    return nullptr;
}

// Turns that face the start bite's opening along its first move, counted from its resting
// state (one turn from the stored east opening).
int StartTurns(int firstMove)
{
    switch (firstMove) {
    case kSouth:
        return 0;
    case kWest:
        return 1;
    case kNorth:
        return 2;
    default:
        return 3;
    }
}

// Turns that face the end bite's east opening back along the last move.
int EndTurns(int lastMove)
{
    switch (lastMove) {
    case kEast:
        return 2;
    case kSouth:
        return 3;
    case kNorth:
        return 1;
    default:
        return 0;
    }
}

} // namespace

void CRandomLevelGenerator::SetBiteFolder(const std::string& folder)
{
    m_biteFolder = folder;
    if (!m_biteFolder.empty() && m_biteFolder.back() != '/')
        m_biteFolder += '/';
}

void CRandomLevelGenerator::Paste(const CLevel& bite, int cell)
{
    for (int x = 0; x < bite.GetWidth(); ++x)
        for (int y = 0; y < bite.GetHeight(); ++y)
            m_level.SetBlock(CellLeft(cell) + x, CellTop(cell) + y, bite.GetBlock(x, y));
}

void CRandomLevelGenerator::Generate()
{
    m_level.Init(kLevelSize, kLevelSize, "", "");
    m_level.Clear();
    m_course.clear();

    CBiteSet bites;
    bites.Load(m_biteFolder.empty() ? GetBiteFolder() : m_biteFolder);

    CBiteWalk walk;
    const int start = walk.Run();
    m_course = walk.GetCourse(start);

    // The start bite rests one turn from its stored state; each paste turns it from there and back.
    CLevel& startBite = bites.m_start;
    startBite.Rotate90();
    int move = walk.GetCode(start);
    const int startTurns = StartTurns(move);
    Turn(startBite, startTurns);
    Paste(startBite, start);
    Turn(startBite, (4 - startTurns) % 4);
    m_level.SetBall(CellLeft(start) + startBite.GetBallX(), CellTop(start) + startBite.GetBallY());

    int in = move;
    int cell = start + move;
    move = walk.GetCode(cell);
    if (move == 0)
        return;
    CLevel corner;
    while (move != CBiteWalk::kEnd) {
        const int draw = std::rand() % 8;
        corner = draw == 0 ? bites.m_squareCorner : draw <= 2 ? bites.m_roundCorner : bites.m_diagonalCorner;
        if (const CPlacement* placement = FindPlacement(in, move)) {
            CLevel& bite = placement->straight ? bites.m_straight : corner;
            Turn(bite, placement->turns);
            Paste(bite, cell);
            Turn(bite, placement->turnsAfter);
        }
        if (!CBiteWalk::IsMove(move))
            return;
        in = move;
        cell += move;
        move = walk.GetCode(cell);
    }
    Turn(bites.m_end, EndTurns(in));
    Paste(bites.m_end, cell);
}
