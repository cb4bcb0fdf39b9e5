#include "engine/ClsJeu.h"

#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"

namespace {

// Lenient read, halves to even, kept inside a 16-bit field.
std::int16_t Entier16(std::string_view texte) { return Sature16(Arrondi(Val(texte))); }

}  // namespace

ClsJeu::ClsJeu(DossierJeu& dossier) : dossier_(&dossier) {
    ClsFicINI ini(dossier);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    // Keys in the order the settings file lists them.
    AffichageRapide = VersBooleen(ini.Parametre("AffichageRapide"));
    FPS = Entier16(ini.Parametre("FPS"));
    FPSMin = Entier16(ini.Parametre("FPSMin"));
    FPSMax = Entier16(ini.Parametre("FPSMax"));
    Vitesse = Entier16(ini.Parametre("Vitesse"));
    VitesseMin = Entier16(ini.Parametre("VitesseMin"));
    VitesseMax = Entier16(ini.Parametre("VitesseMax"));
    AfficherFantomesPNJ = VersBooleen(ini.Parametre("AfficherFantomesPNJ"));
    Mode2Joueurs = VersBooleen(ini.Parametre("Mode2Joueurs"));
    Mode2JoueursEcranSepares = VersBooleen(ini.Parametre("Mode2JoueursEcranSepares"));
}

void ClsJeu::Ecrire(const char* cle, const std::string& valeur) {
    ClsFicINI ini(*dossier_);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    ini.Parametre(cle, valeur);
}

void ClsJeu::Definir_FPS(std::int16_t Valeur) {
    FPS = Valeur;
    Ecrire("FPS", std::to_string(Valeur));
}

void ClsJeu::Definir_Vitesse(std::int16_t Valeur) {
    Vitesse = Valeur;
    Ecrire("Vitesse", std::to_string(Valeur));
}

void ClsJeu::Definir_AffichageRapide(bool Valeur) {
    AffichageRapide = Valeur;
    Ecrire("AffichageRapide", Valeur ? "1" : "0");
}

void ClsJeu::Definir_AfficherFantomesPNJ(bool Valeur) {
    AfficherFantomesPNJ = Valeur;
    Ecrire("AfficherFantomesPNJ", Valeur ? "1" : "0");
}

void ClsJeu::Definir_Mode2Joueurs(bool Valeur) {
    Mode2Joueurs = Valeur;
    Ecrire("Mode2Joueurs", Valeur ? "1" : "0");
}

void ClsJeu::Definir_Mode2JoueursEcranSepares(bool Valeur) {
    Mode2JoueursEcranSepares = Valeur;
    Ecrire("Mode2JoueursEcranSepares", Valeur ? "1" : "0");
}

double ClsJeu::IntervalleTour() const { return Vitesse > 0 ? 1.0 / Vitesse : 1.0; }
double ClsJeu::IntervalleTrame() const { return FPS > 0 ? 1.0 / FPS : 1.0; }
