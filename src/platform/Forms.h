#pragma once
// Our small component layer over Qt Widgets, with the framework's class names.
// A control's state (place, size, visibility, captions, hints, fonts, pictures) is
// what the screens read and write; Qt only paints it and delivers the events.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "Errors.h"
#include "Graphics.h"
#include "Text.h"

class QLineEdit;
class QPlainTextEdit;
class QListWidget;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;
class QProgressBar;
class QPushButton;
class QAbstractButton;
class QEventLoop;

class TObject {
public:
    virtual ~TObject() = default;
    AnsiString Name() const { return name_; }
    void SetName(const AnsiString& n) { name_ = n; }
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }
private:
    AnsiString name_;
    int tag_ = 0;
};

enum class TCursor { Default, HandPoint, IBeam };
enum class TAlignment { LeftJustify, RightJustify, Center };
enum class TMouseButton { Left, Right, Middle };
enum TShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16 };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, int shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, int shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, int& key, int shift)>;   // key: Qt::Key
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;        // Windows-1252

class TForm;

// Every visible component. Geometry is relative to the parent. A control keeps the
// list of the components it owns, in creation order.
class TControl : public QWidget, public TObject {
public:
    explicit TControl(TControl* parent, const AnsiString& name = "");
    ~TControl() override;

    int Left() const { Settle(); return x(); }
    int Top() const { Settle(); return y(); }
    int Width() const { Settle(); return width(); }
    int Height() const { Settle(); return height(); }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void SetBounds(int left, int top, int width, int height);

    // Visible is the control's own flag (true even while its window is hidden).
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool v);

    virtual AnsiString Caption() const { return caption_; }
    virtual void SetCaption(const AnsiString& c);
    // Plain text that often holds state; shown as a tooltip only when ShowHint is set.
    AnsiString Hint() const { return hint_; }
    void SetHint(const AnsiString& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);

    TControl* Parent() const { return parent_; }
    // Owned components in creation order.
    const std::vector<TControl*>& Controls() const { return controls_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    // The form the control stands on (itself for a form).
    TForm* OwnerForm();

    void Repaint() { repaint(); }
    void BringToFront() { raise(); }
    // Controls of the same form that this one, standing over them, must leave seen and
    // clickable: while they show, it is cut away where they lie (for a control without
    // a mask of its own).
    void KeepUncovered(const std::vector<TControl*>& controls);

    // ParentColor / ParentFont: a control follows its parent's colour and font until
    // its own are set (edits, lists and trees start with their own white colour).
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave, OnEnter, OnExit;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Runs the control's click as a user click would (handlers only when enabled).
    virtual void Click();

protected:
    // Called when the font, colour or caption changed: a wrapped Qt widget takes the
    // font and colours; painted controls repaint.
    virtual void StateChanged();
    void paintEvent(QPaintEvent* e) override;     // fills with Color unless transparent
    void resizeEvent(QResizeEvent* e) override;   // a wrapped widget covers the control
    // A wrapped widget takes the looks it waits for; the control cuts itself away
    // where the controls it keeps uncovered are.
    void showEvent(QShowEvent* e) override;
    virtual bool PaintsBackground() const { return false; }
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    // Lets a control wrapping a Qt widget forward that widget's mouse and key events.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ForwardEventsOf(QWidget* inner);
    // Hooks for subclasses: after a change of place or size, of the Visible flag.
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    // False for wrapped widgets that report their own clicks (buttons, lists...).
    virtual bool ForwardsClick() const { return true; }
    // Calls a notify handler through RunHandler (the control may be deleted by it).
    void Notify(const TNotifyEvent& handler);
    // A size that waits to be computed until the control is read or shown (measuring
    // text loads fonts: a hidden screen's labels need none until then).
    void Settle() const { if (sizePending_) const_cast<TControl*>(this)->ApplyPendingSize(); }
    virtual void ApplyPendingSize() { sizePending_ = false; }
    // Called before a width and/or a height is given to the control.
    virtual void SizeGiven(bool width, bool height) {}
    bool sizePending_ = false;
    QWidget* inner_ = nullptr;       // the wrapped Qt widget, if any

    TFont font_;
    TColor color_ = kScreenColor;
    AnsiString caption_;

private:
    // The control's side of mouse and key events, from Qt or from the wrapped widget
    // (positions in the control's coordinates); false when a handler deleted it.
    bool MouseDown(QMouseEvent* e, QPoint p);
    bool MouseUp(QMouseEvent* e, QPoint p);
    bool MouseDoubleClick(QMouseEvent* e, QPoint p);
    void MouseMove(QMouseEvent* e, QPoint p);
    // OnKeyDown, then OnKeyPress with the typed character (0 for none, which the
    // handler may change); false when a handler swallowed the key.
    bool KeyDown(QKeyEvent* e, char& typed);
    bool KeyUp(QKeyEvent* e);

    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    AnsiString hint_;
    bool showHint_ = false;
    TCursor cursor_ = TCursor::Default;
    bool pressed_ = false;
    bool parentColor_ = true, parentFont_ = true, inheritingFont_ = false;
    bool forwarding_ = false;
    bool looksPending_ = false;
    QWidget* mouseTarget_ = nullptr;
    std::vector<QPointer<TControl>> uncovered_;
    void CutAway();
    void ApplyLooks();
    void FontChanged();
    void PropagateColor();
    void PropagateFont();
};

