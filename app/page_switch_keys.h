#pragma once

#include <QObject>

class QKeyEvent;
class QTabWidget;
class QWidget;

namespace korvex {

// Ctrl+Tab and Ctrl+Shift+Tab switch the pages from every control of the
// window, including those that would keep the keys for themselves (a
// drop-down list searches its items for a typed tab) and an open list. It
// watches the keys of the whole application, as the window's message hook
// does, and leaves other windows alone.
class PageSwitchKeys : public QObject {
    Q_OBJECT
public:
    PageSwitchKeys(QTabWidget* pages, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QWidget* widget) const;

    QTabWidget* pages_;
    QWidget* window_;
};

}  // namespace korvex
