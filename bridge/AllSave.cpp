// SPDX-License-Identifier: MIT
// "ALL SAVE" of the bottom strip (see AllSave.h).
#include "AllSave.h"
#include "Hid_Thread.h"
#include "Localisation.h"
#include "MessageTexts.h"
#include "ProfileFiles.h"
#include "ProfileWriter.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QQuickItem>
#include <QTimer>

AllSave::AllSave(myQQuickView *view) : QObject(view), view(view) {}

bool AllSave::begin()
{
    if (running)
        return false;
    if (!view->hid || !view->hid->commandInterfaceOpens()) {
        emit finished(false, view->files ? view->files->currentIndex() : 0);
        UserDialogs::warning(nullptr, tr("%1").arg(view->messageTexts.value(4)),
                             view->lang->message(MessageTexts::AllSaveNoMouse), QMessageBox::Ok);
        return false;
    }
    view->deviceWrites.held = true;
    // Never left held: a page that fails half way must not silence the mouse for good.
    QTimer::singleShot(0, this, [this] { view->deviceWrites.held = false; });
    return true;
}

bool AllSave::start()
{
    view->deviceWrites.held = false;
    if (running || !view->files)
        return false;
    running = true;
    const int profile = view->files->currentIndex();
    QTimer::singleShot(0, this, [this, profile] { run(profile); });
    return true;
}

void AllSave::run(int profile)
{
    ProfileWriter writer({view->hid, view->files->profile(profile), view->recoil, view->pointer});
    connect(&writer, &ProfileWriter::progress, this, &AllSave::progress);
    connect(&writer, &ProfileWriter::notice, this, [](const QString &title, const QString &text) {
        UserDialogs::warning(nullptr, title, text, QMessageBox::Ok);
    });
    const bool ok = writer.run();
    running = false;
    emit finished(ok, profile);
    if (!ok)
        UserDialogs::warning(nullptr, tr("%1").arg(view->messageTexts.value(4)), failureText(writer),
                             QMessageBox::Ok);
}

QString AllSave::failureText(const ProfileWriter &writer) const
{
    if (writer.nothingReached())
        return view->lang->message(MessageTexts::AllSaveNoMouse);
    // The names the pages show, in the interface's language.
    QStringList captions;
    if (QQuickItem *root = view->rootObject())
        captions = root->property("globalSetting_stringList").toStringList();
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
    return view->lang->message(MessageTexts::AllSaveFailed).arg(lines.join(QLatin1Char('\n')));
}
