#include "platform/OnScreenDisplay.h"

namespace {

class SilentOnScreenDisplay : public OnScreenDisplay
{
public:
    void showText(const QString&, const QColor&) override {}
};

} // namespace

std::unique_ptr<OnScreenDisplay> createOnScreenDisplay(const QString&)
{
    return std::make_unique<SilentOnScreenDisplay>();
}
