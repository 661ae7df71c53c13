#pragma once
// Every message box of the program goes through here, so that tests can
// record what would have been shown instead of blocking on a modal box.

#include <QMessageBox>
#include <QString>

#include <functional>
#include <string_view>

namespace korvex {

struct MessageBoxRecord {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
};

using MessageBoxHook = std::function<void(const MessageBoxRecord&)>;

// Replaces the real boxes (an empty hook restores them).
void setMessageBoxHook(MessageBoxHook hook);

// A modal box with one OK button, over the active window.
void showMessageBox(const MessageBoxRecord& box);

// The error box: the application title as caption, the stop icon, and the
// message with its full stop.
void showErrorBox(std::string_view message);

}  // namespace korvex
