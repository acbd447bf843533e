#pragma once
// Exercise pictures drawn by code from the recipes of content/images.txt.
#include <string>

#include <QImage>

struct PictureRecipe;

// "" when the recipe names a known drawing with valid arguments, else what is wrong.
std::string CheckRecipe(const PictureRecipe& recipe);

// A recipe that makes no file: its exercise names a picture that is missing.
bool MakesNoPicture(const PictureRecipe& recipe);

// Draws the picture of a checked recipe (at most 300 by 300, the figure's size, except
// the squared paper, larger, whose middle the figure shows). Text needs a
// QGuiApplication; throws BuildError without one, and for a recipe that makes no file.
QImage DrawPicture(const PictureRecipe& recipe);

// Encodes the image as a baseline JPEG (libjpeg) and writes it atomically: a temporary
// file in the same folder, then a rename. Throws BuildError on failure.
void SaveJpeg(const QImage& image, const std::string& path, int quality = 90);
// The kind of picture a file name ends with, in any case: "JPEG" for .jpg or .jpeg,
// "PNG", "BMP"; null for any other name.
const char* PictureFormat(const std::string& name);
// Saves the image in the kind its file name ends with, atomically as SaveJpeg does.
void SavePicture(const QImage& image, const std::string& path);
