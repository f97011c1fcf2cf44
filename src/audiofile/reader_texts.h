// The Japanese texts of the file reader's messages (Shift-JIS bytes).
#pragma once

namespace lomvex::ja {

extern const char kFileNameMissing[];
extern const char kCantOpenFile[];
extern const char kNotRiffFile[];
extern const char kNotWaveFile[];
extern const char kRiffNoData[];
extern const char kWaveNoData[];
extern const char kFileDestroyed[];
extern const char kCantReadFmt[];
extern const char kNoMemory[];
extern const char kMemoryLockFailed[];
extern const char kDataEmpty[];
extern const char kOutputAllocated[];
extern const char kPathTooLong[];
extern const char kBadChannels[];
extern const char kBadRate[];
extern const char kBadBits[];
extern const char kBadBlock[];
extern const char kOggNotVorbis[];
extern const char kOggChained[];
extern const char kOggDamaged[];

}  // namespace lomvex::ja
