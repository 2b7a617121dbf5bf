#include "VCardReader.h"

#include "platform/Translate.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

namespace {

// Longer values are photos or junk; nothing a contact shows comes near this, and it bounds memory on hostile input.
constexpr std::size_t kMaxValueBytes = 1 << 20;

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// ---- small string helpers (ASCII only: vCard syntax is ASCII, values may be anything) ----

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

std::string upperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && equalsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view unquote(std::string_view s)
{
    s = trim(s);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Turns "%XX" (marker '%') or "=XX" (marker '=') into bytes; anything malformed stays as written.
std::string decodeHexEscapes(std::string_view s, char marker)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == marker && i + 2 < s.size() && hexDigit(s[i + 1]) >= 0 && hexDigit(s[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(s[i + 1]) * 16 + hexDigit(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string joinNonEmpty(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string out;
    for (const auto& p : parts) {
        if (p.empty())
            continue;
        if (!out.empty())
            out += separator;
        out += p;
    }
    return out;
}

// ---- UTF-8 ----

// Decodes the sequence at s[i]. On failure returns -1 and sets `length` to the maximal invalid subpart, so one bad
// sequence becomes one U+FFFD, as Unicode recommends.
std::int32_t decodeUtf8(std::string_view s, std::size_t i, std::size_t& length)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    length = 1;
    if (b0 < 0x80)
        return b0;
    int continuationBytes = 0;
    std::uint32_t cp = 0;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        continuationBytes = 1;
        cp = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        continuationBytes = 2;
        cp = b0 & 0x0Fu;
        lo = b0 == 0xE0 ? 0xA0 : 0x80; // overlong
        hi = b0 == 0xED ? 0x9F : 0xBF; // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        continuationBytes = 3;
        cp = b0 & 0x07u;
        lo = b0 == 0xF0 ? 0x90 : 0x80; // overlong
        hi = b0 == 0xF4 ? 0x8F : 0xBF; // beyond U+10FFFF
    } else {
        return -1;
    }
    for (int k = 1; k <= continuationBytes; ++k) {
        const std::size_t at = i + static_cast<std::size_t>(k);
        if (at >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[at]);
        if (b < lo || b > hi)
            return -1;
        lo = 0x80;
        hi = 0xBF;
        cp = (cp << 6) | (b & 0x3Fu);
        length = at - i + 1;
    }
    return static_cast<std::int32_t>(cp);
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isValidUtf8(std::string_view s)
{
    for (std::size_t i = 0, length = 0; i < s.size(); i += length)
        if (decodeUtf8(s, i, length) < 0)
            return false;
    return true;
}

// Windows-1252 is what 8-bit vCards from Windows actually contain, and it agrees with Latin-1 on every printable
// character; the five unassigned bytes fall back to their Latin-1 meaning.
constexpr std::array<std::uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b <= 0x9F ? kWindows1252High[b - 0x80] : b);
    }
    return out;
}

// Case, '-', '_' and spaces vary between writers ("Shift_JIS", "SHIFT-JIS", "utf8").
std::string charsetKey(std::string_view name)
{
    std::string key;
    for (char c : unquote(name))
        if (c != '-' && c != '_' && c != ' ')
            key += lowerAscii(c);
    return key;
}

struct CloseConverter {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// One U+FFFD per bad sequence, as for UTF-8. Some code pages' own substitute is U+001A, which cleanText would drop
// without a trace.
void substituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                                    UConverterCallbackReason reason, UErrorCode* status)
{
    if (reason > UCNV_IRREGULAR)
        return; // reset, close, clone: nothing to replace
    static constexpr UChar kReplacement = 0xFFFD;
    *status = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, status);
}

// Turns the bytes of each value into UTF-8 by the charset the card or the file names, through ICU's converters.
// One per file, so each converter is opened once rather than once per value.
class TextDecoder {
public:
    bool unicodeFile = false; // the file was UTF-16 or UTF-32 and has been converted to UTF-8 as a whole
    std::string fileCharset;  // named by a MIME header in front of the cards

