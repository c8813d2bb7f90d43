// Message boxes: logged, answered by the test from inside the box's own message loop.
#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;

struct OpenBox {
    OpenBox() { ++desktop().openBoxes; }
    ~OpenBox() { --desktop().openBoxes; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

}  // namespace

namespace platform {

int messageBox(const Text& text, const Text& title, std::uint32_t style) {
    Desktop& d = desktop();
    const sim::MessageBoxCall call{text, title, style, d.now, d.openBoxes + 1, 0};
    const std::size_t index = d.boxes.size();
    d.boxes.push_back(call);
    if (d.failBoxes) return 0;
    const Window previousActive = focusToMessageBox();
    int result = sim::kIdOk;
    {
        OpenBox open;
        if (d.answerer) result = d.answerer(call);
    }
    d.boxes[index].result = result;
    focusFromMessageBox(previousActive);
    return result;
}

}  // namespace platform

namespace sim {

void answerMessageBoxes(std::function<int(const MessageBoxCall&)> answerer) {
    detail::desktop().answerer = std::move(answerer);
}

const std::vector<MessageBoxCall>& messageBoxLog() { return detail::desktop().boxes; }

int openMessageBoxes() { return detail::desktop().openBoxes; }

void failMessageBoxes(bool fail) { detail::desktop().failBoxes = fail; }

}  // namespace sim
