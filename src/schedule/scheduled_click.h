// Clicking at the captured point from a set time of day.
#pragma once

void onScheduleButton();
void onUpdateTimeButton();
void onScheduleTick();
void stopScheduledClick();
void onMinuteEditLostFocus();

void resetScheduleState();
