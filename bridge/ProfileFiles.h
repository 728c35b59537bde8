// SPDX-License-Identifier: MIT
// Application settings and the ten profile files: keys, defaults, import, export, reset.
#pragma once
#include <QObject>

class myQQuickView;

class ProfileFiles : public QObject
{
    Q_OBJECT
public:
    explicit ProfileFiles(myQQuickView *view);

private:
    myQQuickView *view;
};
