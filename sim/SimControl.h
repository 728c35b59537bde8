// SPDX-License-Identifier: MIT
// Test control of the simulated devices behind the hidapi C API: presence, plugging,
// secrecy code, misbehaviour, the emulated settings store and a log of every report.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class Family { Keyboard = 0, Mouse = 1 };

// One report the device received, as the firmware saw it.
struct Received {
    enum Kind { Feature, Write } kind;     // feature report (command block) or bulk OUT
    std::vector<uint8_t> wire;             // bytes exactly as sent, report id first
    std::vector<uint8_t> block;            // Feature: the 8-byte command block after descrambling
    bool checksumOk = true;                // Feature: false when the block was ignored for its checksum
};

// Everything back to power-on: mouse present and plugged, keyboard absent, code
// "583120", scrambling on, well-behaved, factory settings, empty log.
void reset();

void setPresent(Family f, bool present);   // plugged in (enumerated) or not
bool isPresent(Family f);
void setSecrecyCode(Family f, const std::string &six);   // the device's own code
void setScrambling(Family f, bool on);     // off: the device neither expects nor sends scrambled blocks

// Misbehaviour, each until reset() or cleared.
// Unplugging (setPresent false or one of the unplugAfter switches) loses the transfer in
// flight and makes every handle opened before it fail every call with -1, also after a
// replug; hid_open_path gives fresh handles once the device is present again.
void setWithholdAck(Family f, bool on);            // never sends 04 04 00 00
void setBulkReadShortfall(Family f, int reports);  // a bulk read delivers that many reports fewer
void unplugAfterReports(Family f, int reports);    // vanishes after N more received reports (-1: never, 0: now)
void setAckDelayMs(Family f, int ms);              // acknowledgement comes that long after the report
void unplugAfterSentReports(Family f, int reports); // vanishes after handing out N more bulk IN reports

// Present but not usable: the device stays listed by hid_enumerate, and hid_open_path of
// either interface fails as the hidraw back end does, errno and hid_error(NULL) telling
// why. Handles opened before keep working.
enum class OpenRefusal {
    None,
    NoRights,   // EACCES: the node is not readable and writable by this user
    Busy,       // EBUSY: another program holds the interface
};
void setOpenRefusal(Family f, OpenRefusal refusal);

// A program started with R5_SIM_MOUSE set begins with the mouse in that state, so the
// cases above can be tried in the real window: "absent", "no-rights", "busy",
// "no-scrambling", "code=<six characters>", several separated by commas.

// Acknowledgements wait in the device's input buffer (16 reports) for any reader of the event
// interface; one that nobody reads within a second is dropped, so a watch loop started later
// never sees the acknowledgements of long-finished commands.

// A blocking hid_read (or hid_read_timeout with -1) with nothing to deliver gives up after
// this long and returns 0, so a test can never hang on a device that stays silent.
// Default 1000 ms; reset() restores it.
void setBlockingReadBoundMs(int ms);

// What the device received, in order (both interfaces, both families).
std::vector<Received> received(Family f);
void clearReceived();
int openCount(Family f);                           // hid_open_path calls that succeeded
int openHandleCount(Family f);                     // handles opened and not yet closed (dead ones too)

// The emulated settings store (mouse).
struct MouseStore {
    uint8_t reportRate = 1;
    uint8_t profile = 0;
    uint8_t functionOption[4] = {3, 1, 0, 0};  // type, rate, option1, option2
    uint8_t sensitivity[5] = {};               // last 04H: sens1..sens4, index
    uint8_t ledInstruct[4] = {};               // 07H: type, option1..3
    uint8_t dpiStage = 2;
    uint8_t dpiMaxStage = 8;
    uint8_t dpiSet[8] = {4, 8, 16, 32, 0x80, 0x80, 0x80, 0x80};
    uint8_t stageColor[3][24] = {};            // 10H types 0, 1 and 2 (4 bytes used)
    uint8_t effect[3] = {1, 255, 1};           // 0DH: effect, option1, option2
    uint8_t keyMatrix[4][64] = {};             // 12H matrices 1..4
    uint8_t macros[12][128] = {};              // 13H macros 1..12
};
MouseStore &mouse();                 // direct access: only while no transfer runs
MouseStore mouseSnapshot();          // a consistent copy, safe while transfers run

// The emulated settings store (keyboard).
struct KeyboardStore {
    uint8_t reportRate = 1;
    uint8_t profile = 0;
    uint8_t option[4] = {};
    uint8_t sensitivity[5] = {};
    uint8_t indicator[2] = {};                 // 07H: effect, frequency
    uint8_t ledType[6] = {};                   // 08H
    uint8_t mode = 0;
    uint8_t keyMatrix[512] = {};
    uint8_t keyOnOff[21] = {};
    uint8_t macros[35][192] = {};
    uint8_t pictures[8][512] = {};
    uint8_t colors[16][3] = {};
    uint8_t fwMajor = 1, fwMinor = 0x0A;
    bool recovered = false;                    // 13H seen
};
KeyboardStore &keyboard();
KeyboardStore keyboardSnapshot();

// hidapi paths the simulated interfaces enumerate under.
std::string commandPath(Family f);
std::string eventPath(Family f);

} // namespace sim
