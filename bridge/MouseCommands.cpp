// SPDX-License-Identifier: MIT
// Mouse commands from setting values (see MouseCommands.h). Only bytes and the link here:
// no profile, no view, no dialog.
#include "MouseCommands.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "MacroLibrary.h"
#include "MacroSlots.h"
#include "MouseCodec.h"
#include <QCoreApplication>
#include <QDebug>

using namespace DeviceBytes;

namespace MouseCommands {

void sendStageColors(Hid_Thread *link, uchar type, const QVariantList &values)
{
    QByteArray buffer = MouseCodec::stageColors(type, values);
    if (link)
        link->hid_10H_SetLED8StageColor(type, reinterpret_cast<uchar *>(buffer.data()));
}

void sendDpiSet(Hid_Thread *link, uchar stages, const QVariantList &codes)
{
    QByteArray bytes = fromList(codes, MouseCodec::DpiBytes);
    if (link)
        link->hid_11H_SetDPISet(stages, reinterpret_cast<uchar *>(bytes.data()));
}

void sendKeyMatrices(Hid_Thread *link, const QVariantList &src64, const QList<QVariantList> &fireKeys)
{
    const QList<QByteArray> matrices =
        MouseCodec::expandKeyMatrix(fromList(src64, MouseCodec::MatrixBytes), fireKeys);
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
    if (MacroLibrary::pathFor(name).isEmpty()) {
        qDebug() << "ui_13H_SetMacroKey: refused macro name" << name;
        return false;
    }
    // One read of the file gives the steps and the play count; the codec does the rest.
    const MacroLibrary::Stored macro = MacroLibrary::read(name);
    bool cut = false;
    // Cut at an event, never inside one, and never leaving a key held; the file stays.
    QByteArray block = MouseCodec::macroBlock(MacroLibrary::parseSteps(macro.steps), macro.repeat, &cut,
                                              MacroLibrary::pausesOf(family));
    if (cut && warn)
        warn(QCoreApplication::translate("MouseSettings", "MACRO"),
             QCoreApplication::translate("MouseSettings", "Out of memory,\nsome command line has been cut."));
    if (link)
        link->hid_13H_SetMacroKey(macroId, reinterpret_cast<uchar *>(block.data()));
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
    link->hid_03H_SetFunctionOption(type, rate, MouseCodec::scrollSwapOption(option1, isSwap), option2);
}

bool readDpiStageCount(Hid_Thread *link, uchar *count)
{
    uchar maxStage = 0;
    uchar scratch[MouseCodec::DpiBytes] = {};
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
