// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/AddInstalledDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace installed {

namespace {

constexpr int kCategoryRole = Qt::UserRole;

} // namespace

AddInstalledDialog::AddInstalledDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Vantory", "Add Installed Applications"));
    auto* layout = new QVBoxLayout(this);
    intro_ = new QLabel(
        QCoreApplication::translate("Vantory", "Reading the installed applications…"), this);
    intro_->setTextFormat(Qt::PlainText);
    intro_->setWordWrap(true);
    layout->addWidget(intro_);

    categories_ = new QTreeWidget(this);
    categories_->setObjectName(QStringLiteral("categories"));
    categories_->setColumnCount(2);
    categories_->setHeaderLabels({QCoreApplication::translate("Vantory", "Category"),
                                  QCoreApplication::translate("Vantory", "New applications")});
    categories_->setRootIsDecorated(false);
    categories_->setSelectionMode(QAbstractItemView::NoSelection);
    categories_->header()->setStretchLastSection(false);
    categories_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    categories_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    categories_->setEnabled(false);
    layout->addWidget(categories_);
    connect(categories_, &QTreeWidget::itemChanged, this, [this] { updateAddButton(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    add_ = buttons->addButton(QCoreApplication::translate("Vantory", "Add"),
                              QDialogButtonBox::AcceptRole);
    add_->setObjectName(QStringLiteral("addButton"));
    add_->setEnabled(false);
    add_->setDefault(true); // Enter adds what is checked
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("Vantory", "Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 380);
}

void AddInstalledDialog::showPlans(const std::vector<CategoryPlan>& plans) {
    const QSignalBlocker quiet(categories_);
    categories_->clear();
    std::size_t total = 0;
    for (const CategoryPlan& plan : plans) {
        const std::size_t count = plan.shortcuts.size();
        auto* row = new QTreeWidgetItem(categories_, {plan.group, QString::number(count)});
        row->setData(0, kCategoryRole, static_cast<int>(plan.category));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (count == 0) {
            row->setFlags(Qt::ItemIsUserCheckable); // listed, but adds nothing
            row->setCheckState(0, Qt::Unchecked);
        } else {
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            row->setCheckState(0, Qt::Checked);
        }
        total += count;
    }
    intro_->setText(
        plans.empty()
            ? QCoreApplication::translate("Vantory", "The desktop's menu lists no applications.")
        : total == 0
            ? QCoreApplication::translate(
                  "Vantory", "Every application of the desktop's menu is already in the catalogue.")
            : QCoreApplication::translate(
                  "Vantory",
                  "Choose the menu categories to add. Each becomes a category of the "
                  "catalogue, with a shortcut to each application it does not hold yet."));
    categories_->setEnabled(true);
    // Opened while reading, the dialog gave its focus to Cancel: Enter now adds, Space checks.
    categories_->setFocus();
    if (categories_->topLevelItemCount() > 0)
        categories_->setCurrentItem(categories_->topLevelItem(0));
    ready_ = true;
    updateAddButton();
}

void AddInstalledDialog::showFailure(const QString& text) {
    intro_->setText(text);
    ready_ = true;
}

std::vector<MenuCategory> AddInstalledDialog::chosen() const {
    std::vector<MenuCategory> checked;
    for (int i = 0; i < categories_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = categories_->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked && row->flags().testFlag(Qt::ItemIsEnabled))
            checked.push_back(static_cast<MenuCategory>(row->data(0, kCategoryRole).toInt()));
    }
    return checked;
}

void AddInstalledDialog::updateAddButton() {
    add_->setEnabled(!chosen().empty());
}

} // namespace installed
