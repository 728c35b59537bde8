// SPDX-License-Identifier: MIT
// A connection that goes away (X server, pipe, socket) must end in a write error that the
// caller handles, never in SIGPIPE ending the process.
#pragma once

namespace BrokenPipes {
// Installs a SIGPIPE handler that does nothing, so writes to a closed peer fail with EPIPE.
// A handler rather than SIG_IGN: programs started from here get the default back on exec.
// Safe to call more than once and from any thread.
void survive();
// True once survive() has taken SIGPIPE over.
bool survived();
}
