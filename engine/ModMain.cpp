#include "engine/ModMain.h"

ModMain::ModMain(DossierJeu& dossier) : Dossier(dossier), Monde(dossier), Parametres(dossier) {
    GenerateurPlateforme.SemerHorloge();
    Aleatoire.Generateur().SemerHorloge();
}

ModMain::~ModMain() = default;

void ModMain::Charger_Parametres(const std::function<void(const std::string&)>& legende) {
    static constexpr const char* Legendes[8] = {
        " - chargement paramètres (personnages)", " - chargement paramètres (fiefs)",
        " - chargement paramètres (ressources)",  " - chargement paramètres (bâtiments)",
        " - chargement paramètres (objets)",      " - chargement paramètres (monstres)",
        " - chargement paramètres (effets visuels)", " - chargement paramètres (races)"};
    for (std::int16_t etape = 0; etape < 8; ++etape) {
        if (legende) legende(Legendes[etape]);
        Parametres.Init(etape);
    }
}
