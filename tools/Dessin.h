// Shared tools of the picture generator: pictures drawn with QPainter on a
// transparent canvas, turned into the game's bitmaps (transparent pixels
// black, every opaque pixel kept clear of black so that the colour key
// never eats it), colours derived from names, and a tileable noise.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

// A transparent canvas.
QImage Toile(int largeur, int hauteur);
// Writes the picture as the game's bitmap; false on failure.
bool Enregistrer(const QImage& image, const fs::path& chemin);

// Lower-case, accents removed: the keywords names are matched against.
std::string Simplifier(std::string_view nom);
bool Contient(std::string_view nom, std::initializer_list<const char*> mots);

// A stable hash of a name, for colours and seeds.
std::uint32_t Empreinte(std::string_view nom);
// A pleasant colour for a name: hue from its hash, given saturation and value.
QColor TeinteNom(std::string_view nom, int saturation = 150, int valeur = 190);
QColor Melanger(const QColor& a, const QColor& b, double t);
QColor Varier(const QColor& c, int delta);

// Smooth value noise of period 32 x 32 in [0, 1]: pictures made from it
// tile without seams.
class BruitPeriodique {
public:
    explicit BruitPeriodique(std::uint32_t graine, int cellule = 8);
    double Valeur(double x, double y) const;

private:
    int cellule_;
    int n_;
    std::vector<double> grille_;
};

// Draws a shape with an outline a shade darker than its fill.
void Forme(QPainter& p, const QPainterPath& chemin, const QColor& remplissage, double epaisseur = 1.0);
void Ellipse(QPainter& p, double x, double y, double l, double h, const QColor& c, double epaisseur = 1.0);
void Rect(QPainter& p, double x, double y, double l, double h, const QColor& c, double epaisseur = 1.0);
