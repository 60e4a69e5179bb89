// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QStringList>

// What the real-stack tests run: mousecfgctl and the gadget's control
// client, each in a process of its own, so that the process under test has
// nothing of the virtual mouse in it.
namespace RealStack {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QJsonDocument json() const { return QJsonDocument::fromJson(out); }
    // The trace lines of one direction ("W" or "R"), in order.
    QStringList traced(const char* direction) const;
};

// Runs a program of the build's application folder (or any program by path).
Run run(const QString& program, const QStringList& arguments);
Run tool(const QString& appDir, const QStringList& arguments);
// mousecfg-gadget ctl with the given words; QFAIL-style checks are the
// caller's.
Run gadget(const QStringList& words);
// A command to the gadget that must succeed; false (with a warning) if not.
bool control(const QStringList& words);

// The hidraw node of the HID device with these ids whose report descriptor
// has a vendor collection (usage page 0xFF00); empty when none.
QString vendorNode(quint16 vendorId, quint16 productId);
// The node of the unrelated device the gadget server made.
constexpr quint16 kOtherVendorId = 0x1209;
constexpr quint16 kOtherProductId = 0x0009;

} // namespace RealStack
