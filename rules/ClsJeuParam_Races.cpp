// The rules database, stage 7: the races (Ini_Parametres_Races), the
// defaults they take from the character fields, the common item list, the
// bestiary order, and the race accessors.
#include <algorithm>

#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "rules/ClsJeuParam_Lecture.h"

using namespace regles;

const ClsJeuParam::ParamRace& ClsJeuParam::ParamRace::Absent() {
    static const ParamRace vide = [] {
        ParamRace r;
        r.CommentairesSpecifique = -1;
        r.EffetAttaque = -1;
        return r;
    }();
    return vide;
}

void ClsJeuParam::Charger_Races() {
    const std::string nom = "Ini_Parametres_Races.ini";
    ErreursFichier erreurs(nom);
    ListeRaces.clear();
    NombreRaces = 0;
    NombreRacesJouables = 0;
    ObjetsCommuns.clear();
    NombreObjetsCommuns = 0;
    OrdreBestiaire.clear();
    ChancesRaceAleatoire = 0.0f;
    JouerToutesLesRaces = false;

    EtatAnalyse etat{erreurs};
    Lire_Fichier_Parametres(dossier_->Chemin(nom), etat);
    if (NombreRaces == 0) erreurs.Ajouter("Aucune section [Race_n] : le jeu a besoin d'au moins une race.");

    // Entries promised by a count but never given.
    auto absents = [&](const std::vector<std::int16_t>& liste, const std::string& section, const char* cle,
                       const char* cleNombre) {
        for (std::size_t k = 0; k < liste.size(); ++k)
            if (liste[k] == NonDonne)
                erreurs.Ajouter("Section [" + section + "], clé " + cle + "(" + std::to_string(k + 1) +
                                ") : valeur absente (" + cleNombre + " vaut " + std::to_string(liste.size()) + ").");
    };
    absents(ObjetsCommuns, "Races", "Objet", "NombreObjets");
    for (std::size_t i = 0; i < ListeRaces.size(); ++i) {
        std::string section = "Race_" + std::to_string(i + 1);
        absents(ListeRaces[i].Objet, section, "Objet", "NombreObjets");
        absents(ListeRaces[i].Equipement, section, "Equipement", "NombreEquipement");
    }

    Appliquer_Defauts_Races(etat);
    erreurs.Verifier();
    Trier_Bestiaire();
    Verifier_References(Cible::Race);
}

void ClsJeuParam::Appliquer_Defauts_Races(EtatAnalyse& Etat) {
    auto unSiZero = [](float& x) {
        if (x == 0.0f) x = 1.0f;
    };
    for (std::size_t i = 0; i < ListeRaces.size(); ++i) {
        ParamRace& r = ListeRaces[i];
        if (r.Jouable) ++NombreRacesJouables;
        if (r.Largeur == 0) r.Largeur = PersosLargeurDefaut;
        if (r.Hauteur == 0) r.Hauteur = PersosHauteurDefaut;
        if (r.Vie == 0) r.Vie = PersosMaxVie;
        if (r.Energie == 0) r.Energie = PersosMaxEnergie;
        if (r.Magie == 0) r.Magie = PersosMaxMagie;
        if (r.Moral == 0) r.Moral = PersosMaxMoral;
        if (r.Attaque == 0) r.Attaque = PersosAttaque;
        if (r.Defense == 0) r.Defense = PersosDefense;
        for (float* c : {&r.CoefVie, &r.CoefEnergie, &r.CoefMagie, &r.CoefMoral, &r.CoefAttaque, &r.CoefDefense})
            unSiZero(*c);
        for (float& c : r.CoefCompSpeciale) unSiZero(c);
        for (float& c : r.CoefCompRessource) unSiZero(c);
        // There are NombreServices - 1 service competences; the last
        // position keeps what the file gives.
        for (std::size_t k = 0; k + 1 < r.CoefCompService.size(); ++k) unSiZero(r.CoefCompService[k]);
        for (float& c : r.CoefCompObjet) unSiZero(c);
        if (r.Infatigable) {
            r.VitesseRegenerationEnergie = 0.01f;
            r.VitesseRegenerationMoral = 0.01f;
        }
        if (r.Vitesse == 0) r.Vitesse = PersosVitesse;
        // Life is shown and healed as a share of the maximum.
        if (r.Vie < 1)
            Etat.Erreurs.Ajouter("Section [Race_" + std::to_string(i + 1) + "], clé Vie : la vie maximale vaut " +
                                 std::to_string(r.Vie) + " (PersosMaxVie = " + std::to_string(PersosMaxVie) +
                                 " quand la clé manque) ; elle doit être au moins 1.");
        // Every race also receives the common items, after its own.
        std::int32_t total = static_cast<std::int32_t>(r.NombreObjets) + NombreObjetsCommuns;
        r.NombreObjets = static_cast<std::int16_t>(std::min<std::int32_t>(total, 32767));
        if (r.NombreObjets > 0) {
            r.Objet.resize(static_cast<std::size_t>(r.NombreObjets), NonDonne);
            std::size_t debut = r.Objet.size() - ObjetsCommuns.size();
            std::copy(ObjetsCommuns.begin(), ObjetsCommuns.end(), r.Objet.begin() + static_cast<std::ptrdiff_t>(debut));
        }
    }
}

