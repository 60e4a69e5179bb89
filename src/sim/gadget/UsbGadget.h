// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/gadget/HidFunctions.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// What a gadget tells the host about itself in its device descriptor.
struct UsbIdentity
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 release = 0; // bcdDevice
    QString manufacturer;
    QString product;
    QString serial;
};

// One USB device made of HID functions, built in the kernel's gadget
// configfs (libcomposite with usb_f_hid). Binding it to a device controller
// plugs it in; unbinding pulls it out. The functions' /dev/hidgN nodes stay
// while the gadget exists, bound or not.
class UsbGadget
{
public:
    static QString defaultRoot() { return QStringLiteral("/sys/kernel/config/usb_gadget"); }
    // The device controllers of this system (dummy_udc.0, ...), sorted.
    static QStringList controllers();

    UsbGadget(const QString& name, const UsbIdentity& identity, const QVector<HidFunction>& functions,
              const QString& root = defaultRoot());
    ~UsbGadget();

    UsbGadget(const UsbGadget&) = delete;
    UsbGadget& operator=(const UsbGadget&) = delete;

    // Creates the gadget's folders; false with a reason when the kernel
    // refuses (no configfs, no libcomposite, a gadget of that name exists).
    bool create(QString& error);
    // Unbinds and removes every folder create() made.
    void remove();

    bool bind(const QString& controller, QString& error);
    bool unbind(QString& error);
    bool isBound() const;

    // The character device of function index ("/dev/hidg2"); empty when it
    // cannot be found.
    QString deviceNode(int index) const;
    const UsbIdentity& identity() const { return m_identity; }

private:
    QString path(const QString& relative) const;
    bool writeAttribute(const QString& relative, const QByteArray& value, QString& error) const;
    bool makeFolder(const QString& relative, QString& error);

    const QString m_dir;
    const UsbIdentity m_identity;
    const QVector<HidFunction> m_functions;
    // What create() made, in order, so that remove() takes it apart in reverse.
    QStringList m_folders;
    QStringList m_links;
};
