#pragma once
// The main window as the user meets it: shown, with every start-up step run.

#include "app/tf_main.h"

#include <QTest>

namespace korvex {

inline bool startUp(TfMain& window)
{
    window.show();
    return QTest::qWaitFor([&window] { return window.isStartedUp(); }, 5000);
}

}  // namespace korvex
