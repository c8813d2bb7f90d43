// The hyperlink control: its caption centred, in the normal, hovered or visited colour; a press
// runs the link's handler.
#pragma once

extern const char* const kLinkClassName;

void registerLinkClass();
void setContactLinkVisited(bool visited);
bool contactLinkVisited();
void resetLinkState();
