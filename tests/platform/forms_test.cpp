// The component layer: ownership, geometry, auto-sized labels, real mouse and key
// events, lists, trees, pages, progress, timers and the form's life cycle.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Forms.h"

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
    Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    if (type == QEvent::MouseMove) button = Qt::NoButton;
    QMouseEvent e(type, QPointF(local), QPointF(w->mapTo(w->window(), local)),
                  QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Click(QWidget* w, QPoint local) {
    SendMouse(w, QEvent::MouseButtonPress, local);
    SendMouse(w, QEvent::MouseButtonRelease, local);
}

void Click(QWidget* w) { Click(w, QPoint(w->width() / 2, w->height() / 2)); }

void Enter(QWidget* w) {
    QPointF local(1, 1);
    QEnterEvent e(local, w->mapTo(w->window(), local), w->mapToGlobal(local));
    QApplication::sendEvent(w, &e);
}

void Leave(QWidget* w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

void Key(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// Records messages through the dialog hooks for the length of a test.
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogHooks hooks;
        hooks.message = [this](const AnsiString& text) { messages.push_back(text); };
        hooks.modal = [this](TForm& form) { if (onModal) onModal(form); };
        InstallDialogHooks(hooks);
        form = std::make_unique<TForm>("TestForm");
    }
    void TearDown() override {
        form.reset();
        ClearDialogHooks();
    }
    std::unique_ptr<TForm> form;
    std::vector<AnsiString> messages;
    std::function<void(TForm&)> onModal;
};

// ---------------------------------------------------------------------------

TEST_F(FormsTest, ControlsKeepCreationOrderParentAndGeometry) {
    auto* panel = new TPanel(form.get(), "Panel1");
    panel->SetBounds(100, 50, 300, 200);
    auto* a = new TLabel(panel, "A");
    auto* b = new TImage(panel, "B");
    auto* c = new TShape(panel, "C");
    b->SetBounds(10, 20, 30, 40);

    ASSERT_EQ(panel->ControlCount(), 3);
    EXPECT_EQ(panel->Controls()[0], a);
    EXPECT_EQ(panel->Controls()[1], b);
    EXPECT_EQ(panel->Controls()[2], c);
    EXPECT_EQ(b->Parent(), panel);
    EXPECT_EQ(b->OwnerForm(), form.get());
    EXPECT_EQ(form->OwnerForm(), form.get());
    EXPECT_EQ(b->Name(), "B");

    // Geometry is relative to the parent.
    EXPECT_EQ(b->Left(), 10);
    EXPECT_EQ(b->Top(), 20);
    EXPECT_EQ(b->Width(), 30);
    EXPECT_EQ(b->Height(), 40);
    EXPECT_EQ(b->mapTo(form.get(), QPoint(0, 0)), QPoint(110, 70));

    // Later created is on top.
    c->SetBounds(10, 20, 30, 40);
    EXPECT_EQ(panel->childAt(15, 25), c);

    // Deleting a control takes it off its parent's list.
    delete b;
    ASSERT_EQ(panel->ControlCount(), 2);
    EXPECT_EQ(panel->Controls()[1], c);
}

TEST_F(FormsTest, FormIsBorderlessCentredAndHiddenUntilShown) {
    EXPECT_EQ(form->Width(), 1192);
    EXPECT_EQ(form->Height(), 966);
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(form->Visible());
    TForm small("Small", 620, 100);
    EXPECT_EQ(small.Width(), 620);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(small.Left() + small.Width() / 2, screen.x() + screen.width() / 2);

    // A control's Visible is its own flag, even while its window is hidden.
    auto* label = new TLabel(form.get());
    EXPECT_TRUE(label->Visible());
    label->Hide();
    EXPECT_FALSE(label->Visible());
    label->Show();
    EXPECT_TRUE(label->Visible());
    EXPECT_FALSE(label->isVisible());   // Qt's notion: the window is hidden
}

TEST_F(FormsTest, ChildrenFollowParentColourAndFontUntilTheirOwnAreSet) {
    auto* panel = new TPanel(form.get());
    panel->SetColor(clWhite);
    panel->Font().SetColor(clRed);
    auto* inherits = new TLabel(panel);
    auto* own = new TLabel(panel);
    own->SetColor(clYellow);
    own->Font().SetHeight(30);
    EXPECT_EQ(inherits->Color(), clWhite);
    EXPECT_EQ(inherits->Font().Color(), clRed);

    panel->SetColor(clSilver);
    panel->Font().SetColor(clBlue);
    EXPECT_EQ(inherits->Color(), clSilver);
    EXPECT_EQ(inherits->Font().Color(), clBlue);
    EXPECT_EQ(own->Color(), clYellow);
    EXPECT_EQ(own->Font().Color(), clRed);   // own font since its height was set
    EXPECT_EQ(own->Font().Height(), 30);

    auto* edit = new TEdit(panel);
    EXPECT_EQ(edit->Color(), clWhite);       // edits start white whatever the parent
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, AutoSizedLabelFitsItsTextOnOneLine) {
    auto* label = new TLabel(form.get());
    label->Font().SetName("Arial");
    label->Font().SetHeight(20);
    label->SetCaption("Court");
    const int shortWidth = label->Width();
    const int lineHeight = label->Height();
    EXPECT_GT(shortWidth, 0);
    EXPECT_GE(lineHeight, 20);

    label->SetCaption("Un texte nettement plus long");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_EQ(label->Height(), lineHeight);

    // Setting a width does not stick while AutoSize is on.
    const int fitted = label->Width();
    label->SetWidth(5);
    EXPECT_EQ(label->Width(), fitted);

    // A bigger font makes a bigger label.
    label->Font().SetHeight(40);
    EXPECT_GT(label->Height(), lineHeight);

    // An empty caption keeps one line.
    label->Font().SetHeight(20);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), lineHeight);

    // Without AutoSize the size is the one given.
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 50, 60);
    label->SetCaption("Un texte nettement plus long");
    EXPECT_EQ(label->Width(), 50);
    EXPECT_EQ(label->Height(), 60);
}

