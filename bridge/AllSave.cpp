// SPDX-License-Identifier: MIT
// "ALL SAVE" of the bottom strip (see AllSave.h).
#include "AllSave.h"
#include "Hid_Thread.h"
#include "Localisation.h"
#include "MessageTexts.h"
#include "ProfileFiles.h"
#include "ProfileWriter.h"
#include <QTimer>

AllSave::AllSave(Parts parts, QObject *parent) : QObject(parent), parts(std::move(parts)) {}

void AllSave::hold(bool on) const
{
    if (parts.holdDeviceWrites)
        parts.holdDeviceWrites(on);
}

void AllSave::tell(const QString &text) const
{
    if (parts.warn)
        parts.warn(parts.strings->shortText(4), text);
}

bool AllSave::begin()
{
    if (running)
        return false;
    Hid_Thread *hid = parts.link ? parts.link() : nullptr;
    if (!hid || !hid->commandInterfaceOpens()) {
        emit finished(false, parts.files ? parts.files->currentIndex() : 0);
        tell(parts.strings->message(MessageTexts::AllSaveNoMouse));
        return false;
    }
    hold(true);
    // Never left held: a page that fails half way must not silence the mouse for good.
    QTimer::singleShot(0, this, [this] { hold(false); });
    return true;
}

bool AllSave::start()
{
    hold(false);
    if (running || !parts.files)
        return false;
    running = true;
    const int profile = parts.files->currentIndex();
    QTimer::singleShot(0, this, [this, profile] { run(profile); });
    return true;
}

void AllSave::run(int profile)
{
    ProfileWriter writer({parts.link ? parts.link() : nullptr, parts.files->profile(profile), parts.recoil, parts.pointer});
    connect(&writer, &ProfileWriter::progress, this, &AllSave::progress);
    connect(&writer, &ProfileWriter::notice, this, [this](const QString &title, const QString &text) {
        if (parts.warn)
            parts.warn(title, text);
    });
    const bool ok = writer.run();
    running = false;
    emit finished(ok, profile);
    if (!ok)
        tell(failureText(writer));
}

QString AllSave::failureText(const ProfileWriter &writer) const
{
    if (writer.nothingReached())
        return parts.strings->message(MessageTexts::AllSaveNoMouse);
    // The names the pages show, in the interface's language.
    const QStringList captions = parts.captions ? parts.captions() : QStringList();
    const auto caption = [&](int index, const QString &fallback) {
        const QString c = captions.value(index);
        return c.isEmpty() ? fallback : c;
    };
    QStringList lines;
    for (const ProfileWriter::Step &step : writer.failed()) {
        using Item = ProfileWriter::Item;
        QString line;
        switch (step.item) {
        case Item::ReportRate: line = caption(100, step.text()); break;
        case Item::DpiSet: line = caption(104, step.text()); break;
        case Item::DpiStage: line = caption(160, step.text()); break;
        case Item::IndicatorColors: line = caption(105, step.text()); break;
        case Item::LightColors: line = caption(76, step.text()); break;
        case Item::LightEffect: line = caption(7, step.text()); break;
        case Item::KeyMatrix: line = caption(161, step.text()); break;
        case Item::ScrollSwap: line = caption(108, step.text()); break;
        case Item::HostPointer: line = step.text(); break;
        case Item::Macro: {
            QStringList quoted;
            for (const QString &name : step.macros)
                quoted.append(QStringLiteral("\"%1\"").arg(name));
            const QString slot = caption(162, QStringLiteral("SLOT %1")).arg(step.slot + 1);
            line = caption(44, QStringLiteral("MACRO")) + QLatin1Char(' ') + quoted.join(QStringLiteral(", "))
                   + QStringLiteral(" (") + slot + QLatin1Char(')');
            break;
        }
        }
        lines.append(QStringLiteral("- ") + line);
    }
    return parts.strings->message(MessageTexts::AllSaveFailed).arg(lines.join(QLatin1Char('\n')));
}
