// Japanese texts of the engine's messages (Shift-JIS bytes), and the text
// that is the same in both languages.
#pragma once

namespace lomvex {

constexpr char kDiskFullText[] = "Disk full or Disk I/O error";

namespace ja {

extern const char kHeaderAllocFailed[];
extern const char kHeaderLockFailed[];
extern const char kNotEnoughMemory[];
extern const char kDataLockFailed[];
extern const char kCantReadData[];
extern const char kHeaderFailed[];
extern const char kWaveOutWriteFailed[];
extern const char kSoundInUse[];
extern const char kNotPcm[];
extern const char kCantOpenWriteFile[];
extern const char kCantCreateRiff[];
extern const char kCantCreateFmt[];
extern const char kCantCreateData[];
extern const char kSaveOntoSource[];
extern const char kCantOpenInput[];
extern const char kAddBufferFailed[];
extern const char kRecFailed[];
// Shown in both languages when the input's buffer handler is entered again
// while a message box inside it is open.
extern const char kReentry[];

}  // namespace ja
}  // namespace lomvex
