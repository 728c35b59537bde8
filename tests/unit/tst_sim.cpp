// SPDX-License-Identifier: MIT
// The simulated mouse and keyboard on their own, driven through the hidapi C API the way
// the device link drives them: framing, scrambling, acknowledgements, bulk data, misbehaviour.
#include "SimControl.h"
#include "SimScrambling.h"
#include <hidapi.h>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>
#include <array>
#include <cerrno>
#include <atomic>
#include <thread>

using sim::Family;

namespace {

const uint8_t kCode[6] = {'5', '8', '3', '1', '2', '0'};

QByteArray bytes(const std::vector<uint8_t> &v) { return QByteArray(reinterpret_cast<const char *>(v.data()), int(v.size())); }
QByteArray bytes(const uint8_t *p, int n) { return QByteArray(reinterpret_cast<const char *>(p), n); }

// A command block with its checksum, as the program builds it.
std::vector<uint8_t> block(std::initializer_list<uint8_t> codeAndParams)
{
    std::vector<uint8_t> b(8, 0);
    std::copy(codeAndParams.begin(), codeAndParams.end(), b.begin());
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += b[size_t(i)];
    b[7] = uint8_t(~sum);
    return b;
}

// Sends a block as a 9-byte feature report, scrambled with code when given.
int sendBlock(hid_device *dev, std::vector<uint8_t> b, const uint8_t *code = kCode)
{
    if (code)
        sim::wire::encipher(b.data(), code);
    uint8_t report[9] = {0};
    std::copy(b.begin(), b.end(), report + 1);
    return hid_send_feature_report(dev, report, sizeof report);
}

// Reads the answer block A0..A7, unscrambled with code when given.
QByteArray answer(hid_device *dev, const uint8_t *code = kCode)
{
    uint8_t report[9] = {0};
    if (hid_get_feature_report(dev, report, sizeof report) != 9)
        return {};
    if (code)
        sim::wire::decipher(report + 1, code);
    return bytes(report + 1, 8);
}

int writeBulk(hid_device *dev, const QByteArray &payload, int reportLength)
{
    QByteArray report(reportLength + 1, '\0');
    report.replace(1, payload.size(), payload);
    return hid_write(dev, reinterpret_cast<const uint8_t *>(report.constData()), size_t(report.size()));
}

bool readAck(hid_device *event, int timeoutMs)
{
    uint8_t buf[8] = {0};
    const int n = hid_read_timeout(event, buf, sizeof buf, timeoutMs);
    return n == 4 && bytes(buf, 4) == QByteArray::fromHex("04040000");
}

QByteArray pattern(int n, int seed)
{
    QByteArray p(n, '\0');
    for (int i = 0; i < n; ++i)
        p[i] = char((i * 7 + seed) & 0xFF);
    return p;
}

struct Handle {
    hid_device *dev;
    explicit Handle(const std::string &path) : dev(hid_open_path(path.c_str())) {}
    ~Handle() { hid_close(dev); }
    operator hid_device *() const { return dev; }
};

} // namespace

class tst_sim : public QObject
{
    Q_OBJECT
private slots:
    void init() { sim::reset(); }
    void cleanupTestCase() { sim::reset(); }

    void scramblingMatchesReferenceAndInverts();
    void enumerationFollowsPresenceAndFilters();
    void echoRoundTripWithCodes();
    void setCommandsAreAcknowledged();
    void wrongChecksumIsIgnored();
    void bulkOutIsCollectedIntoTheStore();
    void familyDecidesTheMeaningOfACode();
    void bulkInServesTheStore();
    void shortBulkReadTimesOut();
    void unplugMidTransfer();
    void presentButRefusingToOpen_data();
    void presentButRefusingToOpen();
    void concurrentTransfersAndEventReads();
};

