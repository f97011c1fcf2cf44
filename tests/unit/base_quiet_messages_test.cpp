// The message layer's quiet mode: boxes become texts, in the current
// language, and nothing reaches the sink.
#include <gtest/gtest.h>

#include "common/recording_sink.h"

namespace lomvex {
namespace {

TEST(QuietMessages, EveryKindOfBoxIsKeptAsTextInsteadOfShown) {
    testing::RecordingSink sink;
    std::vector<std::string> texts;
    SetQuietMessages(&texts);
    ShowUserMessage(7, nullptr);
    ShowUserMessageOwnedBy(nullptr, 8, nullptr);
    SetJapaneseMessages(true);
    ShowUserMessage(9, "japanese %d", 5);
    ShowDiagnostic("diagnostic", "caption");
    ShowMessageBox({"level warning", "Level", BoxIcon::Warning, BoxOwner::None});
    EXPECT_EQ(ShowMmError(7, "label"), 1);
    SetQuietMessages(nullptr);
    EXPECT_TRUE(sink.boxes.empty());
    EXPECT_EQ(texts, (std::vector<std::string>{"#7", "#8", "japanese 5", "diagnostic",
                                               "level warning", "MMSYSERR_NOMEM"}));
    // Out of quiet mode the boxes show again.
    ShowDiagnostic("shown");
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(texts.size(), 6u);
}

TEST(QuietMessages, AFatalFailureStillEndsTheProcess) {
    testing::RecordingSink sink;
    std::vector<std::string> texts;
    SetQuietMessages(&texts);
    EXPECT_THROW(ShowFatal("no memory"), testing::FatalExit);
    SetQuietMessages(nullptr);
    EXPECT_EQ(texts, std::vector<std::string>{"no memory"});
    EXPECT_TRUE(sink.boxes.empty());
}

}  // namespace
}  // namespace lomvex
