#pragma once
#include "model/Level.h"

#include <string>

// The shipped bites: the source tree's data/RBites/ when the tests run under CTest, otherwise
// the copy beside the test binary.
std::string ShippedBiteFolder();

// A fresh folder under the system's temporary folder holding copies of the shipped bites.
// Removed when the object goes.
class CBiteFolderCopy {
public:
    explicit CBiteFolderCopy(const std::string& tag);
    ~CBiteFolderCopy();
    CBiteFolderCopy(const CBiteFolderCopy&) = delete;
    CBiteFolderCopy& operator=(const CBiteFolderCopy&) = delete;

    const std::string& GetFolder() const { return m_folder; }
    void Remove(const std::string& fileName) const;
    CLevel Read(const std::string& fileName) const;
    void Write(const std::string& fileName, CLevel& bite) const;

private:
    std::string m_folder;
};
