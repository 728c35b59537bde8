// SPDX-License-Identifier: MIT
// Input capture slots: each forwards to the capture module.
#include "KeyCapture.h"
#include "myQQuickView.h"

bool myQQuickView::claimKeyCapture(QObject *consumer) { return capture->claim(consumer); }
void myQQuickView::releaseKeyCapture(QObject *consumer) { capture->release(consumer); }
int myQQuickView::keyCaptureMode() { return KeyCapture::mode(); }
