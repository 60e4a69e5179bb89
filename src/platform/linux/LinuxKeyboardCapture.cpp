#include "platform/KeyboardCapture.h"

namespace {

// Keyboard capture is not offered on this system yet: start() says so.
class UnavailableKeyboardCapture : public KeyboardCapture
{
public:
    bool start(QWindow*) override { return false; }
    void stop() override {}
    bool isActive() const override { return false; }
};

} // namespace

std::unique_ptr<KeyboardCapture> createKeyboardCapture()
{
    return std::make_unique<UnavailableKeyboardCapture>();
}