void tst_sim::scramblingMatchesReferenceAndInverts()
{
    // Checksum examples of the protocol: 03 01 02 .. gives F9, all zeros gives FF.
    QCOMPARE(int(block({0x03, 0x01, 0x02})[7]), 0xF9);
    QCOMPARE(int(sim::wire::checksum(std::vector<uint8_t>(8, 0).data())), 0xFF);

    // Known answers computed with a separate reference implementation of the scrambling.
    auto b = block({0x03, 0x01, 0x02});
    sim::wire::encipher(b.data(), kCode);
    QCOMPARE(bytes(b), QByteArray::fromHex("b5447e6fc72ed717"));
    b = block({0x00, 0x11, 0x22, 0x33, 0x44});
    sim::wire::encipher(b.data(), kCode);
    QCOMPARE(bytes(b), QByteArray::fromHex("b721de6f47357017"));

    // Any block, any code: unscrambling undoes scrambling; another code does not.
    auto *rng = QRandomGenerator::global();
    for (int round = 0; round < 500; ++round) {
        uint8_t plain[8], code[6], other[6];
        for (auto &x : plain) x = uint8_t(rng->bounded(256));
        for (auto &x : code) x = uint8_t(rng->bounded(256));
        std::copy(code, code + 6, other);
        other[round % 6] ^= uint8_t(1 + rng->bounded(255));
        uint8_t work[8], wrong[8];
        std::copy(plain, plain + 8, work);
        sim::wire::encipher(work, code);
        std::copy(work, work + 8, wrong);
        sim::wire::decipher(work, code);
        QCOMPARE(bytes(work, 8), bytes(plain, 8));
        sim::wire::decipher(wrong, other);
        QVERIFY(bytes(wrong, 8) != bytes(plain, 8));
    }
}

void tst_sim::enumerationFollowsPresenceAndFilters()
{
    auto collect = [](unsigned short vid, unsigned short pid) {
        QStringList out;
        hid_device_info *list = hid_enumerate(vid, pid);
        for (auto *d = list; d; d = d->next)
            out << QString::asprintf("%04x:%04x %04x/%04x %s", d->vendor_id, d->product_id, d->usage_page,
                                     d->usage, d->path);
        hid_free_enumeration(list);
        return out;
    };
    const QString mouseCmd = QString::fromStdString(sim::commandPath(Family::Mouse));
    const QString mouseEvt = QString::fromStdString(sim::eventPath(Family::Mouse));

    // Power-on: the mouse alone, with its command and event interfaces.
    QCOMPARE(collect(0, 0), QStringList({"04d9:a6c2 ff00/ff00 " + mouseCmd, "04d9:a6c2 ff01/ff01 " + mouseEvt}));
    QVERIFY(!hid_open_path(sim::commandPath(Family::Keyboard).c_str()));

    sim::setPresent(Family::Keyboard, true);
    QCOMPARE(collect(0, 0).size(), 4);
    QCOMPARE(collect(0x04d9, 0x8b31),
             QStringList({"04d9:8b31 ff01/0001 " + QString::fromStdString(sim::commandPath(Family::Keyboard)),
                          "04d9:8b31 ff02/0001 " + QString::fromStdString(sim::eventPath(Family::Keyboard))}));
    QCOMPARE(collect(0, 0xa6c2).size(), 2);
    QVERIFY(collect(0x1234, 0).isEmpty());
    QVERIFY(!hid_open_path("/dev/hidraw0"));

    sim::setPresent(Family::Mouse, false);
    QCOMPARE(collect(0x04d9, 0xa6c2), QStringList());
    QVERIFY(!hid_open_path(mouseCmd.toLatin1().constData()));
    QCOMPARE(sim::openCount(Family::Mouse), 0);

    // hid_open takes the first matching interface; the handle tells what it is.
    sim::setPresent(Family::Mouse, true);
    hid_device *dev = hid_open(0x04d9, 0xa6c2, nullptr);
    QVERIFY(dev);
    hid_device_info *info = hid_get_device_info(dev);
    QVERIFY(info);
    QCOMPARE(QString::fromLatin1(info->path), mouseCmd);
    wchar_t text[64];
    QCOMPARE(hid_get_product_string(dev, text, 64), 0);
    QVERIFY(!QString::fromWCharArray(text).isEmpty());
    QCOMPARE(sim::openCount(Family::Mouse), 1);
    QCOMPARE(sim::openHandleCount(Family::Mouse), 1);
    hid_close(dev);
    QCOMPARE(sim::openHandleCount(Family::Mouse), 0);
    QCOMPARE(QString::fromLatin1(hid_version_str()), QStringLiteral("0.13.1"));
}

