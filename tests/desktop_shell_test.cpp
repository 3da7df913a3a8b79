#include "platform/DesktopShell.h"
#include "platform/ShellPlan.h"
#include "platform/SystemDesktopActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <vector>

using namespace platform;

namespace {

struct ProcessCall {
    QString program;
    QStringList args;
    QString workingDir;
};

class RecordingProcessStarter : public ProcessStarter {
  public:
    bool startDetached(const QString& program, const QStringList& args, const QString& workingDir,
                       QString* error) override {
        calls.push_back({program, args, workingDir});
        if (!succeed && error)
            *error = failure;
        return succeed;
    }
    std::vector<ProcessCall> calls;
    bool succeed = true;
    QString failure;
};

class RecordingUrlOpener : public UrlOpener {
  public:
    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        return succeed;
    }
    std::vector<QUrl> urls;
    bool succeed = true;
};

struct EntryCall {
    QString desktopFile;
    QStringList args;
};

class RecordingDesktopEntryLauncher : public DesktopEntryLauncher {
  public:
    bool launch(const QString& desktopFile, const QStringList& args, QString* error) override {
        calls.push_back({desktopFile, args});
        if (!succeed && error)
            *error = failure;
        return succeed;
    }
    std::vector<EntryCall> calls;
    bool succeed = true;
    QString failure;
};

struct Shown {
    QWidget* owner;
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
};

class RecordingMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(QWidget* owner, const QString& text, const QString& title,
                       MessageButtons buttons, MessageIcon icon) override {
        shown.push_back({owner, text, title, buttons, icon});
        return MessageAnswer::Ok;
    }
    std::vector<Shown> shown;
};

// A file system that holds only what a test puts in it.
class MapFileProbe : public FileProbe {
  public:
    FileKind kind(const QString& path) const override {
        const auto found = kinds.find(path);
        return found == kinds.end() ? FileKind::Missing : found->second;
    }
    QString findProgram(const QString& name) const override {
        const auto found = programs.find(name);
        return found == programs.end() ? QString() : found->second;
    }
    std::map<QString, FileKind> kinds;
    std::map<QString, QString> programs;
};

ShellRequest request(const QString& file, std::optional<QString> parameters = std::nullopt,
                     std::optional<QString> directory = std::nullopt) {
    ShellRequest r;
    r.verb = QStringLiteral("open");
    r.file = file;
    r.parameters = std::move(parameters);
    r.directory = std::move(directory);
    return r;
}

void writeFile(const QString& path, const QByteArray& content, bool executable) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    if (executable) {
        ASSERT_TRUE(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
    }
}

// Writes a script that reports the folder it runs in and each argument it got into a pipe the
// test reads; reading waits for the script without any timing.
void writeReportingScript(const QString& script, const QString& pipe) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    writeFile(
        script,
        QStringLiteral("#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } "
                       "> '%1'\n")
            .arg(pipe)
            .toUtf8(),
        true);
}

// A shell over recording fakes and the real file system, with temporary files to point at.
class DesktopShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        program = dir.filePath(QStringLiteral("tool.sh"));
        writeFile(program, "#!/bin/sh\nexit 0\n", true);
        document = dir.filePath(QStringLiteral("notes.txt"));
        writeFile(document, "some notes\n", false);
        folder = dir.filePath(QStringLiteral("Projects"));
        ASSERT_TRUE(QDir().mkdir(folder));
        entry = dir.filePath(QStringLiteral("editor.desktop"));
        writeFile(entry, "[Desktop Entry]\nType=Application\nName=Editor\nExec=true %F\n", false);
    }

    void run(const ShellRequest& r) { shell.execute(r); }
    bool nothingStarted() const {
        return processes.calls.empty() && urls.urls.empty() && entries.calls.empty();
    }

    QTemporaryDir dir;
    QString program, document, folder, entry;
    RecordingMessageBoxes messages;
    RecordingProcessStarter processes;
    RecordingUrlOpener urls;
    RecordingDesktopEntryLauncher entries;
    SystemFileProbe files;
    DesktopShell shell{messages, processes, urls, entries, files};
};

} // namespace

