// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

namespace platform {

// QFileDialog and QColorDialog.
class DesktopDialogs : public Dialogs {
  public:
    QString openFile(QWidget* owner, const QString& title, const QString& filter) override;
    std::optional<QColor> chooseColour(QWidget* owner, const QString& title,
                                       const QColor& initial) override;
    QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder) override;
};

} // namespace platform