void tst_sim::echoRoundTripWithCodes()
{
    Handle cmd(sim::commandPath(Family::Mouse));
    QVERIFY(cmd.dev);
    const auto echo = block({0x00, 0x11, 0x22, 0x33, 0x44});

    // Same code on both sides: A0..A4 come back as sent; the log shows wire and meaning.
    QCOMPARE(sendBlock(cmd, echo), 9);
    QCOMPARE(answer(cmd).left(5), QByteArray::fromHex("0011223344"));
    const auto log = sim::received(Family::Mouse);
    QCOMPARE(int(log.size()), 1);
    QCOMPARE(log[0].kind, sim::Received::Feature);
    QCOMPARE(bytes(log[0].wire), QByteArray::fromHex("00b721de6f47357017"));
    QCOMPARE(bytes(log[0].block), bytes(echo));

    // The device was given another code: the exchange goes through, the echo does not match.
    sim::setSecrecyCode(Family::Mouse, "123456");
    QCOMPARE(sendBlock(cmd, echo), 9);
    QVERIFY(answer(cmd).mid(1, 4) != QByteArray::fromHex("11223344"));
    const uint8_t code2[6] = {'1', '2', '3', '4', '5', '6'};
    QCOMPARE(sendBlock(cmd, echo, code2), 9);
    QCOMPARE(answer(cmd, code2).mid(1, 4), QByteArray::fromHex("11223344"));

    // Scrambling off: plain blocks both ways.
    sim::setScrambling(Family::Mouse, false);
    QCOMPARE(sendBlock(cmd, block({0x00, 1, 2, 3, 4}), nullptr), 9);
    QCOMPARE(answer(cmd, nullptr).left(5), QByteArray::fromHex("0001020304"));
    QCOMPARE(bytes(sim::received(Family::Mouse).back().wire), QByteArray::fromHex("00") + bytes(block({0, 1, 2, 3, 4})));
}

void tst_sim::setCommandsAreAcknowledged()
{
    Handle cmd(sim::commandPath(Family::Mouse));
    Handle evt(sim::eventPath(Family::Mouse));
    QVERIFY(cmd.dev && evt.dev);

    QCOMPARE(sendBlock(cmd, block({0x01, 0x02})), 9);
    QVERIFY(readAck(evt, 1000));
    QCOMPARE(hid_read_timeout(evt, std::array<uint8_t, 4>().data(), 4, 0), 0);   // exactly one
    QCOMPARE(int(sim::mouse().reportRate), 2);

    // A get is answered, not acknowledged.
    QCOMPARE(sendBlock(cmd, block({0x81})), 9);
    QCOMPARE(answer(cmd).left(2), QByteArray::fromHex("8102"));
    QVERIFY(!readAck(evt, 20));

    sim::setWithholdAck(Family::Mouse, true);
    QCOMPARE(sendBlock(cmd, block({0x0B, 0x05})), 9);
    QVERIFY(!readAck(evt, 20));
    QCOMPARE(int(sim::mouse().dpiStage), 5);

    // A delayed acknowledgement is not there yet at once, but arrives.
    sim::setWithholdAck(Family::Mouse, false);
    sim::setAckDelayMs(Family::Mouse, 60000);
    QCOMPARE(sendBlock(cmd, block({0x02, 0x03})), 9);
    QVERIFY(!readAck(evt, 0));
    sim::reset();
    Handle cmd2(sim::commandPath(Family::Mouse));
    Handle evt2(sim::eventPath(Family::Mouse));
    sim::setAckDelayMs(Family::Mouse, 30);
    QCOMPARE(sendBlock(cmd2, block({0x02, 0x03})), 9);
    QVERIFY(readAck(evt2, 5000));
}

