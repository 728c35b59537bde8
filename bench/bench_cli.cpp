// SPDX-License-Identifier: MIT
// "r5config-sim status" as a user runs it: wall time from start to exit and peak memory
// (VmHWM) of the process, beside the pauses the protocol itself prescribes for the same
// exchanges (none for reads: they carry neither the 8 ms pause nor an acknowledgement
// wait). Also "--version", the cost of starting the program at all, and "macro list",
// which touches no device. Prints medians; never fails on time.
#include "CommandTable.h"
#include "TestSupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kAckWaitMs = 64;     // one acknowledgement wait of the transport
constexpr int kPauseMs = 8;        // the pause after some set commands, and between bulk packets
constexpr int kReportLength = 32;  // bulk packet of the mouse

// What the protocol makes a command wait, whatever the device does.
int pausesOf(const Cmd::Command &c)
{
    if (!c.write)
        return 0;
    const int packets = c.bulk > 0 ? (c.bulk + kReportLength - 1) / kReportLength : 0;
    return (c.ack ? kAckWaitMs * (packets > 0 ? 2 : 1) : 0) + packets * kPauseMs + (c.pause ? kPauseMs : 0);
}

struct Run {
    double ms = 0;
    double peakMb = 0;
    int status = -1;
};

Run runOnce(const std::string &program, const std::vector<std::string> &arguments)
{
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &a : arguments)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    Run r;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        return r;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.ms = double(clock.nsecsElapsed()) / 1e6;
    r.peakMb = double(usage.ru_maxrss) / 1024.0;   // kilobytes: the child's VmHWM
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

void report(const char *what, const std::string &program, const std::vector<std::string> &arguments, int runs,
            int pauses)
{
    std::vector<double> times, peaks;
    int status = -1;
    runOnce(program, arguments);   // warm the page cache
    for (int i = 0; i < runs; ++i) {
        const Run r = runOnce(program, arguments);
        times.push_back(r.ms);
        peaks.push_back(r.peakMb);
        status = r.status;
    }
    const double t = median(times);
    std::printf("%-28s exit %d  median %7.1f ms  (min %6.1f)  protocol pauses %3d ms  above them %7.1f ms  "
                "peak %5.1f MB (max %5.1f)\n",
                what, status, t, *std::min_element(times.begin(), times.end()), pauses, t - pauses, median(peaks),
                *std::max_element(peaks.begin(), peaks.end()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // A copy beside its own modules/, so the bench never changes the build's files.
    if (qEnvironmentVariableIsEmpty("R5_RUN_DIR"))
        qputenv("R5_RUN_DIR", QFile::encodeName(QCoreApplication::applicationDirPath()));
    QTemporaryDir folder;
    if (!TestSupport::layOutProgram(folder.path())) {
        std::fprintf(stderr, "could not lay out the program in %s\n", qPrintable(folder.path()));
        return 1;
    }
    const std::string program = QDir(folder.path()).filePath("r5config-sim").toStdString();

    // status: the secrecy-code echo, then the DPI set, the stage, the rate and the effect.
    const int statusPauses = pausesOf(Cmd::GetSecrecyCode) + pausesOf(Cmd::GetDPISet) + pausesOf(Cmd::GetCurrentDPIStage)
                             + pausesOf(Cmd::GetReportRate) + pausesOf(Cmd::GetRGBLedEffect);
    std::printf("%d runs each of %s (simulated mouse)\n", runs, program.c_str());
    // The floor: the same program started and ended with no files and no device.
    report("--version (start and exit)", program, {"--version"}, runs, 0);
    report("status", program, {"status"}, runs, statusPauses);
    report("status --json", program, {"status", "--json"}, runs, statusPauses);
    report("macro list (no device)", program, {"macro", "list"}, runs, 0);
    // rate: 91H is not read; one 01H with its acknowledgement wait.
    report("rate 1000", program, {"rate", "1000"}, runs, pausesOf(Cmd::GetSecrecyCode) + pausesOf(Cmd::SetReportRate));
    std::printf("targets: status under 30 ms above the pauses, under 25 MB peak\n");
    return 0;
}
