#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QScrollArea;

namespace korvex {

class LinkLabel;

// Page 4: who provides the calculator, and the guide it recommends.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent);

    // Builds the controls. The window does so once its first page is on the
    // screen: nothing shows this page before.
    void build();

Q_SIGNALS:
    // The picture or one of the two address labels was clicked.
    void urlClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildScrollBox();

    LinkLabel* Image1 = nullptr;
    LinkLabel* Label10 = nullptr;
    LinkLabel* Label11 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    std::vector<QLabel*> unsized_;  // captions sized to their text when first shown
};

}  // namespace korvex
