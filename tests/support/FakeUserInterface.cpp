#include "support/FakeUserInterface.h"

#include <gtest/gtest.h>

#include "document/DataFilesDlg.h"

namespace tapwright::test {

FakeUserInterface::FakeUserInterface() : installed_(*this) {}

FakeUserInterface::~FakeUserInterface() {
    for (const auto& unused : scriptedMessages_) {
        ADD_FAILURE() << "scripted message was never shown: \"" << unused.text << "\"";
    }
    if (!dialogs_.empty()) {
        ADD_FAILURE() << dialogs_.size() << " scripted dialog(s) were never shown";
    }
    EXPECT_EQ(waitDepth_, 0) << "the wait cursor was left on";
}

void FakeUserInterface::ExpectMessage(std::string text, MessageResult answer) {
    scriptedMessages_.push_back({std::move(text), answer});
}

std::vector<std::string> FakeUserInterface::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages_) {
        texts.push_back(message.text);
    }
    return texts;
}

MessageResult FakeUserInterface::ShowMessage(const std::string& text, MessageButtons buttons,
                                             MessageIcon icon, const std::string& caption) {
    messages_.push_back({text, buttons, icon, caption});
    if (scriptedMessages_.empty()) {
        if (!allowUnscripted_) {
            ADD_FAILURE() << "unscripted message: \"" << text << "\"";
        }
        return DefaultAnswer(buttons);
    }
    const ScriptedMessage next = scriptedMessages_.front();
    scriptedMessages_.pop_front();
    EXPECT_EQ(next.text, text) << "a different message was shown than the script expects";
    return next.answer;
}

void FakeUserInterface::BeginWaitCursor() {
    ++waitDepth_;
    ++waitUses_;
}

bool FakeUserInterface::Answer(CDataFilesDlg& record) {
    while (AnswerDialog(TypeKey<CDataFilesDlg>(), &record)) {
        if (record.Attempt()) {
            return true;
        }
    }
    return false;
}

bool FakeUserInterface::AnswerDialog(TypeTag type, void* record) {
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unscripted dialog";
        return false;
    }
    const ScriptedDialog next = dialogs_.front();
    dialogs_.pop_front();
    if (next.type != type) {
        ADD_FAILURE() << "a different dialog was shown than the script expects";
        return false;
    }
    return next.handler(record);
}

}  // namespace tapwright::test
