// F1's live copy of the pointer position into the X and Y boxes.
#pragma once

void toggleCapture();
void onCaptureTick();