TEST_F(FormsTest, RightAlignedAutoSizedLabelKeepsItsRightEdge) {
    auto* label = new TLabel(form.get());
    label->SetAlignment(TAlignment::RightJustify);
    label->SetCaption("abc");
    label->SetLeft(300);
    const int right = label->Left() + label->Width();
    label->SetCaption("abcdefghijkl");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Left(), 300);
}

TEST_F(FormsTest, WrappedLabelKeepsItsWidthAndGrowsInHeight) {
    auto* label = new TLabel(form.get());
    label->Font().SetName("Arial Narrow");
    label->Font().SetHeight(32);
    label->SetWordWrap(true);
    label->SetWidth(300);
    label->SetCaption("Un mot");
    const int oneLine = label->Height();
    EXPECT_EQ(label->Width(), 300);

    const AnsiString longText = Utf8ToAnsi(
        "Combien de fois faut-il répéter une phrase assez longue pour qu'elle tienne "
        "sur plusieurs lignes de cette étiquette étroite ?");
    label->SetCaption(longText);
    EXPECT_EQ(label->Width(), 300);
    EXPECT_GE(label->Height(), 3 * oneLine);
    const int tall = label->Height();

    // The same text in the same width always gives the same height.
    auto* twin = new TLabel(form.get());
    twin->Font().SetName("Arial Narrow");
    twin->Font().SetHeight(32);
    twin->SetWordWrap(true);
    twin->SetWidth(300);
    twin->SetCaption(longText);
    EXPECT_EQ(twin->Height(), tall);

    // A wider label needs fewer lines.
    label->SetWidth(900);
    EXPECT_LT(label->Height(), tall);
    EXPECT_EQ(label->Width(), 900);

    label->SetCaption("");
    EXPECT_EQ(label->Height(), oneLine);
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, RealMouseEventsFireClickEnterLeaveAndPositions) {
    auto* panel = new TPanel(form.get());
    panel->SetBounds(10, 10, 400, 400);
    auto* label = new TLabel(panel);
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 100, 40);
    std::vector<std::string> events;
    int downX = -1, downY = -1;
    label->OnClick = [&](TObject* s) { EXPECT_EQ(s, label); events.push_back("click"); };
    label->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
    label->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    label->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
    label->OnMouseDown = [&](TObject*, TMouseButton b, int, int x, int y) {
        EXPECT_EQ(b, TMouseButton::Left);
        downX = x;
        downY = y;
        events.push_back("down");
    };
    label->OnMouseUp = [&](TObject*, TMouseButton, int, int, int) { events.push_back("up"); };
    bool panelClicked = false;
    panel->OnClick = [&](TObject*) { panelClicked = true; };

    Enter(label);
    Click(label, QPoint(7, 9));
    Leave(label);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "down", "click", "up", "leave"}));
    EXPECT_EQ(downX, 7);
    EXPECT_EQ(downY, 9);
    EXPECT_FALSE(panelClicked);   // the label took the click

    // Releasing outside the control is no click.
    events.clear();
    SendMouse(label, QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(label, QEvent::MouseButtonRelease, QPoint(500, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));

    // A double click: one click, then the double click.
    events.clear();
    Click(label);
    SendMouse(label, QEvent::MouseButtonDblClick, QPoint(5, 5));
    SendMouse(label, QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_EQ(std::count(events.begin(), events.end(), "click"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "dblclick"), 1);
}

TEST_F(FormsTest, DisabledControlFiresNothingAndItsClickReachesTheParent) {
    auto* shape = new TShape(form.get());
    shape->SetBounds(0, 0, 100, 100);
    int fired = 0;
    shape->OnClick = [&](TObject*) { ++fired; };
    shape->OnMouseEnter = [&](TObject*) { ++fired; };
    shape->OnMouseDown = [&](TObject*, TMouseButton, int, int, int) { ++fired; };
    int formClicks = 0;
    form->OnClick = [&](TObject*) { ++formClicks; };

    shape->SetEnabled(false);
    Enter(shape);
    Click(shape);
    shape->Click();
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(formClicks, 1);

    shape->SetEnabled(true);
    shape->Click();
    EXPECT_EQ(fired, 1);
}

TEST_F(FormsTest, ExceptionInHandlerIsShownAndTheProgramGoesOn) {
    auto* label = new TLabel(form.get());
    int after = 0;
    label->OnClick = [](TObject*) { throw Exception("Erreur de lecture"); };
    label->OnMouseUp = [&](TObject*, TMouseButton, int, int, int) { ++after; };
    Click(label);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Erreur de lecture");
    EXPECT_EQ(after, 1);   // the rest of the event still ran

    label->OnClick = [](TObject*) { throw 42; };
    label->Click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], "");

    RunHandler([] { throw std::runtime_error("direct"); });
    EXPECT_EQ(messages.back(), "direct");
}

