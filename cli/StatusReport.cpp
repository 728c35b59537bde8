// SPDX-License-Identifier: MIT
// The status report (see StatusReport.h).
#include "StatusReport.h"
#include "Hid_Thread.h"
#include "MouseCommands.h"
#include "DeviceBytes.h"
#include "LightingSettings.h"
#include "MouseCodec.h"
#include "SensorSettings.h"
#include "ProfileFiles.h"
#include "ProfileWriter.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace Cli {

namespace {
constexpr int Stages = 8;

QString verdictWord(HandshakeOutcome::Verdict verdict)
{
    switch (verdict) {
    case HandshakeOutcome::Admitted: return QStringLiteral("admitted");
    case HandshakeOutcome::Demo: return QStringLiteral("demo");
    case HandshakeOutcome::Rejected: return QStringLiteral("rejected");
    }
    return QString();
}

QString reasonWord(DeviceFault fault)
{
    switch (fault) {
    case DeviceFault::None: return QString();
    case DeviceFault::Absent: return QStringLiteral("absent");
    case DeviceFault::NoAccess: return QStringLiteral("no-access");
    case DeviceFault::Busy: return QStringLiteral("busy");
    case DeviceFault::Refused: return QStringLiteral("refused");
    }
    return QString();
}

QString dpiText(int value) { return value > 0 ? QString::number(value) : QStringLiteral("off"); }
} // namespace

QString faultText(DeviceFault fault)
{
    switch (fault) {
    case DeviceFault::None: return QStringLiteral("no mouse connected");
    case DeviceFault::Absent: return QStringLiteral("no mouse connected");
    case DeviceFault::NoAccess:
        return QStringLiteral("the mouse is connected but this user may not open it (install the udev rule, then replug it)");
    case DeviceFault::Busy: return QStringLiteral("the mouse is connected but held by another program");
    case DeviceFault::Refused: return QStringLiteral("the mouse did not accept the secrecy code");
    }
    return QString();
}

QString effectWord(const QString &name) { return name.toLower().replace(QLatin1Char(' '), QLatin1Char('-')); }

LightSetting LightSetting::of(LightingSettings &lighting)
{
    LightSetting s;
    const QVariantList triple = lighting.ui_8DH_GetRGBLedEffect();
    if (triple.size() != 3)
        return s;
    const int index = DeviceBytes::pageInt(triple.at(0), 0);
    s.effectIndex = index >= 0 && index < MouseCodec::lightEffectNames().size() ? index : 0;
    s.brightness = std::clamp(DeviceBytes::pageInt(triple.at(1), 7), 0, 7);
    s.speed = std::clamp(DeviceBytes::pageInt(triple.at(2), 4), 0, 7);
    // Files from before the on/off flag: effect index 0 reads as light off.
    const QVariant flag = lighting.getLedPowerOn();
    s.on = flag.isValid() ? flag.toBool() : DeviceBytes::pageInt(triple.at(0), 0) != 0;
    return s;
}

