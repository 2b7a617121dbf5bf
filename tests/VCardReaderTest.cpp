#include "VCardReader.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <sstream>

namespace {

using Labelled = std::pair<std::string, std::string>; // label, value

std::string vcard(std::string_view version, std::string_view body, std::string_view eol = "\r\n")
{
    std::string out = "BEGIN:VCARD";
    out.append(eol).append("VERSION:").append(version).append(eol).append(body).append("END:VCARD").append(eol);
    return out;
}

std::string repeat(std::string_view piece, std::size_t times)
{
    std::string s;
    for (std::size_t i = 0; i < times; ++i)
        s += piece;
    return s;
}

// Qt's decoder, deliberately not the reader's own, so the checks do not share its mistakes: anything it has to
// replace does not survive the round trip (the leading letter keeps it from dropping a byte order mark).
bool isValidUtf8(std::string_view s)
{
    const QByteArray bytes = "a" + QByteArray(s.data(), qsizetype(s.size()));
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The text in a Unicode encoding, by Qt's encoder rather than the ICU the reader uses.
std::string encoded(std::string_view utf8, QStringConverter::Encoding encoding, bool bom = true)
{
    QStringEncoder encoder(encoding, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return QByteArray(encoder(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))).toStdString();
}

bool allValidUtf8(const Contact& c)
{
    bool ok = isValidUtf8(c.displayName);
    for (const auto& v : c.values)
        ok = ok && isValidUtf8(v.label) && isValidUtf8(v.value) && !v.value.empty();
    return ok;
}

std::vector<Labelled> phonesOf(const Contact& c)
{
    std::vector<Labelled> out;
    for (const auto& v : c.values)
        if (v.kind == ContactValue::Kind::Phone)
            out.emplace_back(v.label, v.value);
    return out;
}

// Each card with the label and value it should read first.
void expectFirstValues(const std::vector<std::pair<std::string, Labelled>>& cases)
{
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(input));
        const auto contacts = readVCards(input);
        ASSERT_EQ(contacts.size(), 1u);
        ASSERT_FALSE(contacts[0].values.empty());
        EXPECT_EQ(Labelled(contacts[0].values[0].label, contacts[0].values[0].value), expected);
    }
}

TEST(VCardReader, UnfoldsDecodesAndUnescapesValues)
{
    expectFirstValues({
        {vcard("3.0", "TEL:+1 555\n\t0100\n", "\n"), {"phone", "+1 5550100"}},
        {vcard("4.0", "TEL:555\r 0100\r", "\r"), {"phone", "5550100"}},
        {vcard("3.0", "NOTE:ab\r\r\n cd\r\r\n", "\r\r\n"), {"note", "abcd"}},
        {vcard("3.0", "NOTE:a\r\n  b\r\n\tc\r\n"), {"note", "a bc"}},
        {vcard("2.1", "NOTE:ab\r\n cd\r\n"), {"note", "ab cd"}}, // 2.1 folds before existing whitespace
        {"\xEF\xBB\xBF" "begin:vCard\r\nversion:3.0\r\ntel;type=cell:1\r\nEnd:VCARD", {"mobile", "1"}},

        {vcard("2.1", "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:caf=C3=\r\n=A9!\r\n"), {"note", "café!"}},
        {vcard("2.1", "NOTE;QUOTED-PRINTABLE:a=\r\n b=  \r\nc\r\nTEL:1\r\n"), {"note", "a bc"}},
        {vcard("2.1", "NOTE;ENCODING=QUOTED-PRINTABLE:one=0d=0Atwo\r\n"), {"note", "one\ntwo"}},
        {vcard("2.1", "NOTE;ENCODING=QUOTED-PRINTABLE:a=ZZ=3Db=G\r\n"), {"note", "a=ZZ=b=G"}},
        // A soft break with nothing after it: END:VCARD is neither swallowed nor left an '='.
        {vcard("2.1", "NOTE;ENCODING=QUOTED-PRINTABLE:ab=\r\nc= \r\n"), {"note", "abc"}},
        {vcard("2.1", "TEL:12=\r\nTEL:34\r\n"), {"phone", "12="}},

        {vcard("3.0", "NOTE:a\\nb\\Nc\r\n"), {"note", "a\nb\nc"}},
        {vcard("4.0", "NOTE:a\\, b\\; c\\\\d \\q\\:\r\n"), {"note", "a, b; c\\d \\q:"}},
        {vcard("2.1", "NOTE:C:\\new\r\n"), {"note", "C:\\new"}},
        {vcard("3.0", "ORG:A\\;B;Sales\r\n"), {"organization", "A;B, Sales"}},
        {vcard("3.0", "ADR;TYPE=home:;Flat 5;1 High St\\nBack door;Town;ST;12345;Land\r\n"),
         {"home address", "Flat 5\n1 High St\nBack door\nTown, ST 12345\nLand"}},
        {vcard("3.0", "TEL;TYPE=work:+44 (0)20 7946-0018 \r\n"), {"work", "+44 (0)20 7946-0018"}},
        {vcard("3.0", "TEL:TEL:+1%20555\r\n"), {"phone", "+1 555"}},
        {vcard("4.0", "TEL;VALUE=uri:sip:a@example.com\r\n"), {"phone", "sip:a@example.com"}},
    });
}

