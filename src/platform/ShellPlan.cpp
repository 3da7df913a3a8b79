#include "platform/ShellPlan.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace platform {

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

QString notFound(const QString& path) {
    return QStringLiteral("The file or folder \"%1\" could not be found.").arg(path);
}

QStringList splitParameters(const std::optional<QString>& parameters) {
    if (!parameters)
        return {};
    return QProcess::splitCommand(*parameters);
}

QString requestedDirectory(const ShellRequest& request) {
    return request.directory ? unquoteShellText(*request.directory) : QString();
}

ShellAction planAddress(const QString& address, const FileProbe& probe) {
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return RefuseRequest{QStringLiteral("\"%1\" is not a valid address.").arg(address)};
    // A page of our own (the help) arrives as a file: address; name a missing one plainly
    // rather than leaving the desktop's handler to fail quietly.
    if (url.isLocalFile() && url.host().isEmpty()) {
        const QString local = url.toLocalFile();
        if (probe.kind(local) == FileKind::Missing)
            return RefuseRequest{notFound(local)};
    }
    return OpenUrl{url, address};
}

} // namespace

QString unquoteShellText(const QString& text) {
    QString result = text.trimmed();
    if (result.size() >= 2 && result.startsWith(QLatin1Char('"')) &&
        result.endsWith(QLatin1Char('"')))
        result = result.mid(1, result.size() - 2).trimmed();
    return result;
}

ShellAction planShellRequest(const ShellRequest& request, const FileProbe& probe) {
    // The verb ("open" or none) always means the default action here. The show command has
    // no general counterpart on X11 or Wayland: a started program places its own windows, so
    // it is not carried over.
    const QString file = unquoteShellText(request.file);
    if (file.isEmpty())
        return RefuseRequest{
            QStringLiteral("There is nothing to open: no file, folder or address was given.")};

    const FileKind kind = probe.kind(file);
    if (kind == FileKind::Missing && hasScheme(file))
        return planAddress(file, probe);

    const QFileInfo info(file);
    const QString path = info.absoluteFilePath();
    // Desktop entries are often marked executable; they are still entries, not programs.
    const bool desktopEntry =
        info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0;
    if (desktopEntry && (kind == FileKind::Document || kind == FileKind::Executable))
        return LaunchDesktopEntry{path, splitParameters(request.parameters)};
    switch (kind) {
    case FileKind::Folder:
    case FileKind::Document:
        return OpenUrl{QUrl::fromLocalFile(path), file};
    case FileKind::Executable: {
        // Portable programs look for their files beside themselves.
        QString directory = requestedDirectory(request);
        if (directory.isEmpty())
            directory = info.absolutePath();
        return StartProgram{path, splitParameters(request.parameters), directory};
    }
    case FileKind::Missing:
        break;
    }

    if (isBareWebHost(file))
        return planAddress(QStringLiteral("https://") + file, probe);

    if (!file.contains(QLatin1Char('/'))) {
        // A program named without a folder, as in "firefox": the one PATH finds. Its own
        // folder (/usr/bin and the like) is no place to work in, so without a directory it
        // keeps the launcher's.
        const QString program = probe.findProgram(file);
        if (!program.isEmpty())
            return StartProgram{program, splitParameters(request.parameters),
                                requestedDirectory(request)};
    }

    return RefuseRequest{notFound(file)};
}

} // namespace platform
