// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop shell: what each kind of request starts or opens, decided on real files, with a
// launcher that records instead of starting; and the desktop launcher and file inspection on
// the real desktop.

#include "fakes/FakeLaunchQuestion.h"
#include "fakes/FakeServices.h"
#include "fakes/PrivateApplications.h"
#include "fakes/RecordingLauncher.h"
#include "launch/DesktopShell.h"
#include "launch/LaunchCommand.h"
#include "launch/ShellPlan.h"
#include "platform/DesktopFileSystem.h"
#include "platform/DesktopLauncher.h"
#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <variant>
#include <vector>

using namespace platform;
using namespace launch;
using fakes::Launched;

namespace {

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
        EXPECT_EQ(buttons, MessageButtons::Ok) << "the shell asks nothing";
        return MessageAnswer::Ok;
    }
    std::vector<Shown> shown;
};

ShellRequest request(const QString& file, ShellTarget target,
                     std::optional<QString> parameters = std::nullopt,
                     std::optional<QString> directory = std::nullopt) {
    ShellRequest r;
    r.verb = QStringLiteral("open");
    r.file = file;
    r.parameters = std::move(parameters);
    r.directory = std::move(directory);
    r.target = target;
    return r;
}

void writeFile(const QString& path, const QByteArray& content, bool executable) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable) {
        permissions |= QFileDevice::ExeOwner;
    }
    ASSERT_TRUE(f.setPermissions(permissions));
}

// A copy of a real program of this machine.
void copyProgram(const QString& path) {
    QFile program(QStringLiteral("/bin/true"));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    writeFile(path, program.readAll(), true);
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

const QByteArray kScript = "#!/bin/sh\ntouch \"$0.ran\"\n";
const QByteArray kDocument = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<>>\nendobj\n";
const QByteArray kEntry = "[Desktop Entry]\nType=Application\nName=Editor\nExec=true %F\n";

// A desktop shell over the real file system and a recording launcher, with a folder of the
// kinds of file a shortcut may point at.
class DesktopShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        installed = fakes::privateApplications() + QStringLiteral("/installed.desktop");
        ASSERT_TRUE(dir.isValid());
        ASSERT_NO_FATAL_FAILURE(copyProgram(program));
        ASSERT_NO_FATAL_FAILURE(copyProgram(disguisedProgram));
        ASSERT_NO_FATAL_FAILURE(writeFile(script, kScript, true));
        ASSERT_NO_FATAL_FAILURE(writeFile(plainScript, kScript, false));
        ASSERT_NO_FATAL_FAILURE(writeFile(scriptNamedLibrary, kScript, true));
        ASSERT_NO_FATAL_FAILURE(writeFile(document, kDocument, false));
        ASSERT_NO_FATAL_FAILURE(writeFile(documentOnFat, kDocument, true));
        ASSERT_NO_FATAL_FAILURE(writeFile(trustedEntry, kEntry, true));
        ASSERT_NO_FATAL_FAILURE(writeFile(untrustedEntry, kEntry, false));
        ASSERT_TRUE(QDir().mkdir(folder));
    }

    QString at(const QString& name) const { return dir.filePath(name); }

    void run(const ShellRequest& r) { openThroughShell(shell, messages, r); }
    QStringList messageTexts() const {
        QStringList texts;
        for (const Shown& s : messages.shown)
            texts << s.text;
        return texts;
    }

    QTemporaryDir dir;
    const QString program = at(QStringLiteral("tool"));
    const QString disguisedProgram = at(QStringLiteral("invoice.pdf"));
    const QString script = at(QStringLiteral("cleanup"));
    const QString plainScript = at(QStringLiteral("cleanup-plain"));
    const QString scriptNamedLibrary = at(QStringLiteral("libhelper.so"));
    const QString document = at(QStringLiteral("report.pdf"));
    const QString documentOnFat = at(QStringLiteral("report-on-usb-stick.pdf"));
    const QString trustedEntry = at(QStringLiteral("editor.desktop"));
    const QString untrustedEntry = at(QStringLiteral("downloaded.desktop"));
    const QString folder = at(QStringLiteral("Projects"));

    QString installed;

    RecordingMessageBoxes messages;
    DesktopFileSystem files;
    fakes::RecordingLauncher launcher;
    fakes::FakeLaunchQuestion question;
    TrustedEntries trusted{at(QStringLiteral("state"))};
    DesktopShell shell{files, launcher, question, trusted, QStringLiteral("Workstation")};
};

