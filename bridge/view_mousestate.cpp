// SPDX-License-Identifier: MIT
// Slots about what the mouse holds: value codes for the pages, macro slots across the
// ten profiles, the macro memory a macro takes, and "ALL SAVE".
#include "AllSave.h"
#include "MacroLibrary.h"
#include "MacroSlots.h"
#include "MouseCommands.h"
#include "myQQuickView.h"

QVariantList myQQuickView::dpiMenuValues()
{
    QVariantList values;
    for (int v : MouseCommands::dpiMenuValues())
        values.append(v);
    return values;
}

QVariantList myQQuickView::dpiCodes(QVariantList values) { return MouseCommands::dpiCodes(values); }

QVariantList myQQuickView::ledEffectBytes(int effectIndex, int brightnessStep, int speedStep, bool lightOn)
{
    return MouseCommands::ledEffectBytes(effectIndex, brightnessStep, speedStep, lightOn);
}

int myQQuickView::bindMacroSlot(QVariant name, int repeat, QVariantList matrix)
{
    return macroSlots->bind(name.toString(), repeat, matrix);
}

void myQQuickView::releaseMacroSlots(QVariantList matrix) { macroSlots->release(matrix); }

QVariantList myQQuickView::macroBytesUsed(QStringList lines) { return macros->bytesUsed(lines); }

bool myQQuickView::beginAllSave() { return allSaver->begin(); }
bool myQQuickView::allSave() { return allSaver->start(); }
