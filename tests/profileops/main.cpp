// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplyTest.h"
#include "FirmwareTest.h"
#include "LibraryTest.h"
#include "LookTest.h"
#include "OsdTest.h"

#include <QApplication>
#include <QtTest>

// The area's test classes, one after the other; the exit code counts the
// classes that failed.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    LibraryTest library;
    failed += QTest::qExec(&library, argc, argv) != 0;
    ApplyTest apply;
    failed += QTest::qExec(&apply, argc, argv) != 0;
    OsdTest osd;
    failed += QTest::qExec(&osd, argc, argv) != 0;
    FirmwareTest firmware;
    failed += QTest::qExec(&firmware, argc, argv) != 0;
    LookTest look;
    failed += QTest::qExec(&look, argc, argv) != 0;
    return failed;
}
