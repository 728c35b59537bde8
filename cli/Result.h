// SPDX-License-Identifier: MIT
// What a command leaves behind: its exit status, the data for standard output and the
// messages for standard error. Travels unchanged from a running window to the caller.
#pragma once
#include <QString>

namespace Cli {

enum Status {
    Done = 0,
    NoDevice = 1,    // no device, or the device was rejected: only files changed
    BadInput = 2,    // a value out of range; the message names it and what is accepted
    FileFault = 3,   // a file could not be read or written
};

struct Result {
    int status = Done;
    QString out;   // data, one item a line
    QString err;   // messages, one a line

    void print(const QString &line) { out += line + QLatin1Char('\n'); }
    void tell(const QString &line) { err += line + QLatin1Char('\n'); }
    // The first failure decides the status; later messages still reach the user.
    Result &fail(int code, const QString &line)
    {
        if (status == Done)
            status = code;
        tell(line);
        return *this;
    }
};

} // namespace Cli
