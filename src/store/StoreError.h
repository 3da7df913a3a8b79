#pragma once

#include <stdexcept>
#include <string>

namespace store {

// A failure of the catalogue; what() is a message a user understands.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The catalogue is held by another running Vantory.
class CatalogueInUse : public StoreError {
public:
    using StoreError::StoreError;
};

} // namespace store