TEST(UnquoteShellText, RemovesWhiteSpaceAndOnePairOfQuotes) {
    EXPECT_EQ(unquoteShellText(QStringLiteral("  \"/opt/a b/run\"  ")),
              QStringLiteral("/opt/a b/run"));
    EXPECT_EQ(unquoteShellText(QStringLiteral("\" /opt/x \"")), QStringLiteral("/opt/x"));
    EXPECT_EQ(unquoteShellText(QStringLiteral("\"\"/opt/x\"\"")), QStringLiteral("\"/opt/x\""));
    EXPECT_EQ(unquoteShellText(QStringLiteral("\"/opt/x")), QStringLiteral("\"/opt/x"));
    EXPECT_EQ(unquoteShellText(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(unquoteShellText(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(unquoteShellText(QStringLiteral("/opt/x")), QStringLiteral("/opt/x"));
}

TEST_F(DesktopShellTest, QuotedProgramStartsDirectlyFromItsOwnFolder) {
    run(request(QStringLiteral("  \"%1\" ").arg(program)));
    ASSERT_EQ(processes.calls.size(), 1u);
    EXPECT_EQ(processes.calls[0].program, program);
    EXPECT_TRUE(processes.calls[0].args.isEmpty());
    EXPECT_EQ(processes.calls[0].workingDir, dir.path());

    // An empty directory is no directory at all.
    run(request(program, QString(), QString()));
    ASSERT_EQ(processes.calls.size(), 2u);
    EXPECT_EQ(processes.calls[1].workingDir, dir.path());

    // A given one, quoted as the catalogue may hold it, is used.
    run(request(program, std::nullopt, QStringLiteral("\"%1\"").arg(folder)));
    ASSERT_EQ(processes.calls.size(), 3u);
    EXPECT_EQ(processes.calls[2].workingDir, folder);

    EXPECT_TRUE(urls.urls.empty());
    EXPECT_TRUE(entries.calls.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, ParametersAreSplitIntoSeparateArgumentsWithoutAShell) {
    // Double quotes group words; single quotes are ordinary characters, as on the desktop the
    // parameters were written for.
    run(request(program, QStringLiteral("-a \"two words\" 'x y'")));
    ASSERT_EQ(processes.calls.size(), 1u);
    EXPECT_EQ(processes.calls[0].args,
              (QStringList{QStringLiteral("-a"), QStringLiteral("two words"), QStringLiteral("'x"),
                           QStringLiteral("y'")}));

    run(request(program, QStringLiteral("a;b | c $(rm -rf ~) && d > out \"e; f\"")));
    ASSERT_EQ(processes.calls.size(), 2u);
    EXPECT_EQ(processes.calls[1].args,
              (QStringList{QStringLiteral("a;b"), QStringLiteral("|"), QStringLiteral("c"),
                           QStringLiteral("$(rm"), QStringLiteral("-rf"), QStringLiteral("~)"),
                           QStringLiteral("&&"), QStringLiteral("d"), QStringLiteral(">"),
                           QStringLiteral("out"), QStringLiteral("e; f")}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, DocumentsAndFoldersOpenAsLocalFiles) {
    run(request(QStringLiteral("\"%1\"").arg(document), QStringLiteral("--ignored")));
    // A folder carries the x bit for everyone but is no program.
    ASSERT_TRUE(QFileInfo(folder).isExecutable());
    run(request(folder));
    ASSERT_EQ(urls.urls.size(), 2u);
    EXPECT_EQ(urls.urls[0], QUrl::fromLocalFile(document));
    EXPECT_EQ(urls.urls[1], QUrl::fromLocalFile(folder));
    EXPECT_TRUE(processes.calls.empty());
    EXPECT_TRUE(entries.calls.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, DesktopEntriesGoToTheEntryLauncherEvenWhenExecutable) {
    run(request(entry, QStringLiteral("\"%1\" https://example.org").arg(document)));
    QFile(entry).setPermissions(QFile(entry).permissions() | QFileDevice::ExeOwner);
    run(request(QStringLiteral("\"%1\"").arg(entry)));
    ASSERT_EQ(entries.calls.size(), 2u);
    EXPECT_EQ(entries.calls[0].desktopFile, entry);
    EXPECT_EQ(entries.calls[0].args,
              (QStringList{document, QStringLiteral("https://example.org")}));
    EXPECT_EQ(entries.calls[1].desktopFile, entry);
    EXPECT_TRUE(entries.calls[1].args.isEmpty());
    EXPECT_TRUE(processes.calls.empty());
    EXPECT_TRUE(urls.urls.empty());
}

TEST_F(DesktopShellTest, AddressesGoToTheUrlHandlerAndIgnoreParameters) {
    const QString mail = QStringLiteral("mailto:someone@example.org");
    run(request(mail, QStringLiteral("--flag")));
    run(request(QStringLiteral("\"https://example.org/a?b=c\"")));
    run(request(QStringLiteral("ftp://files.example.org/pub")));
    run(request(QStringLiteral("www.example.org")));
    run(request(QStringLiteral("WWW.example.org/some/page")));
    // The help page arrives quoted, as a file: address, with the top folder as directory.
    const QString helpFolder = dir.filePath(QStringLiteral("help pages"));
    ASSERT_TRUE(QDir().mkdir(helpFolder));
    const QString helpPage = helpFolder + QStringLiteral("/index.html");
    writeFile(helpPage, "<html></html>\n", false);
    const QUrl help = QUrl::fromLocalFile(helpPage);
    ShellRequest helpRequest =
        request(QStringLiteral("\"%1\"").arg(help.toString()), std::nullopt, QStringLiteral("/"));
    helpRequest.verb = std::nullopt;
    helpRequest.showCommand = show::Show;
    run(helpRequest);

    ASSERT_EQ(urls.urls.size(), 6u);
    EXPECT_EQ(urls.urls[0].toString(), mail);
    EXPECT_EQ(urls.urls[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(urls.urls[1], QUrl(QStringLiteral("https://example.org/a?b=c")));
    EXPECT_EQ(urls.urls[2], QUrl(QStringLiteral("ftp://files.example.org/pub")));
    EXPECT_EQ(urls.urls[3], QUrl(QStringLiteral("https://www.example.org")));
    EXPECT_EQ(urls.urls[4], QUrl(QStringLiteral("https://WWW.example.org/some/page")));
    EXPECT_EQ(urls.urls[5], help);
    EXPECT_TRUE(processes.calls.empty());
    EXPECT_TRUE(entries.calls.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, RequestsThatCannotBeCarriedOutGiveOneMessageAndStartNothing) {
    QWidget owner;
    auto expectOneMessage = [&](const ShellRequest& r, const QString& expected) {
        messages.shown.clear();
        ShellRequest withOwner = r;
        withOwner.owner = &owner;
        run(withOwner);
        ASSERT_EQ(messages.shown.size(), 1u) << r.file.toStdString();
        EXPECT_EQ(messages.shown[0].text, expected);
        EXPECT_EQ(messages.shown[0].owner, &owner);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Vantory"));
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    };

    const QString missing = dir.filePath(QStringLiteral("gone/away.exe"));
    expectOneMessage(request(QStringLiteral("\"%1\"").arg(missing)),
                     QStringLiteral("The file or folder \"%1\" could not be found.").arg(missing));
    // A drive letter is not an address scheme.
    expectOneMessage(
        request(QStringLiteral("\"C:\\Tools\\run.exe\"")),
        QStringLiteral("The file or folder \"C:\\Tools\\run.exe\" could not be found."));
    const QString missingPage = dir.filePath(QStringLiteral("help/index.html"));
    expectOneMessage(
        request(QUrl::fromLocalFile(missingPage).toString()),
        QStringLiteral("The file or folder \"%1\" could not be found.").arg(missingPage));
    expectOneMessage(
        request(QStringLiteral("  \"\" ")),
        QStringLiteral("There is nothing to open: no file, folder or address was given."));
    EXPECT_TRUE(nothingStarted());
}

TEST_F(DesktopShellTest, FailedStartsAreReportedWithTheReason) {
    processes.succeed = false;
    processes.failure = QStringLiteral("Permission denied");
    run(request(program));
    ASSERT_EQ(processes.calls.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Vantory could not start \"%1\": Permission denied").arg(program));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);

    entries.succeed = false;
    entries.failure = QStringLiteral("Failed to execute child process");
    run(request(entry));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral("Vantory could not start \"%1\": Failed to execute child process")
                  .arg(entry));

    urls.succeed = false;
    run(request(QStringLiteral("mailto:someone@example.org")));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].text,
              QStringLiteral("No application is set up to open \"mailto:someone@example.org\"."));
    run(request(document));
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[3].text,
              QStringLiteral("No application is set up to open \"%1\".").arg(document));
}

TEST(PlanShellRequest, ProgramsNamedWithoutAFolderAreFoundThroughPath) {
    MapFileProbe probe;
    probe.programs[QStringLiteral("firefox")] = QStringLiteral("/usr/bin/firefox");

    EXPECT_EQ(
        planShellRequest(request(QStringLiteral("\"firefox\""), QStringLiteral("-P work")), probe),
        ShellAction(StartProgram{QStringLiteral("/usr/bin/firefox"),
                                 {QStringLiteral("-P"), QStringLiteral("work")},
                                 QString()}));
    EXPECT_EQ(
        planShellRequest(
            request(QStringLiteral("firefox"), std::nullopt, QStringLiteral("/home/me")), probe),
        ShellAction(
            StartProgram{QStringLiteral("/usr/bin/firefox"), {}, QStringLiteral("/home/me")}));
    // A name with a folder part is never looked up.
    EXPECT_TRUE(std::holds_alternative<RefuseRequest>(
        planShellRequest(request(QStringLiteral("bin/firefox")), probe)));
    // A file that really exists under a name that looks like an address is that file.
    probe.kinds[QStringLiteral("notes:draft")] = FileKind::Document;
    EXPECT_EQ(planShellRequest(request(QStringLiteral("notes:draft")), probe),
              ShellAction(OpenUrl{
                  QUrl::fromLocalFile(QDir::current().filePath(QStringLiteral("notes:draft"))),
                  QStringLiteral("notes:draft")}));
}

TEST(SystemDesktopActions, StartsProgramsWithLiteralArgumentsInTheGivenFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("report"));
    const QString script = dir.filePath(QStringLiteral("echo-args.sh"));
    ASSERT_NO_FATAL_FAILURE(writeReportingScript(script, pipe));
    const QString work = dir.filePath(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkdir(work));

    QProcessStarter starter;
    QString error;
    const QStringList args{QStringLiteral("a;b"), QStringLiteral("$(touch pwned)"),
                           QStringLiteral("x && y"), QStringLiteral(">out"), QString()};
    ASSERT_TRUE(starter.startDetached(script, args, work, &error)) << error.toStdString();
    QFile report(pipe);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString got = QString::fromUtf8(report.readAll());
    EXPECT_EQ(got, work + QStringLiteral("\n[a;b]\n[$(touch pwned)]\n[x && y]\n[>out]\n[]\n"));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/pwned")));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/out")));

    error.clear();
    EXPECT_FALSE(starter.startDetached(dir.filePath(QStringLiteral("no-such-program")), {},
                                       QString(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SystemDesktopActions, DesktopEntriesAreLaunchedThroughGio) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("report"));
    const QString script = dir.filePath(QStringLiteral("viewer.sh"));
    ASSERT_NO_FATAL_FAILURE(writeReportingScript(script, pipe));
    const QString entry = dir.filePath(QStringLiteral("viewer.desktop"));
    writeFile(
        entry,
        QStringLiteral("[Desktop Entry]\nType=Application\nName=Viewer\nExec=\"%1\" --view %F\n"
                       "Path=%2\n")
            .arg(script, dir.path())
            .toUtf8(),
        false);
    const QString document = dir.filePath(QStringLiteral("a b.txt"));
    writeFile(document, "text\n", false);

    GioDesktopEntryLauncher launcher;
    QString error;
    ASSERT_TRUE(launcher.launch(entry, {document}, &error)) << error.toStdString();
    QFile report(pipe);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(report.readAll()),
              dir.path() + QStringLiteral("\n[--view]\n[%1]\n").arg(document));

    // An entry that describes no application is refused with a reason.
    const QString link = dir.filePath(QStringLiteral("link.desktop"));
    writeFile(link, "[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org\n", false);
    error.clear();
    EXPECT_FALSE(launcher.launch(link, {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SystemDesktopActions, FileProbeTellsProgramsFromFoldersAndDocuments) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("run"));
    writeFile(program, "#!/bin/sh\n", true);
    const QString document = dir.filePath(QStringLiteral("read.me"));
    writeFile(document, "text\n", false);
    const QString dangling = dir.filePath(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nothing")), dangling));

    SystemFileProbe probe;
    EXPECT_EQ(probe.kind(program), FileKind::Executable);
    EXPECT_EQ(probe.kind(document), FileKind::Document);
    EXPECT_EQ(probe.kind(dir.path()), FileKind::Folder);
    EXPECT_EQ(probe.kind(dangling), FileKind::Missing);
    EXPECT_EQ(probe.kind(QString()), FileKind::Missing);
    EXPECT_FALSE(probe.findProgram(QStringLiteral("sh")).isEmpty());
    EXPECT_TRUE(probe.findProgram(QStringLiteral("vantory-no-such-program")).isEmpty());
}
