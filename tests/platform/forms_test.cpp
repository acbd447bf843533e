// The component layer: labels and memos on hidden screens, real mouse and key events,
// lists, trees and the form's life cycle.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Forms.h"

namespace {

using Events = std::vector<std::string>;

// A click sent straight to a widget.
void Click(QWidget* w, QPoint local = QPoint(3, 3), Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(w, Qt::LeftButton, keys, local);
}

// Records messages through the dialog hooks for the length of a test.
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogHooks hooks;
        hooks.message = [this](const AnsiString& text) { messages.push_back(text); };
        InstallDialogHooks(hooks);
        form = std::make_unique<TForm>("TestForm");
    }
    void TearDown() override {
        form.reset();
        ClearDialogHooks();
    }
    // Mouse events as the window system delivers them to the shown form.
    void MoveTo(QPoint p) { QTest::mouseMove(form->windowHandle(), p); }
    void ClickAt(QPoint p) { QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, p); }

    // A label at (30, 40) of the form, 100 by 40, on a panel: its events are recorded.
    TLabel* RecordedLabel(TPanel*& panel) {
        panel = new TPanel(form.get());
        panel->SetBounds(10, 10, 400, 400);
        auto* label = new TLabel(panel);
        label->SetAutoSize(false);
        label->SetBounds(20, 30, 100, 40);
        label->OnMouseEnter = [this](TObject*) { events.push_back("enter"); };
        label->OnMouseLeave = [this](TObject*) { events.push_back("leave"); };
        return label;
    }

    std::unique_ptr<TForm> form;
    Events events;
    std::vector<AnsiString> messages;
};

// A label on a hidden screen fits its text only when it is read or shown (no font is
// loaded before): whatever the changes, it then has the place and size a label that
// can be seen takes at once.
TEST_F(FormsTest, HiddenLabelsFitWhenReadOrShownAsSeenOnesAtOnce) {
    using Step = std::function<void(TLabel*)>;
    const Step caption = [](TLabel* l) { l->SetCaption("Un texte assez long"); };
    const Step bigBold = [](TLabel* l) {
        l->Font().SetName("Arial Narrow");
        l->Font().SetHeight(32);
        l->Font().SetStyle(fsBold);
    };
    const Step fixed = [](TLabel* l) { l->SetAutoSize(false); };
    const Step wrap = [](TLabel* l) { l->SetWordWrap(true); };
    const Step right = [](TLabel* l) { l->SetAlignment(TAlignment::RightJustify); };
    const Step left = [](TLabel* l) { l->SetLeft(300); };
    const Step bounds = [](TLabel* l) { l->SetBounds(40, 50, 60, 70); };
    const Step width = [](TLabel* l) { l->SetWidth(90); };
    const std::vector<std::vector<Step>> cases = {
        {caption, bigBold}, {bigBold, caption, left}, {caption, fixed, bounds}, {bigBold, fixed, width},
        {wrap, width, caption}, {right, caption, left, bigBold}, {fixed, caption, wrap}, {wrap, bounds, caption, fixed},
    };
    TForm seenForm("Seen");
    seenForm.show();
    std::vector<std::pair<TLabel*, TLabel*>> untilShown;
    for (size_t i = 0; i < cases.size(); ++i) {
        auto* seen = new TLabel(&seenForm);
        auto* read = new TLabel(form.get());
        auto* shown = new TLabel(form.get());
        for (const Step& step : cases[i])
            for (TLabel* l : {seen, read, shown}) step(l);
        EXPECT_EQ(QRect(read->Left(), read->Top(), read->Width(), read->Height()), seen->geometry()) << i;
        untilShown.emplace_back(shown, seen);
    }
    form->show();
    for (size_t i = 0; i < untilShown.size(); ++i)
        EXPECT_EQ(untilShown[i].first->geometry(), untilShown[i].second->geometry()) << i;
}

