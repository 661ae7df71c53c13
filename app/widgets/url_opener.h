#pragma once
// Opening web addresses in the user's default browser, replaceable so that
// tests can record the address instead of starting a browser.

#include <QUrl>

#include <functional>

namespace korvex {

// Returns whether the address could be handed to a browser.
using UrlOpener = std::function<bool(const QUrl&)>;

// An empty function restores the desktop's browser.
void setUrlOpener(UrlOpener opener);

// False when no browser took the address; most callers stay silent then.
bool openUrl(const QUrl& address);

}  // namespace korvex
