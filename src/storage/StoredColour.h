#pragma once

#include <QColor>
#include <QVariant>

// Colours as the files keep them: QColor's own serialised form
// ("@Variant(...)") or a text that names a colour.
namespace StoredColour {

// The colour a stored value holds; an invalid colour for anything else.
// A serialised colour whose colour model is none that QColor knows (a
// damaged or hostile file: Qt takes the stored number as it is) also reads
// as invalid, so that no code ever works on such a colour.
QColor fromVariant(const QVariant& value);

} // namespace StoredColour
