// Screens built in steps left for later: their order, what completes them at once, and
// the pictures drawn ahead while the program is idle.
#include <string>
#include <vector>

#include <QApplication>
#include <QBackingStore>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Forms.h"

namespace {

using Steps = std::vector<std::string>;

// A screen that notes when it is created.
Steps* created = nullptr;
struct LaterScreen : TForm {
    LaterScreen() : TForm("LaterScreen") { created->push_back("later screen"); }
};
struct MainScreen : TForm {
    MainScreen() : TForm("MainScreen") {}
};
struct OtherScreen : TForm {
    OtherScreen() : TForm("OtherScreen") {}
};

// A picture drawn when first needed.
DeferredImage Picture(bool* drawn) {
    return std::make_shared<const TDeferredImage>(QSize(4, 4), [drawn] {
        *drawn = true;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    });
}

class FormsIdleTest : public ::testing::Test {
protected:
    void SetUp() override {
        created = &steps;
        Application->CreateForm(main);
        Application->Defer([this] { steps.push_back("main's panels"); });
        Application->CreateFormLater(later);
    }
    void TearDown() override {
        Application->DestroyForms();
        ClearDialogHooks();
        created = nullptr;
    }
    Steps steps;
    MainScreen* main = nullptr;
    LaterScreen* later = nullptr;
};

TEST_F(FormsIdleTest, LaterScreensKeepTheirPlaceAndModalShowingsFindThemWhole) {
    EXPECT_EQ(later, nullptr);
    ASSERT_EQ(Application->Forms().size(), 2u);
    EXPECT_EQ(Application->MainForm(), main);
    EXPECT_TRUE(steps.empty());

    // A screen shown modally finds every other screen built, in the order given.
    DialogHooks hooks;
    hooks.modal = [this](TForm&) { steps.push_back(later ? "modal, later screen there" : "modal alone"); };
    InstallDialogHooks(hooks);
    OtherScreen* other = nullptr;
    Application->CreateForm(other);
    other->ShowModal();
    EXPECT_EQ(steps, (Steps{"main's panels", "later screen", "modal, later screen there"}));
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(Application->Forms(), (std::vector<TForm*>{main, later, other}));

    // Each step runs once.
    Application->CompleteForms();
    EXPECT_EQ(steps.size(), 3u);
}

TEST_F(FormsIdleTest, IdleStepsBuildOneAtATimeThenDrawWhatPagesAndLayersShowNotHiddenStores) {
    bool onPage = false, onOtherPage = false, inStore = false;
    auto* pages = new TPageControl(main, "Pages");
    auto* shown = new TTabSheet(pages, "Shown", "Un");
    auto* behind = new TTabSheet(pages, "Behind", "Deux");
    pages->SetActivePageIndex(0);
    auto* store = new TPanel(main, "Store");
    store->SetBounds(0, 0, 800, 100);
    store->Hide();
    bool onLayer = false;
    auto* layer = new TPanel(main, "Layer");
    layer->SetBounds(10, 10, main->Width() - 20, main->Height() - 20);
    layer->Hide();
    (new TImage(layer, "D"))->Picture().SetDeferred(Picture(&onLayer));
    (new TImage(shown, "A"))->Picture().SetDeferred(Picture(&onPage));
    (new TImage(behind, "B"))->Picture().SetDeferred(Picture(&onOtherPage));
    (new TImage(store, "C"))->Picture().SetDeferred(Picture(&inStore));
    // A small part hidden until the screen shows it now and then, like a figure.
    bool shownAtTimes = false;
    auto* figure = new TPanel(main, "Figure");
    figure->SetBounds(0, 0, 100, 100);
    figure->Hide();
    TApplication::ShowsAtTimes(figure);
    (new TImage(figure, "E"))->Picture().SetDeferred(Picture(&shownAtTimes));
    // A face kept in the store for when the pointer is over its button.
    bool keptForHover = false;
    auto* kept = new TImage(store, "F");
    kept->Picture().SetDeferred(Picture(&keptForHover));
    TApplication::ShowsAtTimes(kept);

    ASSERT_TRUE(Application->RunIdleStep());
    EXPECT_EQ(steps, Steps{"main's panels"});
    ASSERT_TRUE(Application->RunIdleStep());
    EXPECT_EQ(steps, (Steps{"main's panels", "later screen"}));
    EXPECT_FALSE(onPage || onOtherPage);

    int more = 0;
    while (Application->RunIdleStep()) ++more;
    EXPECT_GE(more, 2);
    EXPECT_TRUE(onPage);
    EXPECT_TRUE(onOtherPage);
    EXPECT_TRUE(onLayer);
    EXPECT_TRUE(shownAtTimes);
    EXPECT_TRUE(keptForHover);
    EXPECT_FALSE(inStore);
    EXPECT_FALSE(Application->RunIdleStep());
}

// Memory is made ahead only where marked: the window surface of a screen every user
// opens, nothing of a screen shown before the loop only; every screen is painted out of
// sight, down to its last row.
TEST_F(FormsIdleTest, SurfacesAheadForMarkedScreensOnlyAndNothingForScreensShownFirstOnly) {
    OtherScreen *often = nullptr, *seldom = nullptr, *firstOnly = nullptr;
    Application->CreateForm(often);
    Application->CreateForm(seldom);
    Application->CreateForm(firstOnly);
    Application->PrepareSurfaceAhead(often);
    Application->PrepareNothingAhead(firstOnly);
    bool drawnForFirstOnly = false;
    (new TImage(firstOnly, "A"))->Picture().SetDeferred(Picture(&drawnForFirstOnly));
    struct Painted : TControl {
        using TControl::TControl;
        int paintings = 0;
        void paintEvent(QPaintEvent* e) override {
            ++paintings;
            TControl::paintEvent(e);
        }
    };
    auto* lowest = new Painted(seldom, "Lowest");
    lowest->SetBounds(0, seldom->Height() - 10, 20, 10);

    while (Application->RunIdleStep()) {
    }
    const auto prepared = [](TForm* screen) {
        const QBackingStore* surface = screen->backingStore();
        return surface && surface->size() == screen->size();
    };
    EXPECT_TRUE(prepared(often));
    EXPECT_FALSE(prepared(seldom));
    EXPECT_FALSE(prepared(main));
    EXPECT_FALSE(drawnForFirstOnly);
    EXPECT_FALSE(firstOnly->testAttribute(Qt::WA_WState_Created));
    EXPECT_GE(lowest->paintings, 1);

    // When its command is pointed at, a screen gets its surface.
    seldom->PrepareSurface();
    EXPECT_TRUE(prepared(seldom));
}

// Run: the first click reaches its handler only once every screen is whole, whether the
// idle steps got there first or not.
TEST_F(FormsIdleTest, TheFirstClickFindsEveryScreenBuilt) {
    auto* button = new TPanel(main, "Button");
    button->SetBounds(10, 10, 80, 30);
    bool laterThere = false;
    button->OnClick = [&](TObject*) {
        laterThere = later != nullptr;
        main->Close();
    };
    QTimer::singleShot(0, [button] {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &event);
        }
    });
    Application->Run();
    EXPECT_TRUE(laterThere);
    EXPECT_EQ(steps, (Steps{"main's panels", "later screen"}));
}

// The loop may end before the idle work is done (the main window closes at once): the
// work is then the application's to free, and goes with the screens it was started for.
TEST_F(FormsIdleTest, UnfinishedIdleWorkBelongsToTheApplicationAndGoesWithTheScreens) {
    const auto workers = [] { return qApp->findChildren<QObject*>("idleWork", Qt::FindDirectChildrenOnly); };
    const auto runAndCloseAtOnce = [this] {
        QTimer::singleShot(0, main, [this] { main->Close(); });
        Application->Run();
    };
    runAndCloseAtOnce();
    ASSERT_EQ(workers().size(), 1);
    QPointer<QObject> first = workers().front();

    // A second run leaves one worker, not two.
    runAndCloseAtOnce();
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(workers().size(), 1);

    bool gone = false;
    QObject::connect(workers().front(), &QObject::destroyed, [&] { gone = true; });
    Application->DestroyForms();
    EXPECT_TRUE(gone);
    EXPECT_TRUE(workers().empty());
}

}  // namespace
