#pragma once

#include <QApplication>

namespace korvex {

// The application object. It is the one place where an error escaping an
// event handler is caught: the error box shows it and the program goes on.
class KorvexApplication : public QApplication {
    Q_OBJECT
public:
    KorvexApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace korvex
