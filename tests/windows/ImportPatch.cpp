#include "ImportPatch.h"

#include <cstring>
#include <strings.h>

namespace {

// The import address table slot of dll!function in the main module, or null.
void** FindImportSlot(const char* dll, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         descriptor->Name; ++descriptor) {
        if (strcasecmp(reinterpret_cast<const char*>(base + descriptor->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&addresses->u1.Function);
        }
    }
    return nullptr;
}

}  // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, void* replacement)
    : m_slot(FindImportSlot(dll, function))
{
    if (!m_slot)
        return;
    m_original = *m_slot;
    Write(m_slot, replacement);
}

ImportPatch::~ImportPatch()
{
    if (m_slot)
        Write(m_slot, m_original);
}

void ImportPatch::Write(void** slot, void* value)
{
    DWORD protection = 0;
    ::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    *slot = value;
    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
}
