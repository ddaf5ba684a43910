#include "GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace testsupport {
namespace {

// One slot of the per-process GDI handle table the environment block points at; a handle's low 16 bits index it.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;  // low byte: the object's type and the stock flag; high: generation
    std::uint8_t type;     // 0: a free slot
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t GdiHandleTableSize = 0x10000;
constexpr std::uint16_t StockObjectFlag = 0x80;

// Offset of GdiSharedHandleTable in the 64-bit process environment block.
static_assert(sizeof(void*) == 8, "the offset below is the 64-bit one");
constexpr std::size_t PebGdiHandleTableOffset = 0xF8;

bool RunningUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

bool IsLiveOwnObject(const GdiHandleEntry& entry) { return entry.type != 0 && (entry.unique & StockObjectFlag) == 0; }

}  // namespace

int CountLiveGdiObjects() { return CountLiveGdiObjects(GetCurrentProcess()); }

int CountLiveGdiObjects(HANDLE process) {
    if (!RunningUnderWine()) {
        return static_cast<int>(GetGuiResources(process, GR_GDIOBJECTS));
    }
    PROCESS_BASIC_INFORMATION info{};
    const GdiHandleEntry* table = nullptr;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, nullptr) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<const std::byte*>(info.PebBaseAddress) + PebGdiHandleTableOffset,
                           &table, sizeof table, nullptr) ||
        table == nullptr) {
        return -1;
    }
    // Another process's table is read through a copy.
    std::vector<GdiHandleEntry> copy;
    if (process != GetCurrentProcess()) {
        copy.resize(GdiHandleTableSize);
        if (!ReadProcessMemory(process, table, copy.data(), copy.size() * sizeof copy[0], nullptr)) {
            return -1;
        }
        table = copy.data();
    }
    return static_cast<int>(std::count_if(table, table + GdiHandleTableSize, IsLiveOwnObject));
}

}  // namespace testsupport
