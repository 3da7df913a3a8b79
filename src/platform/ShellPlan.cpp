#include "platform/ShellPlan.h"

#include "platform/ShellParameters.h"

#include <QDir>
#include <QFileInfo>
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

// A file: address without a host names a local file: its path, or "" for any other text.
QString localFileOf(const QString& text) {
    if (!text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return {};
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || !url.isLocalFile() || !url.host().isEmpty())
        return {};
    return url.toLocalFile();
}

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

RefuseRequest notFound(const QString& path) {
    return {QStringLiteral("The file or folder \"%1\" could not be found.").arg(path)};
}

RefuseRequest notAnAddress(const QString& text) {
    return {QStringLiteral("\"%1\" is not a valid address.").arg(text)};
}

RefuseRequest notAFileOrFolder(const QString& path) {
    return {QStringLiteral("\"%1\" is neither a file nor a folder, so Vantory does not open it.")
                .arg(path)};
}

RefuseRequest notAProgram(const QString& path) {
    return {QStringLiteral("\"%1\" is a folder, not a program.").arg(path)};
}

RefuseRequest notAWebAddress(const QString& path) {
    return {QStringLiteral("\"%1\" is a program, not a web address, so Vantory does not start it.")
                .arg(path)};
}

RefuseRequest untrustedEntry(const QString& path) {
    return {QStringLiteral("The desktop entry \"%1\" is not marked as trusted (executable), so "
                           "Vantory does not start it.")
                .arg(path)};
}

ShellAction openAddress(const QString& address, const QString& shownAs) {
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return notAnAddress(shownAs);
    return OpenUrl{url, shownAs};
}

ShellAction openLocal(const QString& path, const QString& shownAs) {
    return OpenUrl{QUrl::fromLocalFile(path), shownAs};
}

QString requestedDirectory(const ShellRequest& request) {
    return request.directory ? unquoteShellText(*request.directory) : QString();
}

// The request's parameters as arguments for the program at path, or why they cannot be.
std::variant<QStringList, RefuseRequest> argumentsFor(const ShellRequest& request,
                                                      const QString& path) {
    if (!request.parameters)
        return QStringList();
    auto split = splitParameters(*request.parameters);
    if (const auto* error = std::get_if<ParameterError>(&split))
        return RefuseRequest{QStringLiteral("Vantory does not start \"%1\" because its parameters "
                                            "cannot be split into arguments: %2")
                                 .arg(path, error->reason)};
    return std::get<QStringList>(std::move(split));
}

ShellAction startProgram(const ShellRequest& request, const QString& path) {
    auto arguments = argumentsFor(request, path);
    if (const auto* refusal = std::get_if<RefuseRequest>(&arguments))
        return *refusal;
    // Portable programs look for their files beside themselves.
    QString directory = requestedDirectory(request);
    if (directory.isEmpty())
        directory = QFileInfo(path).absolutePath();
    return StartProgram{path, std::get<QStringList>(std::move(arguments)), directory};
}

// The desktop's trust rule: an entry runs its Exec line only when it is one of the application
// menu's own or the user has marked it executable; a downloaded or unpacked one is neither.
ShellAction launchEntry(const ShellRequest& request, const QString& path, const FileFacts& facts,
                        const QString& shownAs) {
    if (!facts.executable && !facts.menuEntry)
        return untrustedEntry(shownAs);
    auto arguments = argumentsFor(request, path);
    if (const auto* refusal = std::get_if<RefuseRequest>(&arguments))
        return *refusal;
    return LaunchDesktopEntry{path, std::get<QStringList>(std::move(arguments))};
}

ShellAction planMail(const QString& target) {
    const QUrl url(target, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) != 0)
        return notAnAddress(target);
    return OpenUrl{url, target};
}

// A local file named where an address was expected opens as a document or folder; a program
// or desktop entry is not started.
ShellAction openWithoutStarting(const QString& path, FileSystem& files) {
    const FileFacts facts = files.inspect(path);
    switch (facts.kind) {
    case FileKind::Missing:
        return notFound(path);
    case FileKind::Special:
        return notAFileOrFolder(path);
    case FileKind::Folder:
        return openLocal(absolute(path), path);
    case FileKind::File:
        break;
    }
    if (facts.desktopEntry || isNativeProgram(facts))
        return notAWebAddress(path);
    return openLocal(absolute(path), path);
}

ShellAction planWebAddress(const QString& target, FileSystem& files) {
    const QString local = localFileOf(target);
    if (!local.isEmpty())
        return openWithoutStarting(local, files);
    // Before the scheme test: "www.example.org:8080" is a host and port, not a scheme.
    if (isBareWebHost(target))
        return openAddress(QStringLiteral("https://") + target, target);
    if (hasScheme(target))
        return openAddress(target, target);
    if (QDir::isAbsolutePath(target))
        return openWithoutStarting(target, files);
    return notAnAddress(target);
}

