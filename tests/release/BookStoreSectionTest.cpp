#include "BaseRelocations.h"
#include "CoffSymbols.h"
#include "Hex.h"
#include "ReleaseFile.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace win32;

// i386 COFF puts "_" before every C-level name, so the Itanium-mangled
// BookStore::GetStart() and BookStore::GetLength() carry two.
const std::string kGetStart = "__ZN9BookStore8GetStartEv";
const std::string kGetLength = "__ZN9BookStore9GetLengthEv";

constexpr std::uint8_t kMovEaxImm32 = 0xB8;
constexpr std::uint8_t kRet = 0xC3;

// The section ".code" and the symbols defined in it, by name, without the section's own symbol.
class BookStoreSectionTest : public testing::Test {
protected:
    void SetUp() override
    {
        const pe::PeImage& image = ReleaseImage();
        m_section = image.FindSection(".code");
        ASSERT_NE(m_section, nullptr) << "no section .code";
        const auto sectionNumber = static_cast<std::int16_t>(m_section - image.Sections().data() + 1);
        for (const pe::Symbol& symbol : pe::ReadSymbols(image)) {
            const bool sectionSymbol = symbol.storageClass == pe::kClassStatic && symbol.name == m_section->name;
            if (symbol.sectionNumber == sectionNumber && !sectionSymbol)
                m_symbols[symbol.name] = symbol;
        }
    }

    // The constant that `mov eax, imm32; ret` at the function returns; nothing for other code.
    std::optional<std::uint32_t> ConstantReturned(const std::string& function) const
    {
        const pe::ByteView code = ReleaseImage().SectionData(*m_section).Sub(m_symbols.at(function).value, 6);
        if (code.U8(0) != kMovEaxImm32 || code.U8(5) != kRet)
            return std::nullopt;
        return code.U32(1);
    }

    const pe::Section* m_section = nullptr;
    std::map<std::string, pe::Symbol> m_symbols;
};

TEST_F(BookStoreSectionTest, HoldsOnlyTheTwoOperations)
{
    EXPECT_EQ(Hex(m_section->characteristics & (IMAGE_SCN_CNT_CODE | IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_WRITE)),
              Hex(IMAGE_SCN_CNT_CODE | IMAGE_SCN_MEM_EXECUTE));
    std::vector<std::string> names;
    for (const auto& [name, symbol] : m_symbols) {
        names.push_back(name);
        EXPECT_EQ(symbol.storageClass, pe::kClassExternal) << name;
        EXPECT_EQ(symbol.type, pe::kTypeFunction) << name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{kGetStart, kGetLength}));  // in name order
}

TEST_F(BookStoreSectionTest, GetLengthReturnsTheSizeOfTheBook)
{
    ASSERT_EQ(m_symbols.count(kGetLength), 1u);
    const std::optional<std::uint32_t> length = ConstantReturned(kGetLength);
    ASSERT_TRUE(length.has_value()) << "GetLength is not mov eax, imm32; ret";
    EXPECT_EQ(*length, BookFile().size());
}

TEST_F(BookStoreSectionTest, GetStartReturnsTheBookWithItsTerminatorInReadOnlyInitializedData)
{
    ASSERT_EQ(m_symbols.count(kGetStart), 1u);
    const std::optional<std::uint32_t> start = ConstantReturned(kGetStart);
    ASSERT_TRUE(start.has_value()) << "GetStart is not mov eax, imm32; ret";

    const pe::PeImage& image = ReleaseImage();
    const std::uint32_t rva = *start - image.ImageBase();
    const pe::Section* section = image.SectionOfRva(rva);
    ASSERT_NE(section, nullptr) << "GetStart points outside the image: " << Hex(*start);
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
    ASSERT_EQ(m_symbols.count(kGetStart), 1u);
    const pe::PeImage& image = ReleaseImage();
    const bool movable = (image.DllCharacteristics() & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) != 0;
    const std::uint32_t immediate = m_section->virtualAddress + m_symbols.at(kGetStart).value + 1;
    EXPECT_TRUE(!movable || pe::ReadHighLowRelocations(image).count(immediate) == 1)
        << "no base relocation for GetStart's address at RVA " << Hex(immediate);
}

}  // namespace
