#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Small edits of SVG text by element id, as the skin build needs them to make
// the pictures of a model from its one drawing.
namespace SvgEdit {

// The ids of the elements whose id matches the pattern, in document order.
QStringList ids(const QByteArray& svg, const QRegularExpression& pattern);

// The document without the element of this id and everything inside it.
QByteArray withoutElement(const QByteArray& svg, const QString& id);

// The document with the element of this id filled in a colour, whether its
// fill was an attribute or part of its style.
QByteArray withFill(const QByteArray& svg, const QString& id, const QString& colour);

} // namespace SvgEdit
