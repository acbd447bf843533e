// Cutting a text into word pieces, the Hints of word labels, and their places.
#include "player/WordLayout.h"

#include "platform/Forms.h"

namespace {

// The next piece of rest (empty when the line is finished).
WordPiece NextPiece(const AnsiString& rest, WordMarkup markup) {
    const int blank = Pos(" ", rest);
    WordPiece piece;
    int markAt = 0, markLength = 0;
    if (markup == WordMarkup::Gaps) {
        markAt = Pos(kGapToken, rest);
        markLength = 5;
    } else {
        const int open = Pos("{", rest), close = Pos("}", rest);
        // A "{" whose first "}" comes before it is no mark.
        if (open >= 1 && close > open) {
            markAt = open;
            markLength = close - open + 1;
        }
    }
    if (markAt >= 1 && markAt < blank) {
        // A mark before the first blank: the mark itself, or what is glued before it.
        piece.text = markAt == 1 ? SubString(rest, 1, markLength) : SubString(rest, 1, markAt - 1);
    } else if (blank > 0) {
        piece.text = SubString(rest, 1, blank);
        piece.blankFollows = true;
    }
    return piece;
}

}  // namespace

std::vector<WordPiece> CutTextIntoPieces(const AnsiString& text, WordMarkup markup) {
    std::vector<WordPiece> pieces;
    for (const AnsiString& line : SplitLines(text)) {
        AnsiString rest = line + " ";
        for (bool first = true;; first = false) {
            WordPiece piece = NextPiece(rest, markup);
            if (piece.text.empty()) break;
            rest.erase(0, piece.text.size());
            piece.lineStart = first;
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

bool IsGapPiece(const AnsiString& piece) {
    return Trim(piece) == kGapToken;
}

bool IsMarkedPiece(const AnsiString& piece) {
    return piece.size() >= 2 && piece.front() == '{' && piece.back() == '}';
}

AnsiString WithoutBraces(const AnsiString& markedPiece) {
    return IsMarkedPiece(markedPiece) ? markedPiece.substr(1, markedPiece.size() - 2) : markedPiece;
}

int CountOccurrences(const AnsiString& pattern, const AnsiString& text) {
    if (pattern.empty()) return 0;
    int n = 0;
    for (size_t at = text.find(pattern); at != AnsiString::npos; at = text.find(pattern, at + 1)) ++n;
    return n;
}

AnsiString WordLabelHint(const AnsiString& body, bool lineStart) {
    return body + (lineStart ? "#1" : "#0");
}

bool IsLineStartHint(const AnsiString& hint) {
    return hint.find("#1", 1) != AnsiString::npos;
}

bool HasSolution(const AnsiString& hint) {
    return Pos("#solution", hint) > 0;
}

AnsiString SolutionOfHint(const AnsiString& hint) {
    const int equals = Pos("=", hint);
    if (equals == 0) return "";
    const AnsiString after = SubStringFrom(hint, equals + 1);
    const int hash = Pos("#", after);
    return Trim(hash > 0 ? SubString(after, 1, hash - 1) : after);
}

int TextPoints(int right, int total) {
    return total > 0 ? right * 10 / total : 0;
}

void WordPlacer::StartLine() {
    ++line_;
    left_ = kWordLeft;
}

WordPlace WordPlacer::PlaceWord(int width) {
    if (left_ + width > grid_.limit) {
        ++line_;
        left_ = kWordLeft;
    }
    const WordPlace place{left_, line_ * grid_.lineStep + 10};
    left_ += width;
    return place;
}

WordPlace WordPlacer::PlaceBlank(int width) {
    const WordPlace place{left_, line_ * grid_.lineStep + 10};
    left_ += width;
    return place;
}

TLabel* NewWordLabel(TControl* parent) {
    auto* label = new TLabel(parent);
    if (!label->AutoSize()) label->SetAutoSize(true);
    label->SetTransparent(true);
    // Labels take their panel's font: it is set only where it differs (each change
    // measures the label again).
    TFont& f = label->Font();
    if (f.Name() != kWordFontName) f.SetName(kWordFontName);
    if (f.Height() != kWordFontPx) f.SetHeight(kWordFontPx);
    return label;
}

void LayOutText(const AnsiString& text, const TextPageLayout& page,
                const std::function<int(const WordPiece* piece)>& make,
                const std::function<void(WordPlace at)>& place) {
    WordPlacer placer(page.Grid());
    for (const WordPiece& piece : CutTextIntoPieces(text, page.markup)) {
        if (piece.lineStart) placer.StartLine();
        place(placer.PlaceWord(make(&piece)));
        if (page.blankLabels && piece.blankFollows) place(placer.PlaceBlank(make(nullptr)));
    }
}

void ReflowPlaces(std::vector<ReflowLabel>& labels, WordGrid grid) {
    for (size_t i = 1; i < labels.size(); ++i) {
        const ReflowLabel& before = labels[i - 1];
        ReflowLabel& label = labels[i];
        if (label.lineStart) {
            label.top = before.top + grid.lineStep;
            continue;
        }
        label.top = before.top;
        label.left = before.left + before.width;
        if (label.width + label.left > grid.limit) {
            label.left = kWordLeft;
            label.top += grid.lineStep;
        }
    }
}
