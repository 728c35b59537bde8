// SPDX-License-Identifier: MIT
// Keyboard device settings: the keyboard family's slots.
#pragma once
#include <QObject>

class myQQuickView;

class KeyboardSettings : public QObject
{
    Q_OBJECT
public:
    explicit KeyboardSettings(myQQuickView *view);

private:
    myQQuickView *view;
};
