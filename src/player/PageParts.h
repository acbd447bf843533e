#pragma once
// Pieces shared by the exercise pages of the player: their panel colour, the hidden
// pictures a page keeps to copy from, the verdict banner, the place of the panel
// under a statement that wraps and the note of a corrected text clear of its words.
#include <array>
#include <vector>

#include "platform/Forms.h"

inline constexpr TColor kPagePanelColor = 0xB0968C;

// A hidden picture showing the artwork `art` (by default the component's own name).
TImage* HiddenPicture(TControl* parent, const AnsiString& name, int left, int top,
                      const AnsiString& art = "");
// The verdict banner of a page (745 wide, Left 24), hidden until the correction; it is
// never lower than the banners the correction copies into it, and its panel grows to
// hold it.
TImage* VerdictPicture(TPanel* panel, const AnsiString& name, int top, int height);
// The panel starts 27 pixels under the statement, whose height follows its text.
void PlaceBelowStatement(TControl* panel, const TLabel* statement);
// The note of a corrected text (what its colours mean) stands at kColourNoteTop of the
// page (TextPagePlaces.h), or lower, just under the lowest word of the text panel when
// the text reaches that far; the page shows around its card. It never covers the
// verdict banner under it: a text running down to the banner (which the builder
// refuses, but a record may hold) has the note just above the banner, over its last
// words.
void PlaceColourNote(TImage* note, const TControl* panel, const std::vector<TLabel*>& words);

// The number n of the numbered pair of components (a[n], b[n]) that `sender` is, 0
// when it is none of them (index 0 of such arrays stays null).
template <class T, size_t S>
int NumberOf(const TObject* sender, const std::array<T*, S>& a, const std::array<T*, S>& b) {
    for (size_t n = 1; n < S; ++n)
        if (sender && (a[n] == sender || b[n] == sender)) return static_cast<int>(n);
    return 0;
}
