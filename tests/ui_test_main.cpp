#include "app/files/get_dir.h"
#include "app/korvex_application.h"
#include "tests/app/run_folder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets run without a display unless a test run asks for another platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // A test answers Qt's own file dialogs; Windows' cannot be driven from here.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // QTemporaryDir and the rest of Qt make their temporary files in the run folder.
    const QByteArray run = QByteArray::fromStdString(korvex::RunFolder().string());
    for (const char* name : {"TMPDIR", "TMP", "TEMP"})
        qputenv(name, run);
    korvex::KorvexApplication app(argc, argv);
    // Windows made by the tests write their work folder here, not into the user's.
    const QTemporaryDir temporary;
    korvex::setTempDirSource([path = temporary.path().toStdString()] { return path + '/'; });
    return RUN_ALL_TESTS();
}
