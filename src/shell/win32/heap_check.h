// Run-time heap self-check, reported in plain message boxes.
#pragma once

namespace lomvex {

// Walks the process heap and validates it; shows "HEAP BAD NODE",
// "HEAP EMPTY", "HEAP NOT OK" or "HEAP CORRUPT" with `caption` when a check
// fails, nothing when both pass.
void CheckHeap(const char* caption);

}  // namespace lomvex
