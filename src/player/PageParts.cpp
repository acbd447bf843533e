// Pieces shared by the exercise pages.
#include "player/PageParts.h"

#include <algorithm>

#include "player/TextPagePlaces.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

TImage* HiddenPicture(TControl* parent, const AnsiString& name, int left, int top, const AnsiString& art) {
    TImage* image = MakePicture(parent, name, art.empty() ? name : art, left, top);
    image->Hide();
    return image;
}

TImage* VerdictPicture(TPanel* panel, const AnsiString& name, int top, int height) {
    height = std::max(height, ArtworkSize("ToutBon").height());
    auto* image = new TImage(panel, name);
    image->SetBounds(24, top, 745, height);
    image->SetCenter(true);
    image->Hide();
    panel->SetHeight(std::max(panel->Height(), top + height));
    return image;
}

void PlaceBelowStatement(TControl* panel, const TLabel* statement) {
    panel->SetTop(statement->Top() + statement->Height() + 27);
}

void PlaceColourNote(TImage* note, const TControl* panel, const std::vector<TLabel*>& words) {
    int top = kColourNoteTop;
    for (const TLabel* word : words) top = std::max(top, panel->Top() + word->Top() + word->Height());
    // The verdict is what the learner reads first: the note yields to it.
    note->SetTop(std::min(top, kLowestWordBottom));
    note->SetTransparent(true);
}
