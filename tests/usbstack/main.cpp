// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTest.h"
#include "WindowTest.h"

#include <QApplication>
#include <QtTest>

// The real-stack tests: they need the gadget server running (see guest.sh)
// and are run by scripts/test-usb.sh in a virtual machine, not by CTest.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    ToolTest tool;
    failed += QTest::qExec(&tool, argc, argv) != 0;
    WindowTest window;
    failed += QTest::qExec(&window, argc, argv) != 0;
    return failed;
}
