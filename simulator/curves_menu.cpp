#include "simulator/curves_menu.h"

#include "app/files/saved_file.h"
#include "simulator/curves_csv.h"
#include "simulator/figures_text.h"
#include "simulator/my_panel.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <stdexcept>

namespace korvex {

CurvesMenu::CurvesMenu(My& panel)
    : QObject(&panel)
    , panel_(panel)
    , menu_(new QMenu(&panel))
{
    menu_->setObjectName(QStringLiteral("curvesMenu"));
    addCommand("saveCurvesAction", tr("Save &Curves as CSV..."), &CurvesMenu::saveCurvesAsCsv)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addCommand("savePictureAction", tr("Save &Picture as PNG..."), &CurvesMenu::savePictureAsPng);
    addCommand("copyFiguresAction", tr("Copy &Figures"), &CurvesMenu::copyFigures);
    panel.installEventFilter(this);
    for (QWidget* control : panel.findChildren<QWidget*>())
        if (control != menu_)
            control->installEventFilter(this);
}

QAction* CurvesMenu::addCommand(const char* name, const QString& text, void (CurvesMenu::*run)())
{
    auto* action = new QAction(text, &panel_);
    action->setObjectName(QString::fromLatin1(name));
    // Its keys work while the focus is anywhere in the panel.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, run);
    panel_.addAction(action);
    menu_->addAction(action);
    return action;
}

bool CurvesMenu::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        menu_->popup(widget->mapToGlobal(widget->rect().center()));
        return true;
    }
    if (event->type() != QEvent::ContextMenu)
        return false;
    const auto* request = static_cast<QContextMenuEvent*>(event);
    if (request->reason() == QContextMenuEvent::Mouse && qobject_cast<QLineEdit*>(widget))
        return false;
    menu_->popup(request->globalPos());
    return true;
}

void CurvesMenu::copyFigures()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(figuresAsText(panel_.statistics())));
}

void CurvesMenu::saveCurvesTo(const QString& path) const
{
    SaveFile(path, QByteArray::fromStdString(curvesCsv(panel_.simulation().runningDepths())));
}

void CurvesMenu::savePictureTo(const QString& path) const
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !panel_.picture().save(&buffer, "PNG"))
        throw std::runtime_error("The picture could not be encoded as PNG.");
    SaveFile(path, png);
}

void CurvesMenu::saveThroughDialog(const QString& title, const QString& suffix, const QString& filter,
    void (CurvesMenu::*save)(const QString&) const)
{
    const QString name = DatedFileName(QStringLiteral("Simulation"), today_(), QLatin1Char('.') + suffix);
    saves_.saveThroughDialog(&panel_, title, name, filter, [this, save](const QString& path) { (this->*save)(path); });
}

void CurvesMenu::saveCurvesAsCsv()
{
    saveThroughDialog(tr("Save Curves as CSV"), QStringLiteral("csv"), tr("CSV files (*.csv)"), &CurvesMenu::saveCurvesTo);
}

void CurvesMenu::savePictureAsPng()
{
    saveThroughDialog(
        tr("Save Picture as PNG"), QStringLiteral("png"), tr("PNG pictures (*.png)"), &CurvesMenu::savePictureTo);
}

}  // namespace korvex
