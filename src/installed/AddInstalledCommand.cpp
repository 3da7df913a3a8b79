// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed/AddInstalledCommand.h"

#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "installed/AddInstalledDialog.h"
#include "installed/AddToCatalogue.h"
#include "installed/CatalogueContent.h"
#include "installed/MenuReader.h"

#include <QCoreApplication>
#include <algorithm>

namespace installed {

namespace {

// The plans of the chosen categories alone.
std::vector<CategoryPlan> chosenPlans(std::vector<CategoryPlan> plans,
                                      const std::vector<MenuCategory>& chosen) {
    std::erase_if(plans, [&](const CategoryPlan& plan) {
        return std::find(chosen.begin(), chosen.end(), plan.category) == chosen.end();
    });
    return plans;
}

std::vector<CategoryPlan> planFor(common::CommandContext& context,
                                  const std::vector<platform::DesktopApplication>& applications) {
    store::Connection& db = context.globals.connection();
    return fileApplications(applications, readCatalogueContent(db),
                            menuRulesOf(context.services.environment),
                            [&db](std::string_view name) { return db.nameKey(name); });
}

} // namespace

MenuRules menuRulesOf(platform::Environment& environment) {
    const QString desktops =
        environment.variable(QStringLiteral("XDG_CURRENT_DESKTOP")).value_or(QString());
    return {desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts),
            QString::fromLatin1(kOwnDesktopId)};
}

void addInstalledApplications(common::CommandContext& context) {
    QWidget* owner = context.window.window();
    AddInstalledDialog dialog(owner);
    std::vector<platform::DesktopApplication> applications;
    const MenuReader reader(context.services.applicationMenu,
                            [&](std::vector<platform::DesktopApplication> read) {
                                applications = std::move(read);
                                try {
                                    dialog.showPlans(planFor(context, applications));
                                } catch (const std::exception& e) {
                                    dialog.showFailure(QString::fromStdString(e.what()));
                                }
                            });
    if (context.services.modal.showModal(&dialog) != QDialog::Accepted)
        return;
    common::Trap trap(context.services.messages, owner,
                      QStringLiteral("Form1.AddInstalledApplications"));
    std::vector<AddedShortcut> added;
    context.window.showBusyPointer(true);
    try {
        // Planned again from the catalogue as it is now: it is what the rows go into.
        added = addToCatalogue(context.globals.connection(),
                               chosenPlans(planFor(context, applications), dialog.chosen()));
    } catch (const std::exception& e) {
        context.window.showBusyPointer(false);
        common::tell(context, QCoreApplication::translate(
                                  "Vantory", "Vantory could not add the installed "
                                             "applications.\n\n%1\n\nThe catalogue is unchanged.")
                                  .arg(QString::fromStdString(e.what())));
        return;
    }
    context.window.showBusyPointer(false);
    if (added.empty())
        return;
    trap.step(100, [&] { context.window.loadGroups(); });
    trap.step(102, [&] {
        context.window.selectNode(common::MainWindow::kRootPosition);
        context.window.nodeClick();
    });
}

} // namespace installed
