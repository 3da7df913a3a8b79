// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/AddressPlan.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace launch {

namespace {

// A scheme of two letters or more: "C:" is a drive letter written for another desktop, not a
// scheme.
bool hasScheme(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(text).hasMatch();
}

bool isBareWebHost(const QString& text) {
    return text.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && text.size() > 4 &&
           !text.contains(QLatin1Char(' '));
}

ShellAction openAddress(const QString& address, const QString& shownAs) {
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return notAnAddress(shownAs);
    return OpenUrl{url, shownAs};
}

// Mail programs take "attach" (and its spellings) as a file to send along: a click could mail
// any file of the user's away.
bool asksToAttach(const QUrl& url) {
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key.trimmed().startsWith(QLatin1String("attach"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The schemes a browser opens. Any other scheme is handed by the desktop to whatever program
// claims it, and "javascript:" or "data:" mean nothing good from a shortcut.
bool isWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp");
}

// An address with a scheme, handed to the desktop only when a browser is what opens it.
ShellAction openWebAddress(const QString& target) {
    if (!isWebScheme(QUrl(target, QUrl::TolerantMode).scheme()))
        return refusal(QT_TRANSLATE_NOOP("Vantory",
                                         "\"%1\" is not a web address. Vantory opens "
                                         "addresses that start with http, https or ftp."),
                       target);
    return openAddress(target, target);
}

} // namespace

RefuseRequest notAnAddress(const QString& text) {
    return refusal(QT_TRANSLATE_NOOP("Vantory", "\"%1\" is not a valid address."), text);
}

std::optional<ShellAction> planAddress(const QString& target) {
    // Before the scheme test: "www.example.org:8080" is a host and port, not a scheme.
    if (isBareWebHost(target))
        return openAddress(QStringLiteral("https://") + target, target);
    if (hasScheme(target))
        return openWebAddress(target);
    return std::nullopt;
}

ShellAction planMail(const QString& target) {
    const QUrl url(target, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) != 0)
        return notAnAddress(target);
    if (asksToAttach(url))
        return refusal(QT_TRANSLATE_NOOP("Vantory", "\"%1\" asks the mail program to attach a "
                                                    "file, so Vantory does not open it."),
                       target);
    return OpenUrl{url, target};
}

} // namespace launch