    std::string decode(std::string bytes, std::string_view charset, bool quotedPrintable, bool legacy)
    {
        // Raw text of a UTF-16 file is converted already, whatever it claims; quoted-printable bytes are not.
        if (unicodeFile && !quotedPrintable)
            return bytes;
        std::string key = charsetKey(charset);
        if (key.empty()) {
            charset = fileCharset;
            key = charsetKey(charset);
        }
        if (key == "utf8")
            return bytes; // invalid sequences become U+FFFD in cleanText
        // Latin-1 means Windows-1252 in practice, and declared ASCII with 8-bit bytes in it means the writer's
        // Windows code page.
        if (key == "iso88591" || key == "latin1" || key == "l1" || key == "windows1252" || key == "cp1252"
            || key == "xcp1252" || key == "usascii" || key == "ascii")
            return windows1252ToUtf8(bytes);
        if (UConverter* c = key.empty() ? nullptr : converter(charset))
            return toUtf8(c, bytes);
        // No charset, or one nobody knows: UTF-8 when it is. 2.1 has no UTF-8 default, and 8-bit text there without
        // a charset comes from Windows tools.
        if (isValidUtf8(bytes) || (key.empty() && !legacy))
            return bytes;
        return windows1252ToUtf8(bytes);
    }

    // Null for a name ICU does not know.
    UConverter* converter(std::string_view charset)
    {
        const std::string_view name = unquote(charset);
        const std::string key = charsetKey(name);
        if (auto it = converters_.find(key); it != converters_.end())
            return it->second.get();
        // ICU also takes option suffixes and package paths in a name; a card only gets to name a plain charset.
        const bool plain = !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= '0' && c <= '9') || (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'z') || c == '-' || c == '_'
                   || c == '.' || c == ':' || c == ' ';
        });
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<UConverter, CloseConverter> opened(plain ? ucnv_open(std::string(name).c_str(), &status)
                                                                 : nullptr);
        if (opened && U_SUCCESS(status))
            ucnv_setToUCallBack(opened.get(), substituteReplacementCharacter, nullptr, nullptr, nullptr, &status);
        if (U_FAILURE(status))
            opened.reset();
        return converters_.emplace(key, std::move(opened)).first->second.get();
    }

    static std::string toUtf8(UConverter* converter, std::string_view bytes)
    {
        std::string out;
        out.reserve(bytes.size() + bytes.size() / 2);
        ucnv_resetToUnicode(converter); // stateful charsets such as ISO-2022-JP start each value afresh
        const char* source = bytes.data();
        const char* const end = source + bytes.size();
        std::array<UChar, 4096> units;
        std::uint32_t high = 0; // a surrogate pair may straddle two chunks
        UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
        while (status == U_BUFFER_OVERFLOW_ERROR) {
            status = U_ZERO_ERROR;
            UChar* target = units.data();
            ucnv_toUnicode(converter, &target, units.data() + units.size(), &source, end, nullptr, true, &status);
            for (const UChar* u = units.data(); u < target; ++u) {
                const std::uint32_t unit = *u;
                const bool isLow = unit >= 0xDC00 && unit <= 0xDFFF;
                if (high != 0 && isLow) {
                    appendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                    high = 0;
                    continue;
                }
                if (high != 0)
                    appendUtf8(out, 0xFFFD);
                high = unit >= 0xD800 && unit <= 0xDBFF ? unit : 0;
                if (high == 0)
                    appendUtf8(out, isLow ? 0xFFFD : unit);
            }
        }
        if (high != 0)
            appendUtf8(out, 0xFFFD);
        return out;
    }

private:
    std::map<std::string, std::unique_ptr<UConverter, CloseConverter>, std::less<>> converters_;
};

