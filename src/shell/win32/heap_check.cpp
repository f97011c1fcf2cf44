// The heap walk and the general heap check.
#include "shell/win32/heap_check.h"

#include <windows.h>

#include "base/messages.h"

namespace lomvex {
namespace {

enum class HeapStatus { Ok, Empty, BadNode, Corrupt };

HeapStatus WalkHeap(HANDLE heap) {
    PROCESS_HEAP_ENTRY entry = {};
    int entries = 0;
    if (!HeapLock(heap)) return HeapStatus::BadNode;
    while (HeapWalk(heap, &entry)) ++entries;
    DWORD error = GetLastError();
    HeapUnlock(heap);
    if (error != ERROR_NO_MORE_ITEMS) return HeapStatus::BadNode;
    return entries == 0 ? HeapStatus::Empty : HeapStatus::Ok;
}

void Report(const char* text, const char* caption) {
    ShowDiagnostic(text, caption, BoxOwner::None);
}

}  // namespace

void CheckHeap(const char* caption) {
    HANDLE heap = GetProcessHeap();
    switch (WalkHeap(heap)) {
        case HeapStatus::Ok:
            break;
        case HeapStatus::Empty:
            Report("HEAP EMPTY", caption);
            break;
        default:
            Report("HEAP BAD NODE", caption);
            break;
    }
    if (!HeapValidate(heap, 0, nullptr)) Report("HEAP CORRUPT", caption);
}

}  // namespace lomvex
