#pragma once
#include "model/Level.h"

#include <string>

// The shipped bites: data/RBites/ of the source tree under CTest, else the copy beside the binary.
std::string ShippedBiteFolder();

// A temporary copy of the shipped bites, removed with the object.
class CBiteFolderCopy {
public:
    explicit CBiteFolderCopy(const std::string& tag);
    ~CBiteFolderCopy();
    const std::string& GetFolder() const { return m_folder; }
    CLevel Read(const std::string& file) const;
    void Write(const std::string& file, CLevel& bite) const;

private:
    std::string m_folder;
};