// A file saved from a mail keeps its MIME header, and that header is where vCard 3.0 names the charset:
// "Content-Type: text/directory; charset=Shift_JIS".
std::string charsetOfContentType(std::string_view value)
{
    const std::size_t at = lowerAscii(value).find("charset=");
    if (at == std::string::npos)
        return {};
    const std::string_view rest = value.substr(at + 8);
    return std::string(unquote(rest.substr(0, rest.find(';'))));
}

// UTF-16 and UTF-32 by their byte-order mark, which ICU reads and drops. Without one, a zero byte among the first two
// still shows UTF-16: every card starts with ASCII.
const char* unicodeEncodingOf(std::string_view text)
{
    using namespace std::string_view_literals;
    if (text.starts_with("\xFF\xFE\0\0"sv) || text.starts_with("\0\0\xFE\xFF"sv))
        return "UTF-32";
    if (text.starts_with("\xFF\xFE"sv) || text.starts_with("\xFE\xFF"sv))
        return "UTF-16";
    if (text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0'))
        return text[0] == '\0' ? "UTF-16BE" : "UTF-16LE";
    return nullptr;
}

// Final pass for everything handed out: valid UTF-8, one newline convention, no control characters (they would
// only show up as boxes on the wallpaper), no surrounding whitespace. Single-line text gets spaces for breaks.
std::string cleanText(std::string_view s, bool singleLine)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0, length = 0; i < s.size(); i += length) {
        const std::int32_t cp = decodeUtf8(s, i, length);
        if (cp < 0) {
            appendUtf8(out, 0xFFFD);
        } else if (cp == '\r') {
            if (i + 1 >= s.size() || s[i + 1] != '\n')
                out += singleLine ? ' ' : '\n';
        } else if (cp == '\n' || cp == '\t') {
            out += singleLine ? ' ' : static_cast<char>(cp);
        } else if (cp >= 0x20 && !(cp >= 0x7F && cp <= 0x9F)) {
            out.append(s.substr(i, length));
        }
    }
    std::string_view trimmed = trim(out);
    return std::string(trimmed);
}

// ---- physical lines ----

// Splits on LF, CRLF or lone CR. A run of CRs before an LF counts as one break: some tools write CR CR LF, and
// treating that as an empty line in between would break folded lines apart.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    std::string_view next()
    {
        const std::size_t start = pos_;
        const std::size_t brk = text_.find_first_of("\r\n", pos_);
        if (brk == std::string_view::npos) {
            pos_ = text_.size();
            return text_.substr(start);
        }
        pos_ = brk + 1;
        if (text_[brk] == '\r' && brk >= loneCrUntil_) {
            std::size_t j = brk;
            while (j < text_.size() && text_[j] == '\r')
                ++j;
            if (j < text_.size() && text_[j] == '\n')
                pos_ = j + 1;
            else
                loneCrUntil_ = j; // remember, so a long run of CRs is scanned once, not once per CR
        }
        return text_.substr(start, brk - start);
    }

    std::string_view peek() const
    {
        LineReader copy = *this;
        return copy.next();
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t loneCrUntil_ = 0;
};

bool isCardBoundary(std::string_view line)
{
    line = trim(line);
    return equalsIgnoringCase(line, "END:VCARD") || equalsIgnoringCase(line, "BEGIN:VCARD");
}

// ---- property lines ----

struct Property {
    std::string group; // lower case; ties Apple's "itemN.X-ABLabel" to its value
    std::string name;  // upper case
    std::vector<std::string> types; // lower case, from TYPE= and 2.1's bare parameters
    std::string encoding;           // lower case
    std::string charset;
    std::string altId;
    std::string value; // unfolded, still encoded and escaped
};

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

