// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/Form3.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/QtColour.h"
#include "common/Twips.h"
#include "shortcuts/AddFolder.h"
#include "store/Codes.h"
#include "store/Statements.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>

namespace shortcuts {

using common::twipsRect;

namespace {

EditorPlaces form3Places() {
    return {twipsRect(120, 960, 690, 225),   twipsRect(120, 1200, 7800, 345),
            twipsRect(120, 1680, 1020, 225), twipsRect(120, 1920, 7800, 345),
            twipsRect(120, 2400, 1005, 225), twipsRect(120, 2640, 6960, 345),
            twipsRect(7200, 2640, 720, 345), twipsRect(120, 4500, 7800, 855),
            twipsRect(240, 300, 3600, 405),  twipsRect(3960, 300, 3600, 405),
            twipsRect(120, 5460, 3840, 405), twipsRect(4080, 5460, 3840, 405)};
}

struct OptionPlace {
    const char* caption;
    QRect place; // in Frame1
};

// Option1 to Option4.
const OptionPlace kOptions[] = {
    {"Folder", twipsRect(1680, 300, 855, 255)},
    {"Application", twipsRect(240, 300, 1335, 255)},
    {"URL", twipsRect(2640, 300, 735, 255)},
    {"Mail", twipsRect(3600, 300, 735, 255)},
};

const QStringList kOpenAs = {QStringLiteral("Normal"), QStringLiteral("Minimized"),
                             QStringLiteral("Maximized")};

} // namespace

// What choosing a kind does to the rest of the window.
struct Form3::KindLayout {
    const char* targetCaption;
    bool browse;
    int targetWidthTwips;
    bool targetLocked;
    bool parameters;
    bool openAs;
    bool normal; // chooses "Normal" in the "Open As:" list
};

Form3::Form3(common::CommandContext& context)
    : ShortcutEditor(context, QStringLiteral("Form3"), 8040, 5970, form3Places()) {
    frame1_ = new QGroupBox(QStringLiteral("Type"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(120, 120, 7800, 735));
    frame1_->installEventFilter(this);
    frame1_->setMouseTracking(true);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(kOptions[i].caption), frame1_);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setAccessibleName(option->text());
        option->setAccessibleDescription(QStringLiteral("Shortcut type"));
        option->setGeometry(kOptions[i].place);
        option->resize(std::max(option->width(), option->sizeHint().width()), option->height());
        option->installEventFilter(this);
        option->setMouseTracking(true);
        // Only the chosen kind is a tab stop, so Tab enters the kinds on it and the arrow keys
        // move among them. (Qt itself keeps the tab stop on the kind that last had focus, and
        // before any had focus on all four, so Tab came in on "Folder".)
        option->setFocusPolicy(Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool on) {
            option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
        });
        options_[i] = option;
    }
    Option(2)->setChecked(true);

    text5_ = addText(QStringLiteral("Text5"), QStringLiteral("Application Parameters"),
                     twipsRect(120, 3360, 7800, 345), true);
    addLabel1(4, QStringLiteral("Application Parameters:"), twipsRect(120, 3120, 2055, 225),
              text5_);
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setAccessibleName(QStringLiteral("Open As"));
    combo1_->setGeometry(twipsRect(120, 4080, 7800, 345));
    combo1_->setEditable(false);
    combo1_->installEventFilter(this);
    combo1_->setMouseTracking(true);
    addLabel1(5, QStringLiteral("Open As:"), twipsRect(120, 3840, 765, 225), combo1_);

    // The kind buttons act when they become selected, by mouse, keyboard or from code.
    void (Form3::*handlers[])() = {&Form3::Option1_Click, &Form3::Option2_Click,
                                   &Form3::Option3_Click, &Form3::Option4_Click};
    for (int i = 0; i < 4; ++i) {
        connect(options_[i], &QRadioButton::toggled, this, [this, handler = handlers[i]](bool on) {
            if (on) {
                (this->*handler)();
            }
        });
    }

    const QList<QWidget*> order = {Text1(),       Text2(),       Text3(), PushButton1(), text5_,
                                   PushButton3(), PushButton4(), combo1_, Option(1),     Option(2),
                                   Option(3),     Option(4),     Text4(), PushButton2()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    Text1()->setFocus();

    Form_Load();
}

