// SPDX-License-Identifier: MIT
// Macro page against the simulated mouse: live recording from captured keys, the step
// editor, cut / copy / paste, saving after every change, and the macro file operations.
#include "SceneRig.h"

using namespace SceneRig;

namespace {
QString down(const QString &name) { return name + QStringLiteral("    [Down]"); }
QString up(const QString &name) { return name + QStringLiteral("      [Up]"); }
QString delay(int ms) { return QString::number(ms) + QStringLiteral("   [Delay]"); }

QQuickItem *actionEntry(const Scene &s, int i) { return s.in(QStringLiteral("_actionList"), QStringLiteral("entry%1").arg(i)); }
QQuickItem *fileEntry(const Scene &s, int i) { return s.in(QStringLiteral("_fileList"), QStringLiteral("entry%1").arg(i)); }

// The steps shown on the page, joined back into lines.
QStringList shownLines(const Scene &s)
{
    return call(s.item(QStringLiteral("_Page_Macro")), "actionLines").toStringList();
}

bool enabled(const Scene &s, const char *name) { return s.item(QString::fromLatin1(name))->isEnabled(); }
} // namespace

class tst_pages_macro : public QObject
{
    Q_OBJECT
    Run run;

private slots:
    // Record from captured keys, insert a delay before a step, cut and paste, then bind
    // the macro to a key: the file holds the lines and the mouse the encoded bytes.
    void recordEditAndBind()
    {
        run.prepare(2);
        QStringList expected;
        QByteArray encoded;
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(1));
            QVERIFY(!s.item("_Menu_Prof")->isEnabled());
            QVERIFY(!enabled(s, "btnRecord"));                    // no macro chosen yet
            QVERIFY(s.click("btnMacroAdd"));
            QCOMPARE(s.current("_fileList"), 0);
            QVERIFY(QFile::exists(macroPath("Macro. 001")));
            QVERIFY(s.click("btnRecord"));
            QVERIFY(s.prop("_Page_Macro", "isRecordStart").toBool());
            QVERIFY(!s.item("_fileList")->isEnabled());
            QVERIFY(!enabled(s, "btnMacroAdd"));
            s.key(0x04, true);      // A held ...
            s.key(0x05, true);      // ... B pressed and released inside it
            s.key(0x03, true);      // a usage without a name is skipped
            s.key(0x03, false);
            s.key(0x05, false);
            s.key(0x04, false);
            QVERIFY(QTest::qWaitFor([&] { return shownLines(s).size() == 4; }, 3000));
            QVERIFY(s.click("btnStop"));
            QVERIFY(!s.prop("_Page_Macro", "isRecordStart").toBool());
            QCOMPARE(macroLines("Macro. 001"), (QStringList{down("A"), down("B"), up("B"), up("A")}));

            // A delay of 5 is raised to 10 and goes in front of the selected step.
            QVERIFY(s.typeInto("_input_delay", "5"));
            QCOMPARE(s.prop("_input_delay", "text").toString(), QString("10"));
            QVERIFY(s.click(actionEntry(s, 1)));
            QCOMPARE(s.current("_actionList"), 1);
            QVERIFY(s.click("btnAddDelay"));
            QCOMPARE(macroLines("Macro. 001"), (QStringList{down("A"), delay(10), down("B"), up("B"), up("A")}));

            // Cut the last step and paste it before "B up": one paste empties the scrapbook.
            QVERIFY(s.click(actionEntry(s, 4)));
            QVERIFY(!enabled(s, "btnActionPaste"));
            QVERIFY(s.click("btnActionCut"));
            QCOMPARE(macroLines("Macro. 001"), (QStringList{down("A"), delay(10), down("B"), up("B")}));
            QCOMPARE(s.current("_actionList"), 3);
            QVERIFY(enabled(s, "btnActionPaste"));
            QVERIFY(s.click("btnActionPaste"));
            QVERIFY(!enabled(s, "btnActionPaste"));
            expected = QStringList{down("A"), delay(10), down("B"), up("A"), up("B")};
            QCOMPARE(macroLines("Macro. 001"), expected);
            QCOMPARE(shownLines(s), expected);

            // After a copy, paste stays available.
            QVERIFY(s.click(actionEntry(s, 1)));
            QVERIFY(s.click("btnActionCopy"));
            QVERIFY(s.click(actionEntry(s, 1)));                   // unselect: paste at the end
            QCOMPARE(s.current("_actionList"), -1);
            QVERIFY(s.click("btnActionPaste"));
            QVERIFY(enabled(s, "btnActionPaste"));
            expected << delay(10);
            QCOMPARE(macroLines("Macro. 001"), expected);

