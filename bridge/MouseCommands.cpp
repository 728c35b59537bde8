// SPDX-License-Identifier: MIT
// Mouse commands from setting values (see MouseCommands.h). Only bytes and the link here:
// no profile, no view, no dialog.
#include "MouseCommands.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "MacroBlock.h"
#include "MacroLibrary.h"
#include "MacroSlots.h"
#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <cmath>

using namespace DeviceBytes;

namespace MouseCommands {

namespace {
constexpr uchar GunLoopKey = 0x08;
constexpr uchar FireKeyEntry = 0x0B;
constexpr uchar ScrollSwapBit = 0x40;
constexpr int EffectCount = 10;
// Effect bytes whose brightness the colour page offers (its speed ones are those that
// have a speed range below).
const QList<int> BrightnessEffects{1, 2, 5, 7, 8, 9, 10};

// Rounding as the pages did it: halves upwards.
int roundHalfUp(double x) { return int(std::floor(x + 0.5)); }
}

const QList<int> &dpiMenuValues()
{
    static const QList<int> values{0,    600,  800,  1000, 1200, 1600, 1800, 2000, 2500,
                                   3000, 3200, 3500, 4000, 4500, 5000, 6000, 6400, 12000};
    return values;
}

QVariantList dpiCodes(const QVariantList &values)
{
    QVariantList codes;
    for (int i = 0; i < DpiBytes; ++i) {
        bool ok = false;
        // Profile values come back as text; "1600" and 1600 are one value.
        const double v = i < values.size() ? values.at(i).toString().trimmed().toDouble(&ok) : 0;
        const int n = int(v);
        const bool inMenu = ok && v > 0 && double(n) == v && dpiMenuValues().contains(n);
        codes.append(inMenu ? n / 100 : 0x80);
    }
    return codes;
}

int dpiValue(uchar code)
{
    const int value = int(code) * 100;
    return code != 0x80 && value > 0 && dpiMenuValues().contains(value) ? value : 0;
}

const QList<int> &reportRates()
{
    static const QList<int> rates{125, 250, 500, 1000};
    return rates;
}

uchar reportRateCode(int perSecond)
{
    // 1000 reports a second is code 1, each halving doubles the code.
    const int index = reportRates().indexOf(perSecond);
    return index < 0 ? 0 : uchar(1 << (reportRates().size() - 1 - index));
}

int reportRatePerSecond(uchar code)
{
    for (int rate : reportRates())
        if (reportRateCode(rate) == code)
            return rate;
    return 0;
}

const QStringList &lightEffectNames()
{
    static const QStringList names{QStringLiteral("STATIC"),        QStringLiteral("TWINKLING"),
                                   QStringLiteral("BREATHING"),     QStringLiteral("NEON"),
                                   QStringLiteral("WAVE"),          QStringLiteral("GLIDING"),
                                   QStringLiteral("FINGER MOVING"), QStringLiteral("VERTICAL FLIPPING"),
                                   QStringLiteral("YO-YO"),         QStringLiteral("SPOTLIGHT")};
    return names;
}

QVariantList ledEffectBytes(int effectIndex, int brightnessStep, int speedStep, bool lightOn)
{
    if (!lightOn)
        return {0, 0, 0};
    const int effect = effectIndex >= 0 && effectIndex < EffectCount ? effectIndex + 1 : 0;
    // Brightness off at step 0 or where the effect has none.
    const int option1 = (!BrightnessEffects.contains(effect) || brightnessStep == 0) ? 0 : 10 + 35 * brightnessStep;
    // Speed: a faster step gives a shorter period, each effect in its own range.
    const double slow = 7 - speedStep;
    int option2 = 0;
    switch (effect) {
    case 3: case 4: case 5: option2 = roundHalfUp(1 + slow * 9 / 7); break;
    case 8: option2 = roundHalfUp(10 + slow * 10 / 7); break;
    case 9: option2 = roundHalfUp(5 + slow * 10 / 7); break;
    case 10: option2 = roundHalfUp(20 + slow * 10 / 7); break;
    default: break;
    }
    return {effect, option1, option2};
}

void packStageColors(QByteArray &buffer)
{
    // Byte j is written after bytes 2j and 2j+1 were read, and 2j >= j.
    for (int j = 0; j < 4; ++j) {
        const uchar low = uchar(buffer.at(2 * j)) & 0x0F;
        const uchar high = uchar(uchar(buffer.at(2 * j + 1)) << 4);
        buffer[j] = char(low | high);
    }
}

QList<QByteArray> expandKeyMatrix(const QByteArray &m1In, const QList<QVariantList> &fireKeys)
{
    QByteArray m1 = m1In;
    bool anyLoop = false;
    for (int k = 0; k < 16; ++k)
        anyLoop = anyLoop || uchar(m1.at(4 * k)) == GunLoopKey;
    if (!anyLoop)
        return {m1};

    QByteArray m2 = m1, m3 = m1, m4 = m1;
    for (int k = 0; k < 16; ++k) {
        if (uchar(m1.at(4 * k)) != GunLoopKey)
            continue;
        const int at = 4 * k + 3;
        // Per loop kind, byte 3 of the key in matrices 1 to 4.
        static const char loopSwitch[4] = {1, 0, 0, 0};
        static const char twoGuns[4] = {0, 2, 1, 0};
        static const char threeGuns[4] = {0, 2, 3, 1};
        const char *row = nullptr;
        switch (uchar(m1.at(at))) {
        case 4: row = loopSwitch; break;
        case 5: row = twoGuns; break;
        case 6: row = threeGuns; break;
        default: break;
        }
        if (!row)
            continue;
        m1[at] = row[0];
        m2[at] = row[1];
        m3[at] = row[2];
        m4[at] = row[3];
    }

    QByteArray *fire[3] = {&m2, &m3, &m4};
    for (int s = 0; s < 3; ++s) {
        // A short or missing fire-key list reads as zeros, never past its end.
        const QVariantList fk = s < fireKeys.size() ? fireKeys.at(s) : QVariantList();
        QByteArray &m = *fire[s];
        m[0] = char(FireKeyEntry);
        m[1] = char(s);
        m[2] = char(byteAt(fk, 3));   // fire period
        m[3] = char(byteAt(fk, 2));   // fire time
    }
    return {m1, m2, m3, m4};
}

void sendStageColors(Hid_Thread *link, uchar type, const QVariantList &values)
{
    QByteArray buffer = fromList(values, StageColorBytes);
    if (type == 2)
        packStageColors(buffer);
    if (link)
        link->hid_10H_SetLED8StageColor(type, reinterpret_cast<uchar *>(buffer.data()));
}

void sendDpiSet(Hid_Thread *link, uchar stages, const QVariantList &codes)
{
    QByteArray bytes = fromList(codes, DpiBytes);
    if (link)
        link->hid_11H_SetDPISet(stages, reinterpret_cast<uchar *>(bytes.data()));
}

void sendKeyMatrices(Hid_Thread *link, const QVariantList &src64, const QList<QVariantList> &fireKeys)
{
    const QList<QByteArray> matrices = expandKeyMatrix(fromList(src64, MatrixBytes), fireKeys);
    if (!link)
        return;
    for (int i = 0; i < matrices.size(); ++i) {
        QByteArray m = matrices.at(i);
        link->hid_12H_SetKeyMatrix(reinterpret_cast<uchar *>(m.data()), uchar(i + 1));
    }
}

bool sendMacro(Hid_Thread *link, uchar macroId, const QString &name, int family, const Warn &warn)
{
    // A name that leaves the macro folder would read another file and overwrite the
    // device slot with its content (or an empty macro); send nothing.
    const QString path = MacroLibrary::pathFor(name);
    if (path.isEmpty()) {
        qDebug() << "ui_13H_SetMacroKey: refused macro name" << name;
        return false;
    }
    // One read of the file gives the steps and the play count.
    const MacroLibrary::Stored macro = MacroLibrary::read(name);
    QVector<MacroBlock::Event> events;
    const QList<uchar> coded = MacroLibrary::encode(macro.steps, family, &events);
    bool cut = false;
    // Cut at an event, never inside one, and never leaving a key held; the file stays.
    QList<uchar> block = MacroBlock::fit(coded, events, MacroBytes, &cut);
    if (cut && warn)
        warn(QCoreApplication::translate("MouseSettings", "MACRO"),
             QCoreApplication::translate("MouseSettings", "Out of memory,\nsome command line has been cut."));
    while (block.size() < 2)   // the coder always writes the play count; keep room for it
        block.append(0);

    const uint repeat = macro.repeat;
    block[0] = uchar((repeat >> 8) & 0xFF);
    block[1] = uchar(repeat & 0xFF);

    uchar buffer[MacroBytes] = {};
    const int n = qMin(block.size(), MacroBytes);
    for (int i = 0; i < n; ++i)
        buffer[i] = block.at(i);
    if (link)
        link->hid_13H_SetMacroKey(macroId, buffer);
    return true;
}

void sendBoundMacros(Hid_Thread *link, const QVariantList &src64, int family, const Warn &warn)
{
    QList<int> unclear;
    for (const MacroSlots::Bound &b : MacroSlots::bound(src64, MacroSlots::claims(), &unclear))
        sendMacro(link, uchar(b.slot + 1), b.name, family, warn);
    for (int slot : unclear)
        qDebug().noquote() << "Macro slot" << slot + 1 << "not sent: more than one macro claims it";
}

void sendScrollSwap(Hid_Thread *link, bool isSwap)
{
    if (!link)
        return;
    uchar type = 0, option1 = 0, option2 = 0, rate = 0;
    link->hid_83H_GetFunctionOption(type, option1, option2);
    link->hid_81H_GetReportRate(rate);
    option1 = uchar((option1 & ~ScrollSwapBit) | (isSwap ? ScrollSwapBit : 0));
    link->hid_03H_SetFunctionOption(type, rate, option1, option2);
}

bool readDpiStageCount(Hid_Thread *link, uchar *count)
{
    uchar maxStage = 0;
    uchar scratch[DpiBytes] = {};
    if (!link || !link->hid_91H_GetDPISet(maxStage, scratch))
        return false;
    *count = maxStage;
    return true;
}

bool readLogoLedWorks(Hid_Thread *link, bool *works)
{
    uchar option1 = 0, option2 = 0, option3 = 0;
    if (!link || !link->hid_87H_GetLEDInstructFunction(0, option1, option2, option3))
        return false;
    *works = option1 == 0;
    return true;
}

} // namespace MouseCommands
