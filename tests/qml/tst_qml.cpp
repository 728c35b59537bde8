// SPDX-License-Identifier: MIT
// Runner for the Qt Quick Test suites in this folder.
#include <QtQuickTest>
QUICK_TEST_MAIN(r5qml)