            // The step editor: a captured key before the selected step, a mouse button at the end.
            QVERIFY(s.click(actionEntry(s, 0)));
            QVERIFY(!enabled(s, "btnAddKey"));
            QVERIFY(s.click("_input_key"));
            s.tap(0x2C);
            QCOMPARE(s.prop("_input_key", "tmpKeyString").toString(), QString("Space"));
            QVERIFY(s.click("btnAddKey"));
            QVERIFY(s.click(actionEntry(s, 2)));                   // the step "A down", unselected
            QVERIFY(s.choose("_menu_mouseStep", 4));
            QVERIFY(s.click("btnAddMouse"));
            expected = QStringList{down("Space"), up("Space")} + expected + QStringList{down("MS-B5"), up("MS-B5")};
            QCOMPARE(macroLines("Macro. 001"), expected);
            QVERIFY(!enabled(s, "btnActionDelete"));              // nothing selected

            // Bound to a key, the macro reaches the mouse as encoded bytes.
            QVERIFY(s.openPage(0));
            QVERIFY(s.choose("_menu_matrix", keyListIndex(9)));
            QVERIFY(s.choose("_menu_function", 4));
            QVERIFY(s.choose("_menu_macro", 0));
            QCOMPARE(s.record(9), (QList<int>{9, 0, 1, 0}));
            QList<uchar> code = s.view->macroIncode(expected);
            for (uchar b : code)
                encoded.append(char(b));
            QVERIFY(QTest::qWaitFor([&] { return deviceMacro(0).left(encoded.size()) == encoded; }, 3000));

