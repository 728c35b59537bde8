// SPDX-License-Identifier: MIT
// Rig of the end-to-end page tests: the real program started against the simulated mouse
// in a fresh run folder, a scenario driven inside its event loop through clicks and keys
// on the scene, and what the mouse and the profile files received.
#pragma once
#include "PointerBackendFake.h"
#include "TestSupport.h"
#include "myQQuickView.h"
#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

class Widget;

namespace SceneRig {

using TestSupport::bytes;
using TestSupport::ints;
using TestSupport::toInts;
using Command = TestSupport::SeenCommand;

// ---- files of the run folder ----
QString settingPath(const QString &file);   // relative to the run folder
QString macroPath(const QString &name);
void writeMacro(const QString &folder, const QString &name, const QStringList &lines, int index = -1,
                int repeat = 1, int did = -1);
QStringList macroLines(const QString &name);
QList<int> macroConfig(const QString &name);   // [index, repeat] as stored
void writeKeydefine(const QString &folder, int profile, int key, const QList<int> &record);
QList<int> storedKeydefine(int profile, int key);   // keydefine_R5/<key> of p<profile>.bin
QByteArray factoryMatrix(int m);                    // default key matrix m of pD.bin, 64 bytes

// ---- what the mouse holds and received ----
QByteArray deviceMatrix(int m);
QByteArray deviceMacro(int slot);
QList<Command> mouseCommands();
QList<Command> commandsWithCode(uchar code);
QList<int> commandCodes();   // codes of the blocks the mouse accepted, in order
// Waits until the mouse received `count` commands of `code`, each with all its bulk data.
bool waitForCommands(uchar code, int count, int timeoutMs = 5000);

// ---- scene access ----
QQuickItem *findItem(QQuickItem *root, const QString &name);
QQuickItem *findText(QQuickItem *root, const QString &text);   // first item whose "text" is `text`
QVariant call(QObject *obj, const char *function, const QVariantList &args = {});
// Key chooser position of a key id with the English key names (ids 8, 12, 13 unnamed).
int keyListIndex(int keyId);

// The scene of one run, with helpers that act like a user.
struct Scene {
    Widget *w = nullptr;
    myQQuickView *view = nullptr;
    QQuickItem *root = nullptr;
    // Clicks cut short the lock that apply and reset buttons put on the interface
    // instead of sitting it out (for tests that wait for the device traffic themselves).
    bool cutLocks = false;

    explicit Scene(Widget *window);

    QQuickItem *item(const QString &name) const { return findItem(root, name); }
    QQuickItem *in(const QString &parent, const QString &name) const { return findItem(item(parent), name); }
    QVariant prop(const QString &name, const char *property) const;

    // A click at `at` of an item (its middle by default) through the widget, once the
    // interface is unlocked; false when the item cannot be clicked.
    bool click(QQuickItem *target, Qt::MouseButton button = Qt::LeftButton, QPointF at = QPointF(-1, -1)) const;
    bool click(const QString &name) const { return click(item(name)); }
    bool clickAt(QQuickItem *target, qreal x, qreal y) const { return click(target, Qt::LeftButton, QPointF(x, y)); }

    // Both menus slid in after start-up.
    bool waitStarted() const;
    bool pageShown(int index) const;
    // Opens page `index` through the function menu's button and waits until it has slid in.
    bool openPage(int index) const;
    // Opens a page through the menu entry captioned `menuCaption`; the page once shown.
    QQuickItem *openPage(const QString &menuCaption, const QString &pageName) const;

    // Chooses entry `index` of a drop-down list (DropdownList or FileListButton).
    bool choose(QQuickItem *dropdown, int index) const;
    bool choose(const QString &list, int index) const { return choose(item(list), index); }
    int current(const QString &list) const;

    // A key press and release as input capture hands them to the main window.
    void key(int usage, bool isDown) const;
    void tap(int usage) const;
    // Replaces the text of the focused field and ends the entry with Enter.
    void typeKeys(const QString &text) const;
    // Clicks a field (a ValueInput or a text field) and types into it.
    bool enter(QQuickItem *field, const QString &text) const;
    // The same for the field under `name`, given the focus outright.
    bool typeInto(const QString &name, const QString &text) const;

    // Record of the key page's matrix model by key id.
    QList<int> record(int keyId) const;
    // Returns once every write issued so far has reached the mouse: a read takes the
    // link only after the transfers before it have ended, and runs on this thread.
    void settle() const;
};

// ---- one run of the program ----
// The run fails when the mouse is not admitted, the scene does not start or the page
// files log QML warnings (binding errors, missing pictures).
struct Run {
    std::unique_ptr<QTemporaryDir> dir;   // set by prepare()
    QString folder;
    std::shared_ptr<PointerBackendFake::State> pointer = std::make_shared<PointerBackendFake::State>();
    std::function<void(Scene &)> scenario;
    std::function<DialogAnswer(const DialogRequest &)> dialogs;   // default: every box answered OK
    bool cutInterfaceLocks = false;
    bool scenarioDone = false;

    // Starts over: a fresh run folder with the skin pictures, the simulated mouse at
    // power-on, nothing kept from an earlier run. Animations off keeps page switches short.
    // A language index >= 0 is stored as the interface language, else the shipped one stays.
    void prepare(int languageIndex = -1);
    void start();
};

} // namespace SceneRig
