#pragma once

#include <optional>
#include <string>
#include <vector>

// A QR code of a text at error correction level M, in the smallest version that holds it: its
// modules row by row, without the quiet zone a reader needs around them.
class QrCode {
public:
    // Nothing when the text is empty or too long for any version.
    static std::optional<QrCode> encode(const std::string& text);

    // Modules along a side.
    int size() const { return size_; }
    bool isDark(int x, int y) const { return dark_[std::size_t(y) * std::size_t(size_) + std::size_t(x)]; }

private:
    QrCode(int size, std::vector<bool> dark) : size_(size), dark_(std::move(dark)) {}

    int size_;
    std::vector<bool> dark_;
};
