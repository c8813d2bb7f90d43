// Coordinate capture.
#include "clicker/coordinate_capture.h"

#include "app/control_properties.h"
#include "app/program_state.h"
#include "clicker/pointer.h"
#include "clicker/timer_control.h"
#include "schedule/conversions.h"

namespace {
constexpr std::int32_t kCapturePeriod = 10;
}

void toggleCapture() {
    if (captureArmed == 1) {
        writePeriod(Control::CaptureTimer, kCapturePeriod);
        captureArmed = 0;
        setCaption(Control::CaptureStateLabel, Text("已开启！"_gbk));
    } else {
        writePeriod(Control::CaptureTimer, 0);
        captureArmed = 1;
        setCaption(Control::CaptureStateLabel, Text("已关闭！"_gbk));
    }
}

void onCaptureTick() {
    setText(Control::XEdit, integerToText(pointerX()));
    setText(Control::YEdit, integerToText(pointerY()));
}
