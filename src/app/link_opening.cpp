// The fallback chain for opening a link.
#include "app/link_opening.h"

#include "platform/platform.h"

namespace {

constexpr std::intptr_t kShellSuccessAbove = 32;

bool openWithWebPageProgram(const Text& target) {
    Text fileType;
    if (!platform::readClassesRootDefault(".htm", fileType)) return false;
    Text commandLine;
    if (!platform::readClassesRootDefault(fileType + "\\shell\\open\\command", commandLine))
        return false;
    const Text command = commandBeforePlaceholder(commandLine) + " " + target;
    return platform::winExec(command) > kShellSuccessAbove;
}

}  // namespace

Text commandBeforePlaceholder(const Text& commandLine) {
    std::size_t cut = commandLine.find("\"%1\"");
    if (cut == Text::npos) cut = commandLine.find("%1");
    return cut == Text::npos ? commandLine : commandLine.substr(0, cut);
}

bool openLinkTarget(const Text& target) {
    if (target.empty()) return false;
    if (platform::shellOpen(target) > kShellSuccessAbove) return true;
    return openWithWebPageProgram(target);
}
