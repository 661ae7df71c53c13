#pragma once
// Counts the paint events a widget receives, and can look at the window the
// moment each arrives, before the widget paints.

#include <QEvent>
#include <QWidget>

#include <functional>
#include <utility>

namespace korvex {

class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget, std::function<void()> onPaint = {})
        : onPaint_(std::move(onPaint))
    {
        widget->installEventFilter(this);
    }

    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (onPaint_)
                onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

}  // namespace korvex
