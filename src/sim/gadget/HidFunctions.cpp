// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/gadget/HidFunctions.h"

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray data;
    for (unsigned char byte : list)
        data.append(char(byte));
    return data;
}

} // namespace

namespace HidFunctions {

HidFunction pointer()
{
    HidFunction f;
    f.name = QStringLiteral("pointer");
    f.subclass = 1; // boot interface
    f.protocol = 2; // mouse
    f.reportLength = 3;
    f.reportDescriptor = bytes({
        0x05, 0x01, // usage page: generic desktop
        0x09, 0x02, // usage: mouse
        0xA1, 0x01, // collection: application
        0x09, 0x01, //   usage: pointer
        0xA1, 0x00, //   collection: physical
        0x05, 0x09, //     usage page: buttons
        0x19, 0x01, //     usage minimum 1
        0x29, 0x03, //     usage maximum 3
        0x15, 0x00, //     logical minimum 0
        0x25, 0x01, //     logical maximum 1
        0x95, 0x03, //     report count 3
        0x75, 0x01, //     report size 1
        0x81, 0x02, //     input: data, variable, absolute
        0x95, 0x01, //     report count 1
        0x75, 0x05, //     report size 5
        0x81, 0x03, //     input: constant (padding)
        0x05, 0x01, //     usage page: generic desktop
        0x09, 0x30, //     usage: X
        0x09, 0x31, //     usage: Y
        0x15, 0x81, //     logical minimum -127
        0x25, 0x7F, //     logical maximum 127
        0x75, 0x08, //     report size 8
        0x95, 0x02, //     report count 2
        0x81, 0x06, //     input: data, variable, relative
        0xC0,       //   end collection
        0xC0,       // end collection
    });
    return f;
}

HidFunction vendor()
{
    HidFunction f;
    f.name = QStringLiteral("vendor");
    f.reportLength = 32;
    f.reportDescriptor = bytes({
        0x06, 0x00, 0xFF, // usage page: vendor 0xFF00
        0x0A, 0x00, 0xFF, // usage: 0xFF00
        0xA1, 0x01,       // collection: application
        0x09, 0x01,       //   usage 1
        0x15, 0x00,       //   logical minimum 0
        0x26, 0xFF, 0x00, //   logical maximum 255
        0x75, 0x08,       //   report size 8
        0x95, 0x20,       //   report count 32
        0x81, 0x02,       //   input: data, variable, absolute
        0x09, 0x02,       //   usage 2
        0x95, 0x20,       //   report count 32
        0x91, 0x02,       //   output: data, variable, absolute
        0xC0,             // end collection
    });
    return f;
}

HidFunction placeholder()
{
    HidFunction f;
    f.type = QStringLiteral("Loopback");
    f.name = QStringLiteral("keyboard");
    return f;
}

QVector<HidFunction> receiverLayout()
{
    return {pointer(), placeholder(), vendor()};
}

} // namespace HidFunctions
