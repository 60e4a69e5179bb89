#include "SvgEdit.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QString idOf(const QXmlStreamReader& reader)
{
    return reader.attributes().value(QLatin1String("id")).toString();
}

QXmlStreamAttributes filled(const QXmlStreamAttributes& attributes, const QString& colour)
{
    static const QRegularExpression styleFill(QStringLiteral("(^|;)\\s*fill\\s*:[^;]*"));
    QXmlStreamAttributes result;
    for (const QXmlStreamAttribute& attribute : attributes) {
        const QString name = attribute.qualifiedName().toString();
        if (name == QLatin1String("fill"))
            continue;
        QString value = attribute.value().toString();
        if (name == QLatin1String("style"))
            value.replace(styleFill, QStringLiteral("\\1fill:") + colour);
        result.append(name, value);
    }
    result.append(QStringLiteral("fill"), colour);
    return result;
}

void writeStartElement(QXmlStreamWriter& writer, const QXmlStreamReader& reader,
                       const QXmlStreamAttributes& attributes)
{
    writer.writeStartElement(reader.qualifiedName().toString());
    writer.writeAttributes(attributes);
}

// Copies the document token by token; `edit` may write a start element itself
// (returning true) or ask to drop it with its content (returning false after
// setting `drop`).
template <typename Edit> QByteArray rewrite(const QByteArray& svg, Edit edit)
{
    QByteArray out;
    QXmlStreamReader reader(svg);
    // Names and namespace declarations pass through as written: the writer
    // would otherwise invent prefixes for the SVG namespace.
    reader.setNamespaceProcessing(false);
    QXmlStreamWriter writer(&out);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            return QByteArray();
        if (reader.isStartElement()) {
            bool drop = false;
            if (edit(reader, writer, drop))
                continue;
            if (drop) {
                reader.skipCurrentElement();
                continue;
            }
        }
        writer.writeCurrentToken(reader);
    }
    return out;
}

} // namespace

namespace SvgEdit {

QStringList ids(const QByteArray& svg, const QRegularExpression& pattern)
{
    QStringList found;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString id = idOf(reader);
        if (!id.isEmpty() && pattern.match(id).hasMatch())
            found << id;
    }
    return found;
}

QByteArray withoutElement(const QByteArray& svg, const QString& id)
{
    return rewrite(svg, [&](QXmlStreamReader& reader, QXmlStreamWriter&, bool& drop) {
        drop = idOf(reader) == id;
        return false;
    });
}

QByteArray withFill(const QByteArray& svg, const QString& id, const QString& colour)
{
    return rewrite(svg, [&](QXmlStreamReader& reader, QXmlStreamWriter& writer, bool&) {
        if (idOf(reader) != id)
            return false;
        writeStartElement(writer, reader, filled(reader.attributes(), colour));
        return true;
    });
}

} // namespace SvgEdit
