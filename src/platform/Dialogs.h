// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace platform {

// The desktop's common dialogs. Each is modal to its owner.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The file-open dialog. The filter is a list of "description|patterns|" pairs, patterns
    // separated by ";". Returns the chosen file's full path, "" when the user cancelled.
    virtual QString openFile(QWidget* owner, const QString& title, const QString& filter) = 0;
    // The colour dialog, opened at the initial colour. Returns none when the user cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* owner, const QString& title,
                                               const QColor& initial) = 0;
    // The folder dialog, opened at startFolder ("" for none). Returns the chosen folder's full
    // path, "" when the user cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title,
                                 const QString& startFolder) = 0;
};

} // namespace platform
