// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/ShellParameters.h"

#include <glib.h>

namespace launch {

namespace {

// A character the text does not hold, from Unicode's noncharacters, which no real text needs.
QChar unusedCharacter(const QString& text) {
    for (char16_t c = 0xFDD0; c <= 0xFDEF; ++c) {
        if (!text.contains(QChar(c)))
            return QChar(c);
    }
    return {};
}

} // namespace

std::variant<QStringList, ParameterError> splitParameters(const QString& text) {
    // The shell's parser treats a word starting with # as a comment and drops the rest of the
    // line, so "--colour #fff" would lose its value. Outside a comment # means only itself, so
    // it is kept out of the parser's sight and put back afterwards.
    const QChar hash = unusedCharacter(text);
    QString hidden = text;
    if (!hash.isNull())
        hidden.replace(QLatin1Char('#'), hash);
    auto restore = [&](const char* bytes) {
        QString restored = QString::fromUtf8(bytes);
        if (!hash.isNull())
            restored.replace(hash, QLatin1Char('#'));
        return restored;
    };

    gint count = 0;
    gchar** words = nullptr;
    GError* failure = nullptr;
    if (!g_shell_parse_argv(hidden.toUtf8().constData(), &count, &words, &failure)) {
        // Text with no words at all is no error here: it simply gives no arguments.
        const bool empty =
            failure && g_error_matches(failure, G_SHELL_ERROR, G_SHELL_ERROR_EMPTY_STRING);
        ParameterError error{restore(failure ? failure->message : "")};
        if (failure)
            g_error_free(failure);
        if (empty)
            return QStringList();
        return error;
    }
    QStringList arguments;
    for (gint i = 0; i < count; ++i)
        arguments << restore(words[i]);
    g_strfreev(words);
    return arguments;
}

} // namespace launch
