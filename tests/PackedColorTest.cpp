#include "PackedColor.h"

#include <gtest/gtest.h>

using platform::Color;

TEST(PackedColor, PacksTheDocumentedExamples)
{
    struct Case {
        Color color;
        std::uint32_t packed;
    } cases[] = {
        {Color::white(), 0xFFFFFFFF},
        {Color::black(), 0x000000FF},
        {Color::clear(), 0x00000000},
        {{0.5f, 0.5f, 0.5f, 0.5f}, 0x80808080}, // 127.5 rounds away from zero
        {Color::rgb255(27, 28, 28), 0x1B1C1CFF},
        {{0.3f, 0.3f, 0.3f, 1}, 0x4D4D4DFF}, // 0.3 as a float packs to 77
    };
    for (const auto& c : cases)
        EXPECT_EQ(packColor(c.color), c.packed) << std::hex << c.packed;
}

TEST(PackedColor, UnpacksToSinglePrecisionChannelsAndEveryChannelValueSurvivesTheRoundTrip)
{
    Color c = unpackColor(0xA8A8A8FF);
    EXPECT_FLOAT_EQ(c.red, float(168 / 255.0));
    EXPECT_FLOAT_EQ(c.blue, float(168 / 255.0));
    EXPECT_EQ(c.alpha, 1.0f);
    for (std::uint32_t n = 0; n <= 255; ++n)
        for (int shift : {24, 16, 8, 0})
            ASSERT_EQ(packColor(unpackColor(n << shift)), n << shift) << "channel value " << n << " at bit " << shift;
    EXPECT_EQ(packColor(unpackColor(0x12345678)), 0x12345678u);
}

TEST(PackedColor, OutOfRangeComponentsAreClampedInsteadOfSpillingIntoNeighbours)
{
    EXPECT_EQ(packColor({1.5f, 0, 0, 1}), 0xFF0000FFu);
    EXPECT_EQ(packColor({0, -0.5f, 0, 1}), 0x000000FFu);
    EXPECT_EQ(packColor({0, 0, 0, 7.0f}), 0x000000FFu);
}