// A memo on a hidden screen lays its text out only when shown: until then it reads and
// reports changes as a memo that can be seen.
TEST_F(FormsTest, HiddenMemosReadAndChangeAsSeenOnes) {
    using Step = std::function<void(TMemo*)>;
    AnsiString report;   // thousands of lines, laid out in paragraphs once shown
    for (int i = 0; i < 5000; ++i) report += (i ? "\r\n" : "") + (i % 7 ? "  " + IntToStr(i) + ".\t" + Utf8ToAnsi("écoulé") : "");
    const std::vector<Step> steps = {
        [](TMemo* m) { m->SetText(Utf8ToAnsi("Une ligne\r\nDeux\rtrois\n\nfin\xc2\xa0!")); },
        [&](TMemo* m) { m->SetText(report); },
        [](TMemo* m) { m->Clear(); },
        [](TMemo* m) {
            TStringList lines;
            for (const char* l : {"a", "", "b c"}) lines.Add(l);
            m->SetLines(lines);
        },
    };
    TForm seenForm("Seen");
    seenForm.show();
    auto* seen = new TMemo(&seenForm);
    auto* hidden = new TMemo(form.get());
    int seenChanges = 0, hiddenChanges = 0;
    seen->OnChange = [&](TObject*) { ++seenChanges; };
    hidden->OnChange = [&](TObject*) { ++hiddenChanges; };
    for (size_t i = 0; i < steps.size(); ++i) {
        for (TMemo* m : {seen, hidden}) steps[i](m);
        EXPECT_EQ(hidden->Text(), seen->Text()) << i;
        EXPECT_TRUE(i != 1 || seen->Text() == report);
        EXPECT_EQ(hidden->Lines().Items(), seen->Lines().Items()) << i;
        EXPECT_EQ(hiddenChanges, seenChanges) << i;
    }
    form->show();
    EXPECT_EQ(hidden->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("a\n\nb c"));
    EXPECT_EQ(hiddenChanges, seenChanges);
    seen->SetText("un\rdeux\ntrois\r\n\tquatre");
    EXPECT_EQ(seen->Text() + IntToStr(seen->Lines().Count()), "un\r\ndeux\r\ntrois\r\n\tquatre4");
}

// A command that closes its own screen is left at once, so that it is at rest when the
// screen shows again.
TEST_F(FormsTest, ClosingAScreenLeavesTheControlUnderTheMouse) {
    TPanel* panel = nullptr;
    TLabel* label = RecordedLabel(panel);
    label->OnClick = [&](TObject*) {
        events.push_back("click");
        form->Close();
    };
    panel->OnMouseLeave = [&](TObject*) { events.push_back("panel leave"); };
    form->show();
    MoveTo(QPoint(5, 5));
    MoveTo(QPoint(37, 49));
    ClickAt(QPoint(37, 49));
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(events, (Events{"enter", "click", "leave", "panel leave"}));

    // Shown again, the control is entered afresh.
    events.clear();
    form->show();
    MoveTo(QPoint(5, 5));
    MoveTo(QPoint(37, 49));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "enter");
    EXPECT_EQ(std::count(events.begin(), events.end(), "leave"), 0);
}

TEST_F(FormsTest, RealMouseEventsRunTheHandlersAndDisabledControlsOnlyHover) {
    TPanel* panel = nullptr;
    TLabel* label = RecordedLabel(panel);
    QPoint down;
    label->OnClick = [&](TObject* s) { EXPECT_EQ(s, label); events.push_back("click"); };
    label->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
    label->OnMouseDown = [&](TObject*, TMouseButton b, int, int x, int y) {
        EXPECT_EQ(b, TMouseButton::Left);
        down = QPoint(x, y);
        events.push_back("down");
    };
    label->OnMouseUp = [&](TObject*, TMouseButton, int, int, int) { events.push_back("up"); };
    panel->OnClick = [&](TObject*) { events.push_back("panel click"); };
    form->show();
    auto inAndOut = [&] {
        MoveTo(QPoint(5, 5));
        MoveTo(QPoint(37, 49));
        ClickAt(QPoint(37, 49));
        MoveTo(QPoint(5, 5));
    };
    inAndOut();
    EXPECT_EQ(events, (Events{"enter", "down", "click", "up", "leave"}));
    EXPECT_EQ(down, QPoint(7, 9));

    // A disabled control still shows its hover; its clicks reach the parent.
    label->SetEnabled(false);
    events.clear();
    inAndOut();
    label->Click();
    EXPECT_EQ(events, (Events{"enter", "panel click", "leave"}));
    label->SetEnabled(true);

    // Releasing outside the control is no click.
    events.clear();
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(events, (Events{"down", "up"}));

    // A double click: one click, then the double click.
    events.clear();
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(37, 49));
    EXPECT_EQ(std::count(events.begin(), events.end(), "click"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "dblclick"), 1);
    // Without a double-click handler, both presses are clicks.
    label->OnDblClick = nullptr;
    events.clear();
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(37, 49));
    EXPECT_EQ(std::count(events.begin(), events.end(), "click"), 2);
    form->hide();

    // An exception is shown and the rest of the event runs (a timer's tick likewise);
    // a handler may delete its control.
    label->OnClick = [](TObject*) { throw Exception("Erreur de lecture"); };
    events.clear();
    Click(label);
    TTimer timer(nullptr, "Clock");
    timer.OnTimer = [&](TObject* s) { throw Exception(s == &timer ? "tic" : "?"); };
    timer.Fire();
    EXPECT_EQ(messages, (std::vector<AnsiString>{"Erreur de lecture", "tic"}));
    EXPECT_EQ(events, (Events{"down", "up"}));
    label->OnClick = [](TObject* s) { delete static_cast<TLabel*>(s); };
    events.clear();
    Click(label);
    EXPECT_EQ(panel->ControlCount(), 0);
    EXPECT_EQ(events, (Events{"down"}));
}

