// The goodbye screen: the name picture, the countdown tick by tick, the ways it closes
// (after 8 seconds, a click on the window or on either large picture), the clicks it
// ignores, and the end of the program.
#include "ScreenFixture.h"
#include "home/Endapp.h"
#include "home/Intro.h"

namespace {

class GoodbyeTest : public ScreenTest {
protected:
    TAbientot& G() { return *Abientot; }
    // Quits from the home screen; `inside` runs while the goodbye screen is shown.
    // Returns whether it was still open when `inside` returned.
    bool Quit(const std::function<void()>& inside) {
        bool open = false;
        onModal = [&](TForm& form) {
            inside();
            open = !form.isHidden();
        };
        SendClick(StartForm->LabelQuitter);
        onModal = {};
        return open;
    }
    // Lets seconds go by; returns the numbers of the suns still shown.
    std::string Tick(int seconds) {
        for (int s = 0; s < seconds; ++s) G().Timer2->Fire();
        std::string shown;
        for (int n = 1; n <= 7; ++n)
            if (G().Sun(n)->Visible()) shown += std::to_string(n);
        return shown;
    }
};

}  // namespace

TEST_F(GoodbyeTest, LeftAloneTheSunsGoOutRightToLeftAndTheScreenClosesAt8Seconds) {
    WriteLearnerFile({"Emma@Mathematiques CM1"});
    RunStartup();
    std::vector<std::string> suns;
    EXPECT_FALSE(Quit([&] {
        EXPECT_FALSE(G().nom_utilisateur->Picture().Empty());
        EXPECT_EQ(G().nom_utilisateur->Picture().Image(), StartForm->IdentifiantNOM->Picture().Image());
        EXPECT_EQ(std::make_pair(G().Timer1->Interval(), G().Timer2->Interval()), std::make_pair(8000, 1000));
        for (int second = 1; second <= 8; ++second) suns.push_back(Tick(1));
        EXPECT_FALSE(G().isHidden());
        G().Timer1->Fire();
    }));
    EXPECT_EQ(suns, (std::vector<std::string>{"123456", "12345", "1234", "123", "12", "1", "", ""}));
    EXPECT_FALSE(G().Timer1->Enabled() || G().Timer2->Enabled()) << "closed, its timers stop";
    EXPECT_TRUE(StartForm->isHidden()) << "the program ends";
}

TEST_F(GoodbyeTest, AClickOnTheWindowOrEitherLargePictureClosesAtOnceOtherPicturesTakeNone) {
    // At 3 s (the countdown starting afresh each time): Image1 where no other picture
    // lies, Image2, the window itself and its frame, after clicks on the other pictures.
    const std::pair<QPoint, const char*> clicks[] = {
        {{275, 380}, "Image1"}, {{1000, 600}, "Image2"}, {{60, 500}, "Abientot"}, {{4, 4}, "Abientot"}};
    for (const auto& click : clicks) {
        const QPoint at = click.first;
        const char* target = click.second;
        SCOPED_TRACE(target);
        StartForm->show();
        EXPECT_FALSE(Quit([&] {
            EXPECT_TRUE(G().nom_utilisateur->Picture().Empty()) << "no name was ever drawn";
            EXPECT_EQ(Tick(3), "1234");
            for (TControl* c : std::initializer_list<TControl*>{G().nom_utilisateur, G().soleil_4, G().Image3,
                                                                G().Image4, G().Image5, G().Image6}) {
                EXPECT_EQ(ClickOn(c, QPoint(c->Width() / 2, c->Height() / 2)), c);
                EXPECT_FALSE(G().isHidden()) << c->Name();
            }
            auto* hit = dynamic_cast<TControl*>(ClickAt(&G(), at.x(), at.y()));
            EXPECT_EQ(hit ? hit->Name() : "", target);
        }));
        EXPECT_TRUE(StartForm->isHidden());
        EXPECT_FALSE(G().Timer1->Enabled());
    }
}