// A text label; transparent labels over pictures serve as commands.
class TLabel : public TControl {
public:
    explicit TLabel(TControl* parent, const AnsiString& name = "");
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // AutoSize: without WordWrap the label fits its text; with WordWrap it keeps its
    // width and takes the height of the wrapped text.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool Layout_Center() const { return vcenter_; }
    void SetLayoutCenter(bool v);                  // vertical centring
    // A text wider than the label is shown cut, with "…" at its end (one line only).
    bool EndEllipsis() const { return ellipsis_; }
    void SetEndEllipsis(bool v);
    void SetCaption(const AnsiString& c) override;
    void AdjustSize();                             // applies AutoSize now
    AnsiString ShownText() const;                  // the caption as the label shows it
    int TextWidth(const AnsiString& text) const;   // in the label's font
protected:
    void StateChanged() override;
    void BoundsChanged() override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void ApplyPendingSize() override;
    void SizeGiven(bool width, bool height) override;
private:
    // AutoSize at once on a label that can be seen; otherwise when it is read or shown.
    void FitToText();
    void Measure(const QFont& font, const QString& text, bool wrap);
    bool transparent_ = false, autoSize_ = true, wordWrap_ = false, vcenter_ = false;
    bool ellipsis_ = false, adjusting_ = false;
    // An unwrapped fit still owed from before AutoSize was turned off or WordWrap on:
    // the font and text it was owed for.
    std::unique_ptr<std::pair<QFont, QString>> owedFit_;
    // The last text measured (font, text, wrapping width or -1) and the size it gave: a
    // move or a new colour does not measure it again.
    QFont fitFont_;
    QString fitText_;
    int fitWrapWidth_ = -2;
    QSize fitSize_;
    TAlignment alignment_ = TAlignment::LeftJustify;
};

// A picture: drawn at the top-left, centred, or stretched (optionally keeping its ratio).
class TImage : public TControl {
public:
    explicit TImage(TControl* parent, const AnsiString& name = "");
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; update(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; update(); }
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v) { proportional_ = v; update(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; update(); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // The image's own drawing surface (a picture the size of the control when empty).
    TCanvas& Canvas();
    // Where the picture is drawn in the control (Center, Stretch, Proportional).
    TRect DestRect() const;
protected:
    void paintEvent(QPaintEvent* e) override;
private:
    void PictureChanged();
    // Transparent pictures without alpha: the bottom-left pixel's colour is see-through.
    QImage keyed_;
    qint64 keyedFrom_ = 0;
    TPicture picture_;
    std::unique_ptr<TCanvas> canvas_;
    bool center_ = false, stretch_ = false, proportional_ = false, transparent_ = false, autoSize_ = false;
};

enum class TShapeType { Rectangle, RoundRect, Ellipse, Circle, Square, RoundSquare };
class TShape : public TControl {
public:
    explicit TShape(TControl* parent, const AnsiString& name = "");
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s) { shape_ = s; update(); }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
protected:
    void paintEvent(QPaintEvent* e) override;
private:
    TShapeType shape_ = TShapeType::Rectangle;
    TPen pen_;
    TBrush brush_;
};

enum class TBevelCut { None, Raised, Lowered };
// A container filled with its colour; shows its caption centred unless it is empty.
class TPanel : public TControl {
public:
    explicit TPanel(TControl* parent, const AnsiString& name = "");
    TBevelCut BevelOuter() const { return bevel_; }
    void SetBevelOuter(TBevelCut b) { bevel_ = b; update(); }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v) { showCaption_ = v; update(); }
    // ParentBackground: the panel does not fill itself; what lies under it shows.
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v) { parentBackground_ = v; update(); }
protected:
    void paintEvent(QPaintEvent* e) override;
