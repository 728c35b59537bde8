// SPDX-License-Identifier: MIT
// Shared test fixtures: a temporary working folder laid out like the run folder.
#pragma once
#include <QString>
#include <QTemporaryDir>

namespace TestSupport {
// Makes a fresh temporary folder the current directory and fills its modules/ with
// the shipped data (factory files copied to their working names). Keep the returned
// object alive for the test's duration.
QTemporaryDir *enterFreshRunFolder(bool withData = true);
// Path of the repository's source tree and of the built run folder.
QString sourceDir();
QString runDir();
}
