// Enter in the three editors, driven from the main window's commands.

#include "fakes/EditorInput.h"
#include "fakes/Form1Fixture.h"
#include "store/Statements.h"

#include <QApplication>

namespace {

using EditorKeys = fakes::Form1Fixture;

// Enter in a field saves exactly as the save button does, its refusals included; Enter on a
// focused button presses that button instead.
TEST_F(EditorKeys, EnterInAFieldSavesAndOnAFocusedButtonPressesIt) {
    store::insertGroup(db(), fakes::group("Tools"));
    clickCategory("Tools");
    platform.images.pictures["/opt/keys"] = Qt::red;
    for (const int opener : {1, 4, 9}) { // Add group, Add Shortcut By EXE, By .lnk
        platform.dialogs.files = {"/opt/keys"};
        platform.modal.drivers.push_back([opener](QDialog* editor) {
            QApplication::setActiveWindow(editor);
            QTest::keyClick(fakes::field(editor, "Text1"), Qt::Key_Return);
            auto* browse = fakes::control<QPushButton>(editor, "PushButton1");
            browse->setFocus();
            QTest::keyClick(browse, Qt::Key_Return);
            fakes::type(editor, "Text1", QStringLiteral("Keys %1").arg(opener));
            QTest::keyClick(fakes::field(editor, "Text2"), Qt::Key_Enter);
        });
        clickButton(opener);
    }
    EXPECT_EQ(
        platform.messages.texts(),
        (QStringList{"Please input Group Name", "Please enter Caption", "Please enter Caption"}));
    EXPECT_EQ(platform.dialogs.calls.size(), 3u) << "each browse button took its Enter";
    EXPECT_EQ(db().query("select * from tblGroups where groupcaption = 'Keys 1'").rowCount(), 1u);
    EXPECT_EQ(db().query("select * from tblItems where itemcaption like 'Keys _'").rowCount(), 2u);
}

} // namespace
