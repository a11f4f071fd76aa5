#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"
#include "support/FakeClipboard.h"

namespace tapwright::test {

// A user interface that plays a script. Every message box is recorded (text, buttons, icon,
// caption) and answered with the next scripted answer; every status text is recorded in
// order; dialogs are answered by scripted handlers that may change the record. A message or
// dialog that the script does not expect fails the running test, and so does a scripted
// answer that is never used.
class FakeUserInterface : public UserInterface {
public:
    struct Message {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
        std::string caption;
    };

    // Installs itself as the core's user interface for its lifetime.
    FakeUserInterface();
    ~FakeUserInterface() override;

    // The next message box must show exactly this text; it is answered with the answer.
    void ExpectMessage(std::string text, MessageResult answer = MessageResult::Ok);

    // The next dialog must be of this record type; the handler fills it and returns whether
    // the user pressed OK.
    template <class Dialog>
    void ExpectDialog(std::function<bool(Dialog&)> handler) {
        dialogs_.push_back({TypeKey<Dialog>(), [handler](void* record) {
                                return handler(*static_cast<Dialog*>(record));
                            }});
    }

    // Lets every message through with its default answer instead of failing the test, for
    // tests that look at the recorded messages afterwards.
    void AllowUnscriptedMessages() { allowUnscripted_ = true; }

    const std::vector<Message>& Messages() const { return messages_; }
    const std::vector<std::string>& StatusTexts() const { return statusTexts_; }
    std::vector<std::string> MessageTexts() const;
    int WaitCursorDepth() const { return waitDepth_; }
    int WaitCursorUses() const { return waitUses_; }
    // The clipboard the core reaches through GetClipboard(), with what it was given.
    FakeClipboard& RecordingClipboard() { return clipboard_; }

    MessageResult ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                              const std::string& caption) override;
    void ShowStatus(const std::string& text) override { statusTexts_.push_back(text); }
    void BeginWaitCursor() override;
    void EndWaitCursor() override { --waitDepth_; }
    Clipboard& GetClipboard() override { return clipboard_; }

#define TAPWRIGHT_ANSWER_DIALOG(Record) \
    bool Run(Record& d) override {      \
        return Answer(d);               \
    }
    TAPWRIGHT_DIALOG_RECORDS(TAPWRIGHT_ANSWER_DIALOG)
#undef TAPWRIGHT_ANSWER_DIALOG

private:
    struct ScriptedMessage {
        std::string text;
        MessageResult answer;
    };
    // Identifies a record type without needing its definition (the records are only
    // declared in the user interface header).
    using TypeTag = const void*;
    template <class Dialog>
    static TypeTag TypeKey() {
        static const char tag = 0;
        return &tag;
    }

    struct ScriptedDialog {
        TypeTag type;
        std::function<bool(void*)> handler;
    };

    template <class Dialog>
    bool Answer(Dialog& record) {
        return AnswerDialog(TypeKey<Dialog>(), &record);
    }
    // The Data Files dialog tries its OK while it is open and stays open when the attempt
    // fails: the next scripted handler then plays the user correcting the entries.
    bool Answer(CDataFilesDlg& record);
    bool AnswerDialog(TypeTag type, void* record);

    ScopedUserInterface installed_;
    std::deque<ScriptedMessage> scriptedMessages_;
    std::deque<ScriptedDialog> dialogs_;
    std::vector<Message> messages_;
    std::vector<std::string> statusTexts_;
    FakeClipboard clipboard_;
    bool allowUnscripted_ = false;
    int waitDepth_ = 0;
    int waitUses_ = 0;
};

}  // namespace tapwright::test
