// The one conversion that asks the system: the current local date and time.
#include "platform/platform.h"
#include "schedule/conversions.h"

DateTime currentDateTime() { return dateTimeFromLocalTime(platform::localTime()); }
