#pragma once

#include "platform/AtomicFile.h"
#include "platform/Geometry.h"
#include "platform/Image.h"

#include <filesystem>

// The background photograph, "wallpaper.jpg" in the documents folder: written as JPEG at the best
// quality, read back scaled to what the screen can show, and watched for replacement by other
// processes. Beside it, the photograph as chosen and the part of it framed, so that the picture
// can be framed anew for another phone's shape from the original's pixels.
class PhotographStore {
public:
    // The largest phone's pixels fit; larger photographs are scaled on decoding.
    static constexpr int maxSide = 4096;

    std::filesystem::path path() const;
    // Writes the photograph; false when it could not be (the earlier file is kept, and logged).
    bool save(const platform::Image& image);
    // Writes the original and its framed part beside the photograph; a failure is logged and only
    // loses the reframing.
    void keepOriginal(const platform::Image& original, platform::Rect crop);
    // Deletes the photograph with its original and framing; false when the photograph itself could
    // not be deleted (logged).
    bool remove();
    // The photograph for a screen of this shape: the saved one when it was framed for it, else one
    // framed anew from the original when there is one. Nothing when there is none or it cannot be
    // decoded.
    platform::ImageRef load(platform::Size screen, float pixelsPerPoint);
    // True when the file is not the one last loaded or saved here: another process replaced it.
    bool changedOnDisk() const;

private:
    std::filesystem::path originalPath() const;
    std::filesystem::path framingPath() const;
    platform::ImageRef reframe(platform::Size screen, float pixelsPerPoint);

    platform::FileIdentity known_;
};
