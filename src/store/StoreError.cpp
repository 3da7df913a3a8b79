// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StoreError.h"

#include <cctype>

namespace store {

std::string Message::english() const {
    if (text == nullptr) {
        return arguments.empty() ? std::string() : arguments.front();
    }
    // %1 to %9 as Qt's arg() fills them, so that English and translation read alike.
    std::string out;
    for (const char* c = text; *c != '\0'; ++c) {
        if (c[0] == '%' && std::isdigit(static_cast<unsigned char>(c[1])) && c[1] != '0' &&
            static_cast<std::size_t>(c[1] - '0') <= arguments.size()) {
            out += arguments[static_cast<std::size_t>(c[1] - '0') - 1];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

} // namespace store
