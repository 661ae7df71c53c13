#include "simulator/my_panel.h"

#include "app/app_info.h"
#include "app/fonts.h"
#include "app/widgets/caption_size.h"
#include "app/widgets/web_page_button.h"
#include "simulator/curves_menu.h"
#include "simulator/simulator_numbers.h"
#include "simulator/simulator_picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <chrono>

namespace korvex {

namespace {

const QString GenerateLabel = QStringLiteral("GENERATE !");
const QColor ParamBackground(255, 255, 255);
const QColor KeyBackground(255, 25, 255);
constexpr int BuildUpFrameMs = 16;
constexpr int BuildUpLeadMs = 2 * BuildUpFrameMs;

QString toQString(const std::string& text) { return QString::fromStdString(text); }

// Places a control at its natural size, centred in its cell, 5 pixels down.
void placeInCell(QWidget* control, const PixelRect& cell, QSize natural)
{
    control->setGeometry(cell.x + (cell.width - natural.width()) / 2, cell.y + 5, natural.width(),
                         natural.height());
}

// The host shows no status line, so the reason for a reset stays on the
// field itself, for a pointer and a screen reader alike.
void setResetReason(QLineEdit* field, const QString& reason)
{
    field->setToolTip(reason);
    field->setAccessibleDescription(reason);
}

}  // namespace

My::My(QSize size, PanelHost host, QWidget* parent)
    : QWidget(parent)
    , host_(std::move(host))
    , geometry_(PanelGeometry::forSize(size.width(), size.height()))
    , simulation_(geometry_.xm, host_.random ? host_.random : makeSystemRandomSource())
{
    setObjectName(QStringLiteral("My"));
    setFixedSize(size);
    setFocusPolicy(Qt::NoFocus);
    init();
}

My::~My() = default;

void My::init()
{
    pause = pause1 = 100;
    buildUpTimer_.setSingleShot(true);
    buildUpTimer_.setTimerType(Qt::PreciseTimer);
    connect(&buildUpTimer_, &QTimer::timeout, this, [this] { update(); });

    if (host_.getImage)
        banner_ = host_.getImage(QStringLiteral("banner.gif"));
    // The fields first, so that Tab comes to the button after them.
    addParam();
    addKey();
    generate();
    applyPageParams();
    curvesMenu_ = new CurvesMenu(*this);
}

void My::generate()
{
    simulation_.newRnd();
    statistics_ = computeCurveStatistics(simulation_);
    Q_EMIT curvesGenerated();
}

void My::addKey()
{
    const PixelRect box = geometry_.keyBox(width(), height());
    Key = new QWidget(this);
    Key->setObjectName(QStringLiteral("Key"));
    Key->setGeometry(box.x, box.y, box.width, box.height);
    Key->setAutoFillBackground(true);
    QPalette keyPalette = Key->palette();
    keyPalette.setColor(QPalette::Window, KeyBackground);
    keyPalette.setColor(QPalette::Button, KeyBackground);
    Key->setPalette(keyPalette);

    btext = new WebPageButton(GenerateLabel, Key);
    btext->setObjectName(QStringLiteral("btext"));
    btext->setFont(arialFont(12));
    btext->setGeometry(0, 0, box.width, box.height);
    connect(btext, &QPushButton::clicked, this, [this] { action(btext, btext->text()); });
}

void My::addParam()
{
    const PixelRect box = geometry_.paramBox(width());
    Param = new QWidget(this);
    Param->setObjectName(QStringLiteral("Param"));
    Param->setGeometry(box.x, box.y, box.width, box.height);
    // Filled, so that edits in its fields never repaint the plot beneath.
    Param->setAutoFillBackground(true);
    QPalette paramPalette = Param->palette();
    paramPalette.setColor(QPalette::Window, ParamBackground);
    Param->setPalette(paramPalette);

    struct Row {
        const char* caption;
        const char* name;
        QLineEdit** field;
        std::string text;
    };
    const Row rows[] = {
        {"Win/Loss:", "tfStepY", &tfStepY, displayText(simulation_.StepY)},
        {"Win Prob:", "tfProb", &tfProb, displayText(simulation_.prob)},
        {"Lines Qty:", "tfNumber", &tfNumber, std::to_string(simulation_.Number)},
        {"Kelly Val:", "tf4", &tf4, displayText(simulation_.kellyValue())},
        {"Math Expect :", "tf5", &tf5, displayText(simulation_.mathExpect())},
    };
    const QFont font = arialFont(12);
    const QFontMetrics metrics(font);
    // Room for two characters, as the fields were sized; longer texts scroll.
    const QSize fieldSize(2 * metrics.horizontalAdvance(QLatin1Char('0')) + 24, metrics.height() + 8);
    int row = 0;
    for (const Row& entry : rows) {
        auto* caption = new QLabel(QString::fromLatin1(entry.caption), Param);
        caption->setFont(font);
        placeInCell(caption, geometry_.paramCell(row, 0), captionSize(caption));
        auto* field = new QLineEdit(toQString(entry.text), Param);
        field->setObjectName(QString::fromLatin1(entry.name));
        field->setFont(font);
        field->setAccessibleName(caption->text());
        field->setCursorPosition(0);
        placeInCell(field, geometry_.paramCell(row, 1), fieldSize);
        *entry.field = field;
        ++row;
    }
}

void My::applyPageParams()
{
    parameters_ = usePageParams(host_.getParameter);
    QPalette colours = palette();
    const QColor foreground = toQColor(parameters_.textcolor);
    colours.setColor(QPalette::WindowText, foreground);
    colours.setColor(QPalette::Text, foreground);
    colours.setColor(QPalette::ButtonText, foreground);
    colours.setColor(QPalette::Window, toQColor(parameters_.background));
    setPalette(colours);
}

bool My::action(QObject* target, const QString& argument)
{
    if (!qobject_cast<QPushButton*>(target))
        return false;
    if (argument != GenerateLabel)
        return true;
    const EntryOutcome outcome = applyEntries(simulation_, tfStepY->text().toStdString(),
                                              tfNumber->text().toStdString(), tfProb->text().toStdString());
    for (QLineEdit* entry : {tfStepY, tfNumber, tfProb})
        setResetReason(entry, QString());
    if (outcome.resetField) {
        QLineEdit* field = *outcome.resetField == EntryField::WinLoss    ? tfStepY
                           : *outcome.resetField == EntryField::LinesQty ? tfNumber
                                                                         : tfProb;
        field->setText(toQString(outcome.resetText));
        const QString status = toQString(outcome.status);
        setResetReason(field, status);
        if (host_.showStatus)
            host_.showStatus(status);
    }
    if (!outcome.accepted)
        return false;
    pause = pause1;
    startBuildUp();  // timed from the press; one still running starts over
    generate();
    update();
    return true;
}

bool My::mouseDown(int x, int y, int clickCount)
{
    if (clickCount == 1 && x == 0 && y > geometry_.yb(height()) && host_.showDocument)
        host_.showDocument(QString::fromUtf8(SiteAddress), QStringLiteral("_top"));
    return true;
}

void My::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    mouseDown(at.x(), at.y(), 1);
}

