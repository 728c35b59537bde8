// SPDX-License-Identifier: MIT
// Every vendor command of both families as one line of data: code, bulk length,
// acknowledgement wait, 8 ms pause, answer pre-fill. The hid_ slots only add parameters.
#pragma once
#include <QtGlobal>

namespace Cmd {

enum class Prefill {
    Zero,     // all nine bytes of the answer report cleared
    Caller,   // report id 0, A0 = code, the caller's values at the answer positions
};

enum class Results {
    Always,      // outputs taken from the answer whatever the exchange did
    OnSuccess,   // outputs untouched unless the exchange succeeded
};

constexpr int VariableBulk = -1;   // the length depends on a parameter and comes with the call

struct Command {
    uchar code;
    bool write;          // set command: transfer on the pool, result dropped
    int bulk;            // bytes of bulk data, 0 for none
    bool ack;            // write: the transfer waits for the device's acknowledgements
    bool pause;          // write: the slot sleeps 8 ms before it returns
    Prefill prefill;     // read: answer report content before the exchange
    Results results;     // read
    bool codeInBusyText; // "cmd Failed 03" rather than "cmd Failed"
};

constexpr Command set(uchar code, int bulk, bool ack, bool pause)
{
    return Command{code, true, bulk, ack, pause, Prefill::Zero, Results::Always, true};
}
constexpr Command get(uchar code, int bulk, Prefill prefill, Results results = Results::Always)
{
    return Command{code, false, bulk, false, false, prefill, results, false};
}

// Echo of the handshake; a read whose busy text still names its code.
constexpr Command GetSecrecyCode{0x00, false, 0, false, false, Prefill::Zero, Results::Always, true};

// General commands (both families)           code  bulk  ack    pause
constexpr Command SetReportRate         = set(0x01, 0,    true,  false);
constexpr Command SetCurrentProfile     = set(0x02, 0,    false, true);
constexpr Command SetKeyboardoption     = set(0x03, 0,    false, true);
constexpr Command SetButtonSensitivity  = set(0x04, 0,    true,  false);
//                                            code  bulk  pre-fill
constexpr Command GetReportRate         = get(0x81, 0,    Prefill::Caller);
constexpr Command GetKeyboardoption     = get(0x83, 0,    Prefill::Caller);

// Mouse family                               code  bulk  ack    pause
constexpr Command SetFunctionOption     = set(0x03, 0,    true,  true);
constexpr Command SetLEDInstructFunction= set(0x07, 0,    false, false);
constexpr Command SetCurrentDPIStage    = set(0x0B, 0,    true,  false);
constexpr Command SetRGBLedEffect       = set(0x0D, 0,    true,  false);
constexpr Command SetLED8StageColor     = set(0x10, VariableBulk, true, false);
constexpr Command SetDPISet             = set(0x11, 8,    true,  false);
constexpr Command SetKeyMatrix          = set(0x12, 64,   true,  false);
constexpr Command SetMacroKey           = set(0x13, 128,  true,  false);
//                                            code  bulk  pre-fill         results
constexpr Command GetFunctionOption     = get(0x83, 0,    Prefill::Zero);
constexpr Command GetLEDInstructFunction= get(0x87, 0,    Prefill::Zero,   Results::OnSuccess);
constexpr Command GetCurrentDPIStage    = get(0x8B, 0,    Prefill::Zero);
constexpr Command GetRGBLedEffect       = get(0x8D, 0,    Prefill::Zero);
constexpr Command GetLED8StageColor     = get(0x90, VariableBulk, Prefill::Zero);
constexpr Command GetDPISet             = get(0x91, 8,    Prefill::Zero,   Results::OnSuccess);
constexpr Command GetKeyMatrix          = get(0x92, 64,   Prefill::Zero);
constexpr Command GetMacroKey           = get(0x93, 128,  Prefill::Zero);

// Keyboard family                            code  bulk  ack    pause
constexpr Command KbSetControlIndicatorLight = set(0x07, 0,   false, true);
constexpr Command KbSetLEDType          = set(0x08, 0,    true,  false);
constexpr Command KbSetKeyboardMode     = set(0x09, 0,    true,  false);
constexpr Command KbSetKeyMatrix        = set(0x0D, 512,  true,  false);
constexpr Command KbSetKeyOnOff         = set(0x0E, 21,   true,  false);
constexpr Command KbSetMacroKey         = set(0x11, 192,  true,  false);
constexpr Command KbSetUserPicture      = set(0x12, 512,  true,  false);
constexpr Command KbSetRecoveryData     = set(0x13, 0,    false, true);
constexpr Command KbSetColor            = set(0x14, 0,    false, true);
//                                            code  bulk  pre-fill
constexpr Command KbGetFWVersion        = get(0x80, 0,    Prefill::Zero);
constexpr Command KbGetCurrentProfile   = get(0x82, 0,    Prefill::Caller);
constexpr Command KbGetButtonSensitivity= get(0x84, 0,    Prefill::Caller);
constexpr Command KbGetLEDType          = get(0x88, 0,    Prefill::Caller);
constexpr Command KbGetKeyboardMode     = get(0x89, 0,    Prefill::Caller);
constexpr Command KbGetKeyMatrix        = get(0x8D, 512,  Prefill::Zero);
constexpr Command KbGetKeyOnOff         = get(0x8E, 21,   Prefill::Zero);
constexpr Command KbGetMacroKey         = get(0x91, 192,  Prefill::Zero);
constexpr Command KbGetUserPicture      = get(0x92, 512,  Prefill::Zero);
constexpr Command KbGetColor            = get(0x94, 0,    Prefill::Caller);

// Stage colours of type 2 are four packed bytes; every other type is 24 RGB bytes.
constexpr int stageColorLength(uchar type) { return type == 2 ? 4 : 24; }

} // namespace Cmd
