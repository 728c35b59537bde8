// SPDX-License-Identifier: MIT
// The profile writer (see ProfileWriter.h). The profile is read once into plain values,
// the way each page reads it back, so a later edit cannot change a run half way; then
// each setting goes out through the command path of its page, its outcome logged.
#include "ProfileWriter.h"
#include "DiskLayout.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "MacroSlots.h"
#include "MouseCodec.h"
#include "MouseCommands.h"
#include "Collaborators.h"
#include "ProfileFiles.h"
#include "RecoilStore.h"
#include <QDebug>
#include <QSettings>
#include <algorithm>
#include <functional>

using DeviceBytes::pageInt;
using DeviceBytes::unsignedList;
using MouseCodec::Stages;
namespace Key = DiskLayout::Key;

namespace {
constexpr int MouseFamily = 1;

// The profile as the pages would show it after reading it back.
struct Snapshot {
    uchar rate = 1;
    QVariantList dpi;            // eight values, empty when the profile holds none
    uchar stage = 1;
    QVariantList rgb;            // indicator, 24 (type 1)
    QVariantList ids;            // indicator, 8 (type 2)
    QVariantList light;          // lighting colours, 24 (type 0)
    QVariantList effect;         // 0DH bytes, empty when the profile holds no effect
    QVariantList keys;           // 64
    bool hasScrollSwap = false;
    bool scrollSwap = false;
    uint cursor = 0, lines = 0, doubleClick = 0;
    QList<QVariantList> fireKeys;
};

// Colour values as the colour groups keep them: 0-255.
QVariantList clampedColours(const QVariantList &values)
{
    QVariantList out;
    for (const QVariant &v : values)
        out.append(int(std::min(v.toUInt(), 255u)));
    return out;
}

Snapshot read(const QSettings &p, RecoilStore *recoil)
{
    Snapshot s;
    // The byte the sensor page sends for the choice it shows (1000 Hz for anything odd).
    s.rate = MouseCodec::reportRateByte(MouseCodec::reportRateIndex(p.value(Key::kReportRate, 0).toUInt() & 0xFF));

    const QVariantList dpi = p.value(Key::kDpi).toList();
    if (!dpi.isEmpty())
        for (int i = 0; i < Stages; ++i)
            s.dpi.append(pageInt(i < dpi.size() ? dpi.at(i) : QVariant(), 0));
    const uint stage = p.value(Key::kDpiStage, 0).toUInt() & 0xFF;
    s.stage = uchar(std::clamp<uint>(stage, 1, Stages));

    const QVariantList type1 = unsignedList(p.value(Key::stageColors(1), 0));
    if (type1.size() == MouseCodec::StageColorBytes)
        s.rgb = clampedColours(type1);
    const QVariantList type2 = unsignedList(p.value(Key::stageColors(2), 0));
    if (type2.size() == Stages)
        s.ids = type2;
    const QVariantList type0 = unsignedList(p.value(Key::stageColors(0), 0));
    if (type0.size() == MouseCodec::StageColorBytes)
        s.light = clampedColours(type0);

    const QVariantList triple = unsignedList(p.value(Key::kLedEffect, 0));
    if (triple.size() == 3) {
        const uint index = triple.at(0).toUInt();
        const QVariant power = p.value(Key::kLedPower);
        // Files from before the on/off flag: effect index 0 reads as light off.
        const bool on = power.isValid() ? power.toBool() : index != 0;
        s.effect = MouseCodec::ledEffectBytes(index < 10 ? int(index) : 0, int(std::min(triple.at(1).toUInt(), 7u)),
                                                 int(std::min(triple.at(2).toUInt(), 7u)), on);
    }

    // A key the profile lacks has its factory function, as on the key page.
    const QSettings factory(ProfileFiles::factoryProfilePath(), QSettings::IniFormat);
    for (int k = 0; k < MouseCodec::Keys; ++k) {
        const QString key = Key::mouseKey(k);
        QVariantList record = p.value(key).toList();
        if (record.size() < MouseCodec::KeyRecordBytes)
            record = factory.value(key).toList();
        for (int i = 0; i < MouseCodec::KeyRecordBytes; ++i)
            s.keys.append(pageInt(i < record.size() ? record.at(i) : QVariant(), 0) & 0xFF);
    }

    s.hasScrollSwap = p.contains(Key::kScrollSwap);
    s.scrollSwap = p.value(Key::kScrollSwap, false).toBool();
    s.cursor = std::min(p.value(Key::kCursorSpeed, 0).toUInt(), 10u);
    s.lines = std::min(p.value(Key::kScrollLines, 0).toUInt(), 10u);
    s.doubleClick = std::min(p.value(Key::kDoubleClickSpeed, 0).toUInt(), 10u);
    for (int slot = 0; slot < 3; ++slot)
        s.fireKeys.append(recoil ? recoil->getSelGundata(slot) : QVariantList());
    return s;
}

enum class Sent { Yes, No, Skipped };
} // namespace

