// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/ShellPlan.h"

#include "launch/AddressPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

#include <glib.h>

namespace launch {

namespace {

// What a request is planned against: the file system and this machine's name.
struct Planning {
    platform::FileSystem& files;
    const QString& machine;
};

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

const char* const kNotFound =
    QT_TRANSLATE_NOOP("Vantory", "The file or folder \"%1\" could not be found.");
const char* const kNotAFileOrFolder = QT_TRANSLATE_NOOP(
    "Vantory", "\"%1\" is neither a file nor a folder, so Vantory does not open it.");
const char* const kNotAProgram = QT_TRANSLATE_NOOP("Vantory", "\"%1\" is a folder, not a program.");
const char* const kNotAWebAddress = QT_TRANSLATE_NOOP(
    "Vantory", "\"%1\" is a program, not a web address, so Vantory does not start it.");
// The file system did not say in time what the target is (a network mount that hangs).
const char* const kNotAnswering =
    QT_TRANSLATE_NOOP("Vantory", "Vantory gave up waiting for \"%1\": the disk or network "
                                 "folder that holds it did not answer in time. Nothing was "
                                 "opened.");

// Why a target is refused when there is nothing to open: it is missing, or the file system did
// not say in time what it is. None for anything that is there.
std::optional<RefuseRequest> notThere(platform::FileKind kind, const QString& shownAs) {
    if (kind == platform::FileKind::Missing)
        return refusal(kNotFound, shownAs);
    if (kind == platform::FileKind::Unanswered)
        return refusal(kNotAnswering, shownAs);
    return std::nullopt;
}

// What a file: address names: its local path, or why it is refused.
using FileAddress = std::variant<QString, RefuseRequest>;

// Only a file: address whose host is empty, "localhost" or this machine names a local file; it
// then gets exactly the rules of that file, however the address is written (any case, per cent
// encoded, "file:/x" or "file:///x"). None for text that is no file: address.
std::optional<FileAddress> fileAddress(const QString& text, const QString& machine) {
    if (!text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return std::nullopt;
    const QUrl url(text, QUrl::TolerantMode);
    const QString host = url.host();
    const bool local = host.isEmpty() || host == QLatin1String("localhost") ||
                       (!machine.isEmpty() && host.compare(machine, Qt::CaseInsensitive) == 0);
    if (!url.isValid() || !url.isLocalFile())
        return notAnAddress(text);
    if (!local || !url.userInfo().isEmpty() || url.port() != -1)
        return refusal(
            QT_TRANSLATE_NOOP(
                "Vantory", "\"%1\" names a file on another computer, so Vantory does not open it."),
            text);
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(QLatin1Char('/')))
        return notAnAddress(text);
    return path;
}

ShellAction openLocal(const QString& path, const QString& shownAs) {
    return OpenUrl{QUrl::fromLocalFile(path), shownAs};
}

QString requestedDirectory(const platform::ShellRequest& request) {
    return request.directory ? unquoteShellText(*request.directory) : QString();
}

// The request's parameters as arguments for the program at path, or why they cannot be.
std::variant<QStringList, RefuseRequest> argumentsFor(const platform::ShellRequest& request,
                                                      const QString& path) {
    if (!request.parameters)
        return QStringList();
    auto split = splitParameters(*request.parameters);
    if (const auto* error = std::get_if<ParameterError>(&split))
        return RefuseRequest{QCoreApplication::translate(
                                 "Vantory", "Vantory does not start \"%1\" because its parameters "
                                            "cannot be split into arguments: %2")
                                 .arg(path, error->reason)};
    return std::get<QStringList>(std::move(split));
}

ShellAction startProgram(const platform::ShellRequest& request, const QString& path) {
    auto arguments = argumentsFor(request, path);
    if (const auto* refusal = std::get_if<RefuseRequest>(&arguments))
        return *refusal;
    // Portable programs look for their files beside themselves.
    QString directory = requestedDirectory(request);
    if (directory.isEmpty())
        directory = QFileInfo(path).absolutePath();
    return StartProgram{path, std::get<QStringList>(std::move(arguments)), directory};
}

// Whether the entry may run is the shell's question, asked just before it runs.
ShellAction launchEntry(const platform::ShellRequest& request, const QString& path,
                        const platform::FileFacts& facts) {
    auto arguments = argumentsFor(request, path);
    if (const auto* refusal = std::get_if<RefuseRequest>(&arguments))
        return *refusal;
    return LaunchDesktopEntry{path, std::get<QStringList>(std::move(arguments)),
                              facts.canonicalPath, facts.entryText};
}

// A local file named where an address was expected opens as a document or folder; a program
// or desktop entry is not started.
ShellAction openWithoutStarting(const QString& path, platform::FileSystem& files) {
    const platform::FileFacts facts = files.inspect(path);
    if (auto refused = notThere(facts.kind, path))
        return *refused;
    if (facts.kind == platform::FileKind::Special)
        return refusal(kNotAFileOrFolder, path);
    if (facts.kind == platform::FileKind::Folder)
        return openLocal(absolute(path), path);
    if (facts.desktopEntry || isNativeProgram(facts))
        return refusal(kNotAWebAddress, path);
    return openLocal(absolute(path), path);
}

ShellAction planWebAddress(const QString& target, const Planning& on) {
    if (const auto address = fileAddress(target, on.machine)) {
        if (const auto* refusal = std::get_if<RefuseRequest>(&*address))
            return *refusal;
        return openWithoutStarting(std::get<QString>(*address), on.files);
    }
    if (auto address = planAddress(target))
        return *std::move(address);
    if (QDir::isAbsolutePath(target))
        return openWithoutStarting(target, on.files);
    return notAnAddress(target);
}

// The path a folder or program shortcut names: the target itself, or the local file a file:
// address names.
FileAddress localTarget(const QString& target, const Planning& on) {
    return fileAddress(target, on.machine).value_or(FileAddress(target));
}

// The folder opens in the file manager; a file named instead opens the folder that holds it.
ShellAction planFolder(const QString& target, const Planning& on) {
    const FileAddress local = localTarget(target, on);
    if (const auto* refusal = std::get_if<RefuseRequest>(&local))
        return *refusal;
    const QString& shownAs = std::get<QString>(local);
    const QString path = absolute(shownAs);
    const platform::FileKind kind = on.files.inspect(path).kind;
    if (auto refused = notThere(kind, shownAs))
        return *refused;
    if (kind == platform::FileKind::Folder)
        return openLocal(path, target);
    return openLocal(QFileInfo(path).absolutePath(), target);
}

// The user chose to start this file as a program.
ShellAction planApplication(const platform::ShellRequest& request, const QString& target,
                            const Planning& on) {
    const FileAddress local = localTarget(target, on);
    if (const auto* refusal = std::get_if<RefuseRequest>(&local))
        return *refusal;
    const QString& shownAs = std::get<QString>(local);
    const QString path = absolute(shownAs);
    const platform::FileFacts facts = on.files.inspect(path);
    if (auto refused = notThere(facts.kind, shownAs))
        return *refused;
    if (facts.kind != platform::FileKind::File)
        return refusal(kNotAProgram, shownAs);
    // Run directly, an entry's text would fail as an unknown executable format; GIO starts
    // the application it describes.
    if (facts.desktopEntry)
        return launchEntry(request, path, facts);
    return startProgram(request, path);
}

// Opened by what the file is, as the desktop's own file manager would: a native program runs,
// a desktop entry launches, everything else opens in its default application.
ShellAction planShellFile(const platform::ShellRequest& request, const QString& target,
                          const Planning& on) {
    QString shownAs = target;
    platform::FileFacts facts = on.files.inspect(target);
    if (facts.kind == platform::FileKind::Missing) {
        // A file that really exists under a name that looks like an address is that file.
        if (const auto address = fileAddress(target, on.machine)) {
            if (const auto* refusal = std::get_if<RefuseRequest>(&*address))
                return *refusal;
            shownAs = std::get<QString>(*address);
            facts = on.files.inspect(shownAs);
        } else if (auto address = planAddress(target)) {
            return *std::move(address);
        }
    }
    const QString path = absolute(shownAs);
    if (auto refused = notThere(facts.kind, shownAs))
        return *refused;
    if (facts.kind == platform::FileKind::Special)
        return refusal(kNotAFileOrFolder, shownAs);
    if (facts.kind == platform::FileKind::Folder)
        return openLocal(path, shownAs);
    if (facts.desktopEntry)
        return launchEntry(request, path, facts);
    if (isNativeProgram(facts))
        return startProgram(request, path);
    return openLocal(path, shownAs);
}

// A character the text does not hold, from Unicode's noncharacters, which no real text needs.
QChar unusedCharacter(const QString& text) {
    for (char16_t c = 0xFDD0; c <= 0xFDEF; ++c) {
        if (!text.contains(QChar(c)))
            return QChar(c);
    }
    return {};
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

RefuseRequest refusal(const char* text, const QString& about) {
    return {QCoreApplication::translate("Vantory", text).arg(about)};
}

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

QString unquoteShellText(const QString& text) {
    QString result = text.trimmed();
    if (result.size() >= 2 && result.startsWith(QLatin1Char('"')) &&
        result.endsWith(QLatin1Char('"')))
        result = result.mid(1, result.size() - 2).trimmed();
    return result;
}

bool isNativeProgram(const platform::FileFacts& facts) {
    // Both names must agree: a script called "tool.so" is named a library but holds a script,
    // and a program called "report.pdf" holds a program but is named a document.
    return facts.kind == platform::FileKind::File && facts.executable && !facts.desktopEntry &&
           isNativeType(facts.mimeType) && isNativeType(facts.contentType);
}

ShellAction planShellRequest(const platform::ShellRequest& request, platform::FileSystem& files,
                             const QString& machine) {
    const Planning on{files, machine};
    // The verb ("open" or none) always means the default action here. The show command has
    // no general counterpart on X11 or Wayland: a started program places its own windows, so
    // it is not carried over.
    const QString target = unquoteShellText(request.file);
    if (target.isEmpty())
        return RefuseRequest{QCoreApplication::translate(
            "Vantory", "There is nothing to open: no file, folder or address was given.")};

    switch (request.target) {
    case platform::ShellTarget::EmailAddress:
        return planMail(target);
    case platform::ShellTarget::WebAddress:
        return planWebAddress(target, on);
    case platform::ShellTarget::Folder:
        return planFolder(target, on);
    case platform::ShellTarget::Application:
        return planApplication(request, target, on);
    case platform::ShellTarget::ShellFile:
    case platform::ShellTarget::HelpPage:
        return planShellFile(request, target, on);
    }
    // A value outside the list is treated as the one target that never starts anything.
    return planWebAddress(target, on);
}

} // namespace launch
