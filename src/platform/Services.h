#pragma once

#include "platform/Image.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

class View;
struct TextStyle;

// What the shell provides. Each service is small; the application reaches them through Application.

class Log {
public:
    virtual ~Log() = default;
    virtual void log(const std::string& line) = 0;
};

class ImageCodec {
public:
    virtual ~ImageCodec() = default;
    // Images with more pixels than this are refused (or, for photographs, scaled down while decoding).
    static constexpr std::int64_t maxPixels = 40'000'000;

    virtual ImageRef decode(std::span<const std::uint8_t> bytes) = 0;
    virtual ImageRef decodeFile(const std::string& path) = 0;
    // A photograph: scaled down while decoding so that neither side exceeds maxSide pixels.
    virtual ImageRef decodePhotoFile(const std::string& path, int maxSide) = 0;
    virtual std::optional<std::vector<std::uint8_t>> encodePng(const Image& image) = 0;
    virtual std::optional<std::vector<std::uint8_t>> encodeJpeg(const Image& image, float quality) = 0;
};

class Paths {
public:
    virtual ~Paths() = default;
    virtual std::filesystem::path documentsDirectory() const = 0;
    virtual std::filesystem::path photoAlbumDirectory() const = 0;
    virtual std::filesystem::path configDirectory() const = 0;
    // A resource shipped with the application, or nothing.
    virtual std::optional<std::string> resourcePath(const std::string& name, const std::string& type) const = 0;
};

class TimeFormatter {
public:
    virtual ~TimeFormatter() = default;
    // The local time in a pattern of yyyy, MM, dd, HH, mm and ss fields; MMMM and dddd are the month's
    // and the day's names in the user's language.
    virtual std::string formatLocalTime(std::chrono::system_clock::time_point time, const std::string& pattern) const = 0;
};

// The desktop's file chooser. It answers later, on the event loop: the chosen path, or nothing when
// the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual void chooseFileToOpen(const std::string& title, const std::vector<std::string>& patterns,
                                  std::function<void(std::optional<std::string>)> done) = 0;
};

// The computer's camera. Once started it delivers frames on the event loop, only the newest when
// they come faster than they are taken, until stopped; a failure (busy, unplugged, no permission)
// ends the frames with a message in the user's words.
class Camera {
public:
    virtual ~Camera() = default;
    virtual bool isAvailable() = 0;
    virtual void start(std::function<void(ImageRef)> frame, std::function<void(std::string)> failed) = 0;
    // Nothing is delivered after it.
    virtual void stop() = 0;
};

// Fetches a web page. It answers later, on the event loop, exactly once.
struct WebPage {
    bool ok = false;
    std::string url;              // where the page finally came from, after redirects
    std::string body;             // the page's HTML, in UTF-8
    std::string errorDescription; // why it failed, in the user's words; set when !ok
};

class WebLoader {
public:
    virtual ~WebLoader() = default;
    virtual void load(const std::string& url, std::function<void(WebPage)> done) = 0;
};

// Opens a link of a page in the desktop's browser; `href` may be relative to `pageURL`.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void openURL(const std::string& href, const std::string& pageURL) = 0;
};

// The desktop's lock screen, which takes a picture file as its picture. It answers later, on the event
// loop, exactly once.
struct LockScreenOutcome {
    bool set = false;
    std::string message; // what the desktop did with it, or why it did not take it, in the user's words
};

class LockScreen {
public:
    virtual ~LockScreen() = default;
    // Whether this desktop has a way to take one at all.
    virtual bool canSetPicture() = 0;
    // The file must stay where it is: desktops keep its path, not its pixels.
    virtual void setPicture(const std::filesystem::path& picture, std::function<void(LockScreenOutcome)> done) = 0;
};

// Offers a picture for one download by a phone on the same network, at an address its camera scans.
// One offer at a time; what it tells comes later, on the event loop, and nothing after withdraw().
struct PictureOffer {
    std::string url;     // empty when it could not be offered
    std::string error;   // why not, in the user's words
    double lifetime = 0; // seconds until the address expires
};

class PictureSender {
public:
    virtual ~PictureSender() = default;
    // Withdraws any earlier offer. `sent` once the whole picture was downloaded; `expired` when
    // nobody did within the lifetime.
    virtual PictureOffer offer(std::vector<std::uint8_t> png, std::function<void()> sent,
                               std::function<void()> expired) = 0;
    virtual void withdraw() = 0;
};

// Shows a folder in the desktop's file manager.
class FolderOpener {
public:
    virtual ~FolderOpener() = default;
    virtual void openFolder(const std::filesystem::path& folder) = 0;
};

// Renders a view tree into an image, as the screen would show it.
class ViewRenderer {
public:
    virtual ~ViewRenderer() = default;
    virtual ImageRef render(const View& view, float scale) = 0;
    // Whether a text drawn in the rectangle in that style shows whole, neither elided nor cut off.
    virtual bool showsWholeText(const Rect& rect, const std::string& text, const TextStyle& style) = 0;
};

} // namespace platform
