// SPDX-License-Identifier: MIT
// The mouse family's value codes (see MouseCodec.h).
#include "MouseCodec.h"
#include "DeviceBytes.h"
#include <algorithm>
#include <cmath>

using namespace DeviceBytes;

namespace MouseCodec {

namespace {
constexpr uchar KeyType = 0x00;
constexpr uchar MouseType = 0x01;
constexpr uchar MediaType = 0x03;
constexpr uchar ScrollType = 0x04;
constexpr uchar DpiType = 0x07;
constexpr uchar GunLoopType = 0x08;
constexpr uchar MacroType = 0x09;
constexpr uchar FireType = 0x0A;
constexpr uchar LightType = 0x0B;
constexpr uchar FireKeyEntry = 0x0B;   // first record of a gun's matrix: its fire key
constexpr uchar FirstButton = 0xF0;   // left button; right, middle, back, forward follow
constexpr int Buttons = 5;
constexpr int GunLoops = 3;
constexpr int FireSteps = 8;
constexpr uchar ScrollSwapBit = 0x40;
constexpr uchar RecoilOnBit = 0x08;
constexpr int RateChoices = 4;
// Effect bytes whose brightness the colour page offers (its speed ones are those that
// have a speed range below).
const QList<int> BrightnessEffects{1, 2, 5, 7, 8, 9, 10};

// Rounding as the pages did it: halves upwards.
int roundHalfUp(double x) { return int(std::floor(x + 0.5)); }

QByteArray record(int b0, int b1, int b2, int b3)
{
    const char bytes[] = {char(b0 & 0xFF), char(b1 & 0xFF), char(b2 & 0xFF), char(b3 & 0xFF)};
    return QByteArray(bytes, int(sizeof bytes));
}

// Position (1-8) of the lowest set bit of a byte, 0 for none.
int lowestBit(uint value)
{
    for (int bit = 0; bit < 8; ++bit)
        if (value & (1u << bit))
            return bit + 1;
    return 0;
}

const QList<QByteArray> &mouseRecords()
{
    // Left, right, middle, back, forward, triple click, DPI up, down, cycle, scroll up, down.
    static const QList<QByteArray> records{
        record(MouseType, 0, 0xF0, 0), record(MouseType, 0, 0xF1, 0), record(MouseType, 0, 0xF2, 0),
        record(MouseType, 0, 0xF3, 0), record(MouseType, 0, 0xF4, 0), record(FireType, 0xF0, 0x21, 0x03),
        record(DpiType, 0, 1, 0),      record(DpiType, 0, 2, 0),      record(DpiType, 0, 3, 0),
        record(ScrollType, 0, 1, 0),   record(ScrollType, 0, 2, 0)};
    return records;
}
} // namespace

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
    const int index = reportRates().indexOf(perSecond);
    return index < 0 ? 0 : reportRateByte(index);
}

int reportRatePerSecond(uchar code)
{
    for (int rate : reportRates())
        if (reportRateCode(rate) == code)
            return rate;
    return 0;
}

uchar reportRateByte(int index)
{
    return uchar(1 << (RateChoices - 1 - std::clamp(index, 0, RateChoices - 1)));
}

int reportRateIndex(uint rate)
{
    return std::clamp(RateChoices - lowestBit(rate), 0, RateChoices - 1);
}

