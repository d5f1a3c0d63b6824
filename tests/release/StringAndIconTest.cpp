#include "IconGroup.h"
#include "ReleaseFile.h"
#include "StringTable.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

TEST(StringTableTest, AboutItemTextIsString101InArabic)
{
    EXPECT_EQ(pe::FindString(ReleaseResources(), 101, win32::LANG_ARABIC_EGYPT), u"عن البرنامج");
}

// Icon 128: 48, 32 and 16 pixels square, each in 16 colours, 256 colours and 24-bit colour.
TEST(ApplicationIconTest, GroupHoldsNineImagesOfThreeSizesAndThreeDepths)
{
    const std::vector<const pe::Resource*> groups = ReleaseResources().Find(pe::kRtGroupIcon, 128);
    ASSERT_EQ(groups.size(), 1u) << "icon group 128 under exactly one language";
    const std::vector<pe::IconGroupEntry> entries = pe::ParseIconGroup(groups.front()->data);

    std::vector<std::pair<int, int>> sizesAndDepths;
    for (const pe::IconGroupEntry& entry : entries) {
        SCOPED_TRACE("icon image " + std::to_string(entry.iconId));
        const pe::Resource* image = ReleaseResources().Find(pe::kRtIcon, entry.iconId, groups.front()->language);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(entry.bytes, image->data.Size());
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.planes, 1);

        const pe::IconImage header = pe::ParseIconImage(image->data);
        EXPECT_FALSE(header.png);
        EXPECT_EQ(header.width, entry.width);
        EXPECT_EQ(header.height, 2 * entry.width) << "colour bitmap and mask";
        EXPECT_EQ(header.bitCount, entry.bitCount) << "the group's entry and the image disagree";
        sizesAndDepths.emplace_back(header.width, header.bitCount);
    }
    std::sort(sizesAndDepths.begin(), sizesAndDepths.end());
    const std::vector<std::pair<int, int>> expected = {{16, 4}, {16, 8}, {16, 24}, {32, 4}, {32, 8},
                                                       {32, 24}, {48, 4}, {48, 8}, {48, 24}};
    EXPECT_EQ(sizesAndDepths, expected);
}

}  // namespace