void tst_sim::wrongChecksumIsIgnored()
{
    Handle cmd(sim::commandPath(Family::Mouse));
    Handle evt(sim::eventPath(Family::Mouse));
    auto bad = block({0x01, 0x08});
    bad[7] ^= 0x01;
    QCOMPARE(sendBlock(cmd, bad), 9);   // the transfer itself succeeds, like on USB
    QVERIFY(!readAck(evt, 20));
    QCOMPARE(int(sim::mouse().reportRate), 1);
    const auto log = sim::received(Family::Mouse);
    QCOMPARE(int(log.size()), 1);
    QVERIFY(!log[0].checksumOk);
    QCOMPARE(bytes(log[0].block), bytes(bad));
    // Its answer is empty, so a stale echo can never pass for a fresh one.
    QCOMPARE(sendBlock(cmd, block({0x00, 9, 9, 9, 9})), 9);
    QCOMPARE(answer(cmd).left(5), QByteArray::fromHex("0009090909"));
    bad = block({0x00, 9, 9, 9, 9});
    bad[7] ^= 0x80;
    QCOMPARE(sendBlock(cmd, bad), 9);
    QCOMPARE(answer(cmd).left(5), QByteArray::fromHex("0000000000"));
}

void tst_sim::bulkOutIsCollectedIntoTheStore()
{
    Handle cmd(sim::commandPath(Family::Mouse));
    Handle evt(sim::eventPath(Family::Mouse));
    const QByteArray matrix = pattern(64, 3);

    QCOMPARE(sendBlock(cmd, block({0x12, 0x02, 0x40, 0x08})), 9);
    QVERIFY(readAck(evt, 1000));
    QCOMPARE(writeBulk(cmd, matrix.left(32), 32), 33);
    QCOMPARE(bytes(sim::mouse().keyMatrix[1], 64), QByteArray(64, '\0'));   // not before the last report
    QVERIFY(!readAck(evt, 0));
    QCOMPARE(writeBulk(cmd, matrix.mid(32), 32), 33);
    QVERIFY(readAck(evt, 1000));
    QCOMPARE(bytes(sim::mouse().keyMatrix[1], 64), matrix);
    QCOMPARE(bytes(sim::mouse().keyMatrix[0], 64), QByteArray(64, '\0'));

    const auto log = sim::received(Family::Mouse);
    QCOMPARE(int(log.size()), 3);
    QCOMPARE(bytes(log[0].block), QByteArray::fromHex("12024008000000") + char(uint8_t(~(0x12 + 0x02 + 0x40 + 0x08))));
    QCOMPARE(log[1].kind, sim::Received::Write);
    QCOMPARE(bytes(log[1].wire), QByteArray(1, '\0') + matrix.left(32));
    QCOMPARE(bytes(log[2].wire), QByteArray(1, '\0') + matrix.mid(32));

    // Short payloads travel as one padded report: 11H sets the stage count and eight codes,
    // 10H type 2 moves four bytes.
    QCOMPARE(sendBlock(cmd, block({0x11, 0x06, 0x08})), 9);
    QCOMPARE(writeBulk(cmd, QByteArray::fromHex("0102030405068080"), 32), 33);
    QCOMPARE(int(sim::mouse().dpiMaxStage), 6);
    QCOMPARE(bytes(sim::mouse().dpiSet, 8), QByteArray::fromHex("0102030405068080"));
    QCOMPARE(sendBlock(cmd, block({0x10, 0x02, 0x04})), 9);
    QCOMPARE(writeBulk(cmd, QByteArray::fromHex("21436587"), 32), 33);
    QCOMPARE(bytes(sim::mouse().stageColor[2], 4), QByteArray::fromHex("21436587"));

    // A new command block abandons an unfinished transfer; its data never reach the store.
    QCOMPARE(sendBlock(cmd, block({0x13, 0x01, 0x80})), 9);
    QCOMPARE(writeBulk(cmd, pattern(32, 9), 32), 33);
    QCOMPARE(sendBlock(cmd, block({0x01, 0x04})), 9);
    QCOMPARE(writeBulk(cmd, pattern(32, 9), 32), 33);
    QCOMPARE(bytes(sim::mouse().macros[0], 128), QByteArray(128, '\0'));
    QCOMPARE(int(sim::mouse().reportRate), 4);
}

