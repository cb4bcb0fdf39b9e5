#include "engine/ModMain.h"

ModMain::ModMain(DossierJeu& dossier) : Dossier(dossier), Monde(dossier) {
    GenerateurPlateforme.SemerHorloge();
    Aleatoire.Generateur().SemerHorloge();
}

ModMain::~ModMain() = default;
