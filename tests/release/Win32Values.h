#pragma once

#include <cstdint>

// The documented values of the Win32 constants that the checks name.
namespace win32 {

inline constexpr std::uint16_t IMAGE_FILE_MACHINE_I386 = 0x014C;
inline constexpr std::uint16_t IMAGE_FILE_EXECUTABLE_IMAGE = 0x0002;
inline constexpr std::uint16_t IMAGE_FILE_32BIT_MACHINE = 0x0100;
inline constexpr std::uint16_t IMAGE_FILE_DLL = 0x2000;
inline constexpr std::uint16_t IMAGE_SUBSYSTEM_WINDOWS_GUI = 2;
inline constexpr std::uint16_t IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE = 0x0040;

inline constexpr std::uint32_t IMAGE_SCN_CNT_CODE = 0x00000020;
inline constexpr std::uint32_t IMAGE_SCN_CNT_INITIALIZED_DATA = 0x00000040;
inline constexpr std::uint32_t IMAGE_SCN_MEM_EXECUTE = 0x20000000;
inline constexpr std::uint32_t IMAGE_SCN_MEM_READ = 0x40000000;
inline constexpr std::uint32_t IMAGE_SCN_MEM_WRITE = 0x80000000;

inline constexpr std::uint16_t LANG_ARABIC_EGYPT = 0x0C01;  // 3073
inline constexpr std::uint8_t ARABIC_CHARSET = 178;

inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;

inline constexpr std::uint32_t DS_SYSMODAL = 0x0002;
inline constexpr std::uint32_t DS_SETFONT = 0x0040;
inline constexpr std::uint32_t DS_MODALFRAME = 0x0080;
inline constexpr std::uint32_t DS_CENTER = 0x0800;
inline constexpr std::uint32_t DS_CENTERMOUSE = 0x1000;

inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr std::uint32_t WS_EX_RIGHT = 0x00001000;
inline constexpr std::uint32_t WS_EX_RTLREADING = 0x00002000;
inline constexpr std::uint32_t WS_EX_LAYOUTRTL = 0x00400000;

inline constexpr std::uint32_t ES_ALIGNMENT = 0x0003;  // ES_LEFT, ES_CENTER or ES_RIGHT
inline constexpr std::uint32_t ES_RIGHT = 0x0002;
inline constexpr std::uint32_t ES_MULTILINE = 0x0004;
inline constexpr std::uint32_t ES_AUTOVSCROLL = 0x0040;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
inline constexpr std::uint32_t ES_NOHIDESEL = 0x0100;
inline constexpr std::uint32_t ES_READONLY = 0x0800;
inline constexpr std::uint32_t ES_WANTRETURN = 0x1000;

inline constexpr std::uint32_t SS_TYPEMASK = 0x001F;
inline constexpr std::uint32_t SS_LEFT = 0x0000;
inline constexpr std::uint32_t SS_CENTER = 0x0001;
inline constexpr std::uint32_t SS_RIGHT = 0x0002;
inline constexpr std::uint32_t SS_ICON = 0x0003;
inline constexpr std::uint32_t SS_REALSIZECONTROL = 0x0040;
inline constexpr std::uint32_t SS_NOPREFIX = 0x0080;
inline constexpr std::uint32_t SS_CENTERIMAGE = 0x0200;

inline constexpr std::uint32_t BS_TYPEMASK = 0x000F;
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;

inline constexpr std::uint32_t VFT_APP = 1;
inline constexpr std::uint32_t VOS__WINDOWS32 = 0x00000004;
inline constexpr std::uint32_t VOS_NT_WINDOWS32 = 0x00040004;

}  // namespace win32
