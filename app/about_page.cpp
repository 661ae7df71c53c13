#include "app/about_page.h"

#include "app/app_info.h"
#include "app/embedded_picture.h"
#include "app/fonts.h"
#include "app/widgets/caption_size.h"
#include "app/widgets/link_label.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>

#include <algorithm>
#include <array>

namespace korvex {
namespace {

const QColor CaptionBlue(54, 51, 204);
const QColor White(255, 255, 255);

// The thirteen topic lines of the scroll box, top to bottom: where the text
// and its check mark sit, and how many lines of 13 pixels the text takes.
struct Topic {
    int labelTop;
    int checkTop;
    int lines;
    const char* text;
};
constexpr int TopicLeft = 32;
constexpr int TopicWidth = 286;
constexpr int CheckLeft = 8;
constexpr int LineHeight = 13;
constexpr std::array<Topic, 13> Topics{{
    {40, 35, 1, "Why a written plan beats a good feeling"},
    {59, 60, 2, "How to decide your entry, target and stop before you place the order"},
    {91, 93, 2, "How to size each position so that no single loss can hurt your account"},
    {124, 119, 1, "Why the stop loss is set before the entry"},
    {143, 144, 2, "How to weigh the reward against the risk and pass on trades that do not pay"},
    {177, 172, 1, "How to keep a trading journal that teaches you"},
    {200, 201, 2, "Why risking a fixed percentage keeps your risk in step with your account"},
    {231, 234, 2, "How to review your trades each week and find the habits that cost you money"},
    {263, 271, 3,
     "How to get through a run of losses without changing the rules halfway, and how to tell when a "
     "model really does need to change"},
    {311, 314, 2, "Why small, steady returns that compound matter more than one big win"},
    {344, 353, 3,
     "How to read your win rate and your win/loss ratio together, and how to test a plan on paper "
     "before real money is at stake"},
    {388, 389, 2, "How to set daily and weekly loss limits that stop a bad day from growing"},
    {426, 423, 2, "How to build a routine that keeps emotion out of your decisions"},
}};

// A caption in the page's bold blue, placed but not sized.
QLabel* captionLabel(const char* name, const QString& text, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arialFont(13, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, CaptionBlue);
    label->setPalette(palette);
    label->move(at);
    return label;
}

// The site's address, underlined in link blue, placed but not sized.
LinkLabel* addressLabel(const char* name, QPoint at, QWidget* parent)
{
    auto* label = new LinkLabel(QString::fromLatin1(name), QString::fromUtf8(SiteAddressShown), parent);
    QFont font = arialFont(13);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->move(at);
    return label;
}

void paintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, White);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_About"));
    paintWhite(this);  // the tab page is a few pixels larger than the white shape
}

void AboutPage::build()
{
    auto* Shape1 = new QWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 710, 565);
    paintWhite(Shape1);

    Image1 = new LinkLabel(QStringLiteral("Image1"), QString(), this);
    Image1->setGeometry(8, 65, 296, 425);
    Image1->setAccessibleName(QStringLiteral("The Disciplined Trader at ")
                              + QString::fromUtf8(SiteAddressShown));

    QLabel* Label8
        = captionLabel("Label8", QStringLiteral("This Korvex Trading Calculator is"), {397, 8}, this);
    QLabel* Label9 = captionLabel("Label9", QStringLiteral(" provided by"), {381, 24}, this);
    Label10 = addressLabel("Label10", {464, 24}, this);

    buildScrollBox();

    QLabel* Label7 = captionLabel("Label7",
                                  QStringLiteral("Interested in making real money trading the markets ? "
                                                 "Read about The Disciplined Trader at"),
                                  {328, 512}, this);
    Label7->setWordWrap(true);
    Label7->resize(345, 32);
    Label11 = addressLabel("Label11", {408, 544}, this);
    unsized_.insert(unsized_.end(), {Label8, Label9, Label10, Label11});

    for (LinkLabel* link : {Image1, Label10, Label11})
        connect(link, &LinkLabel::clicked, this, &AboutPage::urlClicked);
}

// The captions are measured and the picture is decoded when the page is
// first shown, before it is painted: at start-up nothing shows them.
void AboutPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    for (QLabel* caption : unsized_)
        fitToCaption(caption);
    unsized_.clear();
    if (Image1 && Image1->pixmap().isNull())
        Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/product_box.jpg")));
}

void AboutPage::buildScrollBox()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(328, 48, 353, 457);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setAccessibleName(QStringLiteral("What You Will Learn"));
    auto* content = new QWidget;
    paintWhite(content);

    unsized_.push_back(captionLabel("Label25", QStringLiteral("What You Will Learn"), {109, 13}, content));
    const QPixmap checkMark = EmbeddedPicture(QStringLiteral(":/pictures/check_mark.png"));
    int bottom = 0;
    for (int i = 0; i < static_cast<int>(Topics.size()); ++i) {
        const Topic& topic = Topics[static_cast<std::size_t>(i)];
        auto* check = new QLabel(content);
        check->setObjectName(QStringLiteral("Image%1").arg(i + 3));
        check->setPixmap(checkMark);
        check->setGeometry(CheckLeft, topic.checkTop, 18, 20);
        auto* text = new QLabel(QString::fromUtf8(topic.text), content);
        // Numbered after the other pages' labels: every name in the window is unique.
        text->setObjectName(QStringLiteral("Label%1").arg(i + 29));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setGeometry(TopicLeft, topic.labelTop, TopicWidth, topic.lines * LineHeight);
        bottom = std::max({bottom, check->geometry().bottom(), text->geometry().bottom()});
    }
    // Scroll bars appear only if the topics do not fit the box.
    content->setMinimumSize(TopicLeft + TopicWidth, bottom + 1);
    ScrollBox1->setWidget(content);
}

}  // namespace korvex
