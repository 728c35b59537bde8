// SPDX-License-Identifier: MIT
// A command line run without a window: the profile files, the device link and the mouse
// settings module of the working folder, and the device checked on first use. Messages
// the modules would show in a box go to standard error instead.
#pragma once
#include "Context.h"
#include "Hid_Thread.h"
#include <memory>

class QTextStream;
class SensorSettings;
class LightingSettings;
class BindingSettings;
class MacroRecoilSettings;

namespace Cli {

class Session : public Context
{
public:
    Session();
    ~Session() override;

    ProfileFiles &files() override;
    MouseModules mouse() override;
    MacroLibrary &macros() override;
    RecoilStore *recoil() override;
    HostPointerSettings *pointer() override { return nullptr; }
    HandshakeOutcome outcome() override;
    Hid_Thread *link() override;
    void switchProfile(int index) override;

private:
    Hid_Thread hid;
    bool checked = false;
    HandshakeOutcome found;
    std::unique_ptr<ProfileFiles> profileFiles;
    std::unique_ptr<RecoilStore> recoilStore;
    std::unique_ptr<SensorSettings> sensor;
    std::unique_ptr<LightingSettings> lighting;
    std::unique_ptr<BindingSettings> bindings;
    std::unique_ptr<MacroRecoilSettings> mouseMacros;
    std::unique_ptr<MacroLibrary> library;
};

} // namespace Cli
