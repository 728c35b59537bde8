// SPDX-License-Identifier: MIT
// Host pointer settings. Each setter keeps the step in the profile first, then applies
// the host value; a host that refuses leaves a debug line and the stored step.
#include "PointerSettings.h"
#include "DiskLayout.h"
#include "PointerBackend.h"
#include "ProfileFiles.h"
#include <QApplication>
#include <QDebug>
#include <QSettings>
#include <algorithm>

namespace {
constexpr uint kMaxStep = 10;
uint clampStep(uint step) { return std::min(step, kMaxStep); }
}

PointerSettings::PointerSettings(const ProfileFiles *files, BackendMaker makeBackend, QObject *parent)
    : QObject(parent), files(files), makeBackend(std::move(makeBackend))
{
}
PointerSettings::~PointerSettings() = default;

void PointerSettings::setBackend(std::unique_ptr<PointerBackend> b)
{
    backend = std::move(b);
    backendChosen = true;
}

PointerBackend *PointerSettings::host()
{
    if (!backendChosen) {
        if (makeBackend)
            backend = makeBackend();
        backendChosen = true;
    }
    return backend.get();
}

int PointerSettings::hostCursorSpeed(uint step)
{
    const int s = int(clampStep(step));
    return s == 0 ? 1 : 2 * s;
}

int PointerSettings::hostScrollLines(uint step) { return int(clampStep(step)) + 1; }

// Unclamped, a step above 12 would give a negative time.
int PointerSettings::hostDoubleClickMs(uint step) { return 900 - 70 * int(clampStep(step)); }

void PointerSettings::writeStep(QLatin1String key, uint step)
{
    if (QSettings *p = files ? files->currentProfile() : nullptr)
        p->setValue(key, step);
}

uint PointerSettings::readStep(QLatin1String key) const
{
    QSettings *p = files ? files->currentProfile() : nullptr;
    return p ? p->value(key, 0).toUInt() : 0;
}

static QApplication *widgetApp() { return qobject_cast<QApplication *>(QCoreApplication::instance()); }

void PointerSettings::setCursorSpeed(uint cursorSpeed)
{
    writeStep(DiskLayout::Key::kCursorSpeed, cursorSpeed);
    applyCursorSpeed(cursorSpeed);
}

void PointerSettings::applyCursorSpeed(uint cursorSpeed)
{
    const int speed = hostCursorSpeed(cursorSpeed);
    PointerBackend *h = host();
    if (!h || !h->setMouseSpeed(speed))
        qDebug().noquote() << "setCursorSpeed Failed";
}

void PointerSettings::setVerticalScrollLines(uint lines)
{
    writeStep(DiskLayout::Key::kScrollLines, lines);
    applyVerticalScrollLines(lines);
}

void PointerSettings::applyVerticalScrollLines(uint lines)
{
    const int hostLines = hostScrollLines(lines);
    if (QApplication *app = widgetApp())
        app->setWheelScrollLines(hostLines);
    PointerBackend *h = host();
    if (!h || !h->setWheelScrollLines(hostLines))
        qDebug().noquote() << "setVerticalScrollLines Failed";
}

void PointerSettings::setDoubleClickSpeed(uint speed)
{
    writeStep(DiskLayout::Key::kDoubleClickSpeed, speed);
    applyDoubleClickSpeed(speed);
}

void PointerSettings::applyDoubleClickSpeed(uint speed)
{
    const int ms = hostDoubleClickMs(speed);
    if (QApplication *app = widgetApp())
        app->setDoubleClickInterval(ms);
    PointerBackend *h = host();
    if (!h || !h->setDoubleClickTime(ms))
        qDebug().noquote() << "setDoubleClickSpeed Failed";
}

void PointerSettings::setAcceleration(bool acceleration)
{
    PointerBackend *h = host();
    int params[3] = {0, 0, 0};
    if (!h || !h->getMouse(params)) {
        qDebug().noquote() << "setAcceleration Failed";
        return;
    }
    params[2] = acceleration ? 1 : 0;
    if (!h->setMouse(params))
        qDebug().noquote() << "setAcceleration Failed";
}

bool PointerSettings::getAcceleration()
{
    PointerBackend *h = host();
    int params[3] = {0, 0, 0};
    if (!h || !h->getMouse(params)) {
        qDebug().noquote() << "getAcceleration Failed";
        return false;
    }
    return params[2] != 0;
}

uint PointerSettings::getCursorSpeed() const { return readStep(DiskLayout::Key::kCursorSpeed); }
uint PointerSettings::getVerticalScrollLines() const { return readStep(DiskLayout::Key::kScrollLines); }
uint PointerSettings::getDoubleClickSpeed() const { return readStep(DiskLayout::Key::kDoubleClickSpeed); }
