#include "app/page_switch_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTabWidget>

namespace korvex {

namespace {

bool isPageSwitch(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
        && (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::ControlModifier;
}

void closePopup(QWidget* popup)
{
    if (auto* list = qobject_cast<QComboBox*>(popup->parentWidget()))
        list->hidePopup();
    else
        popup->close();
}

}  // namespace

PageSwitchKeys::PageSwitchKeys(QTabWidget* pages, QWidget* window)
    : QObject(window)
    , pages_(pages)
    , window_(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

// A popup (an open list, a context menu, its submenu) counts as part of the
// window that opened it.
bool PageSwitchKeys::belongsToWindow(QWidget* widget) const
{
    QWidget* top = widget->window();
    while (top->windowType() == Qt::Popup && top->parentWidget())
        top = top->parentWidget()->window();
    return top == window_;
}

bool PageSwitchKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || watched == pages_)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!widget || !isPageSwitch(*key) || !belongsToWindow(widget))
        return false;
    if (QWidget* top = widget->window(); top->windowType() == Qt::Popup)
        closePopup(top);
    // The page control switches the way it does for a key that reaches it.
    QKeyEvent forwarded(QEvent::KeyPress, key->key(), key->modifiers());
    QCoreApplication::sendEvent(pages_, &forwarded);
    return true;
}

}  // namespace korvex