void Form3::Form_Load() {
    const QString location = QStringLiteral("Form3.Form_Load");
    finishLoad(location);
    common::Trap trap(context().services.messages, this, location);
    trap.step(108, [&] { combo1_->addItems(kOpenAs); });
    trap.step(110, [&] { combo1_->setCurrentIndex(-1); });
    trap.step(112, [&] { Option2_Click(); });
}

void Form3::applyKind(const KindLayout& layout) {
    const QString caption = QString::fromLatin1(layout.targetCaption);
    setCaption(Label1(2), caption);
    // The target box is announced by its label's words.
    Text3()->setAccessibleName(caption.chopped(1));
    PushButton1()->setVisible(layout.browse);
    Text3()->resize(common::twips(layout.targetWidthTwips), Text3()->height());
    Text3()->setReadOnly(layout.targetLocked);
    Text3()->clear();
    Label1(4)->setEnabled(layout.parameters);
    text5_->setEnabled(layout.parameters);
    combo1_->setEnabled(layout.openAs);
    if (layout.normal) {
        combo1_->setCurrentIndex(0);
    }
}

void Form3::Option1_Click() {
    applyKind({"Folder Path:", true, 3855, true, false, true, false});
}

void Form3::Option2_Click() {
    applyKind({"File Path:", true, 3855, true, true, true, false});
}

void Form3::Option3_Click() {
    applyKind({"URL Address:", false, 4455, false, false, false, true});
}

void Form3::Option4_Click() {
    applyKind({"Email Address:", false, 4455, false, false, false, true});
}

std::int16_t Form3::selectedKind() const {
    const std::int16_t kinds[] = {store::kind::Folder, store::kind::Application, store::kind::Url,
                                  store::kind::Email};
    for (int i = 0; i < 4; ++i) {
        if (options_[i]->isChecked()) {
            return kinds[i];
        }
    }
    return store::kind::Application;
}

void Form3::selectKind(std::int16_t kind) {
    if (kind >= store::kind::Folder && kind <= store::kind::Email) {
        Option(kind)->setChecked(true);
    }
}

void Form3::setOpenAs(int state) {
    if (state < -1 || state >= combo1_->count()) {
        throw std::out_of_range("Invalid property value");
    }
    combo1_->setCurrentIndex(state);
}

void Form3::PushButton1_Click() {
    platform::Services& services = context().services;
    common::Trap trap(services.messages, this, QStringLiteral("Form3.PushButton1_Click"));
    if (Option(1)->isChecked()) {
        QString folder;
        trap.step(100, [&] {
            folder = AddFolder::BrowseForFolder(services.dialogs, this,
                                                QStringLiteral("Save Folder"), QString());
        });
        if (folder.isEmpty()) {
            return;
        }
        trap.step(104, [&] {
            services.settings.setValue(QStringLiteral("Vantory"), QStringLiteral("LastFolderDot"),
                                       folder);
        });
        // Folder targets always end with the separator.
        trap.step(106, [&] { Text3()->setText(folder.endsWith(u'/') ? folder : folder + u'/'); });
    } else if (Option(2)->isChecked()) {
        QString file;
        trap.step(108, [&] {
            file = services.dialogs.openFile(this, QStringLiteral("Select Application File"),
                                             QStringLiteral("Application Files (*.exe)|*.exe|"));
        });
        if (!file.isEmpty()) {
            trap.step(112, [&] { Text3()->setText(file); });
        }
    }
}

namespace {

store::ItemRow rowOf(const Form3& form) {
    store::ItemRow row;
    row.groupcaption = form.mGroupSelected.toStdString();
    row.itemcaption = form.Text1()->text().toStdString();
    row.itemdescription = form.Text2()->text().toStdString();
    row.itempath = form.Text3()->text().toStdString();
    row.itemparameter = form.Text5()->text().toStdString();
    row.itemtype = form.selectedKind();
    row.itemtextcolor = common::codeFromColour(form.Text4()->colour());
    row.openas = static_cast<std::int16_t>(form.Combo1()->currentIndex());
    return row;
}

} // namespace

void Form3::insertRow(store::Connection& db) {
    store::insertItem(db, rowOf(*this));
}

void Form3::updateRow(store::Connection& db) {
    store::updateItem(db, mItemCaption.toStdString(), rowOf(*this));
}

} // namespace shortcuts