void addParameter(Property& p, std::string_view token)
{
    const std::size_t eq = token.find('=');
    if (eq == std::string_view::npos) {
        // vCard 2.1 lists types and encodings without a parameter name.
        std::string v = lowerAscii(trim(token));
        if (v == "quoted-printable" || v == "base64" || v == "8bit" || v == "7bit")
            p.encoding = v;
        else if (!v.empty())
            p.types.push_back(std::move(v));
        return;
    }
    const std::string name = lowerAscii(trim(token.substr(0, eq)));
    const std::string_view value = token.substr(eq + 1);
    if (name == "type") {
        // TYPE=a,b / TYPE="a,b" / TYPE="a","b"; repeated TYPE= simply adds more.
        std::size_t start = 0;
        while (start <= value.size()) {
            std::size_t comma = value.find(',', start);
            if (comma == std::string_view::npos)
                comma = value.size();
            std::string_view item = trim(value.substr(start, comma - start));
            if (!item.empty() && item.front() == '"')
                item.remove_prefix(1);
            if (!item.empty() && item.back() == '"')
                item.remove_suffix(1);
            if (!trim(item).empty())
                p.types.push_back(lowerAscii(trim(item)));
            start = comma + 1;
        }
    } else if (name == "encoding") {
        p.encoding = lowerAscii(unquote(value));
    } else if (name == "charset") {
        p.charset = std::string(unquote(value));
    } else if (name == "altid") {
        p.altId = std::string(unquote(value));
    }
}

// Parses "[group.]NAME[;param...]:" and returns where the value starts. Quotes protect ';' and ':' inside parameter
// values; a line whose quotes never close is retried without that rule rather than lost.
std::optional<std::size_t> parseHeader(std::string_view line, Property& p, bool honourQuotes)
{
    std::size_t i = 0;
    while (i < line.size() && (isNameChar(line[i]) || line[i] == '.'))
        ++i;
    if (i == line.size() || (line[i] != ';' && line[i] != ':'))
        return std::nullopt;
    const std::string_view fullName = line.substr(0, i);
    const std::size_t dot = fullName.rfind('.');
    const std::string_view name = dot == std::string_view::npos ? fullName : fullName.substr(dot + 1);
    if (name.empty())
        return std::nullopt;
    p.name = upperAscii(name);
    p.group = dot == std::string_view::npos ? std::string() : lowerAscii(fullName.substr(0, dot));

    while (line[i] == ';') {
        const std::size_t start = ++i;
        bool quoted = false;
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"' && honourQuotes)
                quoted = !quoted;
            else if (!quoted && (c == ';' || c == ':'))
                break;
        }
        if (i == line.size())
            return std::nullopt;
        addParameter(p, line.substr(start, i - start));
    }
    return i + 1;
}

std::optional<std::size_t> parseHeader(std::string_view line, Property& p)
{
    if (auto start = parseHeader(line, p, true))
        return start;
    p = Property();
    return parseHeader(line, p, false);
}

bool isWanted(std::string_view name)
{
    static constexpr std::array<std::string_view, 17> kNames = {
        "BEGIN", "END", "VERSION", "AGENT", "FN", "N", "TEL", "X-MS-TEL", "EMAIL", "ADR",
        "ORG", "TITLE", "URL", "NOTE", "BDAY", "NICKNAME", "X-ABLABEL"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

bool endsWithSoftBreak(std::string_view line)
{
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return !line.empty() && line.back() == '=';
}

void dropSoftBreak(std::string& value)
{
    while (!value.empty() && isBlank(value.back()))
        value.pop_back();
    if (!value.empty())
        value.pop_back();
}

// ---- values ----

// 3.0/4.0 text escapes. vCard 2.1 only escapes separators, and a literal "\n" there is text.
std::string unescape(std::string_view s, bool legacy)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[i + 1];
        if ((c == 'n' || c == 'N') && !legacy) {
            out += '\n';
            ++i;
        } else if (c == '\\' || c == ';' || c == ',' || c == ':' || c == '"') {
            out += c; // "\:" and "\"" are not standard, but Apple and Google write them
            ++i;
        } else {
            out += '\\';
        }
    }
    return out;
}

