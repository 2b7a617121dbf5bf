#include "PhotographStore.h"

#include "platform/Application.h"

using platform::Application;

std::filesystem::path PhotographStore::path() const
{
    return Application::shared().services().paths->documentsDirectory() / "wallpaper.jpg";
}

bool PhotographStore::save(const platform::Image& image)
{
    auto& app = Application::shared();
    auto jpeg = app.services().codec->encodeJpeg(image, 1.0f);
    if (!jpeg) {
        app.log("cannot encode the photograph as JPEG; wallpaper.jpg is unchanged");
        return false;
    }
    const std::filesystem::path file = path();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::string error;
    std::string_view bytes(reinterpret_cast<const char*>(jpeg->data()), jpeg->size());
    if (!platform::writeFileAtomically(file, bytes, error)) {
        app.log("cannot write " + file.string() + ": " + error + "; the earlier photograph is kept");
        return false;
    }
    known_ = platform::fileIdentity(file);
    return true;
}

platform::ImageRef PhotographStore::load()
{
    const std::filesystem::path file = path();
    known_ = platform::fileIdentity(file);
    if (!known_.exists)
        return nullptr;
    return Application::shared().services().codec->decodePhotoFile(file.string(), maxSide);
}

bool PhotographStore::changedOnDisk() const { return platform::fileIdentity(path()) != known_; }
