// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A language made from the English texts while the program runs, for finding texts that never
// reach translation and texts that do not fit their controls: every text of the program's own
// translation contexts (and Qt's standard buttons) shows between brackets, two fifths longer.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace pseudo {

inline constexpr QChar kOpen = u'[';
inline constexpr QChar kClose = u']';

// True when the text has something to translate: texts without letters ("...") stay as they are.
inline bool hasWords(const QString& text) {
    for (const QChar c : text) {
        if (c.isLetter()) {
            return true;
        }
    }
    return false;
}

// Each line of the text marked on its own, so that a line filled in from elsewhere (a "%2" of
// its own) stays outside the marks.
inline QString lengthened(const QString& english) {
    QStringList lines = english.split(u'\n');
    for (QString& line : lines) {
        if (!hasWords(line)) {
            continue;
        }
        // Two fifths more, as extra short words, so that a wrapped caption can still break.
        const qsizetype extra = (line.size() * 2 + 4) / 5;
        QString padding;
        for (qsizetype i = 0; i < extra; ++i) {
            padding += (i % 5 == 0) ? QChar(u' ') : QChar(u'~');
        }
        line = kOpen + line + padding + kClose;
    }
    return lines.join(u'\n');
}

// True when a shown text came through the pseudo-language.
inline bool isMarked(const QString& text) {
    return !hasWords(text) || (text.contains(kOpen) && text.contains(kClose));
}

// The words of a composed message that stand outside every mark: a sentence that was never
// translated. The values a sentence names (paths, names) sit inside its marks.
inline QStringList unmarkedWords(const QString& text) {
    QStringList found;
    for (const QString& line : text.split(u'\n')) {
        QString outside;
        int depth = 0;
        for (const QChar c : line) {
            depth += c == kOpen ? 1 : 0;
            if (depth == 0) {
                outside += c;
            }
            depth -= c == kClose && depth > 0 ? 1 : 0;
        }
        if (hasWords(outside)) {
            found << outside.trimmed();
        }
    }
    return found;
}

// The translation contexts a shipped translation file names: the program's own.
inline QSet<QString> contextsOf(const QString& tsFile) {
    QSet<QString> contexts;
    QFile file(tsFile);
    if (file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        static const QRegularExpression name(QStringLiteral("<context>\\s*<name>([^<]+)</name>"));
        for (const QRegularExpressionMatch& match : name.globalMatch(text)) {
            contexts.insert(match.captured(1));
        }
    }
    return contexts;
}

class Translator : public QTranslator {
  public:
    explicit Translator(QSet<QString> contexts, QObject* parent = nullptr)
        : QTranslator(parent), contexts_(std::move(contexts)) {
        contexts_.insert(QStringLiteral("QPlatformTheme")); // the standard buttons' captions
    }

    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        if (!source || !contexts_.contains(QString::fromUtf8(context))) {
            return {};
        }
        return lengthened(QString::fromUtf8(source));
    }

    bool isEmpty() const override { return false; }

  private:
    QSet<QString> contexts_;
};

} // namespace pseudo
