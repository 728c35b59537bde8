// SPDX-License-Identifier: MIT
// What the mouse's macro slots receive, in the real window against the simulated mouse:
// each profile's buttons play that profile's macros, slots that two macro files claim are
// told once at start and left alone, and a macro cut to fit leaves no key held.
#include "SceneRig.h"
#include <QDir>

using namespace SceneRig;

namespace {
const int fnMacro = 4;

bool chooseKey(const Scene &s, int keyId)
{
    return s.openPage(0) && s.choose(QStringLiteral("_menu_matrix"), keyListIndex(keyId));
}

// Binds the macro at `entry` of the key page's macro list to key `keyId`.
bool bindMacro(const Scene &s, int keyId, int entry)
{
    return chooseKey(s, keyId) && s.choose(QStringLiteral("_menu_function"), fnMacro)
        && s.choose(QStringLiteral("_menu_macro"), entry);
}

bool applyKeys(const Scene &s, int keyId, const QByteArray &record)
{
    return s.click(QStringLiteral("btnKeyApply"))
        && QTest::qWaitFor([&] { return deviceMatrix(0).mid(4 * keyId, 4) == record; }, 5000);
}

// Macro slot `id` (1-12) as the mouse hands it back.
QByteArray slotOnMouse(const Scene &s, int id)
{
    QByteArray b;
    for (int v : toInts(s.view->ui_93H_GetMacroKey(uchar(id))))
        b.append(char(v));
    return b;
}

QByteArray block(std::initializer_list<int> head) { return bytes(head) + QByteArray(128 - int(head.size()), '\0'); }

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class tst_pages_macroslots : public QObject
{
    Q_OBJECT
    Run run;

private slots:
    // P01 binds Alpha to the forward button, P02 Bravo to the back button, each applied;
    // after every switch and apply the mouse's slots hold both, each where its profile's
    // key points. (Both took slot 1 before, so the forward button played Bravo.)
    void eachProfilePlaysItsOwnMacros()
    {
        run.prepare(2);
        writeMacro(run.folder, "Alpha", {"A    [Down]", "A      [Up]"});
        writeMacro(run.folder, "Bravo", {"B    [Down]", "B      [Up]"});
        const QByteArray alpha = block({0, 1, 0x01, 0x04, 0x81, 0x04});
        const QByteArray bravo = block({0, 1, 0x01, 0x05, 0x81, 0x05});
        run.scenario = [&](Scene &s) {
            QVERIFY(bindMacro(s, 3, 0));
            QCOMPARE(s.record(3), (QList<int>{9, 0, 1, 0}));
            QVERIFY(applyKeys(s, 3, bytes({9, 0, 1, 0})));

            QVERIFY(s.click("profile1"));
            QVERIFY(bindMacro(s, 4, 1));
            QCOMPARE(s.record(4), (QList<int>{9, 0, 2, 0}));                 // a slot of its own
            // Alpha on a second key (of another profile) keeps its one slot.
            QVERIFY(bindMacro(s, 9, 0));
            QCOMPARE(s.record(9), (QList<int>{9, 0, 1, 0}));
            QVERIFY(applyKeys(s, 4, bytes({9, 0, 2, 0})));
            QCOMPARE(macroConfig("Alpha"), (QList<int>{0, 1}));
            QCOMPARE(macroConfig("Bravo"), (QList<int>{1, 1}));

            for (int round = 0; round < 2; ++round) {
                QVERIFY(s.click("profile0"));
                QVERIFY(applyKeys(s, 3, bytes({9, 0, 1, 0})));
                QCOMPARE(slotOnMouse(s, 1), alpha);
                QCOMPARE(slotOnMouse(s, 2), bravo);
                QVERIFY(s.click("profile1"));
                QVERIFY(applyKeys(s, 4, bytes({9, 0, 2, 0})));
                QCOMPARE(slotOnMouse(s, 1), alpha);
                QCOMPARE(slotOnMouse(s, 2), bravo);
            }
            QCOMPARE(deviceMatrix(0).mid(36, 4), bytes({9, 0, 1, 0}));
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // Two files from before this change claim slot 3, which P01 names: the user is told
    // once, at start, naming both; the files stay as they are until one is bound again,
    // which then takes a slot of its own while the other keeps slot 3.
    void sharedSlotIsToldOnceAndLeftAlone()
    {
        run.prepare(2);
        writeMacro(run.folder, "Xray", {"X    [Down]", "X      [Up]"}, 2, 1, 1);
        writeMacro(run.folder, "Yank", {"Y    [Down]", "Y      [Up]"}, 2, 1, 1);
        writeKeydefine(run.folder, 1, 9, {9, 0, 3, 0});
        const QByteArray xray = fileBytes(run.folder + "/" + macroPath("Xray"));
        const QByteArray yank = fileBytes(run.folder + "/" + macroPath("Yank"));
        QList<DialogRequest> asked;
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            return DialogAnswer{};
        };
        run.scenario = [&](Scene &s) {
            QVERIFY(QTest::qWaitFor([&] { return !asked.isEmpty(); }, 5000));
            QCOMPARE(asked.size(), 1);
            QCOMPARE(asked.at(0).kind, DialogRequest::Warning);
            QVERIFY2(asked.at(0).text.contains("Slot 3: \"Xray\", \"Yank\""), qPrintable(asked.at(0).text));

            // Looking at the key, switching profiles, applying: no second notice, no change.
            QVERIFY(chooseKey(s, 9));
            QCOMPARE(s.current("_menu_function"), fnMacro);
            QVERIFY(s.click("profile1"));
            QVERIFY(s.click("profile0"));
            QVERIFY(applyKeys(s, 9, bytes({9, 0, 3, 0})));
            QCOMPARE(fileBytes(macroPath("Xray")), xray);
            QCOMPARE(fileBytes(macroPath("Yank")), yank);
            QCOMPARE(asked.size(), 1);

            // Yank bound again: its slot is shared, so it takes the lowest free one.
            QVERIFY(bindMacro(s, 10, 1));
            QCOMPARE(s.record(10), (QList<int>{9, 0, 1, 0}));
            QCOMPARE(macroConfig("Yank"), (QList<int>{0, 1}));
            QCOMPARE(fileBytes(macroPath("Xray")), xray);
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // A macro of 200 steps bound to a key: the warning comes once, the file keeps all
    // steps, and the slot the mouse receives releases every key it presses.
    void longMacroLeavesNoKeyHeld()
    {
        run.prepare(2);
        QStringList lines;
        for (int i = 0; i < 100; ++i)
            lines << "A    [Down]" << "A      [Up]";
        writeMacro(run.folder, "Long", lines);
        QList<DialogRequest> asked;
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            return DialogAnswer{};
        };
        run.scenario = [&](Scene &s) {
            QVERIFY(bindMacro(s, 9, 0));
            QCOMPARE(asked.size(), 1);
            QCOMPARE(asked.at(0).text, QString("Out of memory,\nsome command line has been cut."));
            QVERIFY(waitForCommands(0x13, 1));
            const QByteArray slot = slotOnMouse(s, 1);
            QCOMPARE(slot, bytes({0, 1}) + QByteArray::fromHex("01048104").repeated(31) + QByteArray(2, '\0'));
            // Walk the records up to the end mark: every press has its release.
            QSet<int> held;
            for (int at = 2; at + 1 < slot.size() && !(slot.at(at) == 0 && slot.at(at + 1) == 0); at += 2) {
                if (uchar(slot.at(at)) & 0x80)
                    held.remove(uchar(slot.at(at + 1)));
                else
                    held.insert(uchar(slot.at(at + 1)));
            }
            QVERIFY(held.isEmpty());
            QCOMPARE(macroLines("Long"), lines);
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }
};

QTEST_MAIN(tst_pages_macroslots)
#include "tst_pages_macroslots.moc"