private:
    TBevelCut bevel_ = TBevelCut::Raised;
    bool showCaption_ = true, parentBackground_ = false;
};

class TGroupBox : public TControl {
public:
    explicit TGroupBox(TControl* parent, const AnsiString& name = "");
protected:
    void paintEvent(QPaintEvent* e) override;
};

// Check boxes and radio buttons: a Qt button that only the control checks.
class TButtonControl : public TControl {
public:
    bool Checked() const;
protected:
    TButtonControl(TControl* parent, const AnsiString& name, QAbstractButton* button);
    // Sets the state without a click; false when it already was so.
    bool SetState(bool v);
    // The user clicked the button, asking for this state.
    virtual void UserClicked(bool checked) = 0;
    void StateChanged() override;
    bool ForwardsClick() const override { return false; }
private:
    QAbstractButton* button_;
};

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TControl* parent, const AnsiString& name = "");
    void SetChecked(bool v);                       // runs OnClick when it changes
    void Click() override;                         // toggles, then OnClick
protected:
    void UserClicked(bool checked) override { SetChecked(checked); }
};

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TControl* parent, const AnsiString& name = "");
    void SetChecked(bool v);                       // unchecks its siblings; OnClick when set
    void Click() override;
protected:
    void UserClicked(bool) override { SetChecked(true); }
};

class TButton : public TControl {
public:
    explicit TButton(TControl* parent, const AnsiString& name = "");
protected:
    void StateChanged() override;
    bool ForwardsClick() const override { return false; }
private:
    QPushButton* button_;
};

enum class TBorderStyle { None, Single };
class TEdit : public TControl {
public:
    explicit TEdit(TControl* parent, const AnsiString& name = "");
    AnsiString Text() const;
    void SetText(const AnsiString& t);             // runs OnChange
    int MaxLength() const;
    void SetMaxLength(int n);                      // 0: no limit
    void SetBorderStyle(TBorderStyle b);
    void SetReadOnly(bool v);
    void SetFocus();
    void SelectAll();
    TNotifyEvent OnChange;
protected:
    QLineEdit* edit_;
};

// An edit with a caption label above it.
class TLabeledEdit : public TEdit {
public:
    explicit TLabeledEdit(TControl* parent, const AnsiString& name = "");
    ~TLabeledEdit() override;
    TLabel* EditLabel() { return label_; }
protected:
    // The label stays 3 pixels above the edit and follows its visibility.
    void BoundsChanged() override;
    void VisibleChanged() override;
private:
    QPointer<TLabel> label_;   // a sibling: the parent may delete it first
};

class TMemo : public TControl {
public:
    explicit TMemo(TControl* parent, const AnsiString& name = "");
    // The text; lines joined by CR LF.
    AnsiString Text() const;
    void SetText(const AnsiString& t);
    TStringList Lines() const;
    void SetLines(const TStringList& lines);
    void AddLine(const AnsiString& line);
    void Clear();
    void SetReadOnly(bool v);
    void SetWordWrap(bool v);
    void SetBorderStyle(TBorderStyle b);
    void SetScrollBars(bool vertical);
    TNotifyEvent OnChange;
protected:
    void showEvent(QShowEvent* e) override;
private:
    // A hidden memo keeps its text aside: it is laid out (fonts, shaping) when shown.
    QString PlainText() const;
    void SetPlainText(const QString& text);
    QPlainTextEdit* memo_;
    std::unique_ptr<QString> pendingText_;
};

// A list of texts; Sorted lists keep their items in case-insensitive order.
class TListBox : public TControl {
public:
    explicit TListBox(TControl* parent, const AnsiString& name = "");
    int Count() const;
    AnsiString Item(int i) const;
    TStringList Items() const;
    void SetItems(const TStringList& items);       // replaces (sorted when Sorted)
    int Add(const AnsiString& s);                  // returns the index it took
    void Delete(int i);
    void Clear();
    int IndexOf(const AnsiString& s) const;        // case-insensitive
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    int ItemIndex() const;                         // -1: nothing selected
    void SetItemIndex(int i);                      // does not run OnClick
    // Selects an item as the user does (mouse or arrow keys): runs OnClick.
    void SelectByUser(int i);
protected:
    bool ForwardsClick() const override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;
private:
    void Insert(int i, const AnsiString& s);
    QListWidget* list_;
    bool sorted_ = false;
    bool quiet_ = false, mouseDown_ = false;
    int rowAtPress_ = -1;
};

