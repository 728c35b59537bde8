// SPDX-License-Identifier: MIT
// Mouse commands built from setting values, with the link handed in rather than the view:
// the pages' slots and the profile writer both send through these, so the mouse gets the
// same bytes from either. Also the value codes QML asks for (DPI codes, effect bytes).
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

class Hid_Thread;

namespace MouseCommands {

constexpr int MatrixBytes = 64;
constexpr int MacroBytes = 128;
constexpr int StageColorBytes = 24;
constexpr int DpiBytes = 8;

// Title and text of a notice the user must see (a macro cut to fit); a null one is silent.
using Warn = std::function<void(const QString &title, const QString &text)>;

// ---- values ----
// The DPI value menu of the sensor page; 0 switches a stage off.
const QList<int> &dpiMenuValues();
// Device code of each of eight stage values: hundreds of DPI for a menu value, 80H
// (stage off) for 0 and for anything not in the menu.
QVariantList dpiCodes(const QVariantList &values);
// Menu value of a device DPI code: hundreds of DPI; 0 for a stage that is off (80H) or a
// code that no menu value gives.
int dpiValue(uchar code);
// Report rates the sensor page offers (reports per second) and their device codes.
const QList<int> &reportRates();
uchar reportRateCode(int perSecond);   // 0 for a rate not offered
int reportRatePerSecond(uchar code);   // 0 for a code no rate gives
// Names of the colour page's effects in list order (index 0 "STATIC"); the effect byte
// is the index + 1.
const QStringList &lightEffectNames();
// 0DH effect, option1 and option2 for the colour page's choices: effect list index
// (byte = index + 1), brightness and speed steps 0-7, light on or off.
QVariantList ledEffectBytes(int effectIndex, int brightnessStep, int speedStep, bool lightOn);
// Type 2 stage colours: eight colour numbers packed two per byte into bytes 0..3.
void packStageColors(QByteArray &buffer);
// Gun-loop expansion of a key matrix into the four device matrices (M1..M4).
// fireKeys holds the three fire-key lists [game, gun, fire time, fire period].
QList<QByteArray> expandKeyMatrix(const QByteArray &m1, const QList<QVariantList> &fireKeys);

// ---- commands (a null link sends nothing) ----
// 10H: colours of a type from their values.
void sendStageColors(Hid_Thread *link, uchar type, const QVariantList &values);
// 11H: stage count and eight DPI codes.
void sendDpiSet(Hid_Thread *link, uchar stages, const QVariantList &codes);
// 12H: the key matrix, as four matrices when a key is a gun loop.
void sendKeyMatrices(Hid_Thread *link, const QVariantList &src64, const QList<QVariantList> &fireKeys);
// 13H: macro `name` from its file into macro id 1-12, coded for `family`, cut to fit
// (warn is told once when it is); false when the name is refused.
bool sendMacro(Hid_Thread *link, uchar macroId, const QString &name, int family, const Warn &warn);
// 13H for every macro the matrix binds, in slot order, each once, before the matrix goes.
void sendBoundMacros(Hid_Thread *link, const QVariantList &src64, int family, const Warn &warn);
// 83H and 81H read, then 03H with the scroll direction bit.
void sendScrollSwap(Hid_Thread *link, bool isSwap);

// ---- reads ----
// 91H: the number of DPI stages the mouse offers; false when it did not answer.
bool readDpiStageCount(Hid_Thread *link, uchar *count);
// 87H: true in *works when the indicator takes eight fixed colours; false: no answer.
bool readLogoLedWorks(Hid_Thread *link, bool *works);

} // namespace MouseCommands
