// SPDX-License-Identifier: MIT
// Helpers shared by the device-link tests: capture of debug lines, an owner window
// that counts its close, apConfig.bin writing and a dialog responder that records.
#pragma once
#include "LinkState.h"
#include "UserDialogs.h"
#include <QCloseEvent>
#include <QSettings>
#include <QStringList>
#include <QWidget>
#include <mutex>

// Collects every debug line while alive (lines from any thread).
class DebugCapture
{
public:
    DebugCapture()
    {
        std::lock_guard<std::mutex> lock(mutex());
        lines().clear();
        previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture() { qInstallMessageHandler(previous); }

    static QStringList captured()
    {
        std::lock_guard<std::mutex> lock(mutex());
        return lines();
    }
    static int count(const QString &line) { return captured().count(line); }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &msg)
    {
        if (type == QtDebugMsg) {
            std::lock_guard<std::mutex> lock(mutex());
            lines().append(msg);
        }
    }
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    QtMessageHandler previous = nullptr;
};

class OwnerWindow : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        ++closes;
        QWidget::closeEvent(e);
    }
};

// Writes keys into ./modules/setting/apConfig.bin of the current run folder.
inline void writeApConfig(const QVariantMap &values)
{
    QSettings s(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    for (auto it = values.begin(); it != values.end(); ++it)
        s.setValue(it.key(), it.value());
    s.sync();
}

// Answers every dialog with OK and remembers what was asked.
struct DialogRecorder
{
    QList<DialogRequest> requests;
    std::function<void()> whileOpen;   // runs inside the "modal" box
    DialogRecorder()
    {
        UserDialogs::setResponder([this](const DialogRequest &r) {
            requests.append(r);
            if (whileOpen)
                whileOpen();
            return DialogAnswer{};
        });
    }
    ~DialogRecorder() { UserDialogs::setResponder({}); }
};
