#pragma once
// The small building blocks every screen is laid out with: pictures from the artwork,
// the transparent labels that take the mouse over a command face, text labels and
// plain panels.
#include <tuple>

#include "platform/Forms.h"

// A picture showing the artwork `art` (none when `art` is empty); without a width and
// height it takes the picture's own size (40 x 40 when there is no such picture).
TImage* MakePicture(TControl* parent, const AnsiString& name, const AnsiString& art,
                    int left, int top, int width = 0, int height = 0);
// A transparent label with a hand cursor that takes the clicks and the hover of what
// lies under it.
TLabel* HotLabel(TControl* parent, const AnsiString& name, int left, int top, int width, int height);
// The same over a command face, at the face's place and size.
TLabel* CommandLabel(TControl* parent, const AnsiString& name, const TImage* face);
// A picture button: its face showing the artwork `normalArt`, the transparent label
// over it, and the two hidden twins the hover swaps into the face (normal, hovered).
struct PictureButtonNames {
    const char* face;
    const char* label;
    const char* normal;
    const char* hovered;
};
std::tuple<TImage*, TLabel*, TImage*, TImage*> MakePictureButton(
    TControl* parent, const PictureButtonNames& names, const AnsiString& normalArt,
    const AnsiString& hoveredArt, int left, int top);
// A transparent text label sized to its caption.
TLabel* TextLabel(TControl* parent, const AnsiString& name, int left, int top, const AnsiString& font,
                  int px, int style, TColor colour, const AnsiString& caption);
// A label at a fixed place and size, its text aligned within.
TLabel* FixedLabel(TLabel* label, int left, int top, int width, int height, TAlignment alignment);
// A panel of one colour, without bevel or caption.
TPanel* MakePanel(TControl* parent, const AnsiString& name, int left, int top, int width,
                  int height, TColor colour);