// Splits at separators that are not backslash-escaped; the pieces stay escaped.
std::vector<std::string_view> splitUnescaped(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\')
            ++i;
        else if (s[i] == separator) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(s.substr(std::min(start, s.size())));
    return parts;
}

// Labels are shown in the user's language; a word with no translation reads as written.
std::string word(std::string_view english) { return platform::translate("VCardReader", std::string(english).c_str()); }

constexpr std::array<std::string_view, 3> kLocations = {
    QT_TRANSLATE_NOOP("VCardReader", "home"), QT_TRANSLATE_NOOP("VCardReader", "work"), QT_TRANSLATE_NOOP("VCardReader", "other")};

std::string_view location(const std::vector<std::string>& types)
{
    for (const auto& t : types)
        if (std::find(kLocations.begin(), kLocations.end(), t) != kLocations.end())
            return t;
    return {};
}

// "work fax": a location and what is there, in the order the user's language puts them.
std::string withLocation(std::string_view where, std::string_view what)
{
    if (where.empty())
        return word(what);
    return platform::fillIn(platform::translate("VCardReader", "%1 %2"), {word(where), word(what)});
}

std::string withLocation(const std::vector<std::string>& types, std::string_view what) { return withLocation(location(types), what); }

// In order of precedence: "fax" matters more than "work" or "voice" when deciding what to show.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kPhoneKinds = {{
    {"fax", QT_TRANSLATE_NOOP("VCardReader", "fax")},
    {"pager", QT_TRANSLATE_NOOP("VCardReader", "pager")},
    {"iphone", "iPhone"},
    {"cell", QT_TRANSLATE_NOOP("VCardReader", "mobile")},
    {"mobile", "mobile"},
    {"main", QT_TRANSLATE_NOOP("VCardReader", "main")},
    {"car", QT_TRANSLATE_NOOP("VCardReader", "car")},
    {"callback", QT_TRANSLATE_NOOP("VCardReader", "callback")},
    {"textphone", QT_TRANSLATE_NOOP("VCardReader", "textphone")},
    {"video", QT_TRANSLATE_NOOP("VCardReader", "video")},
    {"isdn", "ISDN"},
}};

std::string phoneLabel(const std::vector<std::string>& types)
{
    std::size_t best = kPhoneKinds.size();
    for (const auto& t : types)
        for (std::size_t k = 0; k < best; ++k)
            if (t == kPhoneKinds[k].first)
                best = k;
    const std::string_view where = location(types);
    if (best == kPhoneKinds.size())
        return where.empty() ? word(QT_TRANSLATE_NOOP("VCardReader", "phone")) : word(where);
    const std::string_view kind = kPhoneKinds[best].second;
    if (kind == "iPhone" || kind == "main")
        return word(kind);
    return withLocation(where, kind);
}

// Apple stores its stock labels as "_$!<HomeFAX>!$_"; anything else is the user's own wording and kept as typed.
std::string customLabel(std::string_view text)
{
    constexpr std::string_view open = "_$!<";
    constexpr std::string_view close = ">!$_";
    if (text.size() < open.size() + close.size() || !text.starts_with(open) || !text.ends_with(close))
        return std::string(text);
    const std::string_view inner = text.substr(open.size(), text.size() - open.size() - close.size());
    if (inner == "iPhone")
        return std::string(inner);
    std::string out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c >= 'A' && c <= 'Z' && i > 0 && inner[i - 1] >= 'a' && inner[i - 1] <= 'z')
            out += ' ';
        out += lowerAscii(c);
    }
    // "home fax" is a location and a kind, worded as a vCard's own types would be.
    const std::size_t space = out.find(' ');
    if (space != std::string::npos && std::find(kLocations.begin(), kLocations.end(), out.substr(0, space)) != kLocations.end())
        return withLocation(std::string_view(out).substr(0, space), std::string_view(out).substr(space + 1));
    return word(out);
}

