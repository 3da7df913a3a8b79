// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's file-open dialog as the user browses it: what its list shows in a folder.

#include "platform/DesktopDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The names the open dialog's list shows once it has read the folder.
QStringList listedNames(QFileDialog* dialog) {
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (!view) {
        return names;
    }
    // Folders open empty and fill while the dialog reads them.
    (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 2; }, 3000);
    QTest::qWait(50); // the rows that arrive last
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    names.sort();
    return names;
}

QStringList namesListedBy(const QString& filter, const QString& folder) {
    QStringList names;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        dialog->setDirectory(folder);
        names = listedNames(dialog);
        dialog->reject();
    });
    platform::DesktopDialogs dialogs;
    EXPECT_EQ(dialogs.openFile(nullptr, QStringLiteral("Select Application File"), filter), "");
    return names;
}

TEST(OpenFileDialog, ListsFoldersAndOnlyTheFilesItsFilterTakes) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tools")));
    const auto make = [&](const QString& name, bool executable) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                            (executable ? QFile::ExeOwner : QFile::Permissions()));
    };
    make(QStringLiteral("editor"), true);
    make(QStringLiteral("notes.txt"), false);
    make(QStringLiteral("Mail.desktop"), false);

    const struct {
        const char* filter;
        QStringList listed;
    } cases[] = {
        // Programs: folders to browse through and the files one may run, nothing else.
        {"Application Files (*.exe)|*.exe|", {"editor", "tools"}},
        {"Application Shortcut Files (*.lnk)|*.lnk|", {"Mail.desktop", "tools"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(namesListedBy(QString::fromLatin1(c.filter), folder.path()), c.listed);
    }
}

} // namespace
