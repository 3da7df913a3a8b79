// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace store {

// The SQL that makes the two tables of a Vantory catalogue, exactly as the shipped templates
// have them.
const char* catalogueSchemaSql();

} // namespace store
