#pragma once

#include <QProxyStyle>

namespace korvex {

// The application's style, except that a drop-down list's face is one flat
// colour, its palette's button colour, as an edit box shows its base colour.
// The page's inputs show on and off in exactly their two colours, where the
// style would paint a gradient of them.
class FlatFaceStyle : public QProxyStyle {
    Q_OBJECT
public:
    // One for the whole program, owned by the application, so that it
    // outlives every list that uses it.
    static QStyle* instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    FlatFaceStyle();
};

}  // namespace korvex
