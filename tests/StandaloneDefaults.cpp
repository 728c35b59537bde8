// SPDX-License-Identifier: MIT
// Linked into every test program: outside ctest, the environment ctest would give is
// filled in from the build (source tree, run folder, offscreen platform).
#include <QByteArray>
#include <QtGlobal>

namespace {
void setIfEmpty(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}

// Runs before main(), so before the application object reads the platform.
const bool applied = [] {
    setIfEmpty("QT_QPA_PLATFORM", "offscreen");
    setIfEmpty("R5_SOURCE_DIR", R5_DEFAULT_SOURCE_DIR);
    setIfEmpty("R5_RUN_DIR", R5_DEFAULT_RUN_DIR);
    return true;
}();
} // namespace
