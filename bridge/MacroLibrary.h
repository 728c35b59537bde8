// SPDX-License-Identifier: MIT
// Macro files under ./modules/macro/ and the coder that turns step lines into device bytes.
#pragma once
#include <QObject>

class myQQuickView;

class MacroLibrary : public QObject
{
    Q_OBJECT
public:
    explicit MacroLibrary(myQQuickView *view);

private:
    myQQuickView *view;
};
