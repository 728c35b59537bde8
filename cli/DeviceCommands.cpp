// SPDX-License-Identifier: MIT
// Subcommands that change or read what the mouse holds: each change goes through the
// slots the sensor and colour pages use, so the profile and the mouse get what the
// window would give them; "profile" writes the whole profile as ALL SAVE does.
#include "Commands.h"
#include "Hid_Thread.h"
#include "LinkState.h"
#include "MouseCommands.h"
#include "LightingSettings.h"
#include "MouseCodec.h"
#include "SensorSettings.h"
#include "ProfileFiles.h"
#include "ProfileWriter.h"
#include "StatusReport.h"
#include <algorithm>

namespace Cli {

namespace {
constexpr int Stages = 8;
constexpr int MaxStep = 7;   // speed and brightness sliders of the colour page: 0-7

QString joined(const QList<int> &values)
{
    QStringList texts;
    for (int v : values)
        texts.append(QString::number(v));
    return texts.join(QStringLiteral(", "));
}

// A whole number in [low, high] as typed, or -1 with the message in result.
int numberIn(const QString &text, int low, int high, const QString &what, Result &result)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < low || n > high) {
        result.fail(BadInput, QStringLiteral("%1 \"%2\" is out of range: %3 to %4").arg(what, text).arg(low).arg(high));
        return -1;
    }
    return n;
}

// The sensor page's rule: a stage can be current when the mouse has it and it is on.
bool selectable(const QList<int> &values, int stages, int index)
{
    return index >= 0 && index < stages && index < Stages && values.value(index) > 0;
}

// The stage nearest to `index` that can be current, the lower one on a tie; -1 for none.
int nearestSelectable(const QList<int> &values, int stages, int index)
{
    if (selectable(values, stages, index))
        return index;
    for (int d = 1; d < Stages; ++d) {
        if (selectable(values, stages, index - d))
            return index - d;
        if (selectable(values, stages, index + d))
            return index + d;
    }
    return -1;
}
} // namespace

int profileIndex(const QString &number, Result &result)
{
    const int n = numberIn(number, 1, 10, QStringLiteral("profile"), result);
    return n < 0 ? -1 : n - 1;
}

void noteWithoutMouse(Context &context, Result &result, const QString &what)
{
    if (context.link())
        return;
    const HandshakeOutcome found = context.outcome();
    const QString why = found.verdict == HandshakeOutcome::Demo ? QStringLiteral("demo mode, no mouse connected")
                                                                : faultText(found.reason);
    result.fail(NoDevice, QStringLiteral("%1; %2").arg(why, what));
}

Result status(Context &context, bool json)
{
    Result result;
    const StatusReport report = StatusReport::gather(context);
    result.out = json ? report.json() : report.text();
    if (report.verdict != HandshakeOutcome::Admitted)
        result.status = NoDevice;
    return result;
}

Result profile(Context &context, const QString &number)
{
    Result result;
    const int index = profileIndex(number, result);
    if (index < 0)
        return result;
    ProfileFiles &files = context.files();
    // A click on the profile shown already changes nothing; ALL SAVE still writes it.
    if (files.currentIndex() != index)
        context.switchProfile(index);
    Hid_Thread *link = context.link();
    if (!link) {
        noteWithoutMouse(context, result, QStringLiteral("profile %1 is current, nothing was written to the mouse")
                                              .arg(index + 1));
        return result;
    }
    ProfileWriter writer({link, files.profile(index), context.recoil(), context.pointer()});
    QObject::connect(&writer, &ProfileWriter::notice,
                     [&result](const QString &title, const QString &text) { result.tell(title + QStringLiteral(": ") + text); });
    const bool ok = writer.run();
    context.profileWritten(index, ok);
    if (!ok) {
        QStringList missed;
        for (const ProfileWriter::Step &step : writer.failed())
            missed.append(step.text());
        result.fail(NoDevice, QStringLiteral("profile %1 is current, but the mouse did not take: %2")
                                  .arg(index + 1)
                                  .arg(missed.join(QStringLiteral(", "))));
    }
    return result;
}

