// SPDX-License-Identifier: MIT
// Shared test fixtures: a temporary working folder laid out like the run folder, message
// capture, a recording dialog seam, an owner window and the simulated devices' log.
#pragma once
#include "LinkState.h"
#include "SimControl.h"
#include "UserDialogs.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <initializer_list>

namespace TestSupport {
// Makes a fresh temporary folder the current directory and fills its modules/ with
// the shipped data (factory files copied to their working names). Keep the returned
// object alive for the test's duration.
QTemporaryDir *enterFreshRunFolder(bool withData = true);
// The same after putting the simulated devices and the process-wide link state back
// to power-on, as every test against the simulator starts.
QTemporaryDir *enterFreshSimulatedRun(bool withData = true);
// The secrecy code the simulated devices leave the factory with, as the link holds it.
SecrecyCode simulatedSecrecyCode();
// Path of the repository's source tree and of the built run folder.
QString sourceDir();
QString runDir();

// The built simulated-mouse program beside a copy of its modules/ in `folder` (a hard
// link where possible), to be started as a process of its own.
bool layOutProgram(const QString &folder);

// Writes keys into modules/setting/apConfig.bin below `folder`.
void writeApConfig(const QVariantMap &values, const QString &folder = QStringLiteral("."));

// A macro file as the macro library writes it ([config] and one [macro] line a step).
void writeMacroFile(const QString &path, const QStringList &lines, int index = -1, int repeat = 1, int did = -1);

// ---- small value builders ----
QByteArray bytes(std::initializer_list<int> values);
QVariantList ints(std::initializer_list<int> values);
// Numbers of a list as stored or handed over (elements may be strings).
QList<int> toInts(const QVariant &list);

// ---- messages ----
// Keeps the messages a filter accepts while alive, from any thread, each with the time
// since the capture began. Debug lines never reach the previous handler; everything else
// is passed on. Captures may nest: the inner one empties the capture and, when it ends,
// hands the filter back to the outer one.
class MessageCapture
{
public:
    struct Line {
        qint64 ms;
        QString text;
    };
    using Keep = bool (*)(QtMsgType type, const char *category, const QString &text);

    explicit MessageCapture(Keep keep);
    ~MessageCapture();
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    static QList<Line> lines();
    static QStringList texts();
    static QStringList take();   // the texts, and the capture emptied

private:
    QtMessageHandler previousHandler = nullptr;
    Keep previousKeep = nullptr;
};

// Every debug line of the program ("Device Connect", "cmd Failed", ...).
class DebugCapture : public MessageCapture
{
public:
    DebugCapture();
    static QStringList captured() { return texts(); }
    static int count(const QString &line) { return texts().count(line); }
};

// ---- dialogs ----
// Answers the program's message boxes and file dialogs while alive and keeps what was
// asked; every box gets `button`, every dialog the next of `fileNames` (none: cancelled).
struct DialogRecorder {
    QList<DialogRequest> requests;
    QMessageBox::StandardButton button = QMessageBox::Ok;
    QStringList fileNames;
    std::function<void()> whileOpen;   // runs inside the "modal" box

    DialogRecorder();
    ~DialogRecorder();
    DialogRecorder(const DialogRecorder &) = delete;
    DialogRecorder &operator=(const DialogRecorder &) = delete;
};

// ---- windows ----
// A main window stand-in that counts how often it was closed.
class OwnerWindow : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *e) override;
};

// ---- what the simulated devices received ----
// One command as the device saw it: the descrambled block and the bulk data after it
// (the reports' bytes after the report id, concatenated).
struct SeenCommand {
    QByteArray block;
    QByteArray bulk;
    bool checksumOk = true;   // false: the device ignored the block
    uchar code() const { return uchar(block.at(0)); }
    uchar p(int i) const { return uchar(block.at(i)); }
};
enum class Echoes { Kept, Dropped };
QList<SeenCommand> seenCommands(sim::Family f = sim::Family::Mouse, Echoes echoes = Echoes::Kept);
QList<SeenCommand> seenCommandsWithCode(uchar code, sim::Family f = sim::Family::Mouse,
                                        Echoes echoes = Echoes::Kept);
// Bytes of a report as upper-case hex pairs ("00 B5 44 ...").
QString hexOf(const std::vector<uint8_t> &bytes);
} // namespace TestSupport