TEST_F(FormsTest, HandlerMayDeleteItsOwnControl) {
    auto* panel = new TPanel(form.get());
    auto* label = new TLabel(panel);
    label->OnClick = [&](TObject* s) { delete static_cast<TLabel*>(s); };
    int ups = 0;
    label->OnMouseUp = [&](TObject*, TMouseButton, int, int, int) { ++ups; };
    Click(label);
    EXPECT_EQ(panel->ControlCount(), 0);
    EXPECT_EQ(ups, 0);
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, EditReportsChangesAndKeysThroughItsHandlers) {
    auto* edit = new TEdit(form.get());
    auto* inner = edit->findChild<QLineEdit*>();
    ASSERT_NE(inner, nullptr);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText(Utf8ToAnsi("été"));
    EXPECT_EQ(edit->Text(), Utf8ToAnsi("été"));
    EXPECT_EQ(changes, 1);

    std::vector<int> downs, ups;
    edit->OnKeyDown = [&](TObject*, int& key, int) { downs.push_back(key); };
    edit->OnKeyUp = [&](TObject*, int& key, int) { ups.push_back(key); };
    edit->OnKeyPress = [&](TObject*, char& c) {
        if (c == 'a') c = 'b';          // replaced
        if (c == 'x') c = 0;            // swallowed
    };
    edit->SetText("");
    Key(inner, Qt::Key_A, "a");
    Key(inner, Qt::Key_X, "x");
    Key(inner, Qt::Key_C, "c");
    EXPECT_EQ(edit->Text(), "bc");
    EXPECT_EQ(downs, (std::vector<int>{Qt::Key_A, Qt::Key_X, Qt::Key_C}));
    EXPECT_EQ(ups.size(), 3u);

    // A key zeroed in OnKeyDown never reaches the edit.
    edit->OnKeyDown = [](TObject*, int& key, int) { if (key == Qt::Key_D) key = 0; };
    Key(inner, Qt::Key_D, "d");
    EXPECT_EQ(edit->Text(), "bc");

    edit->SetMaxLength(3);
    edit->SetText("abcdef");
    EXPECT_EQ(edit->Text(), "abc");

    // Clicks on the wrapped widget are the control's clicks.
    int clicks = 0;
    edit->OnClick = [&](TObject*) { ++clicks; };
    Click(inner);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, CheckBoxesToggleAndRadioButtonsExcludeTheirSiblings) {
    auto* box = new TCheckBox(form.get());
    int boxClicks = 0;
    box->OnClick = [&](TObject*) { ++boxClicks; };
    Click(box->findChild<QCheckBox*>());
    EXPECT_TRUE(box->Checked());
    box->Click();
    EXPECT_FALSE(box->Checked());
    box->SetChecked(false);   // no change, no click
    EXPECT_EQ(boxClicks, 2);

    auto* group = new TPanel(form.get());
    auto* r1 = new TRadioButton(group);
    auto* r2 = new TRadioButton(group);
    auto* elsewhere = new TRadioButton(form.get());
    elsewhere->SetChecked(true);
    int r2Clicks = 0;
    r2->OnClick = [&](TObject*) { ++r2Clicks; };
    r1->SetChecked(true);
    Click(r2->findChild<QRadioButton*>());
    EXPECT_FALSE(r1->Checked());
    EXPECT_TRUE(r2->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(r2Clicks, 1);
    // Clicking the checked one keeps it checked and runs nothing.
    Click(r2->findChild<QRadioButton*>());
    EXPECT_TRUE(r2->Checked());
    EXPECT_EQ(r2Clicks, 1);
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, SortedListBoxOrdersAccentedTextIgnoringCase) {
    auto* list = new TListBox(form.get());
    list->SetSorted(true);
    EXPECT_EQ(list->Add("martin"), 0);
    EXPECT_EQ(list->Add("Bernard"), 0);
    EXPECT_EQ(list->Add(Utf8ToAnsi("Émile")), 1);   // with the E, not after z
    EXPECT_EQ(list->Add("alice"), 0);
    EXPECT_EQ(list->Add("MARTIN"), 4);   // after its equal
    EXPECT_EQ(list->Add(Utf8ToAnsi("zoé")), 5);
    ASSERT_EQ(list->Count(), 6);
    EXPECT_EQ(list->Item(2), Utf8ToAnsi("Émile"));
    EXPECT_EQ(list->Item(3), "martin");
    for (int i = 1; i < list->Count(); ++i)
        EXPECT_LE(AnsiCompareText(list->Item(i - 1), list->Item(i)), 0) << i;
    EXPECT_EQ(list->Item(0), "alice");
    EXPECT_EQ(list->IndexOf(Utf8ToAnsi("éMILE")), list->IndexOf(Utf8ToAnsi("Émile")));
    EXPECT_GE(list->IndexOf(Utf8ToAnsi("émile")), 0);
    EXPECT_EQ(list->IndexOf("nobody"), -1);
    EXPECT_THROW(list->Item(9), Exception);

    // Windows-1252 texts come back byte for byte.
    list->Clear();
    const AnsiString odd = Utf8ToAnsi("œuvre — « 1 € »");
    list->Add(odd);
    EXPECT_EQ(list->Item(0), odd);

    // Turning sorting on sorts what is there.
    auto* plain = new TListBox(form.get());
    plain->SetItems([] { TStringList l; l.Add("b"); l.Add("C"); l.Add("a"); return l; }());
    EXPECT_EQ(plain->Item(0), "b");
    plain->SetSorted(true);
    EXPECT_EQ(plain->Item(0), "a");
    EXPECT_EQ(plain->Item(2), "C");
}

TEST_F(FormsTest, ListBoxSelectionRunsOnClickOnlyForTheUser) {
    auto* list = new TListBox(form.get());
    list->SetBounds(0, 0, 200, 200);
    for (const char* s : {"un", "deux", "trois"}) list->Add(s);
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(list->ItemIndex(), -1);

    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    list->SetItemIndex(-1);
    EXPECT_EQ(list->ItemIndex(), -1);

    list->SelectByUser(2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);

    // A real click on the first row.
    auto* widget = list->findChild<QListWidget*>();
    form->show();
    QRect row = widget->visualItemRect(widget->item(0));
    Click(widget->viewport(), row.center());
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(clicks, 2);

    // Arrow key down.
    Key(widget, Qt::Key_Down, QString());
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 3);
    form->hide();

    list->Delete(1);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(clicks, 3);
}