void tst_sim::familyDecidesTheMeaningOfACode()
{
    sim::setPresent(Family::Keyboard, true);
    Handle kb(sim::commandPath(Family::Keyboard));
    Handle kbEvt(sim::eventPath(Family::Keyboard));
    QVERIFY(kb.dev && kbEvt.dev);

    // Keyboard 11H: macro id in P2, 192 bytes in three 64-byte reports.
    const QByteArray macro = pattern(192, 5);
    QCOMPARE(sendBlock(kb, block({0x11, 0x00, 0x05, 0x03})), 9);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(writeBulk(kb, macro.mid(i * 64, 64), 64), 65);
    QCOMPARE(bytes(sim::keyboard().macros[5], 192), macro);
    QVERIFY(readAck(kbEvt, 1000) && readAck(kbEvt, 1000));
    QCOMPARE(bytes(sim::mouse().dpiSet, 8), QByteArray::fromHex("0408102080808080"));   // mouse untouched

    // Keyboard 14H / 94H: colour by index in P2, answered at A2..A5; 80H the firmware version.
    QCOMPARE(sendBlock(kb, block({0x14, 0x00, 0x03, 0x10, 0x20, 0x30})), 9);
    QCOMPARE(sendBlock(kb, block({0x94, 0x00, 0x03})), 9);
    QCOMPARE(answer(kb).left(6), QByteArray::fromHex("940003102030"));
    QCOMPARE(sendBlock(kb, block({0x80})), 9);
    QCOMPARE(answer(kb).left(3), QByteArray::fromHex("80010a"));

    // The same 0DH on the mouse is the lighting effect.
    Handle mouse(sim::commandPath(Family::Mouse));
    QCOMPARE(sendBlock(mouse, block({0x0D, 0x03, 0x80, 0x02})), 9);
    QCOMPARE(bytes(sim::mouse().effect, 3), QByteArray::fromHex("038002"));
    QCOMPARE(sendBlock(mouse, block({0x8D})), 9);
    QCOMPARE(answer(mouse).left(4), QByteArray::fromHex("8d038002"));
}

void tst_sim::bulkInServesTheStore()
{
    Handle cmd(sim::commandPath(Family::Mouse));
    const QByteArray m1 = pattern(64, 11);
    memcpy(sim::mouse().keyMatrix[0], m1.constData(), 64);
    memcpy(sim::mouse().keyMatrix[2], pattern(64, 99).constData(), 64);

    // 92H matrix 1: the answer block travels unscrambled, then two 32-byte reports.
    QCOMPARE(sendBlock(cmd, block({0x92, 0x01})), 9);
    const QByteArray raw = answer(cmd, nullptr);
    QCOMPARE(raw.left(2), QByteArray::fromHex("9201"));
    QByteArray got;
    for (int i = 0; i < 2; ++i) {
        uint8_t buf[33] = {0};
        QCOMPARE(hid_read(cmd, buf, sizeof buf), 32);
        got += bytes(buf, 32);
    }
    QCOMPARE(got, m1);
    uint8_t buf[33];
    QCOMPARE(hid_read_timeout(cmd, buf, sizeof buf, 0), 0);

    // 91H: the stage count at A1 as is, then the eight codes in one padded report.
    QCOMPARE(sendBlock(cmd, block({0x91})), 9);
    QCOMPARE(answer(cmd, nullptr).left(2), QByteArray::fromHex("9108"));
    QCOMPARE(hid_read_timeout(cmd, buf, sizeof buf, 1000), 32);
    QCOMPARE(bytes(buf, 32), QByteArray::fromHex("0408102080808080") + QByteArray(24, '\0'));

    // A plain get in between drops the rest of an unread bulk answer.
    QCOMPARE(sendBlock(cmd, block({0x93, 0x02})), 9);
    QCOMPARE(sendBlock(cmd, block({0x8B})), 9);
    QCOMPARE(answer(cmd).left(2), QByteArray::fromHex("8b02"));
    QCOMPARE(hid_read_timeout(cmd, buf, sizeof buf, 0), 0);
}