Launched startedProgram(const QString& path, const QStringList& args = {}) {
    return {Launched::Program, path, args, QFileInfo(path).absolutePath()};
}
Launched openedUrl(const QUrl& url) {
    return {Launched::Url, url.toString(), {}, {}};
}
Launched opened(const QString& localPath) {
    return openedUrl(QUrl::fromLocalFile(localPath));
}
// A desktop entry launched with this command line in place of its Exec line.
Launched launchedEntry(const QString& commandLine) {
    return {Launched::DesktopEntry, commandLine, {}, {}};
}
// What kEntry starts when given no parameters.
const QString kEntryLine = QStringLiteral("true ");

// What one request comes to: one thing set going, or one message and nothing set going.
using Outcome = std::variant<Launched, QString>;

QString notFound(const QString& path) {
    return QStringLiteral("The file or folder \"%1\" could not be found.").arg(path);
}
QString notAWebAddress(const QString& path) {
    return QStringLiteral("\"%1\" is a program, not a web address, so Vantory does not start it.")
        .arg(path);
}
FileFacts factsOf(FileKind kind) {
    FileFacts facts;
    facts.kind = kind;
    return facts;
}

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

// Every kind of shortcut against every kind of file, requested as the launch command requests
// them: the path quoted, empty parameters and directory, an e-mail address behind "mailto:".
TEST_F(DesktopShellTest, EachKindOpensEachFileByWhatItIsNeverByTheExecuteBitAlone) {
    struct Row {
        QString file;
        Outcome folder, application, webAddress, email, shellFile;
    };
    const QString url = QStringLiteral("https://example.org/a?b=c");
    const QString host = QStringLiteral("www.example.org");
    const QString mail = QStringLiteral("someone@example.org");
    const QString projects = folder;
    auto mailTo = [](const QString& text) {
        return openedUrl(QUrl(QStringLiteral("mailto:") + text));
    };
    const std::vector<Row> rows{
        // A program of this machine runs when the user asked for a program or a file.
        {program, opened(dir.path()), startedProgram(program), notAWebAddress(program),
         mailTo(program), startedProgram(program)},
        // Named a document, it is opened as one; its content alone does not make it run.
        {disguisedProgram, opened(dir.path()), startedProgram(disguisedProgram),
         opened(disguisedProgram), mailTo(disguisedProgram), opened(disguisedProgram)},
        // Scripts run only as the program the user chose; otherwise they open like text.
        {script, opened(dir.path()), startedProgram(script), opened(script), mailTo(script),
         opened(script)},
        {plainScript, opened(dir.path()), startedProgram(plainScript), opened(plainScript),
         mailTo(plainScript), opened(plainScript)},
        {scriptNamedLibrary, opened(dir.path()), startedProgram(scriptNamedLibrary),
         opened(scriptNamedLibrary), mailTo(scriptNamedLibrary), opened(scriptNamedLibrary)},
        // On FAT, NTFS and SMB mounts every file carries the execute bit.
        {document, opened(dir.path()), startedProgram(document), opened(document), mailTo(document),
         opened(document)},
        {documentOnFat, opened(dir.path()), startedProgram(documentOnFat), opened(documentOnFat),
         mailTo(documentOnFat), opened(documentOnFat)},
        // A desktop entry launches only as a program or file, and, not being installed, only
        // after the user said Launch, executable or not.
        {trustedEntry, opened(dir.path()), launchedEntry(kEntryLine), notAWebAddress(trustedEntry),
         mailTo(trustedEntry), launchedEntry(kEntryLine)},
        {untrustedEntry, opened(dir.path()), launchedEntry(kEntryLine),
         notAWebAddress(untrustedEntry), mailTo(untrustedEntry), launchedEntry(kEntryLine)},
        {projects, opened(projects),
         QStringLiteral("\"%1\" is a folder, not a program.").arg(projects), opened(projects),
         mailTo(projects), opened(projects)},
        {url, notFound(url), notFound(url), openedUrl(QUrl(url)), mailTo(url),
         openedUrl(QUrl(url))},
        {host, notFound(host), notFound(host),
         openedUrl(QUrl(QStringLiteral("https://www.example.org"))), mailTo(host),
         openedUrl(QUrl(QStringLiteral("https://www.example.org")))},
        {mail, notFound(mail), notFound(mail),
         QStringLiteral("\"%1\" is not a valid address.").arg(mail), mailTo(mail), notFound(mail)},
    };

    question.answers.assign(4, {true, false});
    QWidget owner;
    for (const Row& row : rows) {
        const std::pair<ShellTarget, const Outcome*> columns[] = {
            {ShellTarget::Folder, &row.folder},
            {ShellTarget::Application, &row.application},
            {ShellTarget::WebAddress, &row.webAddress},
            {ShellTarget::EmailAddress, &row.email},
            {ShellTarget::ShellFile, &row.shellFile},
        };
        for (const auto& [target, expected] : columns) {
            SCOPED_TRACE(QStringLiteral("%1 as target %2")
                             .arg(row.file)
                             .arg(static_cast<int>(target))
                             .toStdString());
            launcher.launched.clear();
            messages.shown.clear();
            ShellRequest r =
                target == ShellTarget::EmailAddress
                    ? request(QStringLiteral("mailto:") + row.file, target, QString(), QString())
                    : request(QStringLiteral("\"%1\"").arg(row.file), target, QString(), QString());
            r.owner = &owner;
            run(r);
            if (const auto* launched = std::get_if<Launched>(expected)) {
                ASSERT_EQ(launcher.launched.size(), 1u);
                EXPECT_EQ(launcher.launched[0], *launched);
                EXPECT_TRUE(messages.shown.empty());
            } else {
                EXPECT_TRUE(launcher.launched.empty());
                ASSERT_EQ(messages.shown.size(), 1u);
                EXPECT_EQ(messages.shown[0].text, std::get<QString>(*expected));
                EXPECT_EQ(messages.shown[0].owner, &owner);
                EXPECT_EQ(messages.shown[0].title, QStringLiteral("Vantory"));
                EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
            }
        }
    }
    EXPECT_EQ(question.asked.size(), 4u);
    // Nothing was really started: no script left its mark.
    EXPECT_FALSE(QFileInfo::exists(script + QStringLiteral(".ran")));
}

