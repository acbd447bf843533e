#pragma once
// The goodbye screen: the learner's name picture and seven suns that go out one a
// second, right to left; it closes itself after 8 seconds or at a click on the window
// or on one of its two large pictures, and the program then ends.
#include "platform/Forms.h"

class TAbientot : public TForm {
public:
    TAbientot();

    TShape* Border;
    // In stacking order, bottom to top.
    TImage* Image1;           // decorations; a click on either closes
    TImage* Image2;
    TImage* Image4;           // title banner
    TImage* Image3;           // decorations that take no click
    TImage* Image5;
    TImage* Image6;
    TImage* nom_utilisateur;  // copy of the home screen's name picture
    TImage *soleil_7, *soleil_6, *soleil_5, *soleil_4, *soleil_3, *soleil_2, *soleil_1;
    TTimer* Timer1;           // end of the screen, 8 s
    TTimer* Timer2;           // countdown step, 1 s
    int SunCount = 0;         // countdown pictures still shown

    // soleil_1 .. soleil_7 (null for any other number).
    TImage* Sun(int n) const;

    void FormShow(TObject* sender);
    void Timer2Timer(TObject* sender);
    void Timer1Timer(TObject* sender);
    void FormClick(TObject* sender);
    void Image1Click(TObject* sender);
    void Image2Click(TObject* sender);

private:
    // Once closed, the timers stop.
    void FormClose(TObject* sender);
};

extern TAbientot* Abientot;
