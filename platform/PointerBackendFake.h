// SPDX-License-Identifier: MIT
// Pointer back end for tests: records every host call and answers with configurable
// results, keeping the mouse parameters like a host would.
#pragma once
#include "PointerBackend.h"
#include <QList>
#include <QStringList>
#include <memory>

class PointerBackendFake : public PointerBackend
{
public:
    struct Call {
        QString op;          // "setMouseSpeed", "setWheelScrollLines", "setDoubleClickTime", "getMouse", "setMouse"
        QList<int> args;
    };
    // Shared with the test after the back end has been handed over.
    struct State {
        QList<Call> calls;
        int mouse[3] = {6, 10, 1};
        QStringList failing;   // operations that fail
    };

    explicit PointerBackendFake(std::shared_ptr<State> state = std::make_shared<State>()) : st(std::move(state)) {}
    std::shared_ptr<State> state() const { return st; }

    QString name() const override { return QStringLiteral("fake"); }
    bool setMouseSpeed(int speed) override { return record("setMouseSpeed", {speed}); }
    bool setWheelScrollLines(int lines) override { return record("setWheelScrollLines", {lines}); }
    bool setDoubleClickTime(int ms) override { return record("setDoubleClickTime", {ms}); }
    bool getMouse(int params[3]) override
    {
        if (!record("getMouse", {}))
            return false;
        for (int i = 0; i < 3; ++i)
            params[i] = st->mouse[i];
        return true;
    }
    bool setMouse(const int params[3]) override
    {
        if (!record("setMouse", {params[0], params[1], params[2]}))
            return false;
        for (int i = 0; i < 3; ++i)
            st->mouse[i] = params[i];
        return true;
    }

private:
    bool record(const char *op, QList<int> args)
    {
        st->calls.append({QString::fromLatin1(op), std::move(args)});
        return !st->failing.contains(QString::fromLatin1(op));
    }
    std::shared_ptr<State> st;
};