TEST_F(DesktopShellTest, OnlyTheApplicationKindEverStartsAScriptOrAnUntrustedEntry) {
    // Each text of the entry asked about as a shell file or help page, and cancelled.
    question.answers.assign(6, {});
    for (const ShellTarget target :
         {ShellTarget::Folder, ShellTarget::WebAddress, ShellTarget::EmailAddress,
          ShellTarget::ShellFile, ShellTarget::HelpPage}) {
        for (const QString& file : {script, plainScript, scriptNamedLibrary, untrustedEntry}) {
            for (const QString& text :
                 {file, QStringLiteral("\"%1\"").arg(file), QUrl::fromLocalFile(file).toString()}) {
                run(request(text, target, QStringLiteral("--now"), QString()));
            }
        }
    }
    for (const Launched& l : launcher.launched) {
        EXPECT_EQ(l.kind, Launched::Url) << l.target.toStdString();
    }
    EXPECT_EQ(question.asked.size(), 6u);
}

// Every way of writing a file: address of this machine names that file and gets its rules; a
// file: address of another computer is refused; a web address needs a scheme a browser opens.
TEST_F(DesktopShellTest, FileAddressesAreTheirLocalFileAndWebAddressesNeedABrowsersScheme) {
    const QString e = trustedEntry, other = "file://otherhost" + e,
                  user = "file://me@localhost" + e;
    const auto elsewhere = [](const QString& text) {
        return QString("\"%1\" names a file on another computer, so Vantory does not open it.")
            .arg(text);
    };
    const auto notWeb = [](const QString& text) {
        return QString("\"%1\" is not a web address. Vantory opens addresses that start with "
                       "http, https or ftp.")
            .arg(text);
    };
    // Each text as a web address and, where given, as a shell file.
    const std::vector<std::tuple<QString, Outcome, std::optional<Outcome>>> rows{
        {"file:" + e, notAWebAddress(e), launchedEntry(kEntryLine)},
        {"file://" + e, notAWebAddress(e), launchedEntry(kEntryLine)},
        {"FILE://LocalHost" + e, notAWebAddress(e), launchedEntry(kEntryLine)},
        {"File://workSTATION" + e, notAWebAddress(e), launchedEntry(kEntryLine)},
        {"file://localhost" + QString(e).replace(".desktop", "%2E%64esktop"), notAWebAddress(e),
         launchedEntry(kEntryLine)},
        {" \" file://%6Cocalhost" + e + "?x#y \"", notAWebAddress(e), launchedEntry(kEntryLine)},
        {other, elsewhere(other), elsewhere(other)},
        {user, elsewhere(user), elsewhere(user)},
        // A shortcut to a file hands no other scheme to the desktop than a web address does.
        {"javascript:alert(1)", notWeb("javascript:alert(1)"), notWeb("javascript:alert(1)")},
        {"VBScript:msgbox(1)", notWeb("VBScript:msgbox(1)"), notWeb("VBScript:msgbox(1)")},
        {"data:text/html,<b>x</b>", notWeb("data:text/html,<b>x</b>"),
         notWeb("data:text/html,<b>x</b>")},
        {"mailto:a@example.org", notWeb("mailto:a@example.org"), notWeb("mailto:a@example.org")},
        {"smb://server/share", notWeb("smb://server/share"), notWeb("smb://server/share")},
        {"sftp://host/x", notWeb("sftp://host/x"), notWeb("sftp://host/x")},
        {"ssh://host", notWeb("ssh://host"), notWeb("ssh://host")},
        {"apt:hello", notWeb("apt:hello"), notWeb("apt:hello")},
        {"HTTP://example.org/x", openedUrl(QUrl("http://example.org/x")),
         openedUrl(QUrl("http://example.org/x"))},
    };
    // The one thing the request set going, or else its messages.
    const auto outcome = [&](const QString& text, ShellTarget target) -> Outcome {
        launcher.launched.clear();
        messages.shown.clear();
        run(request(text, target));
        return launcher.launched.size() == 1 ? Outcome(launcher.launched[0])
                                             : messageTexts().join("|");
    };
    for (const auto& [text, web, shellFile] : rows) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(outcome(text, ShellTarget::WebAddress), web);
        if (shellFile && std::holds_alternative<Launched>(*shellFile))
            question.answers.push_back({true, false});
        if (shellFile) {
            EXPECT_EQ(outcome(text, ShellTarget::ShellFile), *shellFile);
        }
    }
    EXPECT_EQ(outcome("javascript:alert(1)", ShellTarget::EmailAddress),
              Outcome(QString("\"javascript:alert(1)\" is not a valid address.")));
    // A mail address never has the mail program attach a file, however the key is written.
    for (const QString mail : {"mailto:a@example.org?attach=/etc/passwd",
                               "mailto:a@example.org?subject=x&Attachment=%2Fetc%2Fpasswd",
                               "mailto:a@example.org?%61ttach=/etc/passwd"}) {
        EXPECT_EQ(outcome(mail, ShellTarget::EmailAddress),
                  Outcome(QString("\"%1\" asks the mail program to attach a file, so Vantory "
                                  "does not open it.")
                              .arg(mail)));
    }
    EXPECT_EQ(outcome("mailto:a@example.org?subject=attach", ShellTarget::EmailAddress),
              Outcome(openedUrl(QUrl("mailto:a@example.org?subject=attach"))));
}

