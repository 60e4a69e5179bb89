// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

// Runs the test classes of one area one after the other; the result counts
// the classes that failed. A test function named on the command line runs
// in its own class, and only the classes with such a function run; every
// other argument goes to each class.
int runTestClasses(const QVector<QObject*>& tests, int argc, char** argv);
