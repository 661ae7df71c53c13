#include "app/widgets/message_box.h"

#include "app/app_info.h"
#include "app/error_text.h"

#include <QApplication>

namespace korvex {

namespace {
MessageBoxHook& hook()
{
    static MessageBoxHook current;
    return current;
}
}  // namespace

void setMessageBoxHook(MessageBoxHook newHook) { hook() = std::move(newHook); }

void showMessageBox(const MessageBoxRecord& box)
{
    if (hook()) {
        hook()(box);
        return;
    }
    QMessageBox message(box.icon, box.caption, box.text, QMessageBox::Ok, QApplication::activeWindow());
    // Messages quote what users and documents wrote; never read them as markup.
    message.setTextFormat(Qt::PlainText);
    message.exec();
}

void showErrorBox(std::string_view message)
{
    showMessageBox({QString::fromUtf8(ApplicationTitle), QString::fromStdString(ErrorBoxText(message)),
                    QMessageBox::Critical});
}

}  // namespace korvex
