#include "simulator/page_text_view.h"

#include "app/fonts.h"

#include <QTextDocument>

#include <cmath>

namespace korvex {

namespace {

class DocumentWithoutResources : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

}  // namespace

PageTextView::PageTextView(const QString& markup, int width, QWidget* parent)
    : QTextBrowser(parent)
    , markup_(markup)
{
    setObjectName(QStringLiteral("documentText"));
    setDocument(new DocumentWithoutResources(this));
    // A null page size holds the layout back until the view is shown, when
    // the markup is read, at the width the resize before the show gave it.
    document()->setPageSize(QSizeF(0, 0));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    // A browser's default text: Times at 12 points, which HTML size 3 means.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    document()->setDefaultFont(evenlySpaced(font));
    document()->setDocumentMargin(0);
    setFixedWidth(width);
}

// Before the first paint: the layout request this posts comes before it.
void PageTextView::showEvent(QShowEvent* event)
{
    QTextBrowser::showEvent(event);
    if (markup_) {
        setHtml(*markup_);
        markup_.reset();
    }
    setFixedHeight(static_cast<int>(std::ceil(document()->size().height())));
}

}  // namespace korvex
