#pragma once

#include <QTextBrowser>

namespace korvex {

// The text of a host document, laid out at a fixed width and as tall as its
// content, so that the page around it does the scrolling. It loads nothing:
// pictures, style sheets and links of the document stay where they are, so
// no reference in a document can make the page read a file.
class PageTextView : public QTextBrowser {
    Q_OBJECT
public:
    PageTextView(const QString& markup, int width, QWidget* parent);

protected:
    // As tall as its content once it is laid out, which is when it is first shown.
    void showEvent(QShowEvent* event) override;
};

}  // namespace korvex
