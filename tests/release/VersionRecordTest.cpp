#include "Hex.h"
#include "ReleaseFile.h"
#include "VersionRecord.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

pe::VersionRecord ReleaseVersionRecord()
{
    const std::vector<const pe::Resource*> records = ReleaseResources().Find(pe::kRtVersion, 1);
    if (records.size() != 1)
        throw std::runtime_error("version record 1 under " + std::to_string(records.size()) + " languages");
    return pe::ParseVersionRecord(records.front()->data);
}

TEST(VersionRecordTest, FixedPartNamesVersion1001OfA32BitWindowsApplication)
{
    const pe::FixedFileInfo fixed = ReleaseVersionRecord().fixed;
    // 1.0.0.1: major and minor in the high words, build and revision in the low ones.
    EXPECT_EQ(Hex(fixed.fileVersionMs), Hex(0x00010000));
    EXPECT_EQ(Hex(fixed.fileVersionLs), Hex(0x00000001));
    EXPECT_EQ(Hex(fixed.productVersionMs), Hex(0x00010000));
    EXPECT_EQ(Hex(fixed.productVersionLs), Hex(0x00000001));
    EXPECT_EQ(fixed.fileType, win32::VFT_APP);
    EXPECT_TRUE(fixed.fileOs == win32::VOS_NT_WINDOWS32 || fixed.fileOs == win32::VOS__WINDOWS32)
        << Hex(fixed.fileOs);
}

TEST(VersionRecordTest, OneUsEnglishStringBlockAndItsTranslation)
{
    const pe::VersionRecord record = ReleaseVersionRecord();
    ASSERT_EQ(record.stringTables.size(), 1u);
    ASSERT_EQ(record.stringTables.count(u"040904e4"), 1u);
    const std::map<std::u16string, std::u16string>& strings = record.stringTables.at(u"040904e4");
    const std::map<std::u16string, std::u16string> expected = {
        {u"FileVersion", u"1.0.0.1"},
        {u"ProductVersion", u"1.0.0.1"},
        {u"FileDescription", u"Kalimor"},
        {u"ProductName", u"Kalimor"},
    };
    std::map<std::u16string, std::u16string> actual;
    for (const auto& entry : expected) {
        if (strings.count(entry.first) != 0)
            actual[entry.first] = strings.at(entry.first);
    }
    EXPECT_EQ(actual, expected);

    ASSERT_EQ(record.translations.size(), 1u);
    EXPECT_EQ(record.translations[0].language, 0x0409);
    EXPECT_EQ(record.translations[0].codePage, 1252);
}

}  // namespace
