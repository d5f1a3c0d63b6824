#include "DialogTemplate.h"

#include <cstring>

namespace {

// Leading fields of an extended template; a classic one starts with its style instead.
#pragma pack(push, 2)
struct DialogTemplateEx {
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    WORD cDlgItems;
    short x;
    short y;
};
#pragma pack(pop)

}  // namespace

bool ReadDialogTemplateHeader(HINSTANCE module, UINT id, DialogTemplateHeader& header)
{
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data || ::SizeofResource(module, resource) < sizeof(DialogTemplateEx))
        return false;

    DialogTemplateEx ex;
    std::memcpy(&ex, data, sizeof(ex));
    if (ex.dlgVer == 1 && ex.signature == 0xFFFF) {
        header = {ex.style, ex.exStyle, ex.x, ex.y};
    } else {
        DLGTEMPLATE classic;
        std::memcpy(&classic, data, sizeof(classic));
        header = {classic.style, classic.dwExtendedStyle, classic.x, classic.y};
    }
    return true;
}