// The folder opens in the file manager; a file named instead opens the folder that holds it.
ShellAction planFolder(const QString& target, FileSystem& files) {
    const QString local = localFileOf(target);
    const QString path = absolute(local.isEmpty() ? target : local);
    switch (files.inspect(path).kind) {
    case FileKind::Missing:
        return notFound(local.isEmpty() ? target : local);
    case FileKind::Folder:
        return openLocal(path, target);
    case FileKind::File:
    case FileKind::Special:
        break;
    }
    return openLocal(QFileInfo(path).absolutePath(), target);
}

// The user chose to start this file as a program.
ShellAction planApplication(const ShellRequest& request, const QString& target, FileSystem& files) {
    const QString local = localFileOf(target);
    const QString shownAs = local.isEmpty() ? target : local;
    const QString path = absolute(shownAs);
    const FileFacts facts = files.inspect(path);
    switch (facts.kind) {
    case FileKind::Missing:
        return notFound(shownAs);
    case FileKind::Folder:
    case FileKind::Special:
        return notAProgram(shownAs);
    case FileKind::File:
        break;
    }
    // Run directly, an entry's text would fail as an unknown executable format; GIO starts
    // the application it describes.
    if (facts.desktopEntry)
        return launchEntry(request, path, facts, shownAs);
    return startProgram(request, path);
}

// Opened by what the file is, as the desktop's own file manager would: a native program runs,
// a trusted desktop entry launches, everything else opens in its default application.
ShellAction planShellFile(const ShellRequest& request, const QString& target, FileSystem& files) {
    QString shownAs = target;
    FileFacts facts = files.inspect(target);
    if (facts.kind == FileKind::Missing) {
        // A file that really exists under a name that looks like an address is that file.
        const QString local = localFileOf(target);
        if (!local.isEmpty()) {
            shownAs = local;
            facts = files.inspect(local);
        } else if (isBareWebHost(target)) {
            return openAddress(QStringLiteral("https://") + target, target);
        } else if (hasScheme(target)) {
            return openAddress(target, target);
        }
    }
    const QString path = absolute(shownAs);
    switch (facts.kind) {
    case FileKind::Missing:
        return notFound(shownAs);
    case FileKind::Special:
        return notAFileOrFolder(shownAs);
    case FileKind::Folder:
        return openLocal(path, shownAs);
    case FileKind::File:
        break;
    }
    if (facts.desktopEntry)
        return launchEntry(request, path, facts, shownAs);
    if (isNativeProgram(facts))
        return startProgram(request, path);
    return openLocal(path, shownAs);
}

bool isNativeType(const QString& type) {
    static const QStringList native{
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-pie-executable"),
        QStringLiteral("application/x-sharedlib"),
        QStringLiteral("application/vnd.appimage"),
        QStringLiteral("application/x-iso9660-appimage"),
    };
    return native.contains(type);
}

} // namespace

QString unquoteShellText(const QString& text) {
    QString result = text.trimmed();
    if (result.size() >= 2 && result.startsWith(QLatin1Char('"')) &&
        result.endsWith(QLatin1Char('"')))
        result = result.mid(1, result.size() - 2).trimmed();
    return result;
}

bool isNativeProgram(const FileFacts& facts) {
    // Both names must agree: a script called "tool.so" is named a library but holds a script,
    // and a program called "report.pdf" holds a program but is named a document.
    return facts.kind == FileKind::File && facts.executable && !facts.desktopEntry &&
           isNativeType(facts.mimeType) && isNativeType(facts.contentType);
}

ShellAction planShellRequest(const ShellRequest& request, FileSystem& files) {
    // The verb ("open" or none) always means the default action here. The show command has
    // no general counterpart on X11 or Wayland: a started program places its own windows, so
    // it is not carried over.
    const QString target = unquoteShellText(request.file);
    if (target.isEmpty())
        return RefuseRequest{
            QStringLiteral("There is nothing to open: no file, folder or address was given.")};

    switch (request.target) {
    case ShellTarget::EmailAddress:
        return planMail(target);
    case ShellTarget::WebAddress:
        return planWebAddress(target, files);
    case ShellTarget::Folder:
        return planFolder(target, files);
    case ShellTarget::Application:
        return planApplication(request, target, files);
    case ShellTarget::ShellFile:
    case ShellTarget::HelpPage:
        return planShellFile(request, target, files);
    }
    // A value outside the list is treated as the one target that never starts anything.
    return planWebAddress(target, files);
}

} // namespace platform
