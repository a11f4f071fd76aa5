#include "platform/UserInterface.h"

#include "platform/Clipboard.h"

namespace tapwright {

namespace {

class QuietUserInterface final : public UserInterface {
public:
    MessageResult ShowMessage(const std::string&, MessageButtons buttons, MessageIcon,
                              const std::string&) override {
        return DefaultAnswer(buttons);
    }
    void ShowStatus(const std::string&) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

class DiscardingClipboard final : public Clipboard {
public:
    void SetText(const std::string&) override {}
    void SetPicture(int, int, const std::function<void(DrawContext&)>&) override {}
};

QuietUserInterface& Quiet() {
    static QuietUserInterface quiet;
    return quiet;
}

UserInterface* current = nullptr;

}  // namespace

Clipboard& UserInterface::GetClipboard() {
    static DiscardingClipboard discarding;
    return discarding;
}

UserInterface& Ui() { return current != nullptr ? *current : Quiet(); }

ScopedUserInterface::ScopedUserInterface(UserInterface& ui) : previous_(current) { current = &ui; }

ScopedUserInterface::~ScopedUserInterface() { current = previous_; }

MessageResult DefaultAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageResult::Ok;
        case MessageButtons::YesNo:
            return MessageResult::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            break;
    }
    return MessageResult::Cancel;
}

}  // namespace tapwright