TEST(VCardReader, ConvertsCharsetsToUtf8)
{
    using enum QStringConverter::Encoding;
    const std::string koi8 = "\xF0\xD2\xC9\xD7\xC5\xD4"; // Привет
    expectFirstValues({
        // Latin-1 means Windows-1252.
        {vcard("2.1", "NOTE;CHARSET=ISO-8859-1:\x80 Ren\xE9 \x93x\x94\r\n"), {"note", "€ René “x”"}},
        {vcard("2.1", "NOTE;CHARSET=KOI8-R:" + koi8 + "\r\n"), {"note", "Привет"}},
        {vcard("2.1", "NOTE;CHARSET=\"gb18030\":\xD6\xD0\xCE\xC4\x94\x39\xFC\x36\r\n"), {"note", "中文😀"}},
        {vcard("2.1", "NOTE;CHARSET=Shift_JIS;QUOTED-PRINTABLE:=8ER=93c\r\n"), {"note", "山田"}},
        // Second bytes that read as '\' in ASCII: a value is decoded before it is unescaped or split.
        {vcard("2.1", "ORG;CHARSET=SHIFT_JIS:\x95\x5C;\x83\x5C\r\n"), {"organization", "表, ソ"}},
        {vcard("2.1", "NOTE;CHARSET=EUC-KR:\xC7\xD1\xC7" "A\r\n"), {"note", "한\uFFFDA"}},
        // No charset, or an unknown one: UTF-8 when it is, otherwise Windows-1252 in 2.1.
        {vcard("2.1", "NOTE;CHARSET=x-unknown:Müller\r\n"), {"note", "Müller"}},
        {vcard("2.1", "NOTE;CHARSET=x-unknown:M\xFCller\r\n"), {"note", "Müller"}},
        {vcard("2.1", "NOTE:M\xFCller\r\n"), {"note", "Müller"}},
        {vcard("2.1", "NOTE;CHARSET=UTF-8:M\xFCller\r\n"), {"note", "M\uFFFDller"}},
        {vcard("3.0", "NOTE:a\xE2\x82 \xC0\xAF \xE0\x80\xAF\xED\xA0\x80\r\n"),
         {"note", "a\uFFFD \uFFFD\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"}},
        {vcard("3.0", std::string("NOTE:a\x01") + '\0' + "b\x7F\tc\r\n"), {"note", "ab\tc"}},
        // A MIME header left in front names the charset of the cards after it.
        {"Content-Type: text/x-vcard; charset=\"KOI8-R\"\r\n\r\n" + vcard("3.0", "NOTE:" + koi8 + "\r\n"),
         {"note", "Привет"}},
        // Unicode files, by byte-order mark or by the zero byte of the first character; a charset named inside is moot.
        {encoded(vcard("2.1", "NOTE;CHARSET=SHIFT_JIS:表\r\n"), Utf16BE), {"note", "表"}},
        {encoded(vcard("3.0", "TEL;TYPE=cell:+1 555\r\n"), Utf16LE, false), {"mobile", "+1 555"}},
        {encoded(vcard("3.0", "NOTE:表\r\n"), Utf32BE), {"note", "表"}},
    });
}

