// SPDX-License-Identifier: MIT
// Mouse device settings: QML values to command bytes, mirrored in the current profile.
#pragma once
#include <QObject>

class myQQuickView;

class MouseSettings : public QObject
{
    Q_OBJECT
public:
    explicit MouseSettings(myQQuickView *view);

private:
    myQQuickView *view;
};
