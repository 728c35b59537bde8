// SPDX-License-Identifier: MIT
// The mouse family's values as device bytes, and back: DPI codes, report rate, stage
// colours, lighting effect, key records of every function, the gun-loop expansion of the
// key matrix, recoil, scroll direction and macro blocks. Pure functions; buffer sizes
// come from the command table. Every page, the profile writer and the command line code
// values here and nowhere else.
#pragma once
#include "CommandTable.h"
#include "MacroBlock.h"
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace MouseCodec {

constexpr int DpiBytes = Cmd::SetDPISet.bulk;
constexpr int MatrixBytes = Cmd::SetKeyMatrix.bulk;
constexpr int MacroBytes = Cmd::SetMacroKey.bulk;
constexpr int StageColorBytes = Cmd::stageColorLength(0);
constexpr int Stages = DpiBytes;                 // one DPI code per stage
constexpr int KeyRecordBytes = 4;
constexpr int Keys = MatrixBytes / KeyRecordBytes;
constexpr int MacroSlots = 12;
constexpr int Matrices = 4;                      // a gun loop takes all of them

// ---- sensor ----
// The DPI value menu; 0 switches a stage off.
const QList<int> &dpiMenuValues();
// Device code of each of eight stage values: hundreds of DPI for a menu value, 80H
// (stage off) for 0 and for anything not in the menu. "1600" and 1600 are one value.
QVariantList dpiCodes(const QVariantList &values);
// Menu value of a device DPI code: hundreds of DPI; 0 for a stage that is off (80H) or a
// code that no menu value gives.
int dpiValue(uchar code);
// Report rates the sensor page offers (reports per second) and their device codes.
const QList<int> &reportRates();
uchar reportRateCode(int perSecond);   // 0 for a rate not offered
int reportRatePerSecond(uchar code);   // 0 for a code no rate gives
// Report rate: list index 0-3 (125, 250, 500, 1000 Hz) to the 01H byte (08H ... 01H)
// and back. The lowest set bit of a byte decides; no bit reads as 1000 Hz, a bit past
// 125 Hz as 125 Hz.
uchar reportRateByte(int index);
int reportRateIndex(uint rate);

// ---- lighting ----
// 10H bytes of a colour type: 0 lighting and 1 indicator are 24 RGB bytes, 2 is eight
// colour numbers packed two per byte into four bytes (the rest of the buffer as given).
QByteArray stageColors(uchar type, const QVariantList &values);
// Names of the colour page's effects in list order (index 0 "STATIC"); the effect byte
// is the index + 1.
const QStringList &lightEffectNames();
// 0DH effect, option1 and option2 for the colour page's choices: effect list index
// (byte = index + 1), brightness and speed steps 0-7, light on or off.
QVariantList ledEffectBytes(int effectIndex, int brightnessStep, int speedStep, bool lightOn);

// ---- key records: function type and three parameters ----
// The key page's function list; None: a record the page does not show.
enum class KeyFunction { None = -1, Keyboard, Mouse, Media, Combo, Macro, Fire, Light };
QByteArray keyRecord(uchar usage);
// Buttons, triple click, DPI and scroll functions, in menu order; empty when out of range.
int mouseFunctionCount();
QByteArray mouseRecord(int index);
// Consumer-page usages of the media menu.
const QList<int> &mediaUsages();
QByteArray mediaRecord(int index);
// Modifier menu index: 0 none, 1-8 left Ctrl, Shift, Alt, Win, right Ctrl, Shift, Alt, Win.
QByteArray comboRecord(int modifierIndex, int key1, int key2);
// Play mode (0 n times, 1 repeat, 2 while pressed) and device macro slot 0-11.
QByteArray macroRecord(int mode, int slot);
// The slot 0-11 a record's bytes 0, 2 and 3 name when it is a macro record, else -1.
int macroSlotOf(int type, int id, int last);
// Fire key: a mouse button 0-4 or a key usage, speed step 0-7 (7 fastest), count.
QByteArray fireRecord(bool fromKey, int source, int step, int count);
// Gun loop 0-2: loop switch, two guns, three guns.
QByteArray gunLoopRecord(int index);
QByteArray lightControlRecord();
// What the key page shows for a record: "function" (a KeyFunction), and per function
// key; modifier, key1, key2; mouse; media; macroSlot, macroMode; fireFromKey,
// fireButton or fireKey, fireStep, fireCount; gunLoop (-1 where the record names none).
// Empty for a record the page leaves as it is.
QVariantMap keyRecordView(const QByteArray &record);

// Gun-loop expansion of a key matrix into the four device matrices (M1..M4).
// fireKeys holds the three fire-key lists [game, gun, fire time, fire period].
QList<QByteArray> expandKeyMatrix(const QByteArray &m1, const QList<QVariantList> &fireKeys);

// ---- function option (03H) and sensitivity (04H) ----
// option1 of 03H with the scroll direction swapped or not.
uchar scrollSwapOption(uchar option1, bool swap);
// option2 of 03H with the recoil switch on or off.
uchar recoilOption(uchar option2, bool on);
// 04H bytes of a recoil preset: cursor back, times, horizontal, vertical, slot. The
// vertical offset counts the other way round when option1 of 03H is set.
struct Recoil {
    uchar x, y, times, cursorBack, slot;
};
QByteArray recoilSensitivity(const Recoil &recoil, uchar option1);

// ---- macros ----
// 13H block: the steps coded with the mouse's pauses (or the family given), cut to the
// slot, play count `repeat` in front.
QByteArray macroBlock(const QVector<MacroBlock::Step> &steps, uint repeat, bool *cut = nullptr,
                      MacroBlock::Pauses pauses = MacroBlock::Pauses::Mouse);

} // namespace MouseCodec
