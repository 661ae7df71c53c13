#include "app/widgets/url_opener.h"

#include <QDesktopServices>

#include <utility>

namespace korvex {
namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

}  // namespace

void setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

bool openUrl(const QUrl& address)
{
    return urlOpener() ? urlOpener()(address) : QDesktopServices::openUrl(address);
}

}  // namespace korvex
