#include "Hex.h"
#include "ReleaseFile.h"
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

TEST(ImageHeadersTest, KeepsItsSymbolTable)
{
    EXPECT_NE(ReleaseImage().SymbolTableOffset(), 0u);
    EXPECT_GT(ReleaseImage().SymbolCount(), 0u);
}

}  // namespace
