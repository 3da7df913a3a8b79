#include "platform/HelpPage.h"

#include <QUrl>

namespace platform {

QString helpPageAddress(Environment& env) {
    return QUrl::fromLocalFile(env.programFolder() + QStringLiteral("/help/index.html")).toString();
}

QString rootFolder() {
    return QStringLiteral("/");
}

} // namespace platform
