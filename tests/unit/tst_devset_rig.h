// SPDX-License-Identifier: MIT
// Shared rig of the device settings tests: a view with a live link to the simulated
// device, a recorded dialog seam, and the device's log regrouped into commands.
#pragma once
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "LinkState.h"
#include "ProfileFiles.h"
#include "SimControl.h"
#include "TestSupport.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QSettings>
#include <QTest>
#include <memory>

using TestSupport::bytes;
using TestSupport::ints;
using TestSupport::SeenCommand;

class DevsetRig
{
public:
    enum class Link { None, Mouse, Absent, KeyboardAsEntry1 };

    ~DevsetRig() { stop(); }

    // Fresh run folder, fresh simulator, a view and (unless Link::None) a scanned link.
    void start(Link link = Link::Mouse)
    {
        stop();
        dir.reset(TestSupport::enterFreshSimulatedRun());
        dialogs.reset(new TestSupport::DialogRecorder);
        view.reset(new myQQuickView);
        if (link == Link::None)
            return;

        if (link == Link::Absent)
            sim::setPresent(sim::Family::Mouse, false);
        bool isEncode = false;
        QList<DeviceInfo> catalogue = readCatalogue(&isEncode);
        if (link == Link::KeyboardAsEntry1) {
            // The scan looks up only section 1: put the keyboard's record there so
            // the keyboard commands reach the simulated keyboard with 64-byte reports.
            sim::setPresent(sim::Family::Keyboard, true);
            sim::setPresent(sim::Family::Mouse, false);
            catalogue[1] = catalogue.at(0);
        }
        hid.reset(new Hid_Thread);
        hid->scanDevices(catalogue);
        encodeOn = isEncode;
        setSecrecyCode(TestSupport::simulatedSecrecyCode());
        view->hid = hid.get();
        sim::clearReceived();
    }

    void stop()
    {
        if (view)
            view->hid = nullptr;
        view.reset();
        hid.reset();
        dialogs.reset();
        if (dir)
            QDir::setCurrent(QDir::tempPath());
        dir.reset();
    }

    // Waits until every write transfer has ended: a read takes the link only after them.
    // The echo used for it is left out of commands().
    void settle()
    {
        if (!hid)
            return;
        uchar a = 0, b = 0, c = 0, d = 0;
        hid->hid_00H_GetSecrecyCode(a, b, c, d);
    }

    QList<SeenCommand> commands(sim::Family f = sim::Family::Mouse) const
    {
        return TestSupport::seenCommands(f, TestSupport::Echoes::Dropped);
    }

    QList<SeenCommand> commandsWithCode(uchar code, sim::Family f = sim::Family::Mouse) const
    {
        return TestSupport::seenCommandsWithCode(code, f, TestSupport::Echoes::Dropped);
    }

    // The profile as it is on disk after the open settings object has written it back.
    QVariant storedProfileValue(const QString &key, int index = -1) const
    {
        const int i = index < 0 ? view->files->currentIndex() : index;
        view->files->profile(i)->sync();
        QSettings file(QString("./modules/setting/p%1.bin").arg(i + 1), QSettings::IniFormat);
        return file.value(key);
    }

    void writeMacroFile(const QString &name, const QStringList &lines, int repeat)
    {
        TestSupport::writeMacroFile("./modules/macro/" + name + ".bin", lines, -1, repeat, 1);
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<myQQuickView> view;
    std::unique_ptr<Hid_Thread> hid;
    std::unique_ptr<TestSupport::DialogRecorder> dialogs;   // what was asked; boxes answered OK
};

// Step lines of a macro whose encoding is `records` two-byte key records: alternating
// "A" down and up, no pauses, so the device bytes are predictable.
inline QStringList keyStepLines(int records)
{
    QStringList lines;
    for (int i = 0; i < records; ++i)
        lines.append(i % 2 == 0 ? QString("A    [Down]") : QString("A      [Up]"));
    return lines;
}

// The bytes those records encode to ("A" is usage 04H), without header and end mark.
inline QByteArray keyStepBytes(int records)
{
    QByteArray b;
    for (int i = 0; i < records; ++i)
        b.append(bytes({i % 2 == 0 ? 0x01 : 0x81, 0x04}));
    return b;
}
