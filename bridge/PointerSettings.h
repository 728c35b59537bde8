// SPDX-License-Identifier: MIT
// Host pointer settings (cursor speed, wheel lines, double-click, acceleration) mirrored in the profile.
#pragma once
#include <QObject>

class myQQuickView;

class PointerSettings : public QObject
{
    Q_OBJECT
public:
    explicit PointerSettings(myQQuickView *view);

private:
    myQQuickView *view;
};
