#include "Hex.h"
#include "ReleaseFile.h"
#include "ReleasePaths.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

namespace {

using namespace win32;

TEST(ImageHeadersTest, IsA32BitI386WindowsGuiProgram)
{
    const pe::PeImage& image = ReleaseImage();
    EXPECT_EQ(Hex(image.Machine()), Hex(IMAGE_FILE_MACHINE_I386));
    EXPECT_EQ(image.Subsystem(), IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const std::uint16_t program = IMAGE_FILE_EXECUTABLE_IMAGE | IMAGE_FILE_32BIT_MACHINE;
    EXPECT_EQ(Hex(image.Characteristics() & (program | IMAGE_FILE_DLL)), Hex(program));
}

// The release is stripped and carries nothing that differs from one build to the next.
TEST(ImageHeadersTest, CarriesNoSymbolsDebugSectionsLinkTimeOrSourcePaths)
{
    const pe::PeImage& image = ReleaseImage();
    EXPECT_EQ(image.SymbolTableOffset(), 0u);
    EXPECT_EQ(image.SymbolCount(), 0u);
    EXPECT_EQ(image.TimeDateStamp(), 0u);
    for (const pe::Section& section : image.Sections())
        EXPECT_NE(section.name.rfind(".debug", 0), 0u) << section.name;
    EXPECT_EQ(image.File().Chars().find(kSourceDir), std::string_view::npos);
}

}  // namespace