// A drop-down list; with DropDownList style no free text is typed.
class TComboBox : public TControl {
public:
    explicit TComboBox(TControl* parent, const AnsiString& name = "");
    int Count() const;
    AnsiString Item(int i) const;
    void SetItems(const TStringList& items);
    int Add(const AnsiString& s);
    void Clear();
    int ItemIndex() const;                         // -1: nothing selected
    void SetItemIndex(int i);                      // does not run OnChange
    void SelectByUser(int i);                      // runs OnChange
    AnsiString Text() const;                       // the selected entry, "" when none
    TNotifyEvent OnChange;
protected:
    bool ForwardsClick() const override { return false; }
private:
    QComboBox* combo_;
};

class TProgressBar : public TControl {
public:
    explicit TProgressBar(TControl* parent, const AnsiString& name = "");
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int Step() const { return step_; }
    void SetMin(int v);
    void SetMax(int v);
    void SetPosition(int v);                       // clamped to Min..Max
    void SetStep(int v) { step_ = v; }
    // Advances by Step; past Max the position wraps to Min, as the common control does.
    void StepIt();
private:
    void Sync();
    QProgressBar* bar_;
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
};

class TTabSheet;
// Pages with a row of flat tab buttons at the top; only code changes pages when the
// row is covered. Pages are laid out below the tab row.
class TPageControl : public TControl {
public:
    explicit TPageControl(TControl* parent, const AnsiString& name = "");
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int i) const { return pages_.at(i); }
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int i);                // -1 or out of range: no page shown
    TTabSheet* ActivePage() const;
    static constexpr int TabHeight = 24;
    // The tab button of page i in the tab row (empty when out of range).
    TRect TabRect(int i) const;
    TNotifyEvent OnChange;                         // user tab clicks only
private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    void LayoutPages();
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    std::vector<TTabSheet*> pages_;
    int active_ = -1;
};

class TTabSheet : public TControl {
public:
    TTabSheet(TPageControl* owner, const AnsiString& name, const AnsiString& caption);
    ~TTabSheet() override;
    int PageIndex() const;
protected:
    bool PaintsBackground() const override { return true; }
    void StateChanged() override;
};

class TTreeView;
// A node of a tree view: text, an optional data text owned by the node, children.
class TTreeNode {
public:
    AnsiString Text() const { return text_; }
    void SetText(const AnsiString& t);
    bool HasData() const { return hasData_; }
    AnsiString Data() const { return data_; }      // "" when it has none
    void SetData(const AnsiString& d) { data_ = d; hasData_ = true; }
    void ClearData() { data_.clear(); hasData_ = false; }
    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int i) const { return children_.at(i).get(); }
    bool HasChildren() const { return !children_.empty(); }
    int Level() const;                             // 0 for a top-level node
    int Index() const;                             // among its siblings (kept, not searched)
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetNext() const;                    // next node in tree order
    bool Expanded() const;
    void Expand(bool recurse);
    void Collapse();
    bool Selected() const;
private:
    friend class TTreeView;
    TTreeView* tree_ = nullptr;
    TTreeNode* parent_ = nullptr;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    QTreeWidgetItem* item_ = nullptr;
    AnsiString text_, data_;
    bool hasData_ = false;
    int index_ = 0;                                // place among its siblings
};

class TTreeView : public TControl {
public:
    explicit TTreeView(TControl* parent, const AnsiString& name = "");
    ~TTreeView() override;
    int Count() const;                             // all nodes
    TTreeNode* GetFirstNode() const;
    // All nodes in tree order.
    std::vector<TTreeNode*> Nodes() const;
    int TopCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* TopItem(int i) const { return roots_.at(i).get(); }
    // Replaces all nodes: one node per line, leading tabs give the depth (a line
    // deeper than one level below the line before it hangs under that line).
    void LoadFromLines(const std::vector<AnsiString>& lines);
    TTreeNode* AddChild(TTreeNode* parent, const AnsiString& text);   // parent null: top level
    void Clear();
    void FullExpand();
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);             // null clears; runs OnChange
    // Selects as a user click would: OnChange, then OnClick.
    void ClickNode(TTreeNode* node);
    void SetIndent(int px);
    void SetReadOnly(bool v);
    TNotifyEvent OnChange;
private:
    friend class TTreeNode;
    TTreeNode* NodeOf(QTreeWidgetItem* item) const;
    QTreeWidget* tree_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    bool quiet_ = false;
};

// A timer of the user-interface thread.
class TTimer : public QObject, public TObject {
public:
    explicit TTimer(QObject* parent = nullptr, const AnsiString& name = "");
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);                       // enabling restarts the count
    // Runs one tick now, as the timer would (tests).
    void Fire();
    TNotifyEvent OnTimer;
