#include "ProgramResources.h"

#include "WindowQueries.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace {

// One entry of the GDI handle table; a live object has a nonzero type.
struct GdiHandleEntry {
    std::uint64_t kernelObject;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the table's entry, the same in 32-bit and 64-bit processes");

constexpr std::size_t kGdiTableEntries = 0x10000;
// The test runs as the program does, both 32-bit or both 64-bit.
constexpr std::size_t kPebGdiHandleTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

int CountDescendants(HWND window)
{
    int count = 0;
    for (HWND child : ChildWindows(window))
        count += 1 + CountDescendants(child);
    return count;
}

bool ReadFrom(HANDLE process, const void* address, void* buffer, std::size_t size)
{
    SIZE_T read = 0;
    return ::ReadProcessMemory(process, address, buffer, size, &read) && read == size;
}

}  // namespace

int CountWindows(DWORD processId)
{
    int count = 0;
    for (HWND window : TopLevelWindowsOf(processId))
        count += 1 + CountDescendants(window);
    return count;
}

std::map<int, int> CountGdiObjectsByType(HANDLE process)
{
    using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return {};

    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const void* table = nullptr;
    if (!ReadFrom(process, peb + kPebGdiHandleTableOffset, &table, sizeof(table)) || !table)
        return {};
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadFrom(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry)))
        return {};

    std::map<int, int> live;
    for (const GdiHandleEntry& entry : entries) {
        if (entry.type != 0)
            ++live[entry.type];
    }
    return live;
}
