// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {
class ApplicationMenu;
class Environment;
class FileSystem;
} // namespace platform

namespace app {

// `vantory --add-installed`: adds every application of the desktop's menu that the catalogue
// does not hold yet, filed by menu category, with no window; prints each shortcut it added on
// standard output, or why it could not on standard error. A missing catalogue is made first, as
// the first start makes it. Returns the exit status: 0 when the catalogue holds them all.
int addInstalledFromCommandLine(platform::Environment& env, platform::FileSystem& files,
                                platform::ApplicationMenu& menu);

} // namespace app