TEST_F(FormsTest, ComboBoxStartsEmptyAndReportsUserChoices) {
    auto* combo = new TComboBox(form.get());
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->Add("CP");
    combo->Add("CE1");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "CE1");
    EXPECT_EQ(changes, 0);
    combo->SelectByUser(0);
    EXPECT_EQ(combo->Text(), "CP");
    EXPECT_EQ(changes, 1);
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, TreeLoadsLinesByTabDepthInTreeOrder) {
    auto* tree = new TTreeView(form.get());
    tree->LoadFromLines({"Nombres", "\t[N1] Lire", "\t[N2] Ecrire", "\t\t[N21] Dicter",
                         "Calcul", "\t\t\t[C1] Trop profond", "\t\t\t[C2] Voisin", "\t[C3] Retour"});
    ASSERT_EQ(tree->TopCount(), 2);
    EXPECT_EQ(tree->Count(), 8);
    TTreeNode* nombres = tree->TopItem(0);
    ASSERT_EQ(nombres->Count(), 2);
    EXPECT_EQ(nombres->Item(1)->Text(), "[N2] Ecrire");
    EXPECT_EQ(nombres->Item(1)->Item(0)->Text(), "[N21] Dicter");
    EXPECT_EQ(nombres->Item(1)->Item(0)->Level(), 2);

    // A line far deeper hangs under the line before it; its equal is its sibling.
    TTreeNode* calcul = tree->TopItem(1);
    ASSERT_EQ(calcul->Count(), 3);
    EXPECT_EQ(calcul->Item(0)->Text(), "[C1] Trop profond");
    EXPECT_EQ(calcul->Item(0)->Level(), 1);
    EXPECT_EQ(calcul->Item(1)->Text(), "[C2] Voisin");
    EXPECT_EQ(calcul->Item(2)->Text(), "[C3] Retour");

    std::vector<AnsiString> order;
    for (TTreeNode* n : tree->Nodes()) order.push_back(n->Text());
    EXPECT_EQ(order, (std::vector<AnsiString>{"Nombres", "[N1] Lire", "[N2] Ecrire", "[N21] Dicter",
                                              "Calcul", "[C1] Trop profond", "[C2] Voisin",
                                              "[C3] Retour"}));
    std::vector<AnsiString> walked;
    for (TTreeNode* n = tree->GetFirstNode(); n; n = n->GetNext()) walked.push_back(n->Text());
    EXPECT_EQ(walked, order);
    EXPECT_EQ(nombres->GetNextSibling(), calcul);
    EXPECT_EQ(calcul->Item(2)->Index(), 2);

    // Loading again replaces everything.
    tree->LoadFromLines({"Seul"});
    EXPECT_EQ(tree->Count(), 1);
    EXPECT_EQ(tree->GetFirstNode()->Text(), "Seul");
    EXPECT_EQ(tree->GetFirstNode()->Level(), 0);
}

