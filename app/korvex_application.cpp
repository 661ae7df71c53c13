#include "app/korvex_application.h"

#include "app/app_info.h"
#include "app/embedded_picture.h"
#include "app/fonts.h"
#include "app/numbers/locale_settings.h"
#include "app/widgets/message_box.h"

#include <QIcon>
#include <QStyleFactory>

#include <exception>

namespace korvex {

KorvexApplication::KorvexApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(ApplicationTitle));
    setApplicationVersion(QStringLiteral("2.1.0.0"));
    setOrganizationDomain(QStringLiteral("example.com"));
    setDesktopFileName(QStringLiteral("com.example.KorvexTradingCalculator"));
    setWindowIcon(QIcon(EmbeddedPicture(QStringLiteral(":/pictures/icon.png"))));
    // One look on every desktop, so that the fixed layout fits everywhere.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutes();
    setFont(windowFont());
    readFormatSettingsFromLocale();
}

bool KorvexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showErrorBox(error.what());
    }
    return true;
}

}  // namespace korvex
