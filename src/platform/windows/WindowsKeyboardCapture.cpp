#include "platform/KeyboardCapture.h"

namespace {

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
