#include "app/korvex_application.h"
#include "app/tf_main.h"

int main(int argc, char** argv)
{
    korvex::KorvexApplication app(argc, argv);
    korvex::TfMain fMain;
    fMain.show();
    return app.exec();
}
