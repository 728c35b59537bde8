// SPDX-License-Identifier: MIT
// What a device check found, as a value: the verdict the program acts on and, for a
// rejected device, why. Whoever shows it (window, command line) turns it into text.
#pragma once
#include <QString>

// Why the current device cannot be used.
enum class DeviceFault {
    None,       // admitted, or demo mode
    Absent,     // not listed by the system, or gone before it could be opened
    NoAccess,   // listed, but its node is not readable and writable by this user
    Busy,       // listed, but another program holds it
    Refused,    // opened and answered, but the echo did not come back: wrong secrecy code
};

struct HandshakeOutcome {
    enum Verdict { Admitted, Demo, Rejected };
    Verdict verdict = Rejected;
    DeviceFault reason = DeviceFault::None;   // set when rejected
    QString productName;                      // name of the current catalogue entry
};
