#pragma once
// Every picture a screen holds is drawn here by code: one palette, French captions,
// the sizes the screens give. A picture is asked for by the name of the stored
// picture component that holds it ("ImageOptions1", "Note7", "alpha_q", "LatestALPHA").
#include <vector>

#include <QImage>
#include <QSize>

#include "platform/Graphics.h"
#include "platform/Text.h"

// The web address written on the web link faces (web_quillombre_education_1/_2).
inline constexpr const char* kPublisherSiteAddress = "www.cahier-exercices.example.org";

// The picture of that name, drawn when its pixels are first needed and then kept for
// the run; null for an unknown name. Screens show pictures this way.
DeferredImage ArtworkPicture(const AnsiString& name);
// Puts that picture into a picture component without drawing it (an unknown name
// leaves the component empty).
void SetArtwork(TPicture& picture, const AnsiString& name);
// The pixels of that picture, drawn now if they were not yet; a null QImage for an
// unknown name.
QImage Artwork(const AnsiString& name);
// Its size (an empty QSize for an unknown name), without drawing it.
QSize ArtworkSize(const AnsiString& name);
// Every name that has a picture, in a stable order (tools and tests walk it).
std::vector<AnsiString> ArtworkNames();
