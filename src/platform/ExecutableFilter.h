// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>

namespace platform {

// Sits between Qt's file dialog and its file-system model and keeps folders and the files the
// user may execute. QDir::Executable given to the dialog itself hides everything, folders
// included, because the model judges a row before it has read the row's permissions.
class ExecutableFilter : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};

} // namespace platform
