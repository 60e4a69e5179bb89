// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InterfaceName.h"

#include <QRegularExpression>

namespace {

const int kPrefixLength = 4; // "\\?\"

bool matchKind(const QString& name, const QRegularExpression& pattern, DeviceChange& change, int kind)
{
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    bool vendorOk = false;
    bool productOk = false;
    const quint16 vendorId = match.captured(QStringLiteral("vid")).toUShort(&vendorOk, 16);
    const quint16 productId = match.captured(QStringLiteral("pid")).toUShort(&productOk, 16);
    change.kind = kind;
    // An id that is not hexadecimal matches no identity.
    change.vendorId = vendorOk ? vendorId : 0;
    change.productId = productOk ? productId : 0;
    return true;
}

} // namespace

DeviceChange classifyInterfaceName(const QString& name)
{
    static const QRegularExpression mouse(
        QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})(?:&[^&]+)*&MI_00"));
    static const QRegularExpression vendor(
        QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})(?:&[^&]+)*&MI_02"));

    DeviceChange change;
    change.path = name.toUtf8();
    const QString rest = name.mid(kPrefixLength);
    if (!matchKind(rest, mouse, change, MouseInterface))
        matchKind(rest, vendor, change, VendorInterface);
    return change;
}
