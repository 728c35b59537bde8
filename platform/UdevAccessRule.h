// SPDX-License-Identifier: MIT
// The udev rule that gives the logged-in user the mouse's hidraw nodes: whether it is
// installed, and the one command that installs the copy shipped with the program.
#pragma once
#include <QString>
#include <QStringList>

namespace UdevAccessRule {
// File name of the shipped rule.
QString fileName();

// True when a rules file in one of udev's rule folders has a line for the mouse
// (vendor 04d9, product a6c2) that tags it "uaccess".
bool isInstalled();

// The shipped rule: beside the program (the build puts it there), else in the installed
// data folder "../share/r5config"; the first of these when neither exists.
QString shippedRule();

// "sudo cp <rule> /etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger"
QString installCommand();

// Tests: the folders isInstalled() searches (empty: udev's own).
void setRuleFolders(const QStringList &folders);
}
