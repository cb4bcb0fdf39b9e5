#include "tools/Dessins.h"
int DessinerDecors(const DonneesRegles&, const std::filesystem::path&) { return 0; }
int DessinerEffets(const DonneesRegles&, const std::filesystem::path&) { return 0; }
int DessinerObjets(const DonneesRegles&, const std::filesystem::path&) { return 0; }
