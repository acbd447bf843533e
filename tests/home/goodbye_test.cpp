// The goodbye screen: the name picture, the countdown tick by tick, the three ways it
// closes (after 8 seconds, a click on the window, a click on either large picture),
// the clicks it ignores, and the end of the program.
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
    // The numbers of the suns still shown, left to right.
    std::string Suns() {
        std::string shown;
        for (int n = 1; n <= 7; ++n)
            if (G().Sun(n)->Visible()) shown += std::to_string(n);
        return shown;
    }
    QWidget* ClickOn(TControl* c) {
        const QPoint at = c->mapTo(&G(), QPoint(c->Width() / 2, c->Height() / 2));
        return ClickAt(&G(), at.x(), at.y());
    }
};

}  // namespace

TEST_F(GoodbyeTest, LeftAloneTheSunsGoOutRightToLeftAndTheScreenClosesAt8Seconds) {
    WriteLearnerFile({"Emma@Mathematiques CM1"});
    RunStartup();
    ASSERT_FALSE(StartForm->IdentifiantNOM->Picture().Empty());
    std::vector<std::string> suns;
    const bool open = Quit([&] {
        EXPECT_EQ(G().nom_utilisateur->Picture().Image(), StartForm->IdentifiantNOM->Picture().Image());
        EXPECT_EQ(G().SunCount, 7);
        EXPECT_TRUE(G().Timer1->Enabled() && G().Timer2->Enabled());
        EXPECT_EQ(std::make_pair(G().Timer1->Interval(), G().Timer2->Interval()), std::make_pair(8000, 1000));
        for (int second = 1; second <= 8; ++second) {
            G().Timer2->Fire();
            suns.push_back(Suns());
        }
        EXPECT_FALSE(G().isHidden());
        G().Timer1->Fire();
    });
    EXPECT_FALSE(open);
    EXPECT_EQ(suns, (std::vector<std::string>{"123456", "12345", "1234", "123", "12", "1", "", ""}));
    EXPECT_FALSE(G().Timer1->Enabled() || G().Timer2->Enabled()) << "closed, its timers stop";
    EXPECT_TRUE(StartForm->isHidden()) << "the program ends";
}

TEST_F(GoodbyeTest, AClickOnTheWindowOrOnEitherLargePictureClosesAtOnce) {
    // At 3 s, a click on Image1 where no other picture lies, on Image2, on the window
    // itself or on its frame.
    const std::vector<std::pair<std::string, std::function<QWidget*()>>> clicks = {
        {"Image1", [&] { return ClickAt(&G(), 275, 380); }},
        {"Image2", [&] { return ClickAt(&G(), 1000, 600); }},
        {"Abientot", [&] { return ClickAt(&G(), 60, 500); }},
        {"Abientot", [&] { return ClickAt(&G(), 4, 4); }},
    };
    for (const auto& [target, click] : clicks) {
        SCOPED_TRACE(target);
        StartForm->show();
        std::string left;
        const bool open = Quit([&] {
            for (int second = 1; second <= 3; ++second) G().Timer2->Fire();
            auto* hit = dynamic_cast<TControl*>(click());
            EXPECT_EQ(hit ? hit->Name() : "", target);
            left = Suns();
        });
        EXPECT_FALSE(open);
        EXPECT_EQ(left, "1234");
        EXPECT_TRUE(StartForm->isHidden());
        EXPECT_FALSE(G().Timer1->Enabled());
    }
}

TEST_F(GoodbyeTest, OtherPicturesTakeNoClickAndNoNameLeavesTheNamePictureEmpty) {
    const bool open = Quit([&] {
        EXPECT_TRUE(G().nom_utilisateur->Picture().Empty()) << "no name was ever drawn";
        for (TControl* c : std::initializer_list<TControl*>{G().nom_utilisateur, G().soleil_4, G().Image3, G().Image4,
                                                            G().Image5, G().Image6}) {
            EXPECT_EQ(ClickOn(c), c);
            EXPECT_FALSE(G().isHidden()) << c->Name();
        }
        EXPECT_EQ(Suns(), "1234567");
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(G().Cursor(), TCursor::HandPoint);
    EXPECT_EQ(G().Caption(), "FIN");
}