void tst_sim::shortBulkReadTimesOut()
{
    Handle cmd(sim::commandPath(Family::Mouse));
    sim::setBulkReadShortfall(Family::Mouse, 1);
    sim::setBlockingReadBoundMs(30);
    uint8_t buf[33];
    QCOMPARE(sendBlock(cmd, block({0x93, 0x01})), 9);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(hid_read(cmd, buf, sizeof buf), 32);
    QCOMPARE(hid_read(cmd, buf, sizeof buf), 0);              // blocking read gives up
    QCOMPARE(hid_read_timeout(cmd, buf, sizeof buf, 10), 0);  // timed read likewise
    QCOMPARE(hid_set_nonblocking(cmd, 1), 0);
    QCOMPARE(hid_read(cmd, buf, sizeof buf), 0);
}

void tst_sim::unplugMidTransfer()
{
    const QByteArray macro = pattern(128, 1);
    {
        Handle cmd(sim::commandPath(Family::Mouse));
        sim::unplugAfterReports(Family::Mouse, 2);
        QCOMPARE(sendBlock(cmd, block({0x13, 0x03, 0x80})), 9);
        QCOMPARE(writeBulk(cmd, macro.left(32), 32), 33);   // the second report still arrives...
        QVERIFY(!sim::isPresent(Family::Mouse));             // ...and then the device is gone
        QCOMPARE(writeBulk(cmd, macro.mid(32, 32), 32), -1);
        QCOMPARE(sendBlock(cmd, block({0x81})), -1);
        QCOMPARE(hid_set_nonblocking(cmd, 0), -1);
        QVERIFY(!QString::fromWCharArray(hid_error(cmd)).isEmpty());
        QCOMPARE(bytes(sim::mouse().macros[2], 128), QByteArray(128, '\0'));
        QCOMPARE(int(sim::received(Family::Mouse).size()), 2);
        hid_device_info *list = hid_enumerate(0x04d9, 0xa6c2);
        QVERIFY(!list);

        // Replugged: the old handle stays dead, a fresh one works, the old transfer is gone.
        sim::setPresent(Family::Mouse, true);
        QCOMPARE(sendBlock(cmd, block({0x81})), -1);
        Handle fresh(sim::commandPath(Family::Mouse));
        QVERIFY(fresh.dev);
        QCOMPARE(writeBulk(fresh, macro.mid(32, 32), 32), 33);
        QCOMPARE(bytes(sim::mouse().macros[2], 128), QByteArray(128, '\0'));
    }

    // Vanishing in the middle of a bulk read.
    Handle cmd(sim::commandPath(Family::Mouse));
    sim::unplugAfterSentReports(Family::Mouse, 1);
    uint8_t buf[33];
    QCOMPARE(sendBlock(cmd, block({0x92, 0x01})), 9);
    QCOMPARE(hid_read_timeout(cmd, buf, sizeof buf, 1000), 32);
    QCOMPARE(hid_read_timeout(cmd, buf, sizeof buf, 1000), -1);
}

void tst_sim::presentButRefusingToOpen_data()
{
    QTest::addColumn<int>("refusal");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("why");
    QTest::newRow("no rights") << int(sim::OpenRefusal::NoRights) << EACCES << "Permission denied";
    QTest::newRow("busy") << int(sim::OpenRefusal::Busy) << EBUSY << "Device or resource busy";
}