private:
    QTimer timer_;
    int interval_ = 1000;
    bool enabled_ = false;
};

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// A screen: a borderless top-level window (1192 x 966, centred, by default).
class TForm : public TControl {
public:
    explicit TForm(const AnsiString& name, int width = 1192, int height = 966);
    void SetCaption(const AnsiString& c) override;   // window title
    // Shows the window (OnShow runs at every showing).
    void ShowForm();
    // Shows modally through the dialog service; returns when the screen closes.
    int ShowModal();
    bool Modal() const { return modal_; }
    // Closes: OnClose runs, the window hides, a modal loop ends.
    void Close();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    void CenterOnScreen();
    // Makes the window's drawing surface ready for a first showing (sized and written
    // once, nothing of it reaching the screen), so that the showing does not wait for the
    // system's memory. A surface holds as much memory as the screen has pixels.
    void PrepareSurface();
    TNotifyEvent OnShow, OnClose, OnActivate;

    // Used by the dialog service.
    void BeginModal();
    void EndModal();
protected:
    void closeEvent(QCloseEvent* e) override;
    // The window becoming the active one runs OnActivate.
    void changeEvent(QEvent* e) override;
    bool PaintsBackground() const override { return true; }
private:
    bool modal_ = false;
    bool closing_ = false;
    int closeCount_ = 0;
    int modalResult_ = mrNone;
    QEventLoop* loop_ = nullptr;
    friend class DialogService;
};

// The application object: creates the screens, runs the loop, shows exceptions.
class TApplication {
public:
    void Initialize() {}
    template <class T>
    void CreateForm(T*& global) {
        global = new T();
        forms_.push_back(global);
        if (!mainForm_) mainForm_ = global;
    }
    // Creates a screen the first window does not show as a later step (see Defer); it
    // keeps its place among the screens. Its global pointer is null until then.
    template <class T>
    void CreateFormLater(T*& global) {
        const std::size_t slot = forms_.size();
        forms_.push_back(nullptr);
        global = nullptr;
        T** where = &global;
        Defer([this, where, slot] {
            *where = new T();
            forms_[slot] = *where;
        });
    }
    // Leaves a step of building the screens for later, so that the first window shows
    // sooner: the steps run in the order given, one at a time while the loop is idle
    // once the main window is painted, and all at once before a screen is shown
    // modally or the first click or key reaches a screen (CompleteForms). When they are
    // done, the pictures the screens hold are drawn ahead the same way.
    void Defer(std::function<void()> step);
    // Marks the screen every user opens: once idle, its window's surface is made ready
    // too (TForm::PrepareSurface; the others' wait until their command is pointed at).
    template <class T>
    void PrepareSurfaceAhead(T*& global) {
        surfacesAhead_.push_back([&global] { return static_cast<TForm*>(global); });
    }
    // Marks a screen shown, if ever, before the loop runs: nothing of it is made ready
    // while idle.
    template <class T>
    void PrepareNothingAhead(T*& global) {
        nothingAhead_.push_back([&global] { return static_cast<TForm*>(global); });
    }
    // Marks a small hidden part whose pictures a screen shows now and then (a figure, its
    // toggle, a face kept for when the pointer is over a button): they are drawn ahead
    // like those of the pages, not left for their first showing.
    static void ShowsAtTimes(QWidget* part);
    // Runs every step left for later now.
    void CompleteForms();
    // Runs one step of the idle work (a step left for later, else the drawing ahead of
    // one picture or screen); false when none is left.
    bool RunIdleStep();
    TForm* MainForm() const { return mainForm_; }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    // Message box with the exception's text (empty for an unknown exception).
    void ShowException(const std::exception* e);
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Deletes every form (tests that create the screens more than once).
    void DestroyForms();
    const std::vector<TForm*>& Forms() const { return forms_; }
private:
    std::vector<TForm*> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::deque<std::function<void()>> later_;
    std::deque<std::function<void()>> ahead_;   // drawing ahead, planned once built
    bool aheadPlanned_ = false;
    std::vector<std::function<TForm*()>> surfacesAhead_, nothingAhead_;
    QPointer<QObject> idleWork_;   // watches events until the idle work is done
    void PlanDrawingAhead();
    void StartIdleWork();
};
extern TApplication* Application;

// Raises and activates a shown top-level window.
void BringToTop(QWidget* window);

// Runs a handler the way the message loop does: an exception that escapes it is
// shown by the application's exception display and the program goes on.
void RunHandler(const std::function<void()>& handler);
