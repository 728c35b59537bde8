// SPDX-License-Identifier: MIT
// Recoil tables of the press-gun page under ./modules/gun/.
#pragma once
#include <QObject>

class myQQuickView;

class RecoilStore : public QObject
{
    Q_OBJECT
public:
    explicit RecoilStore(myQQuickView *view);

private:
    myQQuickView *view;
};