// Installed entries launch as they always did; any other asks first, and "Always launch this
// entry" holds only while the entry stays as it was.
TEST_F(DesktopShellTest, OnlyInstalledOrRememberedEntriesLaunchWithoutAsking) {
    const QString link = at("installed-link.desktop");
    ASSERT_TRUE(QFile::link(installed, link));
    const QString holiday = at("Holiday photos");
    writeFile(holiday, "[Desktop Entry]\nType=Application\nName=Holiday photos.jpg\nExec=sh -c x\n",
              true);
    const LaunchAnswer cancel{}, once{true, false}, always{true, true};
    struct Step {
        QString entry;
        std::optional<LaunchAnswer> answer; // none: launches without a question
        std::function<void()> before = [] {};
        QString line = kEntryLine; // the command line it launches with
    };
    const std::vector<Step> steps{
        {installed, {}},
        {link, {}},
        {trustedEntry, cancel},
        {trustedEntry, once},
        {trustedEntry, cancel},
        {holiday, always, [] {}, "sh -c x"},
        {holiday, {}, [] {}, "sh -c x"},
        {holiday, cancel, [&] { writeFile(holiday, kEntry, true); }},
        {holiday, always},
        {holiday, {}},
        {holiday, cancel, [&] { writeFile(at("state/trusted-entries.json"), "[{\"pa", false); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.entry.toStdString());
        step.before();
        question.asked.clear();
        if (step.answer)
            question.answers.push_back(*step.answer);
        run(request(step.entry, ShellTarget::ShellFile));
        EXPECT_EQ(question.asked.size(), step.answer ? 1u : 0u);
        EXPECT_EQ(launcher.launched, !step.answer || step.answer->launch
                                         ? std::vector<Launched>{launchedEntry(step.line)}
                                         : std::vector<Launched>{});
        launcher.launched.clear();
    }
    EXPECT_EQ(question.asked.back(), std::make_pair(QString("Editor"), QString("true %F")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, ProgramsStartFromTheirOwnFolderUnlessADirectoryIsGiven) {
    for (const ShellTarget target : {ShellTarget::Application, ShellTarget::ShellFile}) {
        launcher.launched.clear();
        run(request(QStringLiteral("  \"%1\" ").arg(program), target));
        // An empty directory is no directory at all.
        run(request(program, target, QString(), QString()));
        // A given one, quoted as the catalogue may hold it, is used.
        run(request(program, target, std::nullopt, QStringLiteral("\"%1\"").arg(folder)));
        EXPECT_EQ(launcher.launched,
                  (std::vector<Launched>{startedProgram(program),
                                         startedProgram(program),
                                         {Launched::Program, program, {}, folder}}));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, ParametersAreSplitByShellQuotingButNothingIsExpandedOrRun) {
    struct Case {
        QString parameters;
        QStringList arguments;
    };
    const std::vector<Case> cases{
        {QStringLiteral("--title 'My Doc'"), {QStringLiteral("--title"), QStringLiteral("My Doc")}},
        {QStringLiteral("a\\ b"), {QStringLiteral("a b")}},
        {QStringLiteral("-a \"two words\" 'x y' it\\'s"),
         {QStringLiteral("-a"), QStringLiteral("two words"), QStringLiteral("x y"),
          QStringLiteral("it's")}},
        {QStringLiteral("\"say \\\"hi\\\"\" 'a\\b'"),
         {QStringLiteral("say \"hi\""), QStringLiteral("a\\b")}},
        {QStringLiteral("a;b | c $(rm -rf ~) && d > out \"e; f\" `id`"),
         {QStringLiteral("a;b"), QStringLiteral("|"), QStringLiteral("c"), QStringLiteral("$(rm"),
          QStringLiteral("-rf"), QStringLiteral("~)"), QStringLiteral("&&"), QStringLiteral("d"),
          QStringLiteral(">"), QStringLiteral("out"), QStringLiteral("e; f"),
          QStringLiteral("`id`")}},
        {QStringLiteral("~ $HOME *.txt"),
         {QStringLiteral("~"), QStringLiteral("$HOME"), QStringLiteral("*.txt")}},
        // A word starting with # is no comment: it is the value the program wants.
        {QStringLiteral("--colour #ff0000 --channel '#news' x\\#y"),
         {QStringLiteral("--colour"), QStringLiteral("#ff0000"), QStringLiteral("--channel"),
          QStringLiteral("#news"), QStringLiteral("x#y")}},
        {QStringLiteral("Ärzte \"naïve café\""),
         {QStringLiteral("Ärzte"), QStringLiteral("naïve café")}},
        {QString(), {}},
        {QStringLiteral(" \t "), {}},
    };
    for (const Case& c : cases) {
        launcher.launched.clear();
        run(request(program, ShellTarget::Application, c.parameters));
        ASSERT_EQ(launcher.launched.size(), 1u) << c.parameters.toStdString();
        EXPECT_EQ(launcher.launched[0].arguments, c.arguments) << c.parameters.toStdString();
    }
    // A desktop entry is handed its parameters the same way.
    launcher.launched.clear();
    question.answers.push_back({true, false});
    run(request(trustedEntry, ShellTarget::ShellFile,
                QStringLiteral("'%1' https://example.org").arg(document)));
    EXPECT_EQ(launcher.launched,
              (std::vector<Launched>{
                  launchedEntry(QStringLiteral("true '%1' 'https://example.org'").arg(document))}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, ParametersThatCannotBeSplitStartNothingAndSaySo) {
    for (const QString& parameters : {QStringLiteral("--title 'My Doc"),
                                      QStringLiteral("\"unclosed"), QStringLiteral("ends in\\")}) {
        messages.shown.clear();
        run(request(program, ShellTarget::Application, parameters));
        run(request(trustedEntry, ShellTarget::ShellFile, parameters));
        EXPECT_TRUE(launcher.launched.empty()) << parameters.toStdString();
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_TRUE(messages.shown[0].text.startsWith(
            QStringLiteral("Vantory does not start \"%1\" because its parameters cannot be split "
                           "into arguments: ")
                .arg(program)))
            << messages.shown[0].text.toStdString();
        EXPECT_TRUE(messages.shown[1].text.contains(trustedEntry));
    }
    // A document ignores its parameters, so they are never in its way.
    run(request(document, ShellTarget::ShellFile, QStringLiteral("'unclosed")));
    EXPECT_EQ(launcher.launched, (std::vector<Launched>{opened(document)}));
}

TEST_F(DesktopShellTest, AddressesAndTheHelpPageGoToTheDesktopsHandlers) {
    const QString mail = QStringLiteral("mailto:someone@example.org");
    run(request(mail, ShellTarget::EmailAddress, QString(), QString()));
    run(request(QStringLiteral("\"https://example.org/a?b=c\""), ShellTarget::WebAddress,
                QStringLiteral("--flag")));
    run(request(QStringLiteral("ftp://files.example.org/pub"), ShellTarget::WebAddress));
    run(request(QStringLiteral("WWW.example.org/some/page"), ShellTarget::WebAddress));
    run(request(QStringLiteral("www.example.org:8080/x"), ShellTarget::WebAddress));
    // A kind the program does not know is sent as a web address.
    run(request(QStringLiteral("https://example.org"), static_cast<ShellTarget>(42)));
    // The help page arrives quoted, as a file: address, with the top folder as directory.
    const QString helpFolder = at(QStringLiteral("help pages"));
    ASSERT_TRUE(QDir().mkdir(helpFolder));
    const QString helpPage = helpFolder + QStringLiteral("/index.html");
    writeFile(helpPage, "<html></html>\n", false);
    ShellRequest help =
        request(QStringLiteral("\"%1\"").arg(QUrl::fromLocalFile(helpPage).toString()),
                ShellTarget::HelpPage, std::nullopt, QStringLiteral("/"));
    help.verb = std::nullopt;
    help.showCommand = show::Show;
    run(help);

    EXPECT_EQ(
        launcher.launched,
        (std::vector<Launched>{
            openedUrl(QUrl(mail)), openedUrl(QUrl(QStringLiteral("https://example.org/a?b=c"))),
            openedUrl(QUrl(QStringLiteral("ftp://files.example.org/pub"))),
            openedUrl(QUrl(QStringLiteral("https://WWW.example.org/some/page"))),
            openedUrl(QUrl(QStringLiteral("https://www.example.org:8080/x"))),
            openedUrl(QUrl(QStringLiteral("https://example.org"))), opened(helpPage)}));
    EXPECT_EQ(QUrl(launcher.launched[0].target).scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopShellTest, RequestsThatCannotBeCarriedOutGiveOneMessageAndStartNothing) {
    const QString missing = at(QStringLiteral("gone/away.exe"));
    run(request(QStringLiteral("\"%1\"").arg(missing), ShellTarget::ShellFile));
    // A drive letter is not an address scheme.
    run(request(QStringLiteral("\"C:\\Tools\\run.exe\""), ShellTarget::ShellFile));
    const QString missingPage = at(QStringLiteral("help/index.html"));
    run(request(QUrl::fromLocalFile(missingPage).toString(), ShellTarget::HelpPage));
    run(request(QStringLiteral("  \"\" "), ShellTarget::ShellFile));
    run(request(QStringLiteral("someone@example.org"), ShellTarget::EmailAddress));
    // A program named without a folder is not looked up: only a given file is opened.
    run(request(QStringLiteral("sh"), ShellTarget::ShellFile, QStringLiteral("-c 'id'")));
    run(request(QStringLiteral("sh"), ShellTarget::WebAddress));
    run(request(QStringLiteral("/dev/null"), ShellTarget::ShellFile));

    EXPECT_EQ(
        messageTexts(),
        (QStringList{
            notFound(missing), notFound(QStringLiteral("C:\\Tools\\run.exe")),
            notFound(missingPage),
            QStringLiteral("There is nothing to open: no file, folder or address was given."),
            QStringLiteral("\"someone@example.org\" is not a valid address."),
            notFound(QStringLiteral("sh")), QStringLiteral("\"sh\" is not a valid address."),
            QStringLiteral(
                "\"/dev/null\" is neither a file nor a folder, so Vantory does not open it.")}));
    EXPECT_TRUE(launcher.launched.empty());
}

TEST_F(DesktopShellTest, FailedStartsAreReportedWithTheReason) {
    launcher.programFailure = QStringLiteral("Permission denied");
    run(request(program, ShellTarget::Application));
    launcher.entryFailure = QStringLiteral("Failed to execute child process");
    question.answers.push_back({true, false});
    run(request(trustedEntry, ShellTarget::ShellFile));
    launcher.urlsFail = true;
    run(request(QStringLiteral("mailto:someone@example.org"), ShellTarget::EmailAddress));
    run(request(document, ShellTarget::ShellFile));

    EXPECT_EQ(launcher.launched.size(), 4u);
    EXPECT_EQ(
        messageTexts(),
        (QStringList{
            QStringLiteral("Vantory could not start \"%1\": Permission denied").arg(program),
            QStringLiteral("Vantory could not start \"%1\": Failed to execute child process")
                .arg(trustedEntry),
            QStringLiteral("No application is set up to open \"mailto:someone@example.org\"."),
            QStringLiteral("No application is set up to open \"%1\".").arg(document)}));
}

TEST(PlanShellRequest, AFileThatReallyExistsUnderANameLikeAnAddressIsThatFile) {
    fakes::FakeFileSystem files;
    files.files[QStringLiteral("notes:draft")] = QString();
    EXPECT_EQ(
        planShellRequest(request(QStringLiteral("notes:draft"), ShellTarget::ShellFile), files, {}),
        ShellAction(
            OpenUrl{QUrl::fromLocalFile(QDir::current().filePath(QStringLiteral("notes:draft"))),
                    QStringLiteral("notes:draft")}));
    // Missing, the same name is an address with the scheme "notes", which no kind hands on.
    files.files.clear();
    EXPECT_TRUE(std::holds_alternative<RefuseRequest>(planShellRequest(
        request(QStringLiteral("notes:draft"), ShellTarget::ShellFile), files, {})));
}

TEST(IsNativeProgram, NeedsTheExecuteBitAndAProgramByNameAndByContent) {
    const QString elf = QStringLiteral("application/x-executable");
    const QString pie = QStringLiteral("application/x-pie-executable");
    const QString library = QStringLiteral("application/x-sharedlib");
    const QString script = QStringLiteral("application/x-shellscript");
    auto file = [](bool executable, const QString& type, const QString& content) {
        return FileFacts{FileKind::File, executable, type, content, false};
    };
    EXPECT_TRUE(isNativeProgram(file(true, elf, elf)));
    EXPECT_TRUE(isNativeProgram(file(true, pie, pie)));
    EXPECT_TRUE(isNativeProgram(file(true, library, elf)));
    EXPECT_TRUE(isNativeProgram(file(true, QStringLiteral("application/vnd.appimage"),
                                     QStringLiteral("application/vnd.appimage"))));
    EXPECT_FALSE(isNativeProgram(file(false, elf, elf)));
    EXPECT_FALSE(isNativeProgram(file(true, library, script)));
    EXPECT_FALSE(isNativeProgram(file(true, QStringLiteral("application/pdf"), elf)));
    EXPECT_FALSE(isNativeProgram(file(true, script, script)));
    EXPECT_FALSE(isNativeProgram(FileFacts{FileKind::Folder, true, elf, elf, false}));
    EXPECT_FALSE(isNativeProgram(FileFacts{FileKind::File, true, elf, elf, true}));
}

TEST(SplitParameters, UnclosedQuotesAreErrorsAndNothingIsAComment) {
    EXPECT_EQ(splitParameters(QStringLiteral("a #b 'c#' \"#d\"")),
              (std::variant<QStringList, ParameterError>(
                  QStringList{QStringLiteral("a"), QStringLiteral("#b"), QStringLiteral("c#"),
                              QStringLiteral("#d")})));
    EXPECT_EQ(splitParameters(QStringLiteral("\n")),
              (std::variant<QStringList, ParameterError>(QStringList{})));
    const auto unclosed = splitParameters(QStringLiteral("'#x"));
    ASSERT_TRUE(std::holds_alternative<ParameterError>(unclosed));
    // The reason quotes the text as written, not as the parser saw it.
    EXPECT_TRUE(std::get<ParameterError>(unclosed).reason.contains(QStringLiteral("'#x")))
        << std::get<ParameterError>(unclosed).reason.toStdString();
}

TEST(DesktopLauncher, StartsProgramsWithLiteralArgumentsInTheGivenFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("report"));
    const QString script = dir.filePath(QStringLiteral("echo-args.sh"));
    ASSERT_NO_FATAL_FAILURE(writeReportingScript(script, pipe));
    const QString work = dir.filePath(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkdir(work));

    DesktopLauncher launcher;
    const QStringList args{QStringLiteral("a;b"), QStringLiteral("$(touch pwned)"),
                           QStringLiteral("x && y"), QStringLiteral(">out"), QString()};
    ASSERT_NO_THROW(launcher.startProgram(script, args, work));
    QFile report(pipe);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString got = QString::fromUtf8(report.readAll());
    EXPECT_EQ(got, work + QStringLiteral("\n[a;b]\n[$(touch pwned)]\n[x && y]\n[>out]\n[]\n"));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/pwned")));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/out")));

    try {
        launcher.startProgram(dir.filePath(QStringLiteral("no-such-program")), {}, QString());
        ADD_FAILURE() << "a missing program started";
    } catch (const PlatformError& error) {
        EXPECT_STRNE(error.what(), "");
    }
}

TEST(DesktopLauncher, DesktopEntriesAreLaunchedThroughGio) {
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
        true);
    const QString document = dir.filePath(QStringLiteral("a b.txt"));
    writeFile(document, "text\n", false);

    QFile entryFile(entry);
    ASSERT_TRUE(entryFile.open(QIODevice::ReadOnly));
    const QByteArray content = entryFile.readAll();

    // Parameters arrive as typed, in one start: "--x" is no file of the current folder.
    // The command line as the launch rules finish it for these parameters.
    const auto lineFor = [&](const QByteArray& text, const QStringList& parameters) {
        return execWithParameters(readDesktopEntry(text).value_or(DesktopEntryCommand{}), entry,
                                  parameters);
    };
    DesktopLauncher launcher;
    ASSERT_NO_THROW(
        launcher.launchDesktopEntry(content, lineFor(content, {"--x", document, "100%", "$HOME"})));
    QFile report(pipe);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(report.readAll()),
              dir.path() +
                  QStringLiteral("\n[--view]\n[--x]\n[%1]\n[100%]\n[$HOME]\n").arg(document));

    // An entry that describes no application is refused with a reason.
    const QString link = dir.filePath(QStringLiteral("link.desktop"));
    writeFile(link, "[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org\n", true);
    try {
        launcher.launchDesktopEntry("[Desktop Entry]\nType=Link\nURL=x\n", QString());
        ADD_FAILURE() << "a link was launched as an application";
    } catch (const PlatformError& error) {
        EXPECT_STRNE(error.what(), "");
    }

    // An entry GIO refuses says what is wrong with it.
    const std::pair<QByteArray, std::string> refused[] = {
        {"Type=Link\nURL=x\n", "it is not a desktop entry that describes an application"},
        {"Type=Application\nTryExec=vantory-no-such-program\nExec=true\n",
         "the program vantory-no-such-program that the entry needs (TryExec) is not installed"},
        {"Type=Application\nExec=\n", "the entry names no command (Exec)"},
        {"Type=Application\nExec=true \"unclosed %F\n",
         "its command (Exec) cannot be split into words with the parameters in it: "},
    };
    for (const auto& [keys, reason] : refused) {
        try {
            const QByteArray text = "[Desktop Entry]\nName=X\n" + keys;
            launcher.launchDesktopEntry(text, lineFor(text, {"a"}));
            ADD_FAILURE() << keys.toStdString() << " was launched";
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(reason, 0), 0u)
                << keys.toStdString() << error.what();
        }
    }
}