            // A later edit of the bound macro is sent again at once.
            QVERIFY(s.openPage(1));
            QVERIFY(s.click(actionEntry(s, 0)));
            QVERIFY(s.click("btnActionDelete"));
            expected.removeFirst();
            QCOMPARE(macroLines("Macro. 001"), expected);
            encoded.clear();
            for (uchar b : s.view->macroIncode(expected))
                encoded.append(char(b));
            QVERIFY(QTest::qWaitFor([&] { return deviceMacro(0).left(encoded.size()) == encoded; }, 3000));
        };
        run.start();
        QVERIFY(run.scenarioDone);
        QVERIFY(encoded.startsWith(bytes({0x00, 0x01})));
    }

    // A save that fails (the file vanished) leaves no steps on screen.
    void failedSaveClearsSteps()
    {
        run.prepare(2);
        writeMacro(run.folder, "Gone", {down("A"), up("A")});
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(1));
            QVERIFY(s.click(fileEntry(s, 0)));
            QCOMPARE(shownLines(s), (QStringList{down("A"), up("A")}));
            QVERIFY(QFile::remove(macroPath("Gone")));
            QVERIFY(s.click("btnAddDelay"));
            QCOMPARE(shownLines(s), QStringList());
            QVERIFY(!QFile::exists(macroPath("Gone")));
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // A bound macro renamed on the macro page stays bound: back on the key page its key
    // still shows it, and a change of play mode keeps the slot.
    void renamedBoundMacroKeepsItsKey()
    {
        run.prepare(2);
        writeMacro(run.folder, "Macro. 001", {down("A"), up("A")}, 0, 1, 1);
        writeKeydefine(run.folder, 1, 9, {9, 0, 1, 0});
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(0));
            QVERIFY(s.choose("_menu_matrix", keyListIndex(9)));
            QCOMPARE(s.current("_menu_macro"), 0);
            QVERIFY(s.openPage(1));
            QQuickItem *menu = s.item("macroMenu");
            QVERIFY(s.click(fileEntry(s, 0), Qt::RightButton));
            QVERIFY(QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1; }, 3000));
            QVERIFY(s.click("macroMenu_rename"));
            QVERIFY(QTest::qWaitFor([&] { return s.prop("_fileList", "editingIndex").toInt() == 0; }, 3000));
            QTest::keyClicks(s.view, "Jump");
            QTest::keyClick(s.view, Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([] { return QFile::exists(macroPath("Jump")); }, 3000));
            QVERIFY(s.openPage(0));
            QCOMPARE(s.current("_menu_function"), 4);
            QCOMPARE(s.current("_menu_macro"), 0);
            QVERIFY(s.click("rbtnMacro1"));
            QCOMPARE(s.record(9), (QList<int>{9, 1, 1, 0}));
            QCOMPARE(macroConfig("Jump"), (QList<int>{0, 1}));
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // Macro files: rename in place (refused names keep the old one), import over the
    // current macro, delete with the following entry becoming current.
    void fileOperations()
    {
        run.prepare(2);
        writeMacro(run.folder, "Alpha", {down("A"), up("A")});
        writeMacro(run.folder, "Beta", {down("B"), up("B")});
        writeMacro(run.folder, "Gamma", {down("C"), up("C")});
        const QString imported = run.folder + "/outside.mc";
        TestSupport::writeMacroFile(imported, {delay(500)});
        QList<DialogRequest> asked;
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            DialogAnswer a;
            if (r.kind == DialogRequest::OpenFile)
                a.fileName = imported;
            return a;
        };
        auto openMenuAt = [](const Scene &s, int i, const char *action) {
            QQuickItem *menu = s.item("macroMenu");
            if (!s.click(fileEntry(s, i), Qt::RightButton))
                return false;
            if (!QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1; }, 3000))
                return false;
            return s.click(s.item(QString("macroMenu_") + action))
                && QTest::qWaitFor([&] { return !menu->isVisible(); }, 3000);
        };
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(1));
            QCOMPARE(s.item("_fileList")->property("mdItems").value<QObject *>()->property("count").toInt(), 3);
            QVERIFY(s.click(fileEntry(s, 1)));                     // Beta
            QCOMPARE(shownLines(s), (QStringList{down("B"), up("B")}));

            // Rename Beta to Delta.
            QVERIFY(openMenuAt(s, 1, "rename"));
            QVERIFY(QTest::qWaitFor([&] { return s.prop("_fileList", "editingIndex").toInt() == 1; }, 3000));
            QTest::keyClicks(s.view, "Delta");
            QTest::keyClick(s.view, Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([] { return QFile::exists(macroPath("Delta")); }, 3000));
            QVERIFY(!QFile::exists(macroPath("Beta")));
            QCOMPARE(call(s.item("_Page_Macro"), "currentName").toString(), QString("Delta"));

            // Renaming Delta to Alpha is refused by the file system: the entry stays Delta
            // and its steps still save.
            QVERIFY(openMenuAt(s, 1, "rename"));
            QVERIFY(QTest::qWaitFor([&] { return s.prop("_fileList", "editingIndex").toInt() == 1; }, 3000));
            QTest::keyClicks(s.view, "Alpha");
            QTest::keyClick(s.view, Qt::Key_Return);
            QTest::qWait(50);
            QCOMPARE(call(s.item("_Page_Macro"), "currentName").toString(), QString("Delta"));
            QCOMPARE(macroLines("Alpha"), (QStringList{down("A"), up("A")}));
            QVERIFY(s.click("btnAddDelay"));
            QCOMPARE(macroLines("Delta"), (QStringList{down("B"), up("B"), delay(1000)}));

            // Import over the current macro reloads its steps.
            QVERIFY(openMenuAt(s, 1, "load"));
            QCOMPARE(asked.last().kind, DialogRequest::OpenFile);
            QCOMPARE(shownLines(s), (QStringList{delay(500)}));
            // Cancel asks nothing.
            const int before = asked.size();
            QVERIFY(openMenuAt(s, 0, "cancel"));
            QCOMPARE(asked.size(), before);

            // Delete the current macro: the entry after it becomes current.
            QVERIFY(s.click("btnMacroDelete"));
            QVERIFY(!QFile::exists(macroPath("Delta")));
            QCOMPARE(call(s.item("_Page_Macro"), "currentName").toString(), QString("Gamma"));
            QCOMPARE(shownLines(s), (QStringList{down("C"), up("C")}));
            QVERIFY(s.click("btnMacroDelete"));
            QCOMPARE(call(s.item("_Page_Macro"), "currentName").toString(), QString("Alpha"));
            QVERIFY(s.click("btnMacroDelete"));
            QCOMPARE(s.current("_fileList"), -1);
            QCOMPARE(shownLines(s), QStringList());
            QVERIFY(!enabled(s, "btnMacroDelete"));
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // Beside the steps the page shows how much of a mouse macro slot they take, counted
    // by the bridge's coder as the steps change; past the limit the figure is highlighted.
    void memoryUseShownWhileEditing()
    {
        run.prepare(2);
        QStringList longLines;
        for (int i = 0; i < 100; ++i)
            longLines << down("A") << up("A");
        writeMacro(run.folder, "Long", longLines);
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(1));
            QQuickItem *memory = s.item("macroMemory");
            QVERIFY(!memory->isVisible());                                 // no macro chosen
            QVERIFY(s.click("btnMacroAdd"));
            QVERIFY(memory->isVisible());
            QCOMPARE(memory->property("text").toString(), QString("4 / 128 BYTES"));   // count and end mark
            QVERIFY(s.click("btnRecord"));
            s.key(0x04, true);
            s.key(0x04, false);
            QVERIFY(QTest::qWaitFor([&] { return memory->property("text").toString() == "8 / 128 BYTES"; }, 3000));
            QVERIFY(s.click("btnStop"));
            // A pause of 2 s after a key takes two bytes of its own.
            QVERIFY(s.typeInto("_input_delay", "2000"));
            QVERIFY(s.click("btnAddDelay"));
            QCOMPARE(memory->property("text").toString(), QString("10 / 128 BYTES"));
            QCOMPARE(memory->property("color").value<QColor>(),
                     s.root->property("globalSetting_color_enable").value<QColor>());

            QVERIFY(s.click(fileEntry(s, 0)));                             // "Long"
            QCOMPARE(shownLines(s).size(), 200);
            QCOMPARE(memory->property("text").toString(), QString("404 / 128 BYTES"));
            QCOMPARE(memory->property("color").value<QColor>(), s.root->property("globalSetting_color").value<QColor>());
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }
};

QTEST_MAIN(tst_pages_macro)
#include "tst_pages_macro.moc"
