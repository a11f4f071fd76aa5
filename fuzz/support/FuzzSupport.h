#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UserInterface.h"

namespace tapwright::fuzz {

// Every fuzz target's entry point: libFuzzer calls it with generated inputs, the replay main
// with the files of a corpus.
using Input = std::span<const std::uint8_t>;

// Stops the run at once when a property that must hold after a read does not. The message
// and the input size go to standard error; abort() makes libFuzzer keep the input as a crash
// and makes a replay test fail.
void Require(bool holds, std::string_view what);

// A user interface without a user: every message is recorded and answered with its default
// button (OK, No or Cancel), every dialog is cancelled, the clipboard discards what it gets.
// It installs itself for its lifetime.
class RecordingUserInterface : public UserInterface {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
    };

    RecordingUserInterface() : installed_(*this) {}

    MessageResult ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                              const std::string& caption) override;
    void ShowStatus(const std::string&) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    ScopedUserInterface installed_;
    std::vector<Message> messages_;
};

// The largest single allocation made while it lives. Readers must size what they allocate
// by the bytes they were given, never by a count a file announces, so this stays within a
// small multiple of the input's size.
class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    std::size_t Largest() const;
};

// What a read of inputSize bytes may allocate at once: the values it holds (two doubles per
// byte at most, with a vector's spare capacity) and one data block of 65,536 samples.
std::size_t AllocationAllowance(std::size_t inputSize);

// Fails unless the watch saw nothing beyond the allowance for inputSize bytes.
void RequireModestAllocations(const AllocationWatch& watch, std::size_t inputSize);

// Whether the text holds the word, letters compared without case.
bool ContainsWordIgnoringCase(std::string_view text, std::string_view word);

}  // namespace tapwright::fuzz
