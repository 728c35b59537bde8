// SPDX-License-Identifier: MIT
// Base of the device settings modules (see DeviceSettings.h).
#include "DeviceSettings.h"
#include "Hid_Thread.h"
#include "ProfileFiles.h"

DeviceSettings::DeviceSettings(const Context &context, QObject *parent) : QObject(parent), context(context) {}

QSettings *DeviceSettings::profile() const { return context.files ? context.files->currentProfile() : nullptr; }

Hid_Thread *DeviceSettings::link() const { return context.link ? context.link() : nullptr; }

Hid_Thread *DeviceSettings::writeLink() const { return context.hold && context.hold->held ? nullptr : link(); }

uint DeviceSettings::currentEntry() const
{
    Hid_Thread *h = link();
    return h ? h->currentDevice() : 1;
}

int DeviceSettings::macroFamily() const
{
    if (context.macros)
        return context.macros->family();
    Hid_Thread *h = link();
    return h ? h->currentFamily() : -1;
}

QString DeviceSettings::messageText(int i) const
{
    // The texts may not be loaded yet; value() keeps a short list from being read past its end.
    return context.messageTexts ? context.messageTexts->value(i) : QString();
}

void DeviceSettings::warn(const QString &title, const QString &text) const
{
    if (context.warn)
        context.warn(title, text);
}
