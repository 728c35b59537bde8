// SPDX-License-Identifier: MIT
// The hook owner: builds the key tables, installs global observe-only capture of keys
// and mouse buttons, and relays copy-data notices within the process.
#pragma once
#include <QObject>
#include <QString>

class QCoreApplication;

// The Windows copy-data structure, carried inside the process.
struct COPYDATASTRUCT {
    quintptr dwData = 0;
    quint32 cbData = 0;
    const void *lpData = nullptr;
};

typedef void (*KeyboardCallback)(uchar usage, bool isDown, void *context);
typedef void (*MouseCallback)(uchar code, bool isDown, int x, int y, void *context);
typedef void (*CopyDataCallback)(const COPYDATASTRUCT *data, void *context);

class InputHook : public QObject
{
    Q_OBJECT
public:
    // Where captured input comes from.
    enum CaptureMode {
        NoCapture,        // nothing installed (no GUI application)
        GlobalRecord,     // the whole X display, focused or not (X RECORD)
        InWindow,         // the program's own windows only (application event filter)
    };

    explicit InputHook(QObject *parent = nullptr);   // builds the tables, then installHooks()
    ~InputHook() override;

    bool installHooks();
    void uninstallHooks();
    CaptureMode captureMode() const { return m_mode; }

    static void setKeyboardCallback(KeyboardCallback callback, void *context);
    static void setMouseCallback(MouseCallback callback, void *context);
    // Installs the application-wide filter that hands copy-data events to the callback.
    static void setCopyDataFilter(CopyDataCallback callback, QCoreApplication *app, void *context);
    // Delivers the structure to the top-level widget titled windowTitle, unless it is excludeWindow.
    static void sendCopyData(const QString &windowTitle, const COPYDATASTRUCT &copyData, QObject *excludeWindow = nullptr);

private:
    CaptureMode m_mode = NoCapture;
    QObject *m_source = nullptr;   // the recorder or the in-window filter, owned
};
