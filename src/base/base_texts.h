// Texts of the message module and of the device messages: the caption the
// system gives a box that has none, and the Japanese texts (Shift-JIS bytes).
#pragma once

namespace lomvex {

constexpr char kErrorCaption[] = "Error";

namespace ja {

extern const char kErrorCaption[];
extern const char kBadDeviceId[];
extern const char kDeviceNoMemory[];
extern const char kNoPlayDriver[];
extern const char kNoRecordDriver[];  // the input device refuses a format
extern const char kCantOpenOutput[];
// What the input device answered a format query with.
extern const char kQueryBadId[];
extern const char kQueryAllocated[];
extern const char kQueryNoDriver[];
extern const char kQueryNoMemory[];
extern const char kQueryNotSync[];
extern const char kQueryUnknown[];

}  // namespace ja
}  // namespace lomvex
