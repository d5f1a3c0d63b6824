#include "BaseRelocations.h"
#include "ConstantFunctions.h"
#include "DialogTemplateEx.h"
#include "IconGroup.h"
#include "ReleaseFile.h"
#include "StringTable.h"
#include "VersionRecord.h"
#include "XmlElements.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace {

// Reads everything that the checks read: headers, the book store's code, relocations and every resource.
void ReadEverything(const std::vector<std::uint8_t>& bytes)
{
    const pe::PeImage image(bytes);
    if (const pe::Section* code = image.FindSection(".code"))
        pe::ReadConstantFunctions(image.SectionData(*code));
    pe::ReadHighLowRelocations(image);
    const pe::ResourceTree resources(image);
    for (const pe::Resource& resource : resources.All()) {
        if (resource.type.Is(pe::kRtDialog))
            pe::ParseDialogTemplateEx(resource.data);
        else if (resource.type.Is(pe::kRtString))
            pe::ParseStringBlock(resource.data);
        else if (resource.type.Is(pe::kRtGroupIcon))
            pe::ParseIconGroup(resource.data);
        else if (resource.type.Is(pe::kRtIcon))
            pe::ParseIconImage(resource.data);
        else if (resource.type.Is(pe::kRtVersion))
            pe::ParseVersionRecord(resource.data);
        else if (resource.type.Is(pe::kRtManifest))
            pe::ReadXmlElements(resource.data.Chars());
    }
}

std::vector<std::uint8_t> ReleaseBytes()
{
    const pe::ByteView file = ReleaseImage().File();
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.Chars().data());
    return {data, data + file.Size()};
}

TEST(MalformedFileTest, WholeReleaseFileReads)
{
    EXPECT_NO_THROW(ReadEverything(ReleaseBytes()));
}

// Cut inside the headers, the section table, the resources or the last section.
TEST(MalformedFileTest, TruncatedFileIsRefused)
{
    const std::vector<std::uint8_t> bytes = ReleaseBytes();
    const pe::PeImage& image = ReleaseImage();
    const pe::Section* resources = image.SectionOfRva(image.Directory(pe::kResourceDirectory).rva);
    ASSERT_NE(resources, nullptr);
    const std::vector<std::size_t> cuts = {
        0, 2, 0x3C, 0x80, 0x100, 0x200,
        resources->rawOffset + 1, resources->rawOffset + resources->virtualSize / 2,
        resources->rawOffset + resources->virtualSize - 1,
        bytes.size() - 1};
    for (std::size_t cut : cuts) {
        ASSERT_LT(cut, bytes.size());
        EXPECT_THROW(ReadEverything({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)}),
                     pe::MalformedFile)
            << "cut at " << cut;
    }
}

// Every structure that the file holds is refused when any of its bytes are missing.
TEST(MalformedFileTest, TruncatedResourcesAreRefused)
{
    const std::vector<std::pair<std::uint16_t, std::function<void(pe::ByteView)>>> parsers = {
        {pe::kRtDialog, [](pe::ByteView data) { pe::ParseDialogTemplateEx(data); }},
        {pe::kRtString, [](pe::ByteView data) { pe::ParseStringBlock(data); }},
        {pe::kRtGroupIcon, [](pe::ByteView data) { pe::ParseIconGroup(data); }},
        {pe::kRtVersion, [](pe::ByteView data) { pe::ParseVersionRecord(data); }},
    };
    for (const auto& [type, parse] : parsers) {
        for (const pe::Resource& resource : ReleaseResources().All()) {
            if (!resource.type.Is(type))
                continue;
            for (std::size_t length = 0; length < resource.data.Size(); ++length) {
                EXPECT_THROW(parse(resource.data.Sub(0, length)), pe::MalformedFile)
                    << "type " << type << " name " << resource.name.number << " cut at " << length;
            }
        }
    }
}

// Random damage to the resources gives values or MalformedFile, never another failure or a crash.
TEST(MalformedFileTest, DamagedResourcesNeverReadOutOfBounds)
{
    const std::vector<std::uint8_t> original = ReleaseBytes();
    const pe::PeImage& image = ReleaseImage();
    const pe::Section* resources = image.SectionOfRva(image.Directory(pe::kResourceDirectory).rva);
    ASSERT_NE(resources, nullptr);
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> offset(resources->rawOffset,
                                                      resources->rawOffset + resources->virtualSize - 1);
    std::uniform_int_distribution<int> value(0, 255);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes = original;
        for (int i = 0; i < 4; ++i)
            bytes[offset(random)] = static_cast<std::uint8_t>(value(random));
        EXPECT_NO_THROW({
            try {
                ReadEverything(bytes);
            } catch (const pe::MalformedFile&) {
            }
        }) << "round " << round;
    }
}

}  // namespace
