#pragma once

#include <string>

// What a style row needs from the list that made it: a way to delete its style.
class ThemeCellManager {
public:
    virtual ~ThemeCellManager() = default;
    virtual void deleteTheme(const std::string& name) = 0;
};
