// SPDX-License-Identifier: MIT
// Recoil tables of the press-gun page under ./modules/gun/.
#include "RecoilStore.h"
#include "myQQuickView.h"

RecoilStore::RecoilStore(myQQuickView *view) : QObject(view), view(view) {}
