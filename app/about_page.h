#pragma once

#include <QWidget>

namespace korvex {

// Page 4: who provides the calculator, with links to the maker's web site.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent);
};

}  // namespace korvex