void tst_sim::presentButRefusingToOpen()
{
    QFETCH(int, refusal);
    QFETCH(int, error);
    QFETCH(QString, why);
    Handle before(sim::commandPath(Family::Mouse));
    QVERIFY(before.dev);
    sim::setOpenRefusal(Family::Mouse, sim::OpenRefusal(refusal));

    // Still listed, with both interfaces; neither opens, and errno says why, as hidraw's would.
    hid_device_info *list = hid_enumerate(0x04d9, 0xa6c2);
    int listed = 0;
    for (auto *d = list; d; d = d->next)
        ++listed;
    hid_free_enumeration(list);
    QCOMPARE(listed, 2);
    for (const std::string &path : {sim::commandPath(Family::Mouse), sim::eventPath(Family::Mouse)}) {
        errno = 0;
        QVERIFY(!hid_open_path(path.c_str()));
        QCOMPARE(errno, error);
        QCOMPARE(QString::fromWCharArray(hid_error(nullptr)),
                 "Failed to open a device with path '" + QString::fromStdString(path) + "': " + why);
    }
    // A handle opened before keeps working; an absent device is no such file.
    QCOMPARE(sendBlock(before, block({0x81})), 9);
    sim::setPresent(Family::Mouse, false);
    errno = 0;
    QVERIFY(!hid_open_path(sim::commandPath(Family::Mouse).c_str()));
    QCOMPARE(errno, ENOENT);
    sim::setPresent(Family::Mouse, true);
    Handle again(sim::commandPath(Family::Mouse));
    QVERIFY(!again.dev);
    QCOMPARE(sim::openCount(Family::Mouse), 1);

    sim::reset();
    Handle afterReset(sim::commandPath(Family::Mouse));
    QVERIFY(afterReset.dev);
    QCOMPARE(sendBlock(afterReset, block({0x81})), 9);
}

void tst_sim::concurrentTransfersAndEventReads()
{
    // A write transfer on one thread while another watches the event interface and a
    // third enumerates and opens, as the device link does; run it under ThreadSanitizer.
    constexpr int kTransfers = 40;
    std::atomic<int> acks{0};
    std::atomic<bool> done{false};
    std::atomic<int> failures{0};

    std::thread watcher([&] {
        while (!done.load()) {
            hid_device *evt = hid_open_path(sim::eventPath(Family::Mouse).c_str());
            if (!evt) {
                ++failures;
                return;
            }
            if (readAck(evt, 50))
                ++acks;
            hid_close(evt);
        }
    });
    std::thread scanner([&] {
        while (!done.load()) {
            hid_device_info *list = hid_enumerate(0x04d9, 0xa6c2);
            if (!list || !list->next)
                ++failures;
            hid_free_enumeration(list);
            (void)sim::received(Family::Mouse).size();
            (void)sim::mouseSnapshot();
            std::this_thread::yield();
        }
    });
    std::thread writer([&] {
        for (int i = 0; i < kTransfers; ++i) {
            hid_device *cmd = hid_open_path(sim::commandPath(Family::Mouse).c_str());
            const QByteArray matrix = pattern(64, i);
            if (!cmd || sendBlock(cmd, block({0x12, 0x01, 0x40, 0x08})) != 9
                || writeBulk(cmd, matrix.left(32), 32) != 33 || writeBulk(cmd, matrix.mid(32), 32) != 33)
                ++failures;
            hid_close(cmd);
            // Like the transport, wait (bounded) for the two acknowledgements before going on.
            QElapsedTimer guard;
            guard.start();
            while (acks.load() < 2 * (i + 1) && guard.elapsed() < 5000)
                std::this_thread::yield();
        }
    });
    writer.join();
    done = true;
    watcher.join();
    scanner.join();

    QCOMPARE(failures.load(), 0);
    QCOMPARE(acks.load(), 2 * kTransfers);
    QCOMPARE(int(sim::received(Family::Mouse).size()), 3 * kTransfers);
    QCOMPARE(bytes(sim::mouseSnapshot().keyMatrix[0], 64), pattern(64, kTransfers - 1));
    QCOMPARE(sim::openHandleCount(Family::Mouse), 0);
}

QTEST_MAIN(tst_sim)
#include "tst_sim.moc"
