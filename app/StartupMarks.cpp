// SPDX-License-Identifier: MIT
// Start-up timing marks (see StartupMarks.h).
#include "StartupMarks.h"
#include <QFile>
#include <ctime>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcStartup, "r5.startup", QtWarningMsg)

namespace {

// Milliseconds since the kernel started this process (its start time has clock-tick
// resolution, 10 ms on most systems, which is fine against a start of several hundred).
double sinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startTicks = fields.at(19).toDouble();   // field 22: starttime
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9) * 1000.0 - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

} // namespace

void StartupMarks::mark(const char *what)
{
    if (!lcStartup().isDebugEnabled())
        return;
    qCDebug(lcStartup, "%7.1f ms %6.1f MB  %s", sinceProcessStart(), residentMb(), what);
}