Result dpi(Context &context, const QString &list, const QString &stage)
{
    Result result;
    const QStringList items = list.split(QLatin1Char(','));
    if (items.size() > Stages) {
        result.fail(BadInput, QStringLiteral("%1 DPI values given: at most %2 stages").arg(items.size()).arg(Stages));
        return result;
    }
    QList<int> offered = MouseCodec::dpiMenuValues();
    offered.removeAll(0);
    QList<int> values;
    for (const QString &item : items) {
        const QString text = item.trimmed();
        bool ok = false;
        const int v = text.toInt(&ok);
        if (text.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
            values.append(0);
        } else if (ok && offered.contains(v)) {
            values.append(v);
        } else {
            result.fail(BadInput, QStringLiteral("DPI value \"%1\" is not offered: use %2 or \"off\"").arg(text, joined(offered)));
            return result;
        }
    }
    while (values.size() < Stages)
        values.append(0);

    const MouseModules mouse = context.mouse();
    // The stage count is the mouse's own, as the sensor page reads it.
    const int reported = mouse.sensor->ui_91H_SyncDPI();
    const int stages = reported >= 1 && reported <= Stages ? reported : Stages;
    if (nearestSelectable(values, stages, 0) < 0) {
        result.fail(BadInput, QStringLiteral("no stage is on: give at least one of the first %1 stages a DPI value")
                                  .arg(stages));
        return result;
    }
    int chosen = -1;
    if (!stage.isEmpty()) {
        const int k = numberIn(stage, 1, stages, QStringLiteral("stage"), result);
        if (k < 0)
            return result;
        if (!selectable(values, stages, k - 1)) {
            result.fail(BadInput, QStringLiteral("stage %1 is off: choose a stage that has a DPI value").arg(k));
            return result;
        }
        chosen = k - 1;
    }

    QVariantList held;
    for (int v : values)
        held.append(v);
    const int before = std::clamp(mouse.sensor->ui_8BH_GetCurrentDPIStage().toInt() - 1, 0, Stages - 1);
    mouse.sensor->ui_11H_SetDPISet(uchar(stages), MouseCodec::dpiCodes(held), held);
    // The mouse must never stay on a stage that is now off.
    if (chosen < 0 && !selectable(values, stages, before))
        chosen = nearestSelectable(values, stages, before);
    if (chosen >= 0)
        mouse.sensor->ui_0BH_SetCurrentDPIStage(uchar(chosen + 1));
    context.changed(Context::Shown::Sensor);
    noteWithoutMouse(context, result, QStringLiteral("the DPI stages were saved in profile %1 only")
                                          .arg(context.files().currentIndex() + 1));
    return result;
}

Result rate(Context &context, const QString &perSecond)
{
    Result result;
    bool ok = false;
    const uchar code = MouseCodec::reportRateCode(perSecond.trimmed().toInt(&ok));
    if (!ok || code == 0) {
        result.fail(BadInput, QStringLiteral("report rate \"%1\" is not offered: use %2")
                                  .arg(perSecond, joined(MouseCodec::reportRates())));
        return result;
    }
    context.mouse().sensor->ui_01H_SetReportRate(code);
    context.changed(Context::Shown::Sensor);
    noteWithoutMouse(context, result, QStringLiteral("the report rate was saved in profile %1 only")
                                          .arg(context.files().currentIndex() + 1));
    return result;
}

Result light(Context &context, const QString &effect, const QString &speed, const QString &brightness)
{
    Result result;
    const QStringList &names = MouseCodec::lightEffectNames();
    QString wanted = effect.trimmed().toUpper();
    wanted.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    const bool off = wanted == QLatin1String("OFF");
    int index = names.indexOf(wanted);
    if (!off && index < 0) {
        QStringList accepted{QStringLiteral("off")};
        for (const QString &name : names)
            accepted.append(effectWord(name));
        result.fail(BadInput, QStringLiteral("unknown light effect \"%1\": use %2").arg(effect, accepted.join(QStringLiteral(", "))));
        return result;
    }
    int speedStep = -1, brightnessStep = -1;
    if (!speed.isEmpty() && (speedStep = numberIn(speed, 0, MaxStep, QStringLiteral("speed"), result)) < 0)
        return result;
    if (!brightness.isEmpty()
        && (brightnessStep = numberIn(brightness, 0, MaxStep, QStringLiteral("brightness"), result)) < 0)
        return result;

    const MouseModules mouse = context.mouse();
    // What is not given stays as the colour page shows it.
    const LightSetting stored = LightSetting::of(*mouse.lighting);
    if (off)
        index = stored.effectIndex;
    if (brightnessStep < 0)
        brightnessStep = stored.brightness;
    if (speedStep < 0)
        speedStep = stored.speed;
    const QVariantList bytes = MouseCodec::ledEffectBytes(index, brightnessStep, speedStep, !off);
    mouse.lighting->ui_0DH_SetRGBLedEffect(uchar(bytes.at(0).toInt()), uchar(bytes.at(1).toInt()), uchar(bytes.at(2).toInt()),
                                 {index, brightnessStep, speedStep});
    context.changed(Context::Shown::Colour);
    noteWithoutMouse(context, result, QStringLiteral("the lighting was saved in profile %1 only")
                                          .arg(context.files().currentIndex() + 1));
    return result;
}

} // namespace Cli
