// SPDX-License-Identifier: MIT
// Input capture claims of the pages (see KeyCapture.h); the hook owner connects its
// source only while a claim is held.
#include "KeyCapture.h"
#include "CaptureClaims.h"
#include "InputHook.h"
#include "Localisation.h"
#include "MessageTexts.h"
#include <QWidget>

KeyCapture::KeyCapture(const Localisation *strings, QWidget *window, Warn warn, QObject *parent)
    : QObject(parent), strings(strings), window(window), warn(std::move(warn))
{
}

bool KeyCapture::claim(QObject *consumer)
{
    if (!consumer)
        return false;
    // Told before capture starts, so the key that closes the box is not taken as input.
    if (mode() == InputHook::InWindow && !noticeShown && !CaptureClaims::wanted()) {
        noticeShown = true;
        if (warn)
            warn(window->window()->windowTitle(), strings->message(MessageTexts::CaptureInWindowOnly));
    }
    CaptureClaims::claim(consumer);
    const InputHook *hook = InputHook::instance();
    return hook && hook->isCapturing();
}

void KeyCapture::release(QObject *consumer) { CaptureClaims::release(consumer); }

int KeyCapture::mode()
{
    const InputHook *hook = InputHook::instance();
    return hook ? hook->captureMode() : InputHook::NoCapture;
}
