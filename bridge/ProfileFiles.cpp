// SPDX-License-Identifier: MIT
// Application settings and the ten profile files (placeholder until built).
#include "ProfileFiles.h"
#include "myQQuickView.h"

ProfileFiles::ProfileFiles(myQQuickView *view) : QObject(view), view(view) {}
QSettings *ProfileFiles::apConfig() const { return nullptr; }
QSettings *ProfileFiles::currentProfile() const { return nullptr; }
QSettings *ProfileFiles::profile(int) const { return nullptr; }
int ProfileFiles::currentIndex() const { return 0; }
void ProfileFiles::setCurrentIndex(int) {}