TEST(VCardReader, LabelsFromTypesAndAppleGroups)
{
    expectFirstValues({
        {vcard("3.0", "item1.TEL:1\r\nitem1.X-ABLabel:_$!<HomeFAX>!$_\r\n"), {"home fax", "1"}},
        {vcard("3.0", "ITEM2.X-ABLABEL:Boat\r\nitem2.TEL;type=CELL:1\r\n"), {"Boat", "1"}},
        {vcard("3.0", "item1.TEL:1\r\nitem2.X-ABLabel:Boat\r\nX-ABLabel:Car\r\n"), {"phone", "1"}},
        {vcard("3.0", "TEL;TYPE=work,fax:1\r\n"), {"work fax", "1"}},
        {vcard("4.0", "TEL;TYPE=\"voice,work\":1\r\n"), {"work", "1"}},
        {vcard("3.0", "TEL;type=HOME;type=CELL;type=pref:1\r\n"), {"home mobile", "1"}},
        {vcard("2.1", "TEL;WORK;PAGER:1\r\n"), {"work pager", "1"}},
        {vcard("3.0", "TEL;TYPE=WORK;TYPE=MAIN:1\r\n"), {"main", "1"}},
        {vcard("3.0", "EMAIL;TYPE=INTERNET,HOME:x@y\r\n"), {"home email", "x@y"}},
        {vcard("3.0", "TEL;X-ID=\"a:b;c\";TYPE=cell:1\r\n"), {"mobile", "1"}},
        {vcard("3.0", "TEL;TYPE=\"cell:1\r\n"), {"mobile", "1"}}, // unclosed quote
    });
}

TEST(VCardReader, NamesCardsAndSkipsDamagedOnes)
{
    const std::string good = vcard("3.0", "FN:Good\r\nTEL:1\r\n");
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        // FN, then N, then ORG, then the first number or address
        {vcard("3.0", "FN:Jo Doe\r\nN:Doe;John;;;\r\n"), {"Jo Doe"}},
        {vcard("3.0", "FN: \r\nN:Doe;John;Quincy;Dr.;Jr.\r\n"), {"Dr. John Quincy Doe, Jr."}},
        {vcard("3.0", "N:Doe;John;Paul,George;;\r\n"), {"John Paul George Doe"}},
        {vcard("2.1", "N:Doe;John;Richter,James;;\r\n"), {"John Richter,James Doe"}},
        {vcard("3.0", "N:Doe;John;Richter\\,James;;\r\n"), {"John Richter,James Doe"}},
        {vcard("4.0", "N:Perreault;Simon;;;ing. jr,M.Sc.\r\n"), {"Simon Perreault, ing. jr, M.Sc."}},
        {vcard("3.0", "N:;;;;\r\nORG:Acme;Sales\r\n"), {"Acme, Sales"}},
        {vcard("3.0", "NOTE:hi\r\nEMAIL:x@y\r\nTEL:1\r\n"), {"x@y"}},
        // damaged
        {"", {}},
        {"\x01\xFF garbage\r\n:\r\n;;;\r\n" + vcard("3.0", ""), {}},
        {"END:VCARD\r\nFN:Stray\r\n" + good + "BEGIN:VCARD\r\nFN:Unfinished\r\nTEL:2\r\n", {"Good"}},
        {"BEGIN:VCARD\r\nFN:Outer\r\n" + good + good, {"Good", "Good"}},
        {"BEGIN:VCARD\r\nno colon\r\n\x01\x02\r\nFN:Good\r\nBEGIN:VEVENT\r\nEND:VEVENT\r\nEND:VCARD\r\n"
         "BEGIN:VEVENT\r\nEND:VEVENT\r\n", {"Good"}},
        // nested cards, in the order they begin
        {vcard("2.1", "FN:Boss\r\nAGENT:BEGIN:VCARD\r\nFN:A\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\nEND:VCARD\r\n"),
         {"Boss", "A", "B"}},
    };
    for (const auto& [input, names] : cases) {
        std::vector<std::string> got;
        for (const auto& c : readVCards(input))
            got.push_back(c.displayName);
        EXPECT_EQ(got, names) << testing::PrintToString(input);
    }
}