std::string formatBirthday(std::string value)
{
    const bool compactDate = value.size() == 8 && std::all_of(value.begin(), value.end(), [](char c) {
                                 return c >= '0' && c <= '9';
                             });
    if (compactDate)
        return value.substr(0, 4) + "-" + value.substr(4, 2) + "-" + value.substr(6, 2);
    return value;
}

class CardBuilder {
public:
    CardBuilder(TextDecoder& decoder, bool legacy) : legacy(legacy), decoder_(&decoder) {}

    bool legacy; // vCard 2.1

    void add(const Property& p)
    {
        if (!p.altId.empty() && !altIds_.insert(p.name + '\n' + p.altId).second)
            return; // another representation of a value already taken
        if (p.encoding == "b" || p.encoding == "base64")
            return; // photos and keys; never text we show
        const std::string text = decodedBytes(p);
        const std::string& n = p.name;
        if (n == "FN") {
            if (formattedName_.empty())
                formattedName_ = cleanText(unescape(text, legacy), true);
        } else if (n == "N") {
            if (structuredName_.empty())
                structuredName_ = formatName(text);
        } else if (n == "ORG") {
            std::string org = joinComponents(text);
            if (organization_.empty())
                organization_ = org;
            addValue(ContactValue::Kind::Other, word(QT_TRANSLATE_NOOP("VCardReader", "organization")), std::move(org), p.group);
        } else if (n == "TEL" || n == "X-MS-TEL") {
            addValue(ContactValue::Kind::Phone, phoneLabel(p.types), phoneNumber(text), p.group);
        } else if (n == "EMAIL") {
            std::string email = cleanText(unescape(text, legacy), true);
            if (startsWithIgnoringCase(email, "mailto:"))
                email.erase(0, 7);
            addValue(ContactValue::Kind::Email, withLocation(p.types, QT_TRANSLATE_NOOP("VCardReader", "email")), std::move(email), p.group);
        } else if (n == "ADR") {
            addValue(ContactValue::Kind::Other, withLocation(p.types, QT_TRANSLATE_NOOP("VCardReader", "address")), formatAddress(text), p.group);
        } else if (n == "URL") {
            addValue(ContactValue::Kind::Other, withLocation(p.types, QT_TRANSLATE_NOOP("VCardReader", "website")), single(text), p.group);
        } else if (n == "TITLE") {
            addValue(ContactValue::Kind::Other, word(QT_TRANSLATE_NOOP("VCardReader", "title")), single(text), p.group);
        } else if (n == "NICKNAME") {
            addValue(ContactValue::Kind::Other, word(QT_TRANSLATE_NOOP("VCardReader", "nickname")), single(text), p.group);
        } else if (n == "NOTE") {
            addValue(ContactValue::Kind::Other, word(QT_TRANSLATE_NOOP("VCardReader", "note")), cleanText(unescape(text, legacy), false), p.group);
        } else if (n == "BDAY") {
            addValue(ContactValue::Kind::Other, word(QT_TRANSLATE_NOOP("VCardReader", "birthday")), formatBirthday(single(text)), p.group);
        } else if (n == "X-ABLABEL" && !p.group.empty()) {
            std::string label = customLabel(single(text));
            if (!label.empty())
                groupLabels_.emplace(p.group, std::move(label));
        }
    }

    std::optional<Contact> finish()
    {
        Contact c;
        c.values.reserve(values_.size());
        for (auto& [value, group] : values_) {
            if (auto it = group.empty() ? groupLabels_.end() : groupLabels_.find(group); it != groupLabels_.end())
                value.label = it->second;
            c.values.push_back(std::move(value));
        }
        c.displayName = !formattedName_.empty() ? formattedName_
                        : !structuredName_.empty() ? structuredName_
                                                   : organization_;
        if (c.displayName.empty()) {
            auto reachable = std::find_if(c.values.begin(), c.values.end(), [](const ContactValue& v) {
                return v.kind != ContactValue::Kind::Other;
            });
            if (reachable != c.values.end())
                c.displayName = reachable->value;
        }
        if (c.displayName.empty() && c.values.empty())
            return std::nullopt;
        return c;
    }

private:
    std::string decodedBytes(const Property& p) const
    {
        const bool quotedPrintable = p.encoding == "quoted-printable";
        return decoder_->decode(quotedPrintable ? decodeHexEscapes(p.value, '=') : p.value, p.charset,
                                quotedPrintable, legacy);
    }

