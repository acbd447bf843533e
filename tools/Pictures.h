#pragma once
// Exercise pictures drawn by code from the recipes of content/images.txt.
#include <string>

#include <QImage>

struct PictureRecipe;

// "" when the recipe names a known drawing with valid arguments, else what is wrong.
std::string CheckRecipe(const PictureRecipe& recipe);

// Draws the picture of a checked recipe (at most 300 by 300, the figure's size).
// Text needs a QGuiApplication; throws BuildError without one.
QImage DrawPicture(const PictureRecipe& recipe);

// Encodes the image as a baseline JPEG (libjpeg) and writes it atomically: a temporary
// file in the same folder, then a rename. Throws BuildError on failure.
void SaveJpeg(const QImage& image, const std::string& path, int quality = 90);