TEST(VCardReader, KeepsCardsAroundAgentsAndSkipsBinaryValues)
{
    const auto contacts = readVCards(vcard("2.1",
        "FN:Boss\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Assistant\r\nTEL:9\r\nEND:VCARD\r\nTEL;WORK:1\r\n"
        "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQ\r\nSkZJRg\r\n\r\nLOGO;BASE64:\r\n  AAAA\r\n  TEL:3\r\n\r\nTEL;CELL:2\r\n"
        "NOTE:" + std::string(3 << 20, 'x') + "\r\nBDAY;ALTID=1:20160801\r\nBDAY;ALTID=1;VALUE=text:1 August\r\n"));
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[0].displayName, "Boss");
    EXPECT_EQ(phonesOf(contacts[0]), (std::vector<Labelled>{{"work", "1"}, {"mobile", "2"}}));
    ASSERT_EQ(contacts[0].values.size(), 3u); // the oversized note is dropped; the second birthday is the same one
    EXPECT_EQ(contacts[0].values[2].value, "2016-08-01");
    EXPECT_EQ(phonesOf(contacts[1]), (std::vector<Labelled>{{"phone", "9"}}));
}

// Sample exports of real address books, when they are there: file name -> contents.
std::map<std::string, std::string> corpus()
{
    std::map<std::string, std::string> texts;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(TAVRIN_SOURCE_DIR "/../shared/vcards/", ec))
        if (entry.path().extension() == ".vcf") {
            std::ifstream in(entry.path(), std::ios::binary);
            texts[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
        }
    return texts;
}

struct RealExports : ::testing::Test {
    std::map<std::string, std::string> files = corpus();
    void SetUp() override
    {
        if (files.empty())
            GTEST_SKIP() << "no sample exports beside the source";
    }
};

TEST_F(RealExports, ListOneNumberATelLineEachAsStoredInTheFile)
{
    const std::regex telLine(R"(^([^.;:]*\.)?(X-MS-)?TEL([;:]|$))", std::regex::icase);
    for (const auto& [name, text] : files) {
        SCOPED_TRACE(name);
        const auto contacts = readVCards(text);
        EXPECT_FALSE(contacts.empty());
        std::string flat; // the file with its folds removed
        std::size_t telLines = 0, numbers = 0;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            line.erase(line.find_last_not_of('\r') + 1);
            const bool folded = !flat.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t');
            flat += folded ? line.substr(1) : '\n' + line;
            telLines += !folded && std::regex_search(line, telLine);
        }
        for (const auto& c : contacts) {
            EXPECT_TRUE(allValidUtf8(c)) << c.displayName;
            for (const auto& phone : phonesOf(c)) {
                ++numbers;
                EXPECT_NE(flat.find(phone.second), std::string::npos) << phone.second;
            }
        }
        EXPECT_EQ(numbers, telLines);
    }
}

