#include "BaseRelocations.h"
#include "ConstantFunctions.h"
#include "Hex.h"
#include "ReleaseFile.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

using namespace win32;

// The section ".code", read as functions that return constants. The release
// has no symbols, so the two operations are told apart by what they return:
// GetStart an address inside the image where a book begins, with its first
// tag; GetLength a count, which a book of more bytes than the image's base
// address makes look like an address too.
class BookStoreSectionTest : public testing::Test {
protected:
    void SetUp() override
    {
        const pe::PeImage& image = ReleaseImage();
        m_section = image.FindSection(".code");
        ASSERT_NE(m_section, nullptr) << "no section .code";
        ASSERT_NO_THROW(m_functions = pe::ReadConstantFunctions(image.SectionData(*m_section)));
        for (const pe::ConstantFunction& function : m_functions)
            (IsImageAddress(function.value) ? m_getStart : m_getLength) = function;
    }

    static bool IsImageAddress(std::uint32_t value)
    {
        const pe::PeImage& image = ReleaseImage();
        if (value < image.ImageBase() || image.SectionOfRva(value - image.ImageBase()) == nullptr)
            return false;
        constexpr std::string_view kFirstTag = "*BOOK*";
        try {
            return image.AtRva(value - image.ImageBase(), static_cast<std::uint32_t>(kFirstTag.size())).Chars() == kFirstTag;
        } catch (const std::exception&) {
            return false;  // too near the end of the image to hold a book
        }
    }

    const pe::Section* m_section = nullptr;
    std::vector<pe::ConstantFunction> m_functions;
    std::optional<pe::ConstantFunction> m_getStart;
    std::optional<pe::ConstantFunction> m_getLength;
};

TEST_F(BookStoreSectionTest, HoldsOnlyTheTwoOperations)
{
    EXPECT_EQ(Hex(m_section->characteristics & (IMAGE_SCN_CNT_CODE | IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_WRITE)),
              Hex(IMAGE_SCN_CNT_CODE | IMAGE_SCN_MEM_EXECUTE));
    EXPECT_EQ(m_functions.size(), 2u);
    EXPECT_TRUE(m_getStart.has_value()) << "no function returns an address";
    EXPECT_TRUE(m_getLength.has_value()) << "no function returns a count";
}

TEST_F(BookStoreSectionTest, GetLengthReturnsTheSizeOfTheBook)
{
    ASSERT_TRUE(m_getLength.has_value());
    EXPECT_EQ(m_getLength->value, BookFile().size());
}

TEST_F(BookStoreSectionTest, GetStartReturnsTheBookWithItsTerminatorInReadOnlyInitializedData)
{
    ASSERT_TRUE(m_getStart.has_value());
    const pe::PeImage& image = ReleaseImage();
    const std::uint32_t rva = m_getStart->value - image.ImageBase();
    const pe::Section* section = image.SectionOfRva(rva);
    EXPECT_EQ(Hex(section->characteristics & (IMAGE_SCN_CNT_INITIALIZED_DATA | IMAGE_SCN_CNT_CODE |
                                              IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_WRITE)),
              Hex(IMAGE_SCN_CNT_INITIALIZED_DATA))
        << section->name;

    const std::string& book = BookFile();
    const std::string_view stored = image.AtRva(rva, static_cast<std::uint32_t>(book.size() + 1)).Chars();
    EXPECT_TRUE(stored.substr(0, book.size()) == book) << "the bytes at GetStart differ from the book file";
    EXPECT_EQ(stored.back(), '\0') << "no NUL after the book";
}

// GetStart's constant is an address, so it must move with an image that the loader may move.
TEST_F(BookStoreSectionTest, GetStartIsRelocatedWithTheImage)
{
    ASSERT_TRUE(m_getStart.has_value());
    const pe::PeImage& image = ReleaseImage();
    const bool movable = (image.DllCharacteristics() & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) != 0;
    const std::uint32_t immediate = m_section->virtualAddress + m_getStart->offset + 1;
    EXPECT_TRUE(!movable || pe::ReadHighLowRelocations(image).count(immediate) == 1)
        << "no base relocation for GetStart's address at RVA " << Hex(immediate);
}

// Code of any other shape in the section is refused, not skipped.
TEST_F(BookStoreSectionTest, AnyOtherCodeInTheSectionIsRefused)
{
    const std::string_view section = ReleaseImage().SectionData(*m_section).Chars();
    const auto read = [](std::string bytes) {
        pe::ReadConstantFunctions({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    };
    const std::string pushEbp = "\x55";
    const std::string returnZero = "\x31\xC0\xC3";  // xor eax, eax; ret
    const std::string movWithoutRet("\xB8\x01\x00\x00\x00", 5);
    EXPECT_THROW(read(pushEbp + std::string(section)), pe::MalformedFile);
    EXPECT_THROW(read(std::string(section) + returnZero), pe::MalformedFile);
    EXPECT_THROW(read(std::string(section) + movWithoutRet), pe::MalformedFile);
}

}  // namespace