TEST_F(FormsTest, TreeSelectionDataAndClicks) {
    auto* tree = new TTreeView(form.get());
    tree->SetBounds(0, 0, 300, 300);
    tree->LoadFromLines({"A", "\tA1", "B"});
    TTreeNode* a1 = tree->TopItem(0)->Item(0);
    a1->SetData("[A1]");
    EXPECT_TRUE(a1->HasData());
    EXPECT_EQ(a1->Data(), "[A1]");
    EXPECT_FALSE(tree->TopItem(1)->HasData());
    EXPECT_EQ(tree->Selected(), nullptr);

    std::vector<std::string> events;
    tree->OnChange = [&](TObject*) { events.push_back("change"); };
    tree->OnClick = [&](TObject*) { events.push_back("click"); };
    tree->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };

    tree->ClickNode(a1);
    EXPECT_EQ(tree->Selected(), a1);
    EXPECT_TRUE(a1->Selected());
    EXPECT_EQ(events, (std::vector<std::string>{"change", "click"}));

    events.clear();
    tree->SetSelected(nullptr);
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"change"}));

    tree->TopItem(0)->Expand(true);
    EXPECT_TRUE(tree->TopItem(0)->Expanded());
    tree->TopItem(0)->Collapse();
    EXPECT_FALSE(tree->TopItem(0)->Expanded());

    // A real click on a row selects it: OnChange, then OnClick; a double click follows.
    form->show();
    auto* widget = tree->findChild<QTreeWidget*>();
    QRect row = widget->visualItemRect(widget->topLevelItem(1));
    events.clear();
    Click(widget->viewport(), row.center());
    EXPECT_EQ(tree->Selected(), tree->TopItem(1));
    EXPECT_EQ(events, (std::vector<std::string>{"change", "click"}));
    SendMouse(widget->viewport(), QEvent::MouseButtonDblClick, row.center());
    EXPECT_EQ(events.back(), "dblclick");
    form->hide();
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, PageControlShowsOnlyItsActivePage) {
    auto* pages = new TPageControl(form.get());
    pages->SetBounds(0, 0, 600, 400);
    auto* p0 = new TTabSheet(pages, "TabQCM", "QCM");
    auto* p1 = new TTabSheet(pages, "TabQO", "QO");
    auto* p2 = new TTabSheet(pages, "TabQB", "QB");
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(p2->PageIndex(), 2);
    EXPECT_EQ(p1->Top(), TPageControl::TabHeight);
    EXPECT_EQ(p1->Height(), 400 - TPageControl::TabHeight);
    EXPECT_EQ(p1->Width(), 600);

    pages->SetActivePageIndex(2);
    EXPECT_EQ(pages->ActivePage(), p2);
    EXPECT_FALSE(p0->Visible());
    EXPECT_FALSE(p1->Visible());
    EXPECT_TRUE(p2->Visible());
    pages->SetActivePageIndex(-1);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_FALSE(p2->Visible());

    // Clicking a tab changes the page and runs OnChange; code changes do not.
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->SetActivePageIndex(0);
    TRect tab = pages->TabRect(1);
    EXPECT_GT(tab.Width(), 0);
    EXPECT_EQ(tab.Height(), TPageControl::TabHeight);
    Click(pages, QPoint((tab.Left + tab.Right) / 2, tab.Top + 5));
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(p1->Visible());
    EXPECT_EQ(changes, 1);
}

