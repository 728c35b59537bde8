// SPDX-License-Identifier: MIT
// The set of capture claims, each tied to the lifetime of the object that made it.
#include "CaptureClaims.h"
#include <QHash>
#include <QObject>

namespace CaptureClaims {
namespace {
struct State {
    QHash<const QObject *, QMetaObject::Connection> claims;   // consumer -> its destroyed() watch
    std::function<void(bool)> listener;
};
State &state()
{
    static State s;
    return s;
}

void changed(bool wasWanted)
{
    State &s = state();
    const bool isWanted = !s.claims.isEmpty();
    if (isWanted != wasWanted && s.listener)
        s.listener(isWanted);
}
}

void claim(QObject *consumer)
{
    State &s = state();
    if (!consumer || s.claims.contains(consumer))
        return;
    const bool was = !s.claims.isEmpty();
    // Only the address is used once destroyed() runs: it is the key of the claim.
    s.claims.insert(consumer, QObject::connect(consumer, &QObject::destroyed, [consumer] { release(consumer); }));
    changed(was);
}

void release(QObject *consumer)
{
    State &s = state();
    auto it = s.claims.find(consumer);
    if (it == s.claims.end())
        return;
    QObject::disconnect(it.value());
    s.claims.erase(it);
    changed(true);
}

void releaseAll()
{
    State &s = state();
    if (s.claims.isEmpty())
        return;
    for (const QMetaObject::Connection &c : qAsConst(s.claims))
        QObject::disconnect(c);
    s.claims.clear();
    changed(true);
}

bool holds(const QObject *consumer) { return state().claims.contains(consumer); }

int count() { return state().claims.size(); }

void setListener(std::function<void(bool)> listener) { state().listener = std::move(listener); }

}
