#pragma once
#include "model/Level.h"

#include <string>
#include <vector>

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

// Seeds rand() and generates one level from the bites in folder; optionally hands back the course.
CLevel GenerateWithSeed(unsigned seed, const std::string& folder, std::vector<int>* course = nullptr);
