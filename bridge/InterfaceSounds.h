// SPDX-License-Identifier: MIT
// The five interface sound players and their sequencing.
#pragma once
#include <QObject>

class myQQuickView;

class InterfaceSounds : public QObject
{
    Q_OBJECT
public:
    explicit InterfaceSounds(myQQuickView *view);

private:
    myQQuickView *view;
};
