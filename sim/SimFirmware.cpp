// SPDX-License-Identifier: MIT
// The emulated firmware of the mouse and the keyboard: checks and unscrambles command
// blocks, updates the settings store, collects bulk OUT data, prepares answers and bulk
// IN reports, and queues the 04 04 00 00 acknowledgement of every set command.
#include "SimFirmware.h"
#include "SimScrambling.h"
#include <QLoggingCategory>
#include <algorithm>
#include <cstring>

// Protocol oddities (bad checksum, unknown command, stray bulk report) are worth a line;
// per-report traces only when asked for with QT_LOGGING_RULES="r5.sim.debug=true".
Q_LOGGING_CATEGORY(lcSim, "r5.sim", QtInfoMsg)

namespace sim {

namespace {
// Acknowledgements nobody reads go stale: a watch loop started later must not see
// the acks of long-finished commands. The input buffer holds at most a few.
constexpr auto kAckLifetime = std::chrono::milliseconds(1000);
constexpr size_t kAckBufferReports = 16;
constexpr size_t kLogLimit = 200000;

const char *familyName(Family f) { return f == Family::Mouse ? "mouse" : "keyboard"; }

QByteArray hex(const uint8_t *p, size_t n)
{
    return QByteArray(reinterpret_cast<const char *>(p), int(n)).toHex(' ');
}
} // namespace

Firmware::Firmware(Family f) : fam(f) { powerOn(); }

uint16_t Firmware::productId() const { return fam == Family::Mouse ? 0xa6c2 : 0x8b31; }
uint16_t Firmware::commandUsagePage() const { return fam == Family::Mouse ? 0xff00 : 0xff01; }
uint16_t Firmware::commandUsage() const { return fam == Family::Mouse ? 0xff00 : 0x0001; }
uint16_t Firmware::eventUsagePage() const { return fam == Family::Mouse ? 0xff01 : 0xff02; }
uint16_t Firmware::eventUsage() const { return fam == Family::Mouse ? 0xff01 : 0x0001; }

void Firmware::powerOn()
{
    present = fam == Family::Mouse;
    scrambling = true;
    withholdAck = false;
    bulkShortfall = 0;
    unplugAfterReceived = -1;
    unplugAfterSent = -1;
    ackDelayMs = 0;
    openRefusal = OpenRefusal::None;
    opened = 0;
    setCode("583120");
    mouse = MouseStore{};
    keyboard = KeyboardStore{};
    log.clear();
    dropLink();
}

void Firmware::dropLink()
{
    bulkOut = BulkOut{};
    bulkIn.clear();
    acks.clear();
    std::memset(answerBlock, 0, sizeof answerBlock);
    answerPlain = true;
}

void Firmware::setCode(const std::string &six)
{
    // Shorter codes are padded with zero bytes; only six bytes take part.
    code.fill(0);
    for (size_t i = 0; i < code.size() && i < six.size(); ++i)
        code[i] = static_cast<uint8_t>(six[i]);
}

void Firmware::record(Received r)
{
    if (log.size() >= kLogLimit)
        log.erase(log.begin(), log.begin() + kLogLimit / 2);
    log.push_back(std::move(r));
}

void Firmware::receiveFeature(const uint8_t *data, size_t len, Clock::time_point now)
{
    uint8_t block[8];
    std::memcpy(block, data + 1, 8);
    if (scrambling)
        wire::decipher(block, code.data());

    Received r{Received::Feature, std::vector<uint8_t>(data, data + len),
               std::vector<uint8_t>(block, block + 8)};
    r.checksumOk = wire::checksum(block) == block[7];
    record(r);
    qCDebug(lcSim) << familyName(fam) << "feature" << hex(block, 8);

    // A new command block ends whatever exchange was in progress.
    if (bulkOut.active)
        qCInfo(lcSim, "%s: bulk transfer of %02X abandoned after %d of %d bytes", familyName(fam),
               bulkOut.command, int(bulkOut.data.size()), int(bulkOut.expected));
    bulkOut = BulkOut{};
    bulkIn.clear();
    answer({});

    if (!r.checksumOk) {
        qCInfo(lcSim, "%s: command block %s ignored: wrong checksum", familyName(fam),
               hex(block, 8).constData());
        return;
    }
    execute(block, now);
}

void Firmware::receiveWrite(const uint8_t *data, size_t len, Clock::time_point now)
{
    record(Received{Received::Write, std::vector<uint8_t>(data, data + len), {}});
    qCDebug(lcSim) << familyName(fam) << "bulk out" << hex(data, len);
    if (!bulkOut.active) {
        qCInfo(lcSim, "%s: bulk report without an announced transfer dropped", familyName(fam));
        return;
    }
    // Each report carries one full payload; a short write counts as zero-padded.
    const size_t rl = size_t(reportLength());
    const size_t payload = std::min(len - 1, rl);
    bulkOut.data.insert(bulkOut.data.end(), data + 1, data + 1 + payload);
    bulkOut.data.resize(bulkOut.data.size() + (rl - payload), 0);
    if (bulkOut.data.size() < bulkOut.expected)
        return;
    if (bulkOut.dest)
        std::memcpy(bulkOut.dest, bulkOut.data.data(), bulkOut.expected);
    bulkOut = BulkOut{};
    queueAck(now);
}

void Firmware::answerReport(uint8_t out[8]) const
{
    std::memcpy(out, answerBlock, 8);
    if (scrambling && answerPlain)
        wire::encipher(out, code.data());
}

bool Firmware::takeBulkIn(std::vector<uint8_t> &report)
{
    if (bulkIn.empty())
        return false;
    report = std::move(bulkIn.front());
    bulkIn.pop_front();
    return true;
}

bool Firmware::takeAck(Clock::time_point now)
{
    while (!acks.empty() && acks.front() + kAckLifetime < now)
        acks.pop_front();
    if (acks.empty() || acks.front() > now)
        return false;
    acks.pop_front();
    return true;
}

bool Firmware::nextAckDue(Clock::time_point &due) const
{
    if (acks.empty())
        return false;
    due = acks.front();
    return true;
}

void Firmware::queueAck(Clock::time_point now)
{
    if (withholdAck)
        return;
    acks.push_back(now + std::chrono::milliseconds(std::max(0, ackDelayMs)));
    while (acks.size() > kAckBufferReports)
        acks.pop_front();
}

void Firmware::answer(std::initializer_list<uint8_t> values, bool plain)
{
    std::memset(answerBlock, 0, sizeof answerBlock);
    std::copy_n(values.begin(), std::min<size_t>(values.size(), 7), answerBlock);
    if (values.size() > 0)
        answerBlock[7] = wire::checksum(answerBlock);
    answerPlain = plain;
}

void Firmware::expectBulk(uint8_t command, uint8_t *dest, size_t length)
{
    bulkOut.active = true;
    bulkOut.command = command;
    bulkOut.dest = dest;
    bulkOut.expected = length;
    bulkOut.data.clear();
    if (!dest)
        qCInfo(lcSim, "%s: %02X addresses no stored item; its data will be dropped", familyName(fam),
               command);
}

void Firmware::sendBulk(const uint8_t *src, size_t length)
{
    const size_t rl = size_t(reportLength());
    const int reports = int((length + rl - 1) / rl);
    const int delivered = std::max(0, reports - std::max(0, bulkShortfall));
    for (int i = 0; i < delivered; ++i) {
        std::vector<uint8_t> report(rl, 0);
        const size_t offset = size_t(i) * rl;
        if (src)
            std::memcpy(report.data(), src + offset, std::min(rl, length - offset));
        bulkIn.push_back(std::move(report));
    }
}

void Firmware::execute(const uint8_t b[8], Clock::time_point now)
{
    const uint8_t command = b[0];
    if (command == 0x00) {   // echo of the handshake
        answer({0x00, b[1], b[2], b[3], b[4]});
        return;
    }
    const bool known = fam == Family::Mouse ? executeMouse(b) : executeKeyboard(b);
    if (!known) {
        qCInfo(lcSim, "%s: unknown command %02X ignored", familyName(fam), command);
        answer({});
        return;
    }
    if (command < 0x80) {
        answer({command});
        queueAck(now);
    }
}

namespace {
template <size_t N>
void take(uint8_t (&dst)[N], const uint8_t *src, size_t n = N)
{
    std::memcpy(dst, src, std::min(n, N));
}
} // namespace

bool Firmware::executeMouse(const uint8_t b[8])
{
    MouseStore &m = mouse;
    const uint8_t p1 = b[1];
    switch (b[0]) {
    // Set commands
    case 0x01: m.reportRate = p1; return true;
    case 0x02: m.profile = p1; return true;
    case 0x03: take(m.functionOption, b + 1); return true;
    case 0x04: take(m.sensitivity, b + 1); return true;
    case 0x07: take(m.ledInstruct, b + 1); return true;
    case 0x0B: m.dpiStage = p1; return true;
    case 0x0D: take(m.effect, b + 1); return true;
    case 0x10: expectBulk(0x10, p1 < 3 ? m.stageColor[p1] : nullptr, p1 == 2 ? 4 : 24); return true;
    case 0x11: m.dpiMaxStage = p1; expectBulk(0x11, m.dpiSet, 8); return true;
    case 0x12: expectBulk(0x12, p1 >= 1 && p1 <= 4 ? m.keyMatrix[p1 - 1] : nullptr, 64); return true;
    case 0x13: expectBulk(0x13, p1 >= 1 && p1 <= 12 ? m.macros[p1 - 1] : nullptr, 128); return true;
    // Get commands
    case 0x81: answer({0x81, m.reportRate}); return true;
    case 0x82: answer({0x82, m.profile}); return true;
    case 0x83:
        answer({0x83, m.functionOption[0], m.functionOption[1], m.functionOption[2], m.functionOption[3]});
        return true;
    case 0x84:
        answer({0x84, m.sensitivity[0], m.sensitivity[1], m.sensitivity[2], m.sensitivity[3],
                m.sensitivity[4]});
        return true;
    case 0x87: answer({0x87, p1, m.ledInstruct[1], m.ledInstruct[2], m.ledInstruct[3]}); return true;
    case 0x8B: answer({0x8B, m.dpiStage}); return true;
    case 0x8D: answer({0x8D, m.effect[0], m.effect[1], m.effect[2]}); return true;
    case 0x90:
        answer({0x90, p1}, false);
        sendBulk(p1 < 3 ? m.stageColor[p1] : nullptr, p1 == 2 ? 4 : 24);
        return true;
    case 0x91:
        answer({0x91, m.dpiMaxStage}, false);
        sendBulk(m.dpiSet, 8);
        return true;
    case 0x92:
        answer({0x92, p1}, false);
        sendBulk(p1 >= 1 && p1 <= 4 ? m.keyMatrix[p1 - 1] : nullptr, 64);
        return true;
    case 0x93:
        answer({0x93, p1}, false);
        sendBulk(p1 >= 1 && p1 <= 12 ? m.macros[p1 - 1] : nullptr, 128);
        return true;
    default: return false;
    }
}

bool Firmware::executeKeyboard(const uint8_t b[8])
{
    KeyboardStore &k = keyboard;
    const uint8_t p1 = b[1], p2 = b[2];
    switch (b[0]) {
    // Set commands
    case 0x01: k.reportRate = p1; return true;
    case 0x02: k.profile = p1; return true;
    case 0x03: take(k.option, b + 1); return true;
    case 0x04: take(k.sensitivity, b + 1); return true;
    case 0x07: take(k.indicator, b + 1); return true;
    case 0x08: take(k.ledType, b + 1); return true;
    case 0x09: k.mode = p1; return true;
    case 0x0D: expectBulk(0x0D, k.keyMatrix, 512); return true;
    case 0x0E: expectBulk(0x0E, k.keyOnOff, 21); return true;
    case 0x11: expectBulk(0x11, p2 < 35 ? k.macros[p2] : nullptr, 192); return true;
    case 0x12: expectBulk(0x12, p2 < 8 ? k.pictures[p2] : nullptr, 512); return true;
    case 0x13: k.recovered = true; return true;
    case 0x14:
        if (p2 < 16)
            take(k.colors[p2], b + 3);
        return true;
    // Get commands
    case 0x80: answer({0x80, k.fwMajor, k.fwMinor}); return true;
    case 0x81: answer({0x81, k.reportRate}); return true;
    case 0x82: answer({0x82, k.profile}); return true;
    case 0x83: answer({0x83, k.option[0], k.option[1], k.option[2], k.option[3]}); return true;
    case 0x84:
        answer({0x84, k.sensitivity[0], k.sensitivity[1], k.sensitivity[2], k.sensitivity[3],
                k.sensitivity[4]});
        return true;
    case 0x88:
        answer({0x88, k.ledType[0], k.ledType[1], k.ledType[2], k.ledType[3], k.ledType[4], k.ledType[5]});
        return true;
    case 0x89: answer({0x89, k.mode}); return true;
    case 0x8D: answer({0x8D}, false); sendBulk(k.keyMatrix, 512); return true;
    case 0x8E: answer({0x8E}, false); sendBulk(k.keyOnOff, 21); return true;
    case 0x91:
        answer({0x91, 0, p2}, false);
        sendBulk(p2 < 35 ? k.macros[p2] : nullptr, 192);
        return true;
    case 0x92:
        answer({0x92, 0, p2}, false);
        sendBulk(p2 < 8 ? k.pictures[p2] : nullptr, 512);
        return true;
    case 0x94:
        if (p2 < 16)
            answer({0x94, 0, p2, k.colors[p2][0], k.colors[p2][1], k.colors[p2][2]});
        else
            answer({0x94, 0, p2});
        return true;
    default: return false;
    }
}

} // namespace sim
