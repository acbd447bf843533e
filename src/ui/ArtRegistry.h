#pragma once
// How each screen's pictures join the catalogue: a name, a size, the colour of the
// surface the picture sits on, and the routine that draws it. Every screen registers
// its own pictures from its own file; nothing is drawn when registering.
#include <functional>
#include <string>

#include <QColor>
#include <QPainter>
#include <QSize>
#include <QString>

#include "ui/ArtKit.h"

namespace art {

using DrawFn = std::function<void(QPainter&, const QSize&)>;

class Registry {
public:
    virtual ~Registry() = default;
    // The first registration of a name wins. A picture made of cells that each draw
    // within their own clip can draw a part of itself alone (`cells`).
    virtual void Add(const std::string& name, QSize size, const QColor& surface, DrawFn draw,
                     bool cells = false) = 0;

    // A normal picture (stem + normal) and its hovered twin (stem + hover).
    void AddTwins(const std::string& stem, const char* normal, const char* hover, QSize size,
                  const QColor& surface, const std::function<void(QPainter&, const QSize&, bool)>& draw);
    // A command face and its hovered twin: glossy body, icon, white caption.
    void AddFace(const std::string& stem, const char* normal, const char* hover, QSize size,
                 const QColor& surface, const QColor& base, const QString& caption, Icon icon, qreal px);
    // A help banner.
    void AddBanner(const std::string& name, QSize size, const QColor& surface, const QString& text, qreal px);
    // A coloured ribbon that leaves `leftGap` pixels free on its left.
    void AddRibbon(const std::string& name, QSize size, const QColor& surface, qreal leftGap,
                   const QColor& base, const QString& text, qreal px, Icon icon);
};

// The registrations, one per screen (each in its own file).
void RegisterHomeArt(Registry& r);
void RegisterLetterArt(Registry& r);
void RegisterIdentificationArt(Registry& r);
void RegisterPlayerArt(Registry& r);
void RegisterChoicePagesArt(Registry& r);
void RegisterOptionsArt(Registry& r);
void RegisterHistoryArt(Registry& r);
void RegisterGoodbyeArt(Registry& r);
void RegisterGamesArt(Registry& r);
void RegisterWatchArt(Registry& r);
void RegisterTextPagesArt(Registry& r);
void RegisterInputBoxArt(Registry& r);
void RegisterWordBankArt(Registry& r);

}  // namespace art
