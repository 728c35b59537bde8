// SPDX-License-Identifier: MIT
// Language files under ./modules/i18n/: language list, interface strings, key labels.
#pragma once
#include <QObject>

class myQQuickView;

class Localisation : public QObject
{
    Q_OBJECT
public:
    explicit Localisation(myQQuickView *view);

private:
    myQQuickView *view;
};
