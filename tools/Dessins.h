// The drawers of the picture generator, one per family of pictures. Each
// writes its files under the Images folder given, in the layouts the game
// reads, and returns the number of files written.
#pragma once

#include <filesystem>

#include "tools/DonneesRegles.h"

class ClsJeuMonde;
class DossierJeu;

int DessinerTerrain(const DonneesRegles& d, const ClsJeuMonde& monde, const std::filesystem::path& images);
int DessinerEcrans(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerCurseurs(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerPersos(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerBatiments(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerDecors(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerEffets(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerObjets(const DonneesRegles& d, const std::filesystem::path& images);
int DessinerInterface(const DonneesRegles& d, DossierJeu& dossier, const std::filesystem::path& images);
// PNG copies of the item and building pictures for the HTML pages, read
// back from the bitmaps drawn above; call after them.
int CopierImagesDocuments(const DonneesRegles& d, DossierJeu& dossier, const std::filesystem::path& images);
// A preview of each scenario of the data set, built as a game builds it,
// into the given scenarios folder; call after the terrain.
int DessinerApercusScenarios(DossierJeu& dossier, const std::filesystem::path& images,
                             const std::filesystem::path& scenarios);