QByteArray stageColors(uchar type, const QVariantList &values)
{
    QByteArray buffer = fromList(values, StageColorBytes);
    if (Cmd::stageColorLength(type) == StageColorBytes)
        return buffer;
    // Byte j is written after bytes 2j and 2j+1 were read, and 2j >= j.
    for (int j = 0; j < Cmd::stageColorLength(type); ++j) {
        const uchar low = uchar(buffer.at(2 * j)) & 0x0F;
        const uchar high = uchar(uchar(buffer.at(2 * j + 1)) << 4);
        buffer[j] = char(low | high);
    }
    return buffer;
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
    const int effect = effectIndex >= 0 && effectIndex < lightEffectNames().size() ? effectIndex + 1 : 0;
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

// ---- key records ----

QByteArray keyRecord(uchar usage) { return record(KeyType, 0, usage, 0); }

int mouseFunctionCount() { return mouseRecords().size(); }

QByteArray mouseRecord(int index) { return mouseRecords().value(index); }

const QList<int> &mediaUsages()
{
    static const QList<int> usages{0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183, 0x018A,
                                   0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A};
    return usages;
}

QByteArray mediaRecord(int index)
{
    if (index < 0 || index >= mediaUsages().size())
        return QByteArray();
    const int usage = mediaUsages().at(index);
    return record(MediaType, 0, usage & 0xFF, (usage >> 8) & 0xFF);
}

QByteArray comboRecord(int modifierIndex, int key1, int key2)
{
    const int mask = modifierIndex > 0 && modifierIndex <= 8 ? 1 << (modifierIndex - 1) : 0;
    return record(KeyType, mask, key1, key2);
}

QByteArray macroRecord(int mode, int slot) { return record(MacroType, mode, slot + 1, 0); }

int macroSlotOf(int type, int id, int last)
{
    return type == MacroType && last == 0 && id >= 1 && id <= MacroSlots ? id - 1 : -1;
}

QByteArray fireRecord(bool fromKey, int source, int step, int count)
{
    const int from = fromKey ? source : FirstButton + source;
    // Speed step to the interval between two shots: 10 at the fastest step, 35 more a step.
    return record(FireType, from, (FireSteps - 1 - step) * 35 + 10, count);
}

QByteArray gunLoopRecord(int index) { return record(GunLoopType, 0, 1, index + 4); }

QByteArray lightControlRecord() { return record(LightType, 0, 0, 0); }

QVariantMap keyRecordView(const QByteArray &r)
{
    const QByteArray rec = r.leftJustified(KeyRecordBytes, '\0', true);
    const int b0 = uchar(rec.at(0)), b1 = uchar(rec.at(1)), b2 = uchar(rec.at(2)), b3 = uchar(rec.at(3));
    const auto shown = [](KeyFunction f, const QVariantMap &values = {}) {
        QVariantMap m = values;
        m.insert(QStringLiteral("function"), int(f));
        return m;
    };
    const auto mouse = [&] { return shown(KeyFunction::Mouse, {{QStringLiteral("mouse"), mouseRecords().indexOf(rec)}}); };
    switch (b0) {
    case KeyType:
        if (b1 == 0 && b2 != 0 && b3 == 0)
            return shown(KeyFunction::Keyboard, {{QStringLiteral("key"), b2}});
        return shown(KeyFunction::Combo, {{QStringLiteral("modifier"), lowestBit(uint(b1))},
                                          {QStringLiteral("key1"), b2},
                                          {QStringLiteral("key2"), b3}});
    case MouseType:
        if (b1 == 0 && b2 != 0 && b3 == 0)
            return mouse();
        break;
    case MediaType:
        if (b1 == 0 && b2 != 0)
            return shown(KeyFunction::Media, {{QStringLiteral("media"), mediaUsages().indexOf(b3 * 256 + b2)}});
        break;
    case ScrollType:
        if (b1 == 0 && b3 == 0 && (b2 == 1 || b2 == 2))
            return mouse();
        break;
    case DpiType:
        if (b1 == 0 && b3 == 0)
            return mouse();
        break;
    case GunLoopType:
        return shown(KeyFunction::Light, {{QStringLiteral("gunLoop"), b3 > 3 && b3 - 4 < GunLoops ? b3 - 4 : -1}});
    case MacroType:
        return shown(KeyFunction::Macro, {{QStringLiteral("macroSlot"), b2 - 1}, {QStringLiteral("macroMode"), b1}});
    case FireType: {
        if (rec == mouseRecords().at(5))
            return mouse();
        const bool fromKey = !(b1 >= FirstButton && b1 < FirstButton + Buttons);
        const int step = FireSteps - 1 - roundHalfUp((std::max(b2, 10) - 10) / 35.0);
        return shown(KeyFunction::Fire, {{QStringLiteral("fireFromKey"), fromKey},
                                         {fromKey ? QStringLiteral("fireKey") : QStringLiteral("fireButton"),
                                          fromKey ? b1 : b1 - FirstButton},
                                         {QStringLiteral("fireStep"), std::clamp(step, 0, FireSteps - 1)},
                                         {QStringLiteral("fireCount"), b3}});
    }
    case LightType:
        if (b1 == 0 && b2 == 0 && b3 == 0)
            return shown(KeyFunction::Light, {{QStringLiteral("gunLoop"), -1}});
        break;
    default:
        return shown(KeyFunction::None);
    }
    return QVariantMap();
}

QList<QByteArray> expandKeyMatrix(const QByteArray &m1In, const QList<QVariantList> &fireKeys)
{
    QByteArray m1 = m1In;
    bool anyLoop = false;
    for (int k = 0; k < Keys; ++k)
        anyLoop = anyLoop || uchar(m1.at(KeyRecordBytes * k)) == GunLoopType;
    if (!anyLoop)
        return {m1};

    QByteArray m2 = m1, m3 = m1, m4 = m1;
    for (int k = 0; k < Keys; ++k) {
        if (uchar(m1.at(KeyRecordBytes * k)) != GunLoopType)
            continue;
        const int at = KeyRecordBytes * k + 3;
        // Per loop kind, byte 3 of the key in matrices 1 to 4.
        static const char loopSwitch[Matrices] = {1, 0, 0, 0};
        static const char twoGuns[Matrices] = {0, 2, 1, 0};
        static const char threeGuns[Matrices] = {0, 2, 3, 1};
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

    // The first record of matrices 2-4 names the fire key of its gun.
    QByteArray *fire[Matrices - 1] = {&m2, &m3, &m4};
    for (int s = 0; s < Matrices - 1; ++s) {
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

uchar scrollSwapOption(uchar option1, bool swap)
{
    return uchar((option1 & ~ScrollSwapBit) | (swap ? ScrollSwapBit : 0));
}

uchar recoilOption(uchar option2, bool on)
{
    return on ? uchar(option2 | RecoilOnBit) : uchar(option2 & ~RecoilOnBit);
}

QByteArray recoilSensitivity(const Recoil &recoil, uchar option1)
{
    // option1 set means the device counts the vertical offset the other way round.
    const uchar vertical = option1 ? uchar(-recoil.y) : recoil.y;
    const char bytes[] = {char(recoil.cursorBack), char(recoil.times), char(recoil.x), char(vertical), char(recoil.slot)};
    return QByteArray(bytes, int(sizeof bytes));
}

QByteArray macroBlock(const QVector<MacroBlock::Step> &steps, uint repeat, bool *cut, MacroBlock::Pauses pauses)
{
    QByteArray block = MacroBlock::block(steps, pauses, MacroBytes, cut);
    block[0] = char((repeat >> 8) & 0xFF);
    block[1] = char(repeat & 0xFF);
    return block;
}

} // namespace MouseCodec
