#pragma once
// The commands of the games screen: a transparent, centred, bold label over a frame
// shape. Entering the label turns its text maroon and its frame green-grey; leaving
// brings back navy on blue. Two text links change their text colour only.
#include "platform/Forms.h"

inline constexpr TColor kTextButtonFill = 12684098;      // 0xC18B42
inline constexpr TColor kTextButtonHoverFill = 6986122;  // 0x6A998A
inline constexpr TColor kTextButtonEdge = 15306620;      // 0xE98F7C
inline constexpr TColor kTextButtonHoverText = 128;      // 0x000080

// The frame of a text command: a rectangle shape whose brush and pen hold its colours,
// painted as a glossy rounded body in those colours.
class TTextButtonFrame : public TShape {
public:
    explicit TTextButtonFrame(TControl* parent, const AnsiString& name);
protected:
    void paintEvent(QPaintEvent* e) override;
};

// A text command: its frame `frameName` at the given place and size, and over it the
// label `labelName` with the caption, wired to the hover colours. The frame is
// returned through `frame`.
TLabel* AddTextButton(TControl* parent, const AnsiString& labelName, const AnsiString& frameName,
                      const AnsiString& caption, int left, int top, int width, int height,
                      TShape*& frame);
// A text link: bold navy, hand cursor, `hoverColour` while the mouse is over it.
TLabel* AddTextLink(TControl* parent, const AnsiString& name, const AnsiString& caption, int left,
                    int top, int px, TColor hoverColour);
