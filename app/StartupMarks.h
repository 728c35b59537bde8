// SPDX-License-Identifier: MIT
// Start-up timing marks, written as debug lines of the category "r5.startup" (off unless
// asked for: QT_LOGGING_RULES="r5.startup.debug=true"). Each line gives the time since
// the process started and the resident memory at that moment.
#pragma once
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

namespace StartupMarks {
void mark(const char *what);
}
