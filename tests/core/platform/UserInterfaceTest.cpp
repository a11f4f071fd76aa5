#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

TEST(UserInterfaceTest, WithoutAnInstalledInterfaceMessagesGetTheirDefaultAnswer) {
    EXPECT_EQ(Ui().ShowMessage("note"), MessageResult::Ok);
    EXPECT_EQ(Ui().ShowMessage("q?", MessageButtons::YesNo, MessageIcon::Question),
              MessageResult::No);
    EXPECT_EQ(Ui().ShowMessage("q?", MessageButtons::YesNoCancel), MessageResult::Cancel);
    EXPECT_EQ(Ui().ShowMessage("q?", MessageButtons::OkCancel), MessageResult::Cancel);
}

TEST(UserInterfaceTest, InstalledInterfaceIsRestoredWhenItsScopeEnds) {
    {
        test::FakeUserInterface fake;
        fake.ExpectMessage("two\nlines", MessageResult::Yes);
        EXPECT_EQ(Ui().ShowMessage("two\nlines", MessageButtons::YesNo, MessageIcon::Question),
                  MessageResult::Yes);
        ASSERT_EQ(fake.Messages().size(), 1U);
        EXPECT_EQ(fake.Messages()[0].icon, MessageIcon::Question);
        EXPECT_EQ(fake.Messages()[0].buttons, MessageButtons::YesNo);
    }
    EXPECT_EQ(Ui().ShowMessage("quiet again", MessageButtons::YesNo), MessageResult::No);
}

TEST(UserInterfaceTest, WaitCursorEndsWhenAnOperationEndsEarly) {
    test::FakeUserInterface fake;
    try {
        WaitCursor busy;
        EXPECT_EQ(fake.WaitCursorDepth(), 1);
        throw std::runtime_error("aborted");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(fake.WaitCursorDepth(), 0);
    EXPECT_EQ(fake.WaitCursorUses(), 1);
}

TEST(UserInterfaceTest, StatusTextsAreRecordedInOrder) {
    test::FakeUserInterface fake;
    for (int i = 1; i <= 3; ++i) {
        Ui().ShowStatus("step " + std::to_string(i));
    }
    EXPECT_EQ(fake.StatusTexts(), (std::vector<std::string>{"step 1", "step 2", "step 3"}));
}

}  // namespace
}  // namespace tapwright
