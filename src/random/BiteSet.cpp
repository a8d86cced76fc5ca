#include "random/BiteSet.h"

#include "file/ProgramFiles.h"

#include <cstdlib>

std::string GetBiteFolder()
{
    return FindInstalledFile("RBites/");
}

void CBiteSet::Load(const std::string& folder)
{
    m_start.LoadFromFile(folder + (std::rand() % 2 == 0 ? "utslag7.lev" : "runtutslag7.lev"));
    m_squareCorner.LoadFromFile(folder + "horn7.lev");
    m_end.LoadFromFile(folder + (std::rand() % 2 == 0 ? "hal27.lev" : "runthal27.lev"));
    m_diagonalCorner.LoadFromFile(folder + "snetthorn7.lev");
    m_straight.LoadFromFile(folder + "vetinte7.lev");
    m_roundCorner.LoadFromFile(folder + "runthorn7.lev");
}