TEST(DesktopFileSystem, InspectionTellsWhatAPathIsByNameAndContent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("run"));
    ASSERT_NO_FATAL_FAILURE(copyProgram(program));
    const QString script = dir.filePath(QStringLiteral("job"));
    writeFile(script, kScript, true);
    const QString document = dir.filePath(QStringLiteral("read.me.pdf"));
    writeFile(document, kDocument, false);
    const QString entry = dir.filePath(QStringLiteral("launcher"));
    writeFile(entry, kEntry, false);
    const QString dangling = dir.filePath(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nothing")), dangling));
    const QString linkToProgram = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(program, linkToProgram));

    DesktopFileSystem files;
    const FileFacts programFacts = files.inspect(program);
    EXPECT_EQ(programFacts.kind, FileKind::File);
    EXPECT_TRUE(programFacts.executable);
    EXPECT_TRUE(isNativeProgram(programFacts))
        << programFacts.mimeType.toStdString() << " " << programFacts.contentType.toStdString();
    EXPECT_EQ(files.inspect(linkToProgram), programFacts);

    const FileFacts scriptFacts = files.inspect(script);
    EXPECT_TRUE(scriptFacts.executable);
    EXPECT_EQ(scriptFacts.contentType, QStringLiteral("application/x-shellscript"));
    EXPECT_FALSE(isNativeProgram(scriptFacts));

    EXPECT_EQ(files.inspect(document),
              (FileFacts{FileKind::File, false, QStringLiteral("application/pdf"),
                         QStringLiteral("application/pdf"), false}));
    // A desktop entry is known by its content too, whatever its name.
    EXPECT_TRUE(files.inspect(entry).desktopEntry);
    EXPECT_FALSE(files.inspect(entry).executable);
    // One larger than any desktop ships is not one: reading it would hold the window.
    const QString huge = dir.filePath(QStringLiteral("huge.desktop"));
    writeFile(huge, QByteArray(kEntry) + QByteArray(2 * 1024 * 1024, '#'), false);
    EXPECT_FALSE(files.inspect(huge).desktopEntry);
    EXPECT_EQ(files.inspect(dir.path()), factsOf(FileKind::Folder));
    EXPECT_EQ(files.inspect(dangling), FileFacts{});
    EXPECT_EQ(files.inspect(QString()), FileFacts{});
    EXPECT_EQ(files.inspect(QStringLiteral("/dev/null")), factsOf(FileKind::Special));
    EXPECT_TRUE(files.exists(QStringLiteral("/dev/null")));
    EXPECT_FALSE(files.isNormalFile(QStringLiteral("/dev/null")));
    EXPECT_TRUE(files.isNormalFile(document));
    EXPECT_FALSE(files.isNormalFile(dir.path()));
    EXPECT_TRUE(files.exists(dir.path()));
    EXPECT_FALSE(files.exists(dangling));
}
