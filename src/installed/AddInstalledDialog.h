// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installed/ApplicationFiling.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace installed {

// Lists the desktop menu's categories that have applications, each with the number of
// applications it would add and a check box, and adds the checked ones on "Add". Shows that it
// is reading until showPlans() is called.
class AddInstalledDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AddInstalledDialog(QWidget* parent = nullptr);

    // Shows what each category would add; a category that adds nothing cannot be checked.
    void showPlans(const std::vector<CategoryPlan>& plans);
    // Shows why nothing can be listed.
    void showFailure(const QString& text);
    bool isReady() const { return ready_; }

    // The checked categories.
    std::vector<MenuCategory> chosen() const;

    QTreeWidget* categories() const { return categories_; }
    QPushButton* addButton() const { return add_; }

  private:
    void updateAddButton();

    QLabel* intro_ = nullptr;
    QTreeWidget* categories_ = nullptr;
    QPushButton* add_ = nullptr;
    bool ready_ = false;
};

} // namespace installed
