// SPDX-License-Identifier: MIT
// The mouse's device settings modules by concern, as one handle for whoever drives them
// (the view's slots, the command line).
#pragma once

class SensorSettings;
class LightingSettings;
class BindingSettings;
class MacroRecoilSettings;

struct MouseModules {
    SensorSettings *sensor = nullptr;
    LightingSettings *lighting = nullptr;
    BindingSettings *bindings = nullptr;
    MacroRecoilSettings *macros = nullptr;
};