TEST_F(FormsTest, FocusEnteringAControlOrItsChildrenRunsOnEnterAndOnExit) {
    auto* pages = new TPageControl(form.get());
    pages->SetBounds(0, 0, 400, 300);
    auto* page = new TTabSheet(pages, "Page", "Page");
    auto* inside = new TEdit(page);
    auto* outside = new TEdit(form.get());
    outside->SetTop(350);
    std::vector<std::string> events;
    pages->OnEnter = [&](TObject*) { events.push_back("pages enter"); };
    pages->OnExit = [&](TObject*) { events.push_back("pages exit"); };
    inside->OnEnter = [&](TObject*) { events.push_back("inside enter"); };
    outside->OnEnter = [&](TObject*) { events.push_back("outside enter"); };

    form->show();
    QApplication::setActiveWindow(form.get());
    outside->SetFocus();
    events.clear();
    inside->SetFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"pages enter", "inside enter"}));
    events.clear();
    outside->SetFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"pages exit", "outside enter"}));
    form->hide();
}

TEST_F(FormsTest, ProgressBarStepsAndWrapsPastItsMaximum) {
    auto* bar = new TProgressBar(form.get());
    bar->SetMax(100);
    bar->SetStep(30);
    bar->StepIt();
    bar->StepIt();
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 90);
    bar->StepIt();               // 120 wraps
    EXPECT_EQ(bar->Position(), 20);
    bar->SetPosition(100);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetMin(10);
    bar->SetPosition(0);
    EXPECT_EQ(bar->Position(), 10);
}