StatusReport StatusReport::gather(Context &context)
{
    StatusReport r;
    const HandshakeOutcome found = context.outcome();
    r.verdict = found.verdict;
    r.reason = found.reason;
    r.product = found.productName;
    r.profile = context.files().currentIndex() + 1;

    const MouseModules mouse = context.mouse();
    r.light = LightSetting::of(*mouse.lighting);
    // The current profile first: what the mouse was last given from here.
    const QVariantList held = mouse.sensor->ui_91H_GetDPISet();
    for (int i = 0; i < Stages; ++i)
        r.dpi.append(std::max(0, DeviceBytes::pageInt(held.value(i), 0)));
    r.stage = std::clamp(mouse.sensor->ui_8BH_GetCurrentDPIStage().toInt(), 1, Stages);
    r.rate = MouseCodec::reportRatePerSecond(MouseCodec::reportRateByte(MouseCodec::reportRateIndex(mouse.sensor->ui_81H_GetReportRate().toUInt())));

    Hid_Thread *link = context.link();
    if (!link)
        return r;
    // Then the mouse itself, which its own buttons may have changed since.
    r.fromMouse = true;
    uchar count = 0;
    uchar codes[Stages] = {};
    if (link->hid_91H_GetDPISet(count, codes)) {
        r.stages = count >= 1 && count <= Stages ? count : Stages;
        for (int i = 0; i < Stages; ++i)
            r.dpi[i] = MouseCodec::dpiValue(codes[i]);
    }
    uchar stage = 0;
    link->hid_8BH_GetCurrentDPIStage(stage);
    if (stage >= 1 && stage <= Stages)
        r.stage = stage;
    uchar rate = 0;
    link->hid_81H_GetReportRate(rate);
    if (const int perSecond = MouseCodec::reportRatePerSecond(rate))
        r.rate = perSecond;
    uchar effect = 0, option1 = 0, option2 = 0;
    link->hid_8DH_GetRGBLedEffect(effect, option1, option2);
    r.light.on = effect != 0;
    if (effect >= 1 && effect <= MouseCodec::lightEffectNames().size())
        r.light.effectIndex = effect - 1;
    return r;
}

QString StatusReport::text() const
{
    QStringList lines;
    switch (verdict) {
    case HandshakeOutcome::Admitted: lines << QStringLiteral("device:       %1, connected").arg(product); break;
    case HandshakeOutcome::Demo: lines << QStringLiteral("device:       none (demo mode)"); break;
    case HandshakeOutcome::Rejected: lines << QStringLiteral("device:       %1").arg(faultText(reason)); break;
    }
    lines << QStringLiteral("handshake:    %1").arg(verdictWord(verdict))
          << QStringLiteral("profile:      %1").arg(profile);
    QStringList values;
    for (int v : dpi)
        values.append(dpiText(v));
    lines << QStringLiteral("dpi stage:    %1").arg(stage) << QStringLiteral("dpi stages:   %1").arg(values.join(QLatin1Char(',')))
          << QStringLiteral("report rate:  %1").arg(rate > 0 ? QString::number(rate) : QStringLiteral("unknown"));
    const QString effect = effectWord(MouseCodec::lightEffectNames().value(light.effectIndex));
    lines << (light.on ? QStringLiteral("light:        %1, speed %2, brightness %3").arg(effect).arg(light.speed).arg(light.brightness)
                       : QStringLiteral("light:        off"));
    lines << QStringLiteral("read from:    %1").arg(fromMouse ? QStringLiteral("mouse") : QStringLiteral("profile"));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString StatusReport::json() const
{
    // A mouse that is there but may not be used counts as found.
    const bool found = verdict == HandshakeOutcome::Admitted
                       || (verdict == HandshakeOutcome::Rejected && reason != DeviceFault::Absent && reason != DeviceFault::None);
    QJsonObject device{{QStringLiteral("found"), found},
                       {QStringLiteral("handshake"), verdictWord(verdict)}};
    if (!product.isEmpty())
        device.insert(QStringLiteral("product"), product);
    if (verdict == HandshakeOutcome::Rejected)
        device.insert(QStringLiteral("reason"), reasonWord(reason));
    QJsonArray values;
    for (int v : dpi)
        values.append(v > 0 ? QJsonValue(v) : QJsonValue(QStringLiteral("off")));
    const QJsonObject lighting{{QStringLiteral("on"), light.on},
                               {QStringLiteral("effect"), effectWord(MouseCodec::lightEffectNames().value(light.effectIndex))},
                               {QStringLiteral("speed"), light.speed},
                               {QStringLiteral("brightness"), light.brightness}};
    const QJsonObject all{{QStringLiteral("device"), device},
                          {QStringLiteral("profile"), profile},
                          {QStringLiteral("dpiStage"), stage},
                          {QStringLiteral("dpiStages"), values},
                          {QStringLiteral("reportRate"), rate},
                          {QStringLiteral("light"), lighting},
                          {QStringLiteral("source"), fromMouse ? QStringLiteral("mouse") : QStringLiteral("profile")}};
    return QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Indented));
}

} // namespace Cli
