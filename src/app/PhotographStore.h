#pragma once

#include "platform/AtomicFile.h"
#include "platform/Image.h"

#include <filesystem>

// The background photograph, "wallpaper.jpg" in the documents folder: written as JPEG at the best
// quality, read back scaled to what the screen can show, and watched for replacement by other
// processes.
class PhotographStore {
public:
    // Photographs are kept at twice the screen's pixels at most; larger ones are scaled on decoding.
    static constexpr int maxSide = 2048;

    std::filesystem::path path() const;
    // Writes the photograph; false when it could not be (the earlier file is kept, and logged).
    bool save(const platform::Image& image);
    // The photograph on disk, or nothing when there is none or it cannot be decoded.
    platform::ImageRef load();
    // True when the file is not the one last loaded or saved here: another process replaced it.
    bool changedOnDisk() const;

private:
    platform::FileIdentity known_;
};
