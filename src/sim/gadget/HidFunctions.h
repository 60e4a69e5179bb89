#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One HID function of a USB gadget: what the configfs function folder is
// given. Interfaces are numbered in the order the functions are linked.
struct HidFunction
{
    QString name; // the folder below functions/, "hid.<name>"
    int subclass = 0;
    int protocol = 0;
    int reportLength = 0;
    QByteArray reportDescriptor;
};

namespace HidFunctions {

// A boot mouse (three buttons, X and Y): the pointer collection the
// program looks for, usage page 0x0001, usage 0x0002.
HidFunction pointer();
// A boot keyboard, as the receiver has beside its mouse.
HidFunction keyboard();
// The vendor collection (usage page 0xFF00, usage 0xFF00) that carries the
// commands: 32-byte input and output reports without report ids.
HidFunction vendor();

// The receiver's interfaces in its order: pointer 0, keyboard 1, vendor 2.
QVector<HidFunction> receiverLayout();

} // namespace HidFunctions
