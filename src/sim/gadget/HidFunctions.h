// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One function of a USB gadget: what its configfs folder is given.
// Interfaces are numbered in the order the functions are linked.
struct HidFunction
{
    // The function driver: "hid", or "Loopback" for an interface that only
    // holds its place (the host binds no driver to it).
    QString type = QStringLiteral("hid");
    QString name; // the folder below functions/, "<type>.<name>"
    int subclass = 0;
    int protocol = 0;
    int reportLength = 0;
    QByteArray reportDescriptor;
};

namespace HidFunctions {

// A boot mouse (three buttons, X and Y): the pointer collection the
// program looks for, usage page 0x0001, usage 0x0002.
HidFunction pointer();
// The vendor collection (usage page 0xFF00, usage 0xFF00) that carries the
// commands: 32-byte input and output reports without report ids.
HidFunction vendor();

// Holds interface 1, where the receiver has its keyboard: the kernel's HID
// function allows four instances in all, and the two identities need their
// pointer and vendor interfaces. The program never looks at the keyboard.
HidFunction placeholder();

// The receiver's interfaces in its order: pointer 0, keyboard 1 (its place
// held), vendor 2.
QVector<HidFunction> receiverLayout();

} // namespace HidFunctions
