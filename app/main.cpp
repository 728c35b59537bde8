// SPDX-License-Identifier: MIT
// Entry point (placeholder until the application shell is built).
#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0;
}
