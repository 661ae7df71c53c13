#pragma once
// Records the message boxes a test provokes instead of showing them.

#include "app/widgets/message_box.h"

#include <vector>

namespace korvex {

class MessageBoxRecorder {
public:
    MessageBoxRecorder()
    {
        setMessageBoxHook([this](const MessageBoxRecord& box) { boxes.push_back(box); });
    }
    ~MessageBoxRecorder() { setMessageBoxHook({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRecord> boxes;
};

}  // namespace korvex
