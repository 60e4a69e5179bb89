// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/gadget/UsbGadget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray hex4(quint16 value)
{
    return "0x" + QByteArray::number(value, 16).rightJustified(4, '0');
}

QString functionFolder(const HidFunction& function)
{
    return function.type + QLatin1Char('.') + function.name;
}

QByteArray readTrimmed(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

} // namespace

QStringList UsbGadget::controllers()
{
    QStringList names = QDir(QStringLiteral("/sys/class/udc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

UsbGadget::UsbGadget(const QString& name, const UsbIdentity& identity, const QVector<HidFunction>& functions,
                     const QString& root)
    : m_dir(root + QLatin1Char('/') + name), m_identity(identity), m_functions(functions)
{
}

UsbGadget::~UsbGadget()
{
    remove();
}

QString UsbGadget::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir : m_dir + QLatin1Char('/') + relative;
}

// A configfs attribute takes its value in one write; a buffered stream
// could split a report descriptor into pieces the kernel reads as two.
bool UsbGadget::writeAttribute(const QString& relative, const QByteArray& value, QString& error) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(value) != value.size()) {
        error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

bool UsbGadget::makeFolder(const QString& relative, QString& error)
{
    if (!QDir().mkdir(path(relative))) {
        error = QStringLiteral("cannot create %1 (is configfs mounted and libcomposite loaded?)")
                    .arg(path(relative));
        return false;
    }
    m_folders.append(relative);
    return true;
}

bool UsbGadget::create(QString& error)
{
    if (QFileInfo::exists(m_dir)) {
        error = QStringLiteral("%1 exists already; another gadget has that name").arg(m_dir);
        return false;
    }
    const QString strings = QStringLiteral("strings/0x409");
    const QString config = QStringLiteral("configs/c.1");
    bool ok = makeFolder(QString(), error) && writeAttribute("idVendor", hex4(m_identity.vendorId), error) &&
              writeAttribute("idProduct", hex4(m_identity.productId), error) &&
              writeAttribute("bcdDevice", hex4(m_identity.release), error) &&
              writeAttribute("bcdUSB", "0x0200", error) && makeFolder(strings, error) &&
              writeAttribute(strings + "/manufacturer", m_identity.manufacturer.toUtf8(), error) &&
              writeAttribute(strings + "/product", m_identity.product.toUtf8(), error) &&
              writeAttribute(strings + "/serialnumber", m_identity.serial.toUtf8(), error) &&
              makeFolder(config, error) && makeFolder(config + "/strings/0x409", error) &&
              writeAttribute(config + "/strings/0x409/configuration", "HID", error) &&
              writeAttribute(config + "/MaxPower", "100", error);
    for (const HidFunction& function : m_functions) {
        const QString folder = QStringLiteral("functions/") + functionFolder(function);
        ok = ok && makeFolder(folder, error);
        if (function.type != QLatin1String("hid"))
            continue;
        ok = ok && writeAttribute(folder + "/subclass", QByteArray::number(function.subclass), error) &&
             writeAttribute(folder + "/protocol", QByteArray::number(function.protocol), error) &&
             writeAttribute(folder + "/report_length", QByteArray::number(function.reportLength), error) &&
             writeAttribute(folder + "/report_desc", function.reportDescriptor, error);
    }
    // Linked in order: the first function linked becomes interface 0.
    for (const HidFunction& function : m_functions) {
        if (!ok)
            break;
        const QString link = config + QLatin1Char('/') + functionFolder(function);
        ok = QFile::link(path(QStringLiteral("functions/") + functionFolder(function)), path(link));
        if (ok)
            m_links.append(link);
        else
            error = QStringLiteral("cannot link %1").arg(path(link));
    }
    if (!ok)
        remove();
    return ok;
}

void UsbGadget::remove()
{
    QString ignored;
    if (isBound())
        unbind(ignored);
    while (!m_links.isEmpty())
        QFile::remove(path(m_links.takeLast()));
    while (!m_folders.isEmpty())
        QDir().rmdir(path(m_folders.takeLast()));
}

bool UsbGadget::bind(const QString& controller, QString& error)
{
    return writeAttribute(QStringLiteral("UDC"), controller.toUtf8(), error);
}

bool UsbGadget::unbind(QString& error)
{
    return writeAttribute(QStringLiteral("UDC"), "\n", error);
}

bool UsbGadget::isBound() const
{
    return !m_folders.isEmpty() && !readTrimmed(path(QStringLiteral("UDC"))).isEmpty();
}

QString UsbGadget::deviceNode(int index) const
{
    if (index < 0 || index >= m_functions.size())
        return QString();
    // The function reports its device number; the class folder names the node.
    const QByteArray number =
        readTrimmed(path(QStringLiteral("functions/") + functionFolder(m_functions[index]) + "/dev"));
    const QDir classDir(QStringLiteral("/sys/class/hidg"));
    for (const QString& node : classDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!number.isEmpty() && readTrimmed(classDir.filePath(node) + QStringLiteral("/dev")) == number)
            return QStringLiteral("/dev/") + node;
    }
    return QString();
}
