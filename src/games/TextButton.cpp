// Text commands and links of the games screen.
#include "games/TextButton.h"

#include <QPainter>

#include "ui/ArtParts.h"
#include "ui/ScreenParts.h"

TTextButtonFrame::TTextButtonFrame(TControl* parent, const AnsiString& name) : TShape(parent, name) {
    Brush().SetColor(kTextButtonFill);
    Pen().SetColor(kTextButtonEdge);
    // The label on top takes the mouse.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TTextButtonFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    art::DrawTextButtonFrame(p, QRectF(rect()), ToQColor(Brush().Color()), ToQColor(Pen().Color()));
}

TLabel* AddTextButton(TControl* parent, const AnsiString& labelName, const AnsiString& frameName,
                      const AnsiString& caption, int left, int top, int width, int height,
                      TShape*& frame) {
    auto* shape = new TTextButtonFrame(parent, frameName);
    shape->SetBounds(left, top, width, height);
    // The whole frame takes the mouse, not only the text; a fixed size measures nothing.
    TLabel* label = HotLabel(parent, labelName, left, top, width, height - 2);
    label->SetAlignment(TAlignment::Center);
    label->SetLayoutCenter(true);
    label->Font().SetName("MS Sans Serif");
    label->Font().SetHeight(11);
    label->Font().SetStyle(fsBold);
    label->Font().SetColor(clNavy);
    label->SetCaption(caption);
    label->OnMouseEnter = [shape](TObject* s) {
        static_cast<TLabel*>(s)->Font().SetColor(kTextButtonHoverText);
        shape->Brush().SetColor(kTextButtonHoverFill);
    };
    label->OnMouseLeave = [shape](TObject* s) {
        static_cast<TLabel*>(s)->Font().SetColor(clNavy);
        shape->Brush().SetColor(kTextButtonFill);
    };
    frame = shape;
    return label;
}

TLabel* AddTextLink(TControl* parent, const AnsiString& name, const AnsiString& caption, int left,
                    int top, int px, TColor hoverColour) {
    TLabel* label = TextLabel(parent, name, left, top, "MS Sans Serif", px, fsBold, clNavy, caption);
    label->SetCursor(TCursor::HandPoint);
    label->OnMouseEnter = [hoverColour](TObject* s) { static_cast<TLabel*>(s)->Font().SetColor(hoverColour); };
    label->OnMouseLeave = [](TObject* s) { static_cast<TLabel*>(s)->Font().SetColor(clNavy); };
    return label;
}
