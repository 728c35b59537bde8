// SPDX-License-Identifier: MIT
// Chooses the pointer back end of the running desktop.
#include "PointerBackend.h"
#include "PointerBackendGnome.h"
#include "PointerBackendX11.h"
#include <QByteArray>
#include <QDebug>

std::unique_ptr<PointerBackend> PointerBackend::createForDesktop()
{
    const bool gnomeDesktop = qgetenv("XDG_CURRENT_DESKTOP").toLower().contains("gnome");
    std::unique_ptr<PointerBackend> backend;
    if (gnomeDesktop)
        backend = createGnomePointerBackend();
    if (!backend)
        backend = createX11PointerBackend();
    // Without an X display (a Wayland session, say) GNOME's settings are still the
    // place a compositor reads pointer settings from.
    if (!backend && !gnomeDesktop)
        backend = createGnomePointerBackend();
    qDebug().noquote() << "Pointer settings:" << (backend ? backend->name() : QStringLiteral("none"));
    return backend;
}
