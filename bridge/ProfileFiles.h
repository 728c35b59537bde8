// SPDX-License-Identifier: MIT
// Application settings and the ten profile files: keys, defaults, import, export, reset.
#pragma once
#include <QList>
#include <QObject>

class QSettings;
class myQQuickView;

class ProfileFiles : public QObject
{
    Q_OBJECT
public:
    explicit ProfileFiles(myQQuickView *view);

    QSettings *apConfig() const;         // the open application settings
    QSettings *currentProfile() const;   // profile [currentIndex()]
    QSettings *profile(int index) const;
    int currentIndex() const;
    void setCurrentIndex(int index);

private:
    myQQuickView *view;
};
