// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessTest.h"
#include "StoreTest.h"
#include "support/TestClasses.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StoreTest store;
    ProcessTest process;
    return runTestClasses({&store, &process}, argc, argv);
}