TEST_F(FormsTest, AFreedControlLeavesItsParentsListWhereverItStands) {
    auto* panel = new TPanel(form.get());
    std::vector<TControl*> made;
    for (const char* name : {"a", "b", "c", "d", "e"}) made.push_back(new TLabel(panel, name));
    for (int i : {2, 4, 0}) delete made[i];
    EXPECT_EQ(panel->Controls(), (std::vector<TControl*>{made[1], made[3]}));
}

TEST_F(FormsTest, EditTextKeysAndClicks) {
    auto* edit = new TEdit(form.get());
    auto* inner = edit->findChild<QLineEdit*>();
    // Typed keys reach the edit, then OnKeyUp.
    std::vector<int> ups;
    edit->OnKeyUp = [&](TObject*, int& key, int) { ups.push_back(key); };
    QTest::keyClicks(inner, "axdc");
    EXPECT_EQ(edit->Text(), "axdc");
    EXPECT_EQ(ups, (std::vector<int>{Qt::Key_A, Qt::Key_X, Qt::Key_D, Qt::Key_C}));
    int clicks = 0;
    edit->OnClick = [&](TObject*) { ++clicks; };
    Click(inner);   // clicks on the wrapped widget are the control's
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, ListBoxSortsAccentedTextAndReportsOnlyUserSelections) {
    auto* list = new TListBox(form.get());
    list->SetBounds(0, 0, 200, 200);
    list->SetSorted(true);
    for (const char* s : {"martin", "Bernard", "Émile", "alice", "MARTIN", "zoé"}) list->Add(Utf8ToAnsi(s));
    std::vector<AnsiString> items;
    for (int i = 0; i < list->Count(); ++i) items.push_back(list->Item(i));
    EXPECT_EQ(items, (std::vector<AnsiString>{"alice", "Bernard", Utf8ToAnsi("Émile"), "martin", "MARTIN",
                                              Utf8ToAnsi("zoé")}));
    EXPECT_EQ(list->IndexOf(Utf8ToAnsi("éMILE")), 2);

    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    list->SetItemIndex(1);
    list->Delete(0);
    EXPECT_EQ(list->ItemIndex(), 0);
    list->Delete(0);   // the selected item: nothing is selected afterwards
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
    list->SelectByUser(2);
    EXPECT_EQ(clicks, 1);
    auto* widget = list->findChild<QListWidget*>();
    form->show();
    Click(widget->viewport(), widget->visualItemRect(widget->item(0)).center());
    EXPECT_EQ(list->ItemIndex(), 0);
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 3);
    // A Ctrl click on the selected item, or a click in the empty part, keeps it (Qt
    // would unselect it).
    Click(widget->viewport(), widget->visualItemRect(widget->item(1)).center(), Qt::ControlModifier);
    Click(widget->viewport(), QPoint(100, 190));
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(FormsTest, TreeLoadsLinesByTabDepth) {
    auto* tree = new TTreeView(form.get());
    tree->SetBounds(0, 0, 300, 300);
    tree->LoadFromLines({"Nombres", "\t[N1] Lire", "\t\t[N11] Dicter", "Calcul", "\t\t\t[C1] Trop profond",
                         "\t\t\t[C2] Voisin", "\t[C3] Retour"});
    std::vector<std::string> shape;
    for (TTreeNode* n : tree->Nodes()) shape.push_back(std::to_string(n->Level()) + n->Text());
    // A line far deeper hangs under the line before it; its equal is its sibling.
    EXPECT_EQ(shape, (std::vector<std::string>{"0Nombres", "1[N1] Lire", "2[N11] Dicter", "0Calcul",
                                               "1[C1] Trop profond", "1[C2] Voisin", "1[C3] Retour"}));
}

class MainScreen : public TForm {
public:
    MainScreen() : TForm("MainScreen") {
        OnShow = [this](TObject*) {
            ++shows;
            QTimer::singleShot(0, this, [this] { Close(); });   // from inside the running loop
        };
    }
    int shows = 0;
};

// OnShow at every showing, also through Visible := true (modal showings: dialogs_test);
// closing the main form ends the application's loop.
TEST_F(FormsTest, ShowingAndClosingScreensAndTheMainForm) {
    form->OnShow = [&](TObject*) { events.push_back("show"); };
    form->OnClose = [&](TObject*) { events.push_back("close"); };
    form->ShowForm();
    form->Close();
    form->SetVisible(true);
    form->Hide();
    EXPECT_EQ(events, (Events{"show", "close", "show"}));
    MainScreen* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    Application->Run();   // returns once the main form closed
    EXPECT_EQ(main->shows, 1);
    EXPECT_TRUE(Application->Terminated());
    Application->DestroyForms();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace
