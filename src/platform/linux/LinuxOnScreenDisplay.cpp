#include "platform/OnScreenDisplay.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcOsd, "mousecfg.osd")

namespace {

// Without a companion the texts go to the debug log only.
class LoggingOnScreenDisplay : public OnScreenDisplay
{
public:
    void showText(const QString& text, const QColor&) override { qCDebug(lcOsd).noquote() << "OSD:" << text; }
};

} // namespace

std::unique_ptr<OnScreenDisplay> createOnScreenDisplay(const QString&)
{
    return std::make_unique<LoggingOnScreenDisplay>();
}