    std::string single(std::string_view text) const { return cleanText(unescape(text, legacy), true); }

    // "tel:" URIs (4.0) lose the scheme; other schemes, such as sip:, are shown as written.
    std::string phoneNumber(std::string_view text) const
    {
        std::string number = unescape(text, legacy);
        std::string_view view = trim(number);
        if (startsWithIgnoringCase(view, "tel:")) {
            view.remove_prefix(4);
            if (view.starts_with("//"))
                view.remove_prefix(2);
            return cleanText(decodeHexEscapes(view, '%'), true);
        }
        return cleanText(number, true);
    }

    // "Prefix Given Additional Family, Suffix". In 3.0/4.0 commas separate several names in one component.
    std::string formatName(std::string_view text) const
    {
        const auto components = splitUnescaped(text, ';');
        auto component = [&](std::size_t k) {
            if (k >= components.size())
                return std::string();
            if (legacy)
                return single(components[k]);
            std::vector<std::string> names;
            for (auto name : splitUnescaped(components[k], ','))
                names.push_back(single(name));
            return joinNonEmpty(names, k == 4 ? ", " : " ");
        };
        const std::string suffix = component(4);
        const std::string name = joinNonEmpty({component(3), component(1), component(2), component(0)}, " ");
        return name.empty() ? suffix : suffix.empty() ? name : name + ", " + suffix;
    }

    std::string joinComponents(std::string_view text) const
    {
        std::vector<std::string> parts;
        for (auto part : splitUnescaped(text, ';'))
            parts.push_back(single(part));
        return joinNonEmpty(parts, ", ");
    }

    // Post office box; extended; street; locality; region; postal code; country, laid out as an envelope would be.
    std::string formatAddress(std::string_view text) const
    {
        const auto components = splitUnescaped(text, ';');
        auto part = [&](std::size_t k) {
            return k < components.size() ? cleanText(unescape(components[k], legacy), false) : std::string();
        };
        const std::string cityLine = joinNonEmpty({part(3), joinNonEmpty({part(4), part(5)}, " ")}, ", ");
        return joinNonEmpty({part(0), part(1), part(2), cityLine, part(6)}, "\n");
    }

    void addValue(ContactValue::Kind kind, std::string label, std::string value, const std::string& group)
    {
        if (!value.empty())
            values_.push_back({ContactValue{kind, std::move(label), std::move(value)}, group});
    }

    TextDecoder* decoder_;
    std::string formattedName_;
    std::string structuredName_;
    std::string organization_;
    std::vector<std::pair<ContactValue, std::string>> values_; // with their group
    std::map<std::string, std::string> groupLabels_;
    std::set<std::string> altIds_;
};

bool namesVCard(const Property& p) { return equalsIgnoringCase(trim(p.value), "VCARD"); }

} // namespace

bool Contact::hasPhone() const
{
    return std::any_of(values.begin(), values.end(), [](const ContactValue& v) {
        return v.kind == ContactValue::Kind::Phone;
    });
}

