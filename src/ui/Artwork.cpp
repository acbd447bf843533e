// The catalogue of pictures: each name with its size, the colour of the surface it
// sits on, and how it is drawn. A picture is drawn the first time its pixels are
// needed, once per run.
#include "ui/Artwork.h"

#include <map>
#include <string>

#include <QPainter>

#include "ui/ArtRegistry.h"

namespace art {

void Registry::AddTwins(const std::string& stem, const char* normal, const char* hover, QSize size,
                        const QColor& surface,
                        const std::function<void(QPainter&, const QSize&, bool)>& draw) {
    Add(stem + normal, size, surface, [draw](QPainter& p, const QSize& s) { draw(p, s, false); });
    Add(stem + hover, size, surface, [draw](QPainter& p, const QSize& s) { draw(p, s, true); });
}

void Registry::AddFace(const std::string& stem, const char* normal, const char* hover, QSize size,
                       const QColor& surface, const QColor& base, const QString& caption, Icon icon,
                       qreal px) {
    AddTwins(stem, normal, hover, size, surface, [=](QPainter& p, const QSize& s, bool h) {
        DrawButtonFace(p, s, base, caption, icon, h, px);
    });
}

void Registry::AddBanner(const std::string& name, QSize size, const QColor& surface,
                         const QString& text, qreal px) {
    Add(name, size, surface, [=](QPainter& p, const QSize& s) { DrawHintBanner(p, s, text, px); });
}

void Registry::AddRibbon(const std::string& name, QSize size, const QColor& surface, qreal leftGap,
                         const QColor& base, const QString& text, qreal px, Icon icon) {
    Add(name, size, surface, [=](QPainter& p, const QSize& s) {
        DrawRibbon(p, QRectF(leftGap, 1, s.width() - leftGap, s.height() - 2), base, text, px, icon);
    });
}

}  // namespace art

namespace {

class Catalogue : public art::Registry {
public:
    Catalogue() {
        for (auto registerScreen : {art::RegisterHomeArt, art::RegisterLetterArt,
                                    art::RegisterIdentificationArt, art::RegisterPlayerArt,
                                    art::RegisterChoicePagesArt, art::RegisterOptionsArt,
                                    art::RegisterHistoryArt, art::RegisterGoodbyeArt,
                                    art::RegisterGamesArt, art::RegisterWatchArt,
                                    art::RegisterTextPagesArt, art::RegisterInputBoxArt,
                                    art::RegisterWordBankArt})
            registerScreen(*this);
    }
    void Add(const std::string& name, QSize size, const QColor& surface, art::DrawFn draw,
             bool cells) override {
        if (pictures_.count(name)) return;
        // The whole picture, or what a clip lets through of it (a part drawn alone, in
        // place: cells draw the same pixels wherever the clip is).
        const auto paint = [size, surface, draw](const QRect& clip) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(surface);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            if (!clip.isNull()) p.setClipRect(clip);
            draw(p, size);
            return image;
        };
        TDeferredImage::DrawPart drawPart;
        if (cells) drawPart = [paint](const QRect& part) { return paint(part).copy(part); };
        pictures_.emplace(name, std::make_shared<const TDeferredImage>(
                                    size, [paint] { return paint(QRect()); }, std::move(drawPart)));
        names_.push_back(name);
    }
    DeferredImage Find(const std::string& name) const {
        auto it = pictures_.find(name);
        return it == pictures_.end() ? nullptr : it->second;
    }
    const std::vector<AnsiString>& Names() const { return names_; }

private:
    std::map<std::string, DeferredImage> pictures_;
    std::vector<AnsiString> names_;
};

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue;
    return catalogue;
}

}  // namespace

DeferredImage ArtworkPicture(const AnsiString& name) {
    return TheCatalogue().Find(name);
}

void SetArtwork(TPicture& picture, const AnsiString& name) {
    picture.SetDeferred(ArtworkPicture(name));
}

QImage Artwork(const AnsiString& name) {
    const DeferredImage picture = ArtworkPicture(name);
    return picture ? picture->Image() : QImage();
}

QSize ArtworkSize(const AnsiString& name) {
    const DeferredImage picture = ArtworkPicture(name);
    return picture ? picture->Size() : QSize();
}

std::vector<AnsiString> ArtworkNames() {
    return TheCatalogue().Names();
}
