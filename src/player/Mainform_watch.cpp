// The clock of the command column and the watch under the pages: one timer, every
// second for the whole run, writes the date and the time and draws the watch's hands.
#include "player/Mainform_exo.h"

#include "platform/DateTime.h"
#include "player/Watch.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

namespace {

constexpr TColor kHandColour = 0x947366;

}  // namespace

void TMainFormEXO::BuildWatch() {
    SetArtwork(Image1->Picture(), "clock_background");

    watch = MakePicture(watch_panel, "watch", "watch_empty_1", 52, 0, 100, 100);
    watch->OnClick = [this](TObject* s) { watchClick(s); };
    watch->OnMouseMove = [this](TObject* s, int shift, int x, int y) { watchMouseMove(s, shift, x, y); };
    watch_empty_1 = MakePicture(watch_panel, "watch_empty_1", "watch_empty_1", 52, 0);
    watch_empty_1->Hide();
    watch_empty_2 = MakePicture(watch_panel, "watch_empty_2", "watch_empty_2", 52, 0);
    watch_empty_2->Hide();
    // The choices stand over the watch's empty corner, right to left: face 1, face 2, none.
    struct Choice { TImage** image; const char* name; const char* art; int left; void (TMainFormEXO::*click)(TObject*); };
    const Choice choices[] = {{&Image17, "Image17", "watch_choice_1", 44, &TMainFormEXO::Image17Click},
                              {&Image18, "Image18", "watch_choice_2", 22, &TMainFormEXO::Image18Click},
                              {&Image19, "Image19", "watch_choice_hide", 0, &TMainFormEXO::Image19Click}};
    for (const Choice& c : choices) {
        TImage* image = MakePicture(watch_panel, c.name, c.art, c.left, 80, 20, 20);
        image->SetCursor(TCursor::HandPoint);
        image->OnClick = [this, click = c.click](TObject* s) { (this->*click)(s); };
        *c.image = image;
    }

    MyTimer = new TTimer(this, "MyTimer");
    MyTimer->SetInterval(1000);
    MyTimer->OnTimer = [this](TObject* s) { MyTimerTimer(s); };
    MyTimer->SetEnabled(true);
}

void TMainFormEXO::MyTimerTimer(TObject*) {
    Guarded([this] {
        const ClockCaptions clock = ReadClockCaptions(DateTimeText(Now()));
        if (clock.hasDate) DateLabel->SetCaption(clock.date);
        TimeLabel->SetCaption(clock.time);
    });
    if (WatchFace > 0) UpdateWatch();
}

void TMainFormEXO::UpdateWatch() {
    Guarded([this] {
        WatchTime time;
        if (ReadWatchTime(DateTimeText(Now()), time)) DrawWatch(time.hours, time.minutes, time.seconds);
    });
}

void TMainFormEXO::DrawWatch(int hours, int minutes, int seconds) {
    // The face without hands first: the hands of the previous second go.
    watch->Picture().Assign((WatchFace == 1 ? watch_empty_1 : watch_empty_2)->Picture());
    TCanvas& canvas = watch->Canvas();
    canvas.Pen.SetColor(kHandColour);
    const WatchHands hands = HandsAt(hours, minutes, seconds);
    for (const WatchHand& hand : {hands.hour, hands.minute, hands.second}) {
        canvas.Pen.SetWidth(hand.penWidth);
        canvas.MoveTo(kWatchCentre, kWatchCentre);
        canvas.LineTo(hand.x, hand.y);
    }
}

void TMainFormEXO::Image17Click(TObject*) {
    WatchFace = 1;
    watch->Show();
    UpdateWatch();
}

void TMainFormEXO::Image18Click(TObject*) {
    WatchFace = 2;
    watch->Show();
    UpdateWatch();
}

void TMainFormEXO::Image19Click(TObject*) {
    WatchFace = 0;
    watch->Hide();
}

void TMainFormEXO::watchClick(TObject*) { UpdateWatch(); }

// Moving over the watch changes nothing: only a click redraws it.
void TMainFormEXO::watchMouseMove(TObject*, int, int, int) {}
