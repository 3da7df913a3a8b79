#pragma once

#include <stdexcept>
#include <string>

namespace store {

// A failure of the catalogue; what() is a message a user understands.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace store