void My::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    mouseDown(at.x(), at.y(), 2);
}

std::int64_t My::now() const
{
    if (host_.clockMs)
        return host_.clockMs();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void My::startBuildUp()
{
    buildUpStart_ = now();
    buildUpStarted_ = true;
    curveColours_.clear();
    buildUpTimer_.start(BuildUpFrameMs);
}

void My::paintEvent(QPaintEvent*)
{
    const int lines = simulation_.tableLines();
    const int segmentsPerLine = simulation_.xm() - 1;
    const bool buildingUp = pause != 1;
    std::int64_t segmentsShown = -1;
    const std::int64_t paintStart = now();
    if (buildingUp) {
        if (!buildUpStarted_)
            startBuildUp();  // the curves drawn at creation, first shown now
        // Each frame shows the curves as they stand when it reaches the eye:
        // once painted, with the panel's fields and on the screen.
        const std::int64_t shownAt = paintStart - buildUpStart_ + lastPaintMs_ + BuildUpLeadMs;
        segmentsShown = Reveal::segmentsAt(shownAt, lines, segmentsPerLine);
    }
    // Light colours are drawn anew for every redraw, but held while the
    // curves build up, so that they do not flicker.
    if ((!buildingUp && !holdColours_) || curveColours_.empty()) {
        curveColours_.clear();
        for (const Rgb& colour : curveColours(lines, simulation_.random()))
            curveColours_.push_back(toQColor(colour));
    }

    SimulatorPicture picture;
    picture.size = size();
    picture.geometry = geometry_;
    picture.simulation = &simulation_;
    picture.background = palette().color(QPalette::Window);
    picture.foreground = palette().color(QPalette::WindowText);
    picture.banner = banner_;
    picture.curveColours = curveColours_;
    picture.segmentsShown = segmentsShown;
    QPainter painter(this);
    drawSimulatorPicture(painter, picture);
    refreshResultFields();

    if (!buildingUp)
        return;
    lastPaintMs_ = now() - paintStart;
    if (segmentsShown >= static_cast<std::int64_t>(lines) * std::max(segmentsPerLine, 0)) {
        pause = 1;
        buildUpStarted_ = false;
        buildUpTimer_.stop();
    } else {
        // The next frame a frame after this one began, or the last one
        // sooner, so that it stands on time.
        const std::int64_t untilLast =
            Reveal::durationMs(lines) - (now() - buildUpStart_) - lastPaintMs_ - BuildUpLeadMs;
        const std::int64_t untilNext = std::min<std::int64_t>(untilLast, BuildUpFrameMs - lastPaintMs_);
        buildUpTimer_.start(static_cast<int>(std::clamp<std::int64_t>(untilNext, 0, BuildUpFrameMs)));
    }
}

QImage My::picture()
{
    holdColours_ = true;
    QImage image = grab().toImage();
    holdColours_ = false;
    // Above 100 % the picture is as sharp as the screen, in more pixels to
    // the inch, so that it keeps the panel's size where that is read.
    const qreal ratio = image.devicePixelRatio();
    image.setDotsPerMeterX(qRound(image.dotsPerMeterX() * ratio));
    image.setDotsPerMeterY(qRound(image.dotsPerMeterY() * ratio));
    return image;
}

void My::refreshResultFields()
{
    const QString kelly = toQString(displayText(simulation_.kellyValue()));
    const QString expectation = toQString(displayText(simulation_.mathExpect()));
    for (auto [field, text] : {std::pair{tf4, kelly}, std::pair{tf5, expectation}})
        if (field->text() != text) {
            field->setText(text);
            field->setCursorPosition(0);
        }
}

}  // namespace korvex
