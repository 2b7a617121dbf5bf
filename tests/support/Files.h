#pragma once

#include "support/TestApp.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Reading and planting the files the application keeps.
namespace testing_support {

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeFile(const std::filesystem::path& path, const std::string& contents)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

// The settings file as JSON; discarded when it is not whole.
inline nlohmann::json settingsIn(const TempHome& home)
{
    return nlohmann::json::parse(readFile(home.settingsFile()), nullptr, false);
}

// The contents of every file in the folder whose name starts with the prefix, sorted.
inline std::vector<std::string> filesStartingWith(const std::filesystem::path& dir, const std::string& prefix)
{
    std::vector<std::string> found;
    for (auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().filename().string().starts_with(prefix))
            found.push_back(readFile(e.path()));
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace testing_support
