// Cutting a text into word pieces, the Hints of word labels, and their places.
#include "player/WordLayout.h"

#include <string_view>

#include "platform/Forms.h"

namespace {

// The first place at or after a position where a text stands in a line, as the cut walks
// the line forward. A place found is kept until the walk passes it, and the next search
// starts where the walk is: the line is read once, however many marks it holds.
class NextPlace {
public:
    NextPlace(const AnsiString& line, std::string_view what) : line_(line), what_(what), at_(line.find(what)) {}
    size_t From(size_t from) {
        if (at_ < from) at_ = line_.find(what_, from);
        return at_;
    }

private:
    const AnsiString& line_;
    std::string_view what_;
    size_t at_;   // npos once there is none left
};

// Cuts one line, ended by the blank added to it, into its pieces; false when `take`
// asked to stop.
bool CutLine(const AnsiString& rest, WordMarkup markup, const std::function<bool(const WordPiece&)>& take) {
    const bool gaps = markup == WordMarkup::Gaps;
    NextPlace blank(rest, " "), gap(rest, kGapToken), open(rest, "{"), close(rest, "}");
    // The line ends with a blank, so each piece ends at one at the latest.
    for (size_t at = 0; at < rest.size();) {
        const size_t b = blank.From(at);
        size_t markAt = AnsiString::npos, markLength = 0;
        if (gaps) {
            markAt = gap.From(at);
            markLength = 5;
        } else {
            const size_t o = open.From(at), c = close.From(at);
            // A "{" whose first "}" comes before it is no mark.
            if (o != AnsiString::npos && c != AnsiString::npos && c > o) {
                markAt = o;
                markLength = c - o + 1;
            }
        }
        WordPiece piece;
        piece.lineStart = at == 0;
        if (markAt < b) {
            // A mark before the first blank: the mark itself, or what is glued before it.
            piece.text = rest.substr(at, markAt == at ? markLength : markAt - at);
        } else {
            piece.text = rest.substr(at, b - at + 1);
            piece.blankFollows = true;
        }
        at += piece.text.size();
        if (!take(piece)) return false;
    }
    return true;
}

}  // namespace

void CutTextIntoPieces(const AnsiString& text, WordMarkup markup, const std::function<bool(const WordPiece&)>& take) {
    for (const AnsiString& line : SplitLines(text))
        if (!CutLine(line + " ", markup, take)) return;
}

std::vector<WordPiece> CutTextIntoPieces(const AnsiString& text, WordMarkup markup) {
    std::vector<WordPiece> pieces;
    CutTextIntoPieces(text, markup, [&](const WordPiece& piece) {
        pieces.push_back(piece);
        return true;
    });
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
                const std::function<bool(WordPlace at)>& place) {
    WordPlacer placer(page.Grid());
    // Pieces are cut as they are laid out: a layout that stops leaves the rest uncut.
    CutTextIntoPieces(text, page.markup, [&](const WordPiece& piece) {
        if (piece.lineStart) placer.StartLine();
        if (!place(placer.PlaceWord(make(&piece)))) return false;
        if (!page.blankLabels || !piece.blankFollows) return true;
        return place(placer.PlaceBlank(make(nullptr)));
    });
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
