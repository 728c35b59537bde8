// SPDX-License-Identifier: MIT
// The command line's own run (see Session.h).
#include "Session.h"
#include "DeviceCheck.h"
#include "FileSafety.h"
#include "LinkState.h"
#include "MacroLibrary.h"
#include "BindingSettings.h"
#include "LightingSettings.h"
#include "MacroRecoilSettings.h"
#include "SensorSettings.h"
#include "ProfileFiles.h"
#include "RecoilStore.h"
#include <cstdio>

namespace Cli {

namespace {
void toStderr(const QString &text) { std::fputs(qPrintable(text + QLatin1Char('\n')), stderr); }

QString problemText(FileSafety::Problem problem)
{
    switch (problem) {
    case FileSafety::Problem::Damaged: return QStringLiteral("was damaged and has been repaired; the old file is kept as");
    case FileSafety::Problem::Unreadable: return QStringLiteral("could not be read");
    case FileSafety::Problem::Unwritable: return QStringLiteral("could not be written");
    case FileSafety::Problem::ImportRepaired: return QStringLiteral("was damaged; only its sound lines were taken");
    }
    return QString();
}
} // namespace

Session::Session()
{
    // No box can be shown without a window: what the modules would show is said here.
    FileSafety::setReporter([](const QString &path, FileSafety::Problem problem, const QString &keptAs) {
        toStderr(QStringLiteral("%1 %2%3").arg(path, problemText(problem),
                                               keptAs.isEmpty() ? QString() : QLatin1Char(' ') + keptAs));
    });
}

Session::~Session()
{
    hid.stopWatch();
    library.reset();
    mouseMacros.reset();
    bindings.reset();
    lighting.reset();
    sensor.reset();
    recoilStore.reset();
    profileFiles.reset();   // flushes the files
    FileSafety::setReporter({});
}

ProfileFiles &Session::files()
{
    if (!profileFiles) {
        // No dialog is ever asked for here, and no window to word a warning in.
        profileFiles = std::make_unique<ProfileFiles>([this] { return link(); }, FileDialogs(), nullptr, Warn());
        profileFiles->setCurrentIndex(profileFiles->storedCurrentIndex());
    }
    return *profileFiles;
}

MouseModules Session::mouse()
{
    if (!sensor) {
        // As the window builds them, without a window: boxes go to standard error.
        DeviceSettings::Context device;
        device.link = [this] { return link(); };
        device.files = &files();
        device.recoil = recoil();
        device.warn = [](const QString &title, const QString &text) {
            toStderr(title.isEmpty() ? text : title + QStringLiteral(": ") + text);
        };
        sensor = std::make_unique<SensorSettings>(device, nullptr);
        lighting = std::make_unique<LightingSettings>(device, nullptr);
        bindings = std::make_unique<BindingSettings>(device, nullptr);
        mouseMacros = std::make_unique<MacroRecoilSettings>(device, nullptr);
    }
    return {sensor.get(), lighting.get(), bindings.get(), mouseMacros.get()};
}

MacroLibrary &Session::macros()
{
    if (!library) {
        library = std::make_unique<MacroLibrary>(&files(), FileDialogs());
        // As the window does: a bound macro that changed goes to its slot again. The
        // command line configures the mouse only.
        QObject::connect(library.get(), &MacroLibrary::boundMacroChanged,
                         [this](int family, int slot, const QString &name) {
                             if (family == 1)
                                 mouse().macros->ui_13H_SetMacroKey(slot + 1, name);
                         });
    }
    return *library;
}

RecoilStore *Session::recoil()
{
    if (!recoilStore)
        recoilStore = std::make_unique<RecoilStore>(nullptr);
    return recoilStore.get();
}

HandshakeOutcome Session::outcome()
{
    if (!checked) {
        checked = true;
        found = checkDevice(hid, DeviceCheckSettings::read());
    }
    return found;
}

Hid_Thread *Session::link()
{
    return outcome().verdict == HandshakeOutcome::Admitted && !demoMode ? &hid : nullptr;
}

void Session::switchProfile(int index)
{
    files().setCurrentIndex(index);
    // After a switch the profile menu puts the mouse on its first key matrix.
    mouse().bindings->ui_02H_SetKeymatrix(0);
}

} // namespace Cli
