// The user's choice of the start/stop key.
#pragma once

void onStartKeySelected();
