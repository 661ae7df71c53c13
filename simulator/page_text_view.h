#pragma once

#include <QTextBrowser>

namespace korvex {

// The text of a host document, laid out at a fixed width and as tall as its
// content, so that the page around it does the scrolling. It loads nothing:
// pictures, style sheets and links of the document stay where they are.
class PageTextView : public QTextBrowser {
    Q_OBJECT
public:
    PageTextView(const QString& markup, int width, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace korvex
