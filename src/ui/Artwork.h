#pragma once
// Every picture a screen holds is drawn here by code: one palette, French captions,
// the sizes the screens give. A picture is asked for by the name of the stored
// picture component that holds it ("ImageOptions1", "Note7", "alpha_q", "LatestALPHA").
#include <QImage>
#include <QSize>

#include "platform/Text.h"

// The picture of that name; a null QImage for an unknown name.
QImage Artwork(const AnsiString& name);
// Its size (an empty QSize for an unknown name), without drawing it.
QSize ArtworkSize(const AnsiString& name);
