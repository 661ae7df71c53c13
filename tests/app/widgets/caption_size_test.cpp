#include "app/fonts.h"
#include "app/widgets/caption_size.h"

#include <QLineEdit>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

namespace korvex {
namespace {

// Whatever the label, its caption size is its own size hint, measured once.
TEST(CaptionSize, IsTheLabelsSizeHint)
{
    QWidget page;
    QLineEdit buddy(&page);
    const struct {
        const char* text;
        std::function<void(QLabel&)> setUp;
    } cases[] = {
        {"Select Money Management Model:", [](QLabel&) {}},
        {"Quantity #:", [](QLabel& label) { label.setFont(arialFont(13, true)); }},
        {"&Quantity #:", [&buddy](QLabel& label) { label.setBuddy(&buddy); }},
        {"Fish && Chips", [&buddy](QLabel& label) { label.setBuddy(&buddy); }},
        {"&Quantity #:", [](QLabel&) {}},  // no buddy: the "&" is shown
        {"Price $:", [](QLabel& label) { label.setAlignment(Qt::AlignRight | Qt::AlignBottom); }},
        {"Tighter", [](QLabel& label) {
             QFont font = label.font();
             font.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
             label.setFont(font);
         }},
        {"", [](QLabel&) {}},
        {" provided by", [](QLabel& label) { label.setMinimumSize(120, 30); }},
        // Asked for their size hints:
        {"Two words", [](QLabel& label) { label.setWordWrap(true); }},
        {"<b>Bold</b>", [](QLabel&) {}},
        {"Framed", [](QLabel& label) { label.setFrameShape(QFrame::Box); }},
        {"Selectable", [](QLabel& label) { label.setTextInteractionFlags(Qt::TextSelectableByMouse); }},
        {"Indented", [](QLabel& label) { label.setIndent(4); }},
    };
    for (const auto& c : cases) {
        QLabel label(QString::fromUtf8(c.text), &page);
        c.setUp(label);
        EXPECT_EQ(captionSize(&label), label.sizeHint()) << c.text;
        fitToCaption(&label);
        EXPECT_EQ(label.size(), label.sizeHint()) << c.text;
    }
}

}  // namespace
}  // namespace korvex
