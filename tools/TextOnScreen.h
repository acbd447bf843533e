#pragma once
// Whether the player shows a text exercise so that it can be answered: its text panel
// on the page under the statement, every word of the text inside that panel, every bank
// word whole in its slot.
// The text is laid out with the player's own word labels and layout steps, so a
// QApplication is needed (no screen: the offscreen platform does).
#include <string>

#include "player/ContentCodec.h"

// "" when an exercise of a text kind (typeExo 5 to 8) shows whole, otherwise what the
// learner could not see; the other kinds give "".
std::string TextOnScreenProblem(int typeExo, const ParsedContent& fields);
