// Clock display and memory trim.
#include "schedule/clock_display.h"

#include <cstdint>

#include "app/control_properties.h"
#include "app/fatal_error.h"
#include "platform/platform.h"
#include "schedule/conversions.h"

namespace {

constexpr const char* kLibrary = "kernel32.dll";
constexpr const char* kFunction = "SetProcessWorkingSetSize";

// Bound at the first trim and held for the rest of the run; the library is never freed.
platform::SetProcessWorkingSetSizeFn setWorkingSetSize = nullptr;

platform::SetProcessWorkingSetSizeFn bindWorkingSetSize() {
    platform::Module library = platform::loadLibrary(kLibrary);
    void* address = library ? platform::procAddress(library, kFunction) : nullptr;
    if (!address) {
        if (library) platform::freeLibrary(library);
        fatalError(Text("无法找到指定DLL库文件“"_gbk) + kLibrary + Text("”中的输出命令“"_gbk) +
                   kFunction + Text("”"_gbk));
    }
    return reinterpret_cast<platform::SetProcessWorkingSetSizeFn>(address);
}

}  // namespace

void onClockTick() {
    setCaption(Control::ClockLabel, dateTimeToText(currentDateTime()));
    trimWorkingSet();
}

// Both sizes at all bits set ask the system to drop as many pages as it can.
void trimWorkingSet() {
    if (!setWorkingSetSize) setWorkingSetSize = bindWorkingSetSize();
    setWorkingSetSize(platform::currentProcess(), SIZE_MAX, SIZE_MAX);
}

void resetWorkingSetTrim() { setWorkingSetSize = nullptr; }
