// SPDX-License-Identifier: MIT
// Input capture slots: QML consumers claim and release capture; the hook owner connects
// its source only while a claim is held.
#include "CaptureClaims.h"
#include "InputHook.h"
#include "Localisation.h"
#include "MessageTexts.h"
#include "UserDialogs.h"
#include "myQQuickView.h"

bool myQQuickView::claimKeyCapture(QObject *consumer)
{
    if (!consumer)
        return false;
    // Told before capture starts, so the key that closes the box is not taken as input.
    if (keyCaptureMode() == InputHook::InWindow && !captureNoticeShown && !CaptureClaims::wanted()) {
        captureNoticeShown = true;
        UserDialogs::warning(nullptr, window()->windowTitle(), lang->message(MessageTexts::CaptureInWindowOnly));
    }
    CaptureClaims::claim(consumer);
    const InputHook *hook = InputHook::instance();
    return hook && hook->isCapturing();
}

void myQQuickView::releaseKeyCapture(QObject *consumer) { CaptureClaims::release(consumer); }

int myQQuickView::keyCaptureMode()
{
    const InputHook *hook = InputHook::instance();
    return hook ? hook->captureMode() : InputHook::NoCapture;
}
