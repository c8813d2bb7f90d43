// Shell, registry, process and library calls: answers scripted by the test, calls logged.
#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;

// Stand-ins for kernel32's module and its SetProcessWorkingSetSize.
struct ModuleToken {
} kernel32;
void* const kCurrentProcess = reinterpret_cast<void*>(static_cast<std::intptr_t>(-1));

int PLATFORM_WINAPI setProcessWorkingSetSize(void* process, std::size_t minimum,
                                             std::size_t maximum) {
    desktop().workingSetCalls.push_back({process, minimum, maximum});
    return 1;
}

}  // namespace

namespace platform {

std::intptr_t shellOpen(const Text& target) {
    desktop().shellLog.push_back(target);
    return desktop().shellResult;
}

bool readClassesRootDefault(const Text& subKey, Text& value) {
    Desktop& d = desktop();
    d.registryLog.push_back(subKey);
    for (const auto& [key, stored] : d.registry)
        if (equalsIgnoringCase(key, subKey)) {
            value = stored.substr(0, 259);  // a 260-byte buffer with its terminator
            return true;
        }
    return false;
}

unsigned winExec(const Text& commandLine) {
    desktop().winExecLog.push_back(commandLine);
    return desktop().winExecResult;
}

void oleInitialize() { ++desktop().oleInits; }
void oleUninitialize() { ++desktop().oleUninits; }
Text moduleFileName() { return desktop().moduleFileName; }
void setCurrentDirectory(const Text& path) { desktop().currentDirectory = path; }

void exitProcess(int exitCode) { throw sim::ProcessExit{exitCode}; }

Module loadLibrary(const char* name) {
    Desktop& d = desktop();
    ++d.loads;
    const std::string wanted = name ? name : "";
    if (d.failLoadLibrary) return nullptr;
    if (equalsIgnoringCase(wanted, "kernel32.dll") || equalsIgnoringCase(wanted, "kernel32"))
        return reinterpret_cast<Module>(&kernel32);
    return nullptr;
}

void* procAddress(Module module, const char* name) {
    if (module != reinterpret_cast<Module>(&kernel32) || !name || desktop().hideWorkingSetProc)
        return nullptr;
    if (std::string(name) != "SetProcessWorkingSetSize") return nullptr;
    return reinterpret_cast<void*>(&setProcessWorkingSetSize);
}

void freeLibrary(Module module) {
    if (module) ++desktop().frees;
}

void* currentProcess() { return kCurrentProcess; }

}  // namespace platform

namespace sim {

void setShellOpenResult(std::intptr_t result) { detail::desktop().shellResult = result; }
const std::vector<Text>& shellOpenLog() { return detail::desktop().shellLog; }
void setClassesRootDefault(const Text& subKey, const Text& value) {
    detail::desktop().registry.emplace_back(subKey, value);
}
const std::vector<Text>& registryReadLog() { return detail::desktop().registryLog; }
void setWinExecResult(unsigned result) { detail::desktop().winExecResult = result; }
const std::vector<Text>& winExecLog() { return detail::desktop().winExecLog; }
int oleInitializeCount() { return detail::desktop().oleInits; }
int oleUninitializeCount() { return detail::desktop().oleUninits; }
void setModuleFileName(const Text& path) { detail::desktop().moduleFileName = path; }
std::optional<Text> currentDirectory() { return detail::desktop().currentDirectory; }
void failLoadLibrary(bool fail) { detail::desktop().failLoadLibrary = fail; }
void hideSetProcessWorkingSetSize(bool hide) { detail::desktop().hideWorkingSetProc = hide; }
int loadLibraryCount() { return detail::desktop().loads; }
int freeLibraryCount() { return detail::desktop().frees; }
const std::vector<WorkingSetCall>& workingSetCalls() { return detail::desktop().workingSetCalls; }
void* currentProcessHandle() { return kCurrentProcess; }

}  // namespace sim