void ClsJeuParam::Trier_Bestiaire() {
    OrdreBestiaire.resize(static_cast<std::size_t>(NombreRaces));
    for (std::int16_t i = 0; i < NombreRaces; ++i) OrdreBestiaire[static_cast<std::size_t>(i)] = i;
    // Character code order (upper case before lower case, accented letters
    // after all others); equal names keep their index order.
    std::stable_sort(OrdreBestiaire.begin(), OrdreBestiaire.end(), [&](std::int16_t a, std::int16_t b) {
        return ListeRaces[static_cast<std::size_t>(a)].NomMPluriel < ListeRaces[static_cast<std::size_t>(b)].NomMPluriel;
    });
}

// ---------------------------------------------------------------------------
// Accessors

std::optional<std::int16_t> ClsJeuParam::Race_Indice(std::string_view Nom) const {
    for (std::size_t i = 0; i < ListeRaces.size(); ++i)
        if (ListeRaces[i].NomM == Nom) return static_cast<std::int16_t>(i);
    return std::nullopt;
}

std::string ClsJeuParam::Race_Nom(std::int32_t Index, bool Feminin, bool Pluriel) const {
    const ParamRace& r = Ligne(ListeRaces, Index);
    if (Feminin) return Pluriel ? r.NomFPluriel : r.NomF;
    return Pluriel ? r.NomMPluriel : r.NomM;
}

bool ClsJeuParam::Race_RestrictionSexe(std::int32_t Index, bool Feminin) const {
    const ParamRace& r = Ligne(ListeRaces, Index);
    return Feminin ? r.RestrictionFeminin : r.RestrictionMaculin;
}

std::string ClsJeuParam::Race_CheminApparence(std::int32_t Index, bool Feminin) const {
    const ParamRace& r = Ligne(ListeRaces, Index);
    return Feminin ? r.CheminApparenceF : r.CheminApparenceM;
}

