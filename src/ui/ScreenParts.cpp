// The building blocks the screens are laid out with.
#include "ui/ScreenParts.h"

#include "ui/Artwork.h"

TImage* MakePicture(TControl* parent, const AnsiString& name, const AnsiString& art,
                    int left, int top, int width, int height) {
    auto* image = new TImage(parent, name);
    if (!art.empty()) SetArtwork(image->Picture(), art);
    QSize size = art.empty() ? QSize() : ArtworkSize(art);
    if (size.isEmpty()) size = QSize(40, 40);
    image->SetBounds(left, top, width > 0 ? width : size.width(), height > 0 ? height : size.height());
    return image;
}

TLabel* HotLabel(TControl* parent, const AnsiString& name, int left, int top, int width, int height) {
    auto* label = new TLabel(parent, name);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetCursor(TCursor::HandPoint);
    label->SetBounds(left, top, width, height);
    return label;
}

TLabel* CommandLabel(TControl* parent, const AnsiString& name, const TImage* face) {
    return HotLabel(parent, name, face->Left(), face->Top(), face->Width(), face->Height());
}

std::tuple<TImage*, TLabel*, TImage*, TImage*> MakePictureButton(
    TControl* parent, const PictureButtonNames& names, const AnsiString& normalArt,
    const AnsiString& hoveredArt, int left, int top) {
    TImage* face = MakePicture(parent, names.face, normalArt, left, top);
    TLabel* label = CommandLabel(parent, names.label, face);
    TImage* normal = MakePicture(parent, names.normal, normalArt, 0, 0, face->Width(), face->Height());
    TImage* hovered = MakePicture(parent, names.hovered, hoveredArt, 0, 0, face->Width(), face->Height());
    normal->Hide();
    hovered->Hide();
    return {face, label, normal, hovered};
}

TLabel* TextLabel(TControl* parent, const AnsiString& name, int left, int top, const AnsiString& font,
                  int px, int style, TColor colour, const AnsiString& caption) {
    auto* label = new TLabel(parent, name);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetTransparent(true);
    TFont look;   // set at once: the label takes one new font, not four
    look.SetName(font);
    look.SetHeight(px);
    look.SetStyle(style);
    look.SetColor(colour);
    label->Font().Assign(look);
    label->SetCaption(caption);
    return label;
}

TLabel* FixedLabel(TLabel* label, int left, int top, int width, int height, TAlignment alignment) {
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, height);
    label->SetAlignment(alignment);
    return label;
}

TPanel* MakePanel(TControl* parent, const AnsiString& name, int left, int top, int width,
                  int height, TColor colour) {
    auto* panel = new TPanel(parent, name);
    panel->SetBounds(left, top, width, height);
    panel->SetColor(colour);
    panel->SetBevelOuter(TBevelCut::None);
    panel->SetShowCaption(false);
    return panel;
}
