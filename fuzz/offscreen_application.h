#pragma once
// The Qt application a fuzz target needs for fonts and widgets, on the
// offscreen platform unless the run asks for another.

#include <QByteArray>
#include <QtGlobal>

template <class Application>
void StartOffscreenApplication(const char* name)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    static Application application(argc, argv);
}
