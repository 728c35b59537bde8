// SPDX-License-Identifier: MIT
// The hook owner: builds the key tables, picks the capture source (global observe-only
// capture of keys and mouse buttons, or the in-window fallback), connects it only while
// a consumer claims capture, and relays copy-data notices within the process.
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

    // Chooses the source. Nothing is read yet: the source is connected while capture is
    // claimed (CaptureClaims) and disconnected when the last claim is released.
    bool installHooks();
    void uninstallHooks();
    CaptureMode captureMode() const { return m_mode; }
    // A source is connected and reading input right now.
    bool isCapturing() const { return m_source != nullptr; }
    // The X RECORD context in use, 0 when none (tests).
    quint32 recordContext() const;

    // Connects or disconnects the source as the claims say; run on every change of them.
    void followClaims();

    // The hook that follows the claims: the one constructed last, while it lives.
    static InputHook *instance();

    static void setKeyboardCallback(KeyboardCallback callback, void *context);
    static void setMouseCallback(MouseCallback callback, void *context);
    // Installs the application-wide filter that hands copy-data events to the callback.
    static void setCopyDataFilter(CopyDataCallback callback, QCoreApplication *app, void *context);
    // Delivers the structure to the top-level widget titled windowTitle, unless it is excludeWindow.
    static void sendCopyData(const QString &windowTitle, const COPYDATASTRUCT &copyData, QObject *excludeWindow = nullptr);

signals:
    void capturingChanged(bool capturing);

private:
    void startSource();
    void stopSource();

    CaptureMode m_mode = NoCapture;
    QObject *m_source = nullptr;   // the recorder or the in-window filter, owned
};
