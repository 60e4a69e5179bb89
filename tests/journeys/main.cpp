// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditJourneys.h"
#include "LibraryJourneys.h"
#include "MacroJourneys.h"
#include "ReachTest.h"
#include "support/TestClasses.h"

#include <QApplication>

// CTest runs the pointer's reach again at scale 2 by naming its function.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ReachTest reach;
    EditJourneys edits;
    LibraryJourneys library;
    MacroJourneys macros;
    return runTestClasses({&reach, &edits, &library, &macros}, argc, argv);
}