std::vector<Contact> readVCards(std::string_view text)
{
    TextDecoder decoder;
    std::string converted;
    if (const char* encoding = unicodeEncodingOf(text); encoding && decoder.converter(encoding)) {
        converted = TextDecoder::toUtf8(decoder.converter(encoding), text);
        text = converted;
        decoder.unicodeFile = true;
    }
    if (text.starts_with(kBom))
        text.remove_prefix(kBom.size());
    LineReader lines(text);

    // A BEGIN inside an open card opens a card of its own: 2.1 writes an AGENT (an assistant, say) that way. It is
    // offered as a contact too, since it is a person with a number and the user may want exactly that one, and it
    // leaves its parent and the parent's numbers alone. The same rule keeps the cards that follow one whose END was
    // lost; that one never ends and is dropped. Contacts come in the order their cards begin.
    struct OpenCard {
        CardBuilder builder;
        std::size_t slot;
    };
    constexpr std::size_t kMaxDepth = 8; // real nesting is one or two deep; this bounds memory on hostile input
    std::vector<OpenCard> open;
    std::vector<std::optional<Contact>> slots;

    while (!lines.atEnd()) {
        std::string_view line = lines.next();
        // Whitespace here has nothing to continue (start of file, or after a skipped line); concatenated files may
        // also carry a BOM per part.
        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        if (line.starts_with(kBom))
            line.remove_prefix(kBom.size());
        if (line.empty())
            continue;

        Property p;
        const std::optional<std::size_t> valueStart = parseHeader(line, p);
        const bool wanted = valueStart && (open.empty() ? p.name == "BEGIN" || p.name == "CONTENT-TYPE"
                                                        : isWanted(p.name));
        const bool quotedPrintable = valueStart && p.encoding == "quoted-printable";
        const bool legacy = !open.empty() && open.back().builder.legacy;
        bool overflow = false;
        auto append = [&](std::string_view piece) {
            if (!wanted || overflow)
                return;
            if (p.value.size() + piece.size() > kMaxValueBytes) {
                overflow = true;
                p.value.clear();
            } else {
                p.value.append(piece);
            }
        };
        if (valueStart)
            append(line.substr(*valueStart));

        // Unfold: quoted-printable soft breaks first (the next line is taken as is), then whitespace continuations.
        // vCard 2.1 folds before existing whitespace, so it keeps that character; 3.0/4.0 insert one and drop it.
        std::string_view last = line;
        while (!lines.atEnd()) {
            const std::string_view next = lines.peek();
            const bool softBreak = quotedPrintable && endsWithSoftBreak(last);
            if (softBreak) {
                if (isCardBoundary(next))
                    break; // a stray '=' at the end of a value must not swallow the end of the card
                if (wanted && !overflow)
                    dropSoftBreak(p.value);
            } else if (next.empty() || !isBlank(next.front())) {
                break;
            }
            lines.next();
            append(softBreak || legacy ? next : next.substr(1));
            last = next;
        }
        if (!wanted || overflow)
            continue;
        if (quotedPrintable && endsWithSoftBreak(last))
            dropSoftBreak(p.value); // a soft break with nothing left to join

        const bool begins = (p.name == "BEGIN" && namesVCard(p))
                            || (p.name == "AGENT" && equalsIgnoringCase(trim(p.value), "BEGIN:VCARD"));
        if (begins) {
            CardBuilder card(decoder, legacy); // an agent without a VERSION line is written like its parent
            if (open.size() == kMaxDepth) {
                open.back().builder = std::move(card);
            } else {
                open.push_back({std::move(card), slots.size()});
                slots.emplace_back();
            }
        } else if (open.empty()) {
            if (p.name == "CONTENT-TYPE")
                decoder.fileCharset = charsetOfContentType(p.value);
        } else if (p.name == "END") {
            if (namesVCard(p)) {
                slots[open.back().slot] = open.back().builder.finish();
                open.pop_back();
            }
        } else if (p.name == "VERSION") {
            open.back().builder.legacy = trim(p.value).starts_with("2");
        } else {
            open.back().builder.add(p);
        }
    }

    std::vector<Contact> contacts;
    for (auto& contact : slots)
        if (contact)
            contacts.push_back(std::move(*contact));
    return contacts;
}
