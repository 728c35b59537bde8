// SPDX-License-Identifier: MIT
// Slots about what the mouse holds: value codes for the pages (from the mouse codec),
// macro slots across the ten profiles, the macro memory a macro takes, and "ALL SAVE".
#include "AllSave.h"
#include "DeviceBytes.h"
#include "MacroLibrary.h"
#include "MacroSlots.h"
#include "MouseCodec.h"
#include "myQQuickView.h"

QVariantList myQQuickView::dpiMenuValues()
{
    QVariantList values;
    for (int v : MouseCodec::dpiMenuValues())
        values.append(v);
    return values;
}

QVariantList myQQuickView::dpiCodes(QVariantList values) { return MouseCodec::dpiCodes(values); }

QVariantList myQQuickView::ledEffectBytes(int effectIndex, int brightnessStep, int speedStep, bool lightOn)
{
    return MouseCodec::ledEffectBytes(effectIndex, brightnessStep, speedStep, lightOn);
}

int myQQuickView::bindMacroSlot(QVariant name, int repeat, QVariantList matrix)
{
    return macroSlots->bind(name.toString(), repeat, matrix);
}

void myQQuickView::releaseMacroSlots(QVariantList matrix) { macroSlots->release(matrix); }

QVariantList myQQuickView::macroBytesUsed(QStringList lines) { return macros->bytesUsed(lines); }

bool myQQuickView::beginAllSave() { return allSaver->begin(); }
bool myQQuickView::allSave() { return allSaver->start(); }

int myQQuickView::reportRateByte(int index) { return MouseCodec::reportRateByte(index); }

int myQQuickView::reportRateIndex(QVariant rate)
{
    return MouseCodec::reportRateIndex(uint(DeviceBytes::pageInt(rate, 0)));
}

QVariantMap myQQuickView::keyRecordView(QVariantList record)
{
    return MouseCodec::keyRecordView(DeviceBytes::fromList(record, MouseCodec::KeyRecordBytes));
}

QVariantList myQQuickView::keyRecordOf(int function, QVariantList choices)
{
    using F = MouseCodec::KeyFunction;
    const auto at = [&](int i) { return DeviceBytes::pageInt(DeviceBytes::element(choices, i), 0); };
    QByteArray record;
    switch (F(function)) {
    case F::Keyboard: record = MouseCodec::keyRecord(uchar(at(0))); break;
    case F::Mouse: record = MouseCodec::mouseRecord(at(0)); break;
    case F::Media: record = MouseCodec::mediaRecord(at(0)); break;
    case F::Combo: record = MouseCodec::comboRecord(at(0), at(1), at(2)); break;
    case F::Macro: record = MouseCodec::macroRecord(at(0), at(1)); break;
    case F::Fire: record = MouseCodec::fireRecord(at(0) != 0, at(1), at(2), at(3)); break;
    case F::Light: record = MouseCodec::gunLoopRecord(at(0)); break;
    case F::None: break;
    }
    return DeviceBytes::toList(reinterpret_cast<const uchar *>(record.constData()), record.size());
}
