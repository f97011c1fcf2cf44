// A message sink for the Win32 tests: texts come from the real string
// table, boxes are recorded instead of shown.
#pragma once

#include <string>
#include <vector>

#include "common/recording_sink.h"
#include "base/win32/message_box_sink.h"

namespace lomvex::testing {

class CapturingSink : public RecordingSink {
   public:
    std::string LoadText(int id) override { return lomvex::LoadText(id); }
};

}  // namespace lomvex::testing