bool ClsJeuParam::Race_Jouable(std::int32_t Index) const { return Ligne(ListeRaces, Index).Jouable; }
std::string ClsJeuParam::Race_Description(std::int32_t Index) const { return Ligne(ListeRaces, Index).Description; }
std::int16_t ClsJeuParam::Race_Largeur(std::int32_t Index) const { return Ligne(ListeRaces, Index).Largeur; }
std::int16_t ClsJeuParam::Race_Hauteur(std::int32_t Index) const { return Ligne(ListeRaces, Index).Hauteur; }
bool ClsJeuParam::Race_DefinirApparence(std::int32_t Index) const { return Ligne(ListeRaces, Index).DefinirApparence; }
std::int32_t ClsJeuParam::Race_Vie(std::int32_t Index) const { return Ligne(ListeRaces, Index).Vie; }
std::int32_t ClsJeuParam::Race_Energie(std::int32_t Index) const { return Ligne(ListeRaces, Index).Energie; }
std::int32_t ClsJeuParam::Race_Magie(std::int32_t Index) const { return Ligne(ListeRaces, Index).Magie; }
std::int32_t ClsJeuParam::Race_Moral(std::int32_t Index) const { return Ligne(ListeRaces, Index).Moral; }
std::int32_t ClsJeuParam::Race_Attaque(std::int32_t Index) const { return Ligne(ListeRaces, Index).Attaque; }
std::int32_t ClsJeuParam::Race_Defense(std::int32_t Index) const { return Ligne(ListeRaces, Index).Defense; }
float ClsJeuParam::Race_CoefVie(std::int32_t Index) const { return Ligne(ListeRaces, Index).CoefVie; }
float ClsJeuParam::Race_CoefEnergie(std::int32_t Index) const { return Ligne(ListeRaces, Index).CoefEnergie; }
float ClsJeuParam::Race_CoefMagie(std::int32_t Index) const { return Ligne(ListeRaces, Index).CoefMagie; }
float ClsJeuParam::Race_CoefMoral(std::int32_t Index) const { return Ligne(ListeRaces, Index).CoefMoral; }
float ClsJeuParam::Race_CoefAttaque(std::int32_t Index) const { return Ligne(ListeRaces, Index).CoefAttaque; }
float ClsJeuParam::Race_CoefDefense(std::int32_t Index) const { return Ligne(ListeRaces, Index).CoefDefense; }
float ClsJeuParam::Race_VitesseRegenerationVie(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).VitesseRegenerationVie;
}
float ClsJeuParam::Race_VitesseRegenerationEnergie(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).VitesseRegenerationEnergie;
}
float ClsJeuParam::Race_VitesseRegenerationMagie(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).VitesseRegenerationMagie;
}
float ClsJeuParam::Race_VitesseRegenerationMoral(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).VitesseRegenerationMoral;
}
float ClsJeuParam::Race_CoefCompSpeciales(std::int32_t Index, std::int32_t Competence) const {
    return Element(Ligne(ListeRaces, Index).CoefCompSpeciale, Competence);
}
float ClsJeuParam::Race_CoefCompRessources(std::int32_t Index, std::int32_t Competence) const {
    return Element(Ligne(ListeRaces, Index).CoefCompRessource, Competence);
}
float ClsJeuParam::Race_CoefCompServices(std::int32_t Index, std::int32_t Competence) const {
    return Element(Ligne(ListeRaces, Index).CoefCompService, Competence);
}
float ClsJeuParam::Race_CoefCompObjets(std::int32_t Index, std::int32_t Competence) const {
    return Element(Ligne(ListeRaces, Index).CoefCompObjet, Competence);
}
bool ClsJeuParam::Race_Equiper(std::int32_t Index) const { return Ligne(ListeRaces, Index).Equiper; }
bool ClsJeuParam::Race_Parole(std::int32_t Index) const { return Ligne(ListeRaces, Index).Parole; }
bool ClsJeuParam::Race_Experience(std::int32_t Index) const { return Ligne(ListeRaces, Index).Experience; }
bool ClsJeuParam::Race_Volant(std::int32_t Index) const { return Ligne(ListeRaces, Index).Volant; }
std::int16_t ClsJeuParam::Race_CommentairesSpecifique(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).CommentairesSpecifique;
}
std::int16_t ClsJeuParam::Race_PorteeAttaque(std::int32_t Index) const { return Ligne(ListeRaces, Index).PorteeAttaque; }
std::int16_t ClsJeuParam::Race_EffetAttaque(std::int32_t Index) const { return Ligne(ListeRaces, Index).EffetAttaque; }
std::int16_t ClsJeuParam::Race_Armure(std::int32_t Index) const { return Ligne(ListeRaces, Index).Armure; }
std::int16_t ClsJeuParam::Race_Vitesse(std::int32_t Index) const { return Ligne(ListeRaces, Index).Vitesse; }
bool ClsJeuParam::Race_IA_Pacifique(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Pacifique; }
bool ClsJeuParam::Race_IA_Manger(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Manger; }
bool ClsJeuParam::Race_IA_Temeraire(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Temeraire; }
bool ClsJeuParam::Race_IA_Berserk(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Berserk; }
bool ClsJeuParam::Race_IA_Incommandable(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Incommandable; }
bool ClsJeuParam::Race_IA_Selectionner(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Selectionner; }
std::string ClsJeuParam::Race_IA_Fichier(std::int32_t Index) const { return Ligne(ListeRaces, Index).IA_Fichier; }
bool ClsJeuParam::Race_Infatigable(std::int32_t Index) const { return Ligne(ListeRaces, Index).Infatigable; }
bool ClsJeuParam::Race_Kamikaze(std::int32_t Index) const { return Ligne(ListeRaces, Index).Kamikaze; }
bool ClsJeuParam::Race_RestaurationComplete(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).RestaurationComplete;
}
double ClsJeuParam::Race_Argent(std::int32_t Index) const { return Ligne(ListeRaces, Index).Argent; }
double ClsJeuParam::Race_Ressources(std::int32_t Index, std::int32_t IndiceRessource) const {
    return Element(Ligne(ListeRaces, Index).Ressources, IndiceRessource);
}
bool ClsJeuParam::Race_DepartSansRessources(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).DepartSansRessources;
}
std::int16_t ClsJeuParam::Race_NombreObjets(std::int32_t Index) const { return Ligne(ListeRaces, Index).NombreObjets; }
std::int16_t ClsJeuParam::Race_Objet(std::int32_t Index, std::int32_t Objet) const {
    return Element<std::int16_t>(Ligne(ListeRaces, Index).Objet, Objet, -1);
}
std::int16_t ClsJeuParam::Race_NombreEquipement(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).NombreEquipement;
}
std::int16_t ClsJeuParam::Race_Equipement(std::int32_t Index, std::int32_t Objet) const {
    return Element<std::int16_t>(Ligne(ListeRaces, Index).Equipement, Objet, -1);
}
std::int16_t ClsJeuParam::Race_IndiceBestiaire(std::int32_t Index) const {
    return Ligne(ListeRaces, Index).IndiceBestiaire;
}

std::int16_t ClsJeuParam::Bestiaire_Ordre_Alpha(std::int32_t Index) const {
    return Element<std::int16_t>(OrdreBestiaire, Index, -1);
}