// The fuzz target checks only that reading survives; this one also that every text handed out is UTF-8.
TEST(VCardReader, MutatedAndRandomInputGivesOnlyValidUtf8)
{
    std::vector<std::string> seeds;
    for (auto& [name, text] : corpus())
        seeds.push_back(std::move(text));
    seeds.push_back(vcard("2.1", "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=91=\r\n=C3=91;;;;\r\nAGENT:\r\n"
                                 "BEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\nitem1.TEL;TYPE=\"cell,voice\":+1 555\r\n"
                                 "item1.X-ABLabel:_$!<Mobile>!$_\r\nPHOTO;BASE64:\r\n AAAA\r\n\r\n"));
    seeds.push_back(encoded(seeds.back(), QStringConverter::Utf16LE));
    const std::string tokens[] = {"\r", "\n", "\r\n ", "=", "=\r\n", ":", ";", "\"", "\\", ",", ".", "\xC3", "\xFF",
                                  std::string(1, '\0'), "BEGIN:VCARD\r\n", "END:VCARD\r\n", "AGENT:\r\n", "item1.",
                                  "TEL;", "ENCODING=QUOTED-PRINTABLE:", "CHARSET=latin1:", "tel:", "ENCODING=b:",
                                  "CHARSET=ISO-2022-JP:\x1B$B", "CHARSET=Shift_JIS:\x95", "\xFE\xFF"};
    std::mt19937 random(20240531);
    auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(random); }; // 0..n
    const auto started = std::chrono::steady_clock::now();
    for (int round = 0; round < 3000 && std::chrono::steady_clock::now() - started < std::chrono::seconds(3); ++round) {
        std::string input = seeds[below(seeds.size() - 1)];
        if (round % 10 == 0)
            for (char& c : input)
                c = static_cast<char>(below(255));
        for (std::size_t edits = round % 10 ? 1 + below(7) : 0; edits > 0; --edits) {
            const std::size_t at = below(input.size());
            switch (below(4)) {
            case 0: input.insert(at, 1, static_cast<char>(below(255))); break;
            case 1: input.insert(at, tokens[below(std::size(tokens) - 1)]); break;
            case 2: input.erase(at, below(64)); break;
            case 3: input.insert(at, input.substr(below(input.size()), below(256))); break;
            default: input.resize(at); break;
            }
        }
        for (const auto& c : readVCards(input))
            ASSERT_TRUE(allValidUtf8(c)) << "round " << round << ": " << testing::PrintToString(input.substr(0, 2000));
    }
}

TEST(VCardReader, LargeHostileInputStaysLinear)
{
    std::string items;
    for (int i = 0; i < 20000; ++i)
        items += "item" + std::to_string(i) + ".TEL:1\r\nitem" + std::to_string(i) + ".X-ABLabel:x\r\n";
    const std::size_t mb = 1 << 20;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(readVCards(std::string(2 * mb, '\r')).empty());
    EXPECT_TRUE(readVCards(repeat("BEGIN:VCARD\r\n", 100000)).empty());
    EXPECT_TRUE(readVCards(vcard("3.0", "TEL;TYPE=\"" + std::string(2 * mb, 'a') + "\r\nNOTE:" + std::string(2 * mb, 'b')
                                            + "\r\n")).empty());
    const auto softBreaks = readVCards(vcard("2.1", "NOTE;QUOTED-PRINTABLE:" + repeat("=\r\n", mb / 2) + "x\r\nTEL:1\r\n"));
    ASSERT_EQ(softBreaks.size(), 1u);
    EXPECT_EQ(softBreaks[0].values.size(), 2u);
    const auto overlong = readVCards(vcard("3.0", "TEL:1\r\n" + repeat(" 12\r\n", mb / 2) + "TEL:2\r\n"));
    ASSERT_EQ(overlong.size(), 1u);
    EXPECT_EQ(phonesOf(overlong[0]), (std::vector<Labelled>{{"phone", "2"}}));
    const auto many = readVCards(vcard("3.0", "X-JUNK" + std::string(mb, ';') + ":\r\n" + items));
    ASSERT_EQ(many.size(), 1u);
    EXPECT_EQ(many[0].values.size(), 20000u);
    // Quadratic behaviour on inputs this size would take hours; the bound only has to catch that.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

} // namespace
