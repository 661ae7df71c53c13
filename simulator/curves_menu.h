#pragma once

#include "app/files/save_location.h"

#include <QDate>
#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace korvex {

class My;

// The simulator panel's context menu: its curves to a CSV file, its picture
// to a PNG file, its figures to the clipboard. It opens on a right click on
// the panel, with the Menu key or Shift+F10 from any of its controls; a
// right click into an entry field keeps the field's own editing menu.
class CurvesMenu : public QObject {
    Q_OBJECT
public:
    explicit CurvesMenu(My& panel);

    QMenu* menu() const { return menu_; }

    void saveCurvesAsCsv();
    void savePictureAsPng();
    void copyFigures();
    // Throw "Cannot create file ..." when the file could not be written,
    // leaving the old file, or none, in its place.
    void saveCurvesTo(const QString& path) const;
    void savePictureTo(const QString& path) const;

    // The date in the names the save dialogs suggest.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const char* name, const QString& text, void (CurvesMenu::*run)());
    // Saves where the user chooses, unless cancelled.
    void saveThroughDialog(const QString& title, const QString& suffix, const QString& filter,
        void (CurvesMenu::*save)(const QString&) const);

    My& panel_;
    QMenu* menu_;
    SaveLocation saves_;
    std::function<QDate()> today_ = &QDate::currentDate;
};

}  // namespace korvex
