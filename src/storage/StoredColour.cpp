#include "storage/StoredColour.h"

#include <cstring>

namespace {

// QColor starts with its colour model; reading it through QColor's own
// accessors is undefined when the number is not one of the enumerators.
static_assert(sizeof(QColor::Spec) == sizeof(int), "QColor keeps its model as an int-sized enum");

bool hasKnownModel(const QVariant& value)
{
    int model = 0;
    std::memcpy(&model, value.constData(), sizeof model);
    return model >= QColor::Invalid && model <= QColor::ExtendedRgb;
}

} // namespace

QColor StoredColour::fromVariant(const QVariant& value)
{
    if (value.userType() == QMetaType::QColor)
        return hasKnownModel(value) ? value.value<QColor>() : QColor();
    // A text that names a colour converts; anything else gives no colour.
    return value.canConvert<QColor>() ? value.value<QColor>() : QColor();
}
