#include "PhotographStore.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/PhotoFraming.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>

using platform::Application;

namespace {

bool writeJpeg(const platform::Image& image, const std::filesystem::path& file, const char* what)
{
    auto& app = Application::shared();
    auto jpeg = app.services().codec->encodeJpeg(image, 1.0f);
    if (!jpeg) {
        app.log(std::string("cannot encode the ") + what + " as JPEG; " + file.filename().string() + " is unchanged");
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::string error;
    std::string_view bytes(reinterpret_cast<const char*>(jpeg->data()), jpeg->size());
    if (!platform::writeFileAtomically(file, bytes, error)) {
        app.log("cannot write " + file.string() + ": " + error + "; the earlier " + what + " is kept");
        return false;
    }
    return true;
}

// Half a percent apart is the same shape: phones' pixel sizes round their points.
bool sameShape(float a, float b) { return std::abs(a - b) <= 0.005f * b; }

} // namespace

std::filesystem::path PhotographStore::path() const
{
    return Application::shared().services().paths->documentsDirectory() / "wallpaper.jpg";
}

std::filesystem::path PhotographStore::originalPath() const { return path().parent_path() / "wallpaper-original.jpg"; }

std::filesystem::path PhotographStore::framingPath() const { return path().parent_path() / "wallpaper-framing.json"; }

bool PhotographStore::save(const platform::Image& image)
{
    if (!writeJpeg(image, path(), "photograph"))
        return false;
    known_ = platform::fileIdentity(path());
    // An original left from an earlier photograph no longer belongs to this one.
    std::error_code ec;
    std::filesystem::remove(framingPath(), ec);
    return true;
}

void PhotographStore::keepOriginal(const platform::Image& original, platform::Rect crop)
{
    // The framing is written last: without it the original is never used.
    if (!writeJpeg(original, originalPath(), "original photograph"))
        return;
    nlohmann::json framing = {{"crop", {crop.x(), crop.y(), crop.width(), crop.height()}},
                              {"original", {original.width, original.height}}};
    std::string error;
    if (!platform::writeFileAtomically(framingPath(), framing.dump(), error))
        Application::shared().log("cannot write " + framingPath().string() + ": " + error);
}

bool PhotographStore::remove()
{
    // The framing first: an original without it is never used, a framing without it is.
    std::error_code ec;
    std::filesystem::remove(framingPath(), ec);
    std::filesystem::remove(originalPath(), ec);
    std::filesystem::remove(path(), ec);
    known_ = platform::fileIdentity(path());
    if (ec) {
        Application::shared().log("cannot delete " + path().string() + ": " + ec.message());
        return false;
    }
    return true;
}

platform::ImageRef PhotographStore::load(platform::Size screen, float pixelsPerPoint)
{
    const std::filesystem::path file = path();
    known_ = platform::fileIdentity(file);
    if (!known_.exists)
        return nullptr;
    auto& codec = *Application::shared().services().codec;
    platform::ImageRef photo = codec.decodePhotoFile(file.string(), maxSide);
    if (photo && !sameShape(float(photo->width) / float(photo->height), screen.width / screen.height))
        if (auto reframed = reframe(screen, pixelsPerPoint))
            return reframed;
    return photo;
}

platform::ImageRef PhotographStore::reframe(platform::Size screen, float pixelsPerPoint)
{
    std::ifstream in(framingPath());
    const nlohmann::json framing = nlohmann::json::parse(in, nullptr, false);
    const auto* crop = framing.is_object() && framing.contains("crop") ? &framing["crop"] : nullptr;
    if (!crop || !crop->is_array() || crop->size() != 4 || !std::all_of(crop->begin(), crop->end(), [](const auto& v) { return v.is_number(); }))
        return nullptr;
    auto& app = Application::shared();
    platform::ImageRef original = app.services().codec->decodePhotoFile(originalPath().string(), maxSide);
    if (!original)
        return nullptr;
    const platform::Size pixels{float(original->width), float(original->height)};
    const platform::Rect was{(*crop)[0].get<float>(), (*crop)[1].get<float>(), (*crop)[2].get<float>(), (*crop)[3].get<float>()};
    if (!(was.width() > 0 && was.height() > 0))
        return nullptr;
    const platform::Rect part = platform::PhotoFraming::reframedCrop(pixels, was, screen);
    // Drawn as the framing editor draws its choice: the part filling the screen, at the phone's
    // density or the photograph's own, whichever is lower.
    const float pointsAPixel = screen.height / part.height();
    auto view = std::make_shared<platform::View>(platform::Rect{{0, 0}, screen});
    auto photo = std::make_shared<platform::ImageView>(
        platform::Rect{-part.x() * pointsAPixel, -part.y() * pointsAPixel, pixels.width * pointsAPixel, pixels.height * pointsAPixel});
    photo->setImage(original);
    view->addSubview(photo);
    const float scale = std::min(std::max(2.0f, pixelsPerPoint), 1 / pointsAPixel);
    return app.services().renderer->render(*view, scale);
}

bool PhotographStore::changedOnDisk() const { return platform::fileIdentity(path()) != known_; }
