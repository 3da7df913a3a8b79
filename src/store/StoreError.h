// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace store {

// A failure of the catalogue; what() is a message a user understands.
class StoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The catalogue file is so damaged that not even its tables can be read.
class DamagedCatalogueError : public StoreError {
  public:
    using StoreError::StoreError;
};

// The catalogue is held by another running Vantory.
class CatalogueInUse : public StoreError {
  public:
    using StoreError::StoreError;
};

} // namespace store