QString ProfileWriter::Step::text() const
{
    switch (item) {
    case Item::ReportRate: return QStringLiteral("report rate");
    case Item::DpiSet: return QStringLiteral("DPI stages");
    case Item::DpiStage: return QStringLiteral("current DPI stage");
    case Item::IndicatorColors: return QStringLiteral("DPI indicator colours");
    case Item::LightColors: return QStringLiteral("lighting colours");
    case Item::LightEffect: return QStringLiteral("lighting effect");
    case Item::Macro:
        return macros.size() == 1 ? QStringLiteral("macro \"%1\" (slot %2)").arg(macros.first()).arg(slot + 1)
                                  : QStringLiteral("macro slot %1 (claimed by \"%2\")")
                                        .arg(slot + 1)
                                        .arg(macros.join(QStringLiteral("\", \"")));
    case Item::KeyMatrix: return QStringLiteral("key matrix");
    case Item::ScrollSwap: return QStringLiteral("scroll direction");
    case Item::HostPointer: return QStringLiteral("pointer settings");
    }
    return QString();
}

ProfileWriter::ProfileWriter(const Sources &sources, QObject *parent) : QObject(parent), sources(sources) {}

bool ProfileWriter::run()
{
    if (running || !sources.profile)
        return false;
    running = true;
    failures.clear();
    anyReached = false;

    Hid_Thread *link = sources.link;
    const Snapshot s = read(*sources.profile, sources.recoil);
    const auto warn = [this](const QString &title, const QString &text) { emit notice(title, text); };

    struct Action {
        Step step;
        std::function<Sent()> send;
    };
    QList<Action> actions;
    actions.append({{Item::ReportRate}, [&] {
        if (link)
            link->hid_01H_SetReportRate(s.rate);
        return Sent::Yes;
    }});
    if (!s.dpi.isEmpty())
        actions.append({{Item::DpiSet}, [&] {
            // The stage count is the mouse's own, as the sensor page reads it.
            uchar count = 0;
            if (!MouseCommands::readDpiStageCount(link, &count))
                return Sent::No;
            MouseCommands::sendDpiSet(link, count >= 1 && count <= Stages ? count : Stages,
                                      MouseCodec::dpiCodes(s.dpi));
            return Sent::Yes;
        }});
    actions.append({{Item::DpiStage}, [&] {
        if (link)
            link->hid_0BH_SetCurrentDPIStage(s.stage);
        return Sent::Yes;
    }});
    if (!s.rgb.isEmpty() || !s.ids.isEmpty())
        actions.append({{Item::IndicatorColors}, [&] {
            // Eight fixed colours or free RGB: the mouse tells which it takes.
            bool fixedColours = false;
            if (!MouseCommands::readLogoLedWorks(link, &fixedColours))
                return Sent::No;
            const QVariantList &values = fixedColours ? s.ids : s.rgb;
            if (values.isEmpty())
                return Sent::Skipped;
            MouseCommands::sendStageColors(link, fixedColours ? 2 : 1, values);
            return Sent::Yes;
        }});
    if (!s.light.isEmpty())
        actions.append({{Item::LightColors}, [&] {
            MouseCommands::sendStageColors(link, 0, s.light);
            return Sent::Yes;
        }});
    if (!s.effect.isEmpty())
        actions.append({{Item::LightEffect}, [&] {
            if (link)
                link->hid_0DH_SetRGBLedEffect(uchar(s.effect.at(0).toInt()), uchar(s.effect.at(1).toInt()),
                                              uchar(s.effect.at(2).toInt()));
            return Sent::Yes;
        }});
    // The buttons play what the mouse holds in the slots they name: macros first.
    QList<int> unclear;
    const QMap<QString, int> claims = MacroSlots::claims();
    for (const MacroSlots::Bound &b : MacroSlots::bound(s.keys, claims, &unclear)) {
        actions.append({{Item::Macro, b.slot, {b.name}}, [&, b] {
            return MouseCommands::sendMacro(link, uchar(b.slot + 1), b.name, MouseFamily, warn) ? Sent::Yes
                                                                                               : Sent::No;
        }});
    }
    for (int slot : unclear) {
        // Which of the files a profile meant cannot be told: the slot is not written.
        const QStringList names = claims.keys(slot);
        actions.append({{Item::Macro, slot, names}, [] { return Sent::No; }});
    }
    actions.append({{Item::KeyMatrix}, [&] {
        MouseCommands::sendKeyMatrices(link, s.keys, s.fireKeys);
        return Sent::Yes;
    }});
    if (s.hasScrollSwap)
        actions.append({{Item::ScrollSwap}, [&] {
            MouseCommands::sendScrollSwap(link, s.scrollSwap);
            return Sent::Yes;
        }});
    if (sources.pointer)
        actions.append({{Item::HostPointer}, [&] {
            sources.pointer->applyCursorSpeed(s.cursor);
            sources.pointer->applyVerticalScrollLines(s.lines);
            sources.pointer->applyDoubleClickSpeed(s.doubleClick);
            return Sent::Skipped;
        }});

    const int total = actions.size();
    emit progress(0, total);
    for (int i = 0; i < total; ++i) {
        const Action &a = actions.at(i);
        if (link)
            link->openWriteLog();
        const Sent sent = a.send();
        const QList<Hid_Thread::WriteOutcome> outcomes = link ? link->closeWriteLog() : QList<Hid_Thread::WriteOutcome>();
        bool ok = sent == Sent::Skipped || (sent == Sent::Yes && !outcomes.isEmpty());
        for (const Hid_Thread::WriteOutcome &o : outcomes) {
            ok = ok && o.sent && o.ok;
            anyReached = anyReached || o.ok;
        }
        if (!ok) {
            failures.append(a.step);
            qDebug().noquote() << "Not written to the mouse:" << a.step.text();
        }
        emit progress(i + 1, total);
    }
    running = false;
    emit finished(failures.isEmpty());
    return failures.isEmpty();
}