TEST_F(FormsTest, TimerFiresItsHandlerAndShowsItsExceptions) {
    TTimer timer(nullptr, "Clock");
    int ticks = 0;
    timer.OnTimer = [&](TObject* s) { EXPECT_EQ(s, &timer); ++ticks; };
    EXPECT_FALSE(timer.Enabled());
    timer.SetInterval(500);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 500);
    timer.Fire();
    timer.Fire();
    EXPECT_EQ(ticks, 2);
    timer.OnTimer = [](TObject*) { throw Exception("tic"); };
    timer.Fire();
    EXPECT_EQ(messages, (std::vector<AnsiString>{"tic"}));
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
}

// ---------------------------------------------------------------------------

TEST_F(FormsTest, ShowModalRunsShowHookAndCloses) {
    std::vector<std::string> events;
    form->OnShow = [&](TObject*) { events.push_back("show"); };
    form->OnClose = [&](TObject*) { events.push_back("close"); };
    bool visibleInHook = false, modalInHook = false;
    onModal = [&](TForm& f) {
        events.push_back("hook");
        visibleInHook = f.Visible();
        modalInHook = f.Modal();
    };
    form->ShowModal();
    EXPECT_EQ(events, (std::vector<std::string>{"show", "hook", "close"}));
    EXPECT_TRUE(visibleInHook);
    EXPECT_TRUE(modalInHook);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());

    // A screen closed by the hook with a result keeps it, and closes once.
    events.clear();
    onModal = [&](TForm& f) { f.SetModalResult(mrOk); f.Close(); };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "close"}));

    // OnShow runs at every showing.
    events.clear();
    onModal = nullptr;
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "close"}));
}

TEST_F(FormsTest, ShowFormRunsOnShowAndCloseHides) {
    int shows = 0, closes = 0;
    form->OnShow = [&](TObject*) { ++shows; };
    form->OnClose = [&](TObject*) { ++closes; };
    form->ShowForm();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shows, 1);
    form->Close();
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(closes, 1);
    // Visible := true shows the screen as Show does.
    form->SetVisible(true);
    EXPECT_EQ(shows, 2);
    form->Hide();
    EXPECT_EQ(closes, 1);
}

class MainScreen : public TForm {
public:
    MainScreen() : TForm("MainScreen") {
        OnShow = [this](TObject*) {
            ++shows;
            // Closes from inside the running loop.
            QTimer::singleShot(0, this, [this] { Close(); });
        };
    }
    int shows = 0;
};

TEST_F(FormsTest, ClosingTheMainFormEndsTheApplicationLoop) {
    MainScreen* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    Application->Run();   // returns once the main form closed
    EXPECT_EQ(main->shows, 1);
    EXPECT_FALSE(main->Visible());
    EXPECT_TRUE(Application->Terminated());
    Application->DestroyForms();
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_TRUE(Application->Forms().empty());
}

}  // namespace
