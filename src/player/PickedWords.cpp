// Words to pick out: what counts as found and wrong, and the points.
#include "player/PickedWords.h"

#include <algorithm>

namespace {

constexpr TColor kPicked = 0xFF0000;   // blue
constexpr TColor kFound = 0x008000;    // green
constexpr TColor kWrong = 0x0000FF;    // red

}  // namespace

bool IsWordToFind(const AnsiString& hint) {
    // The body before the line flag ("#0" or "#1").
    return hint.size() > 2 && hint.compare(0, hint.size() - 2, "0") == 0;
}

bool IsPickedColour(TColor colour) {
    return colour == kPicked || colour == kFound || colour == kWrong;
}

TColor ColourAfterClick(TColor colour) {
    return IsPickedColour(colour) ? clBlack : kPicked;
}

PickMark MarkOfWord(bool toFind, bool picked, bool correcting) {
    if (picked) return toFind ? PickMark::Found : PickMark::Wrong;
    return toFind && correcting ? PickMark::Missed : PickMark::AsItIs;
}

void PickCount::Add(bool isToFind, bool picked) {
    if (isToFind) ++toFind;
    if (picked) ++(isToFind ? found : wrong);
}

int PickPoints(const PickCount& count) {
    if (count.toFind == 0) return 0;
    return std::max(0, count.found - count.wrong) * 10 / count.toFind;
}
