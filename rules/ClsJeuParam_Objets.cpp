// The rules database, stages 4 and 6: treasure kinds, services, item
// competences and item types (Ini_Parametres_Objets), scenery types
// (Ini_Parametres_Decors) and visual effects (Ini_Parametres_Effets), with
// the values worked out once the items are read (image, ammunition, era),
// and the accessors of those families.
#include <algorithm>
#include <filesystem>

#include "platform/CheminConfine.h"
#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "rules/ClsJeuParam_Lecture.h"

using namespace regles;

const ClsJeuParam::ParamObjet& ClsJeuParam::ParamObjet::Absent() {
    static const ParamObjet vide = [] {
        ParamObjet o;
        o.Competence = -1;
        o.Epoque = -1;
        o.EffetAttaque = -1;
        o.PerteRessourceIndice = -1;
        o.Invocation = -1;
        return o;
    }();
    return vide;
}

const ClsJeuParam::ParamService& ClsJeuParam::ParamService::Absent() {
    static const ParamService vide = [] {
        ParamService s;
        s.TypeMatierePremiere = -1;
        s.Effet = -1;
        return s;
    }();
    return vide;
}

// ---------------------------------------------------------------------------
// Stage 4

void ClsJeuParam::Charger_Objets() {
    LecteurINI f(*dossier_, "Ini_Parametres_Objets");
    std::erase_if(ReferencesDifferees, [](const ReferenceDifferee& r) { return r.Fichier == "Ini_Parametres_Objets.ini"; });

    f.Section("Tresors");
    NombreTresors = f.Souple16("NombreTresors");
    if (!f.A("NombreTresors").AuMoins(NombreTresors, 0)) NombreTresors = 0;
    NombreTresors = static_cast<std::int16_t>(f.BornerSections("NombreTresors", NombreTresors, "Tresor_"));
    ListeTresors.assign(static_cast<std::size_t>(NombreTresors), ParamTresor{});
    for (std::int32_t i = 0; i < NombreTresors; ++i) {
        ParamTresor& t = ListeTresors[static_cast<std::size_t>(i)];
        f.Section("Tresor_" + std::to_string(i + 1));
        t.Nom = f.Texte("Nom");
        t.ValeurMin = f.Strict16("ValeurMin");
    }

    f.Section("Services");
    // Row 0 is the "no service" row: service competences are numbered from
    // row 1, so there is at least that row.
    NombreServices = f.CompteSections("NombreServices", 1, "Service_");
    ListeServices.assign(static_cast<std::size_t>(NombreServices), ParamService{});
    for (std::int32_t i = 0; i < NombreServices; ++i) {
        ParamService& s = ListeServices[static_cast<std::size_t>(i)];
        f.Section("Service_" + std::to_string(i + 1));
        s.Nom = f.Texte("Nom");
        s.Description = f.Texte("Description");
        s.VitesseCreation = f.Souple("VitesseCreation");
        // Written 0-based, unlike the resources file; negative for none.
        s.TypeMatierePremiere = f.Souple16("TypeMatierePremiere");
        f.A("TypeMatierePremiere").Plage(s.TypeMatierePremiere, -32768, NombreRessources - 1, "aucune ressource");
        s.QuantiteMatierePremiere = f.Souple("QuantiteMatierePremiere");
        s.Prix = f.Souple("Prix");
        s.Coefficient = f.Souple("Coefficient");
        s.NomCompetence = f.Texte("NomCompetence");
        // 0-based effect index, negative for none: checked with the effects.
        s.Effet = f.Souple16("Effet");
        ReferencesDifferees.push_back(
            {f.Fichier(), f.Lieu("Effet"), std::string(Rogner(f.Texte("Effet"))), s.Effet, -32768, 0, Cible::Effet});
        s.CoefExp = f.Souple("CoefExp");
    }

    f.Section("CompetencesObjets");
    NombreCompetencesObjets = f.CompteSections("NombreCompetencesObjets", 0, "CompetenceObjet_");
    ListeCompetencesObjets.assign(static_cast<std::size_t>(NombreCompetencesObjets), ParamCompetenceObjet{});
    for (std::int32_t i = 0; i < NombreCompetencesObjets; ++i) {
        ParamCompetenceObjet& c = ListeCompetencesObjets[static_cast<std::size_t>(i)];
        f.Section("CompetenceObjet_" + std::to_string(i + 1));
        c.Numero = f.Strict16("Numero");
        c.Nom = f.Texte("Nom");
    }

    // The item types: the whole file again, line by line.
    ListeObjets.clear();
    NombreTypesObjets = 0;
    EtatAnalyse etat{f.Erreurs()};
    Lire_Fichier_Parametres(dossier_->Chemin("Ini_Parametres_Objets.ini"), etat);

    for (std::size_t i = 0; i < ListeObjets.size(); ++i) {
        ParamObjet& o = ListeObjets[i];
        if (o.Image.empty()) {
            // The name then names the picture too.
            const std::string lieu = "Section [Objet_" + std::to_string(i + 1) + "], clé Nom (nom de l'image)";
            if (auto faute = FauteChemin(o.Nom, lieu)) f.Erreurs().Ajouter(*faute);
            else o.Image = o.Nom;
        }
        // An item that consumes a resource per blow makes it ammunition.
        if (o.PerteRessourceQuantite > 0 && o.PerteRessourceIndice >= 0)
            ListeRessources[static_cast<std::size_t>(o.PerteRessourceIndice)].NecessairePourAttaquer = true;
        // An equippable item's category is its equipment place: 0 and 1 are
        // the two hands, 6 and 7 a pair of places, any other c place c.
        if (!o.Utilisable) {
            std::int32_t c = o.Categorie;
            std::int32_t derniere = (c == 0 || c == 1) ? 1 : (c == 6 || c == 7) ? 7 : c;
            if (c < 0 || derniere >= PersosNombreObjetsEquipes)
                f.Erreurs().Ajouter("Section [Objet_" + std::to_string(i + 1) + "], clé Categorie : la catégorie " +
                                    std::to_string(c) + " n'a pas de place d'équipement (PersosNombreObjetsEquipes = " +
                                    std::to_string(PersosNombreObjetsEquipes) + ").");
        }
    }
    Calculer_Epoques_Objets();
    f.Verifier();

    Verifier_References(Cible::Service);
    Verifier_References(Cible::Objet);
}

void ClsJeuParam::Calculer_Epoques_Objets() {
    for (std::int32_t i = 0; i < NombreTypesObjets; ++i) {
        ParamObjet& o = ListeObjets[static_cast<std::size_t>(i)];
        if (o.Secret) {
            o.Epoque = -1;
            continue;
        }
        // The first building type that makes the item decides.
        for (const ParamBatiment& b : ListeBatiments) {
            if (!b.Fabrique) continue;
            if (std::find(b.ObjetsFabriques.begin(), b.ObjetsFabriques.end(), i) == b.ObjetsFabriques.end()) continue;
            if (b.NoEpoque > o.Epoque) o.Epoque = b.NoEpoque;
            break;
        }
        // Never available before the eras of the resources it costs, counted
        // as the resources file counts them.
        for (std::int32_t r = 0; r < NombreRessources && o.Epoque >= 0; ++r) {
            if (Element(o.PrixRessources, r) <= 0) continue;
            std::int16_t epoque = ListeRessources[static_cast<std::size_t>(r)].Epoque;
            if (epoque >= o.Epoque) o.Epoque = static_cast<std::int16_t>(epoque + 1);
        }
    }
}

void ClsJeuParam::Charger_Decors() {
    LecteurINI f(*dossier_, "Ini_Parametres_Decors");
    f.Section("Decors");
    NombreDecors = f.CompteSections("NombreDecors", 0, "Decor_");
    ListeDecors.assign(static_cast<std::size_t>(NombreDecors), ParamDecor{});
    for (std::int32_t i = 0; i < NombreDecors; ++i) {
        ParamDecor& d = ListeDecors[static_cast<std::size_t>(i)];
        f.Section("Decor_" + std::to_string(i + 1));
        d.Nom = f.Texte("Nom");
        d.Image = f.NomChemin("Image");
        d.Largeur = f.Strict16("Largeur");
        d.Hauteur = f.Strict16("Hauteur");
        d.NombreEtapeAnimation = f.Souple16("NombreEtapeAnimation");
    }
    f.Verifier();
}

// ---------------------------------------------------------------------------
// Stage 6

void ClsJeuParam::Charger_Effets() {
    LecteurINI f(*dossier_, "Ini_Parametres_Effets");
    f.Section("Effets");
    NombreEffets = f.CompteSections("NombreEffets", 0, "Effet_");
    // The file numbers effects from 1; 0 means none.
    auto effet = [&](const char* cle) -> std::int16_t {
        double ecrit = f.Souple(cle);
        if (!f.A(cle).Plage(ecrit, 0, NombreEffets, "aucun effet")) return -1;
        return static_cast<std::int16_t>(Arrondi(ecrit) - 1);
    };
    EffetMaisonEnFeu = effet("EffetMaisonEnFeu");
    EffetMaisonDetruite = effet("EffetMaisonDetruite");
    EffetChateauDetruit = effet("EffetChateauDetruit");
    ListeEffets.assign(static_cast<std::size_t>(NombreEffets), ParamEffet{});
    for (std::int32_t i = 0; i < NombreEffets; ++i) {
        ParamEffet& e = ListeEffets[static_cast<std::size_t>(i)];
        f.Section("Effet_" + std::to_string(i + 1));
        e.Nom = f.Texte("Nom");
        e.Fichier = f.NomChemin("Fichier");
        e.Largeur = f.Souple16("Largeur");
        e.Hauteur = f.Souple16("Hauteur");
        e.NombreEtapes = f.Souple16("NombreEtapes");
        e.DureeEtape = f.Souple("DureeEtape");
        if (e.DureeEtape == 0.0) e.DureeEtape = 1.0;
        // Found in the sound folder: a name that leads out of the game
        // folder is a fault of this file.
        e.Son = f.NomChemin("Son");
    }
    f.Verifier();
    Verifier_References(Cible::Effet);
}

// ---------------------------------------------------------------------------
// Item competences, treasure kinds, scenery, services, effects

std::int16_t ClsJeuParam::CompetenceObjet_Numero(std::int32_t Index) const {
    return Ligne(ListeCompetencesObjets, Index).Numero;
}
std::string ClsJeuParam::CompetenceObjet_Nom(std::int32_t Index) const {
    return Ligne(ListeCompetencesObjets, Index).Nom;
}

std::string ClsJeuParam::Tresor_Nom(std::int32_t Index) const { return Ligne(ListeTresors, Index).Nom; }
std::int16_t ClsJeuParam::Tresor_ValeurMin(std::int32_t Index) const { return Ligne(ListeTresors, Index).ValeurMin; }

std::string ClsJeuParam::Decor_Nom(std::int32_t Index) const { return Ligne(ListeDecors, Index).Nom; }
std::string ClsJeuParam::Decor_Image(std::int32_t Index) const { return Ligne(ListeDecors, Index).Image; }
std::int16_t ClsJeuParam::Decor_Largeur(std::int32_t Index) const { return Ligne(ListeDecors, Index).Largeur; }
std::int16_t ClsJeuParam::Decor_Hauteur(std::int32_t Index) const { return Ligne(ListeDecors, Index).Hauteur; }
std::int16_t ClsJeuParam::Decor_NombreEtapeAnimation(std::int32_t Index) const {
    return Ligne(ListeDecors, Index).NombreEtapeAnimation;
}

std::string ClsJeuParam::Service_Nom(std::int32_t Index) const { return Ligne(ListeServices, Index).Nom; }
std::string ClsJeuParam::Service_Description(std::int32_t Index) const {
    return Ligne(ListeServices, Index).Description;
}
std::string ClsJeuParam::Service_VitesseCreation(std::int32_t Index) const {
    return TexteNombre(Ligne(ListeServices, Index).VitesseCreation);
}
std::string ClsJeuParam::Service_MatierePremiere(std::int32_t Index) const {
    return std::to_string(Ligne(ListeServices, Index).TypeMatierePremiere);
}
std::string ClsJeuParam::Service_QuantiteMatierePremiere(std::int32_t Index) const {
    return TexteNombre(Ligne(ListeServices, Index).QuantiteMatierePremiere);
}
double ClsJeuParam::Service_Prix(std::int32_t Index) const { return Ligne(ListeServices, Index).Prix; }
double ClsJeuParam::Service_Coefficient(std::int32_t Index) const { return Ligne(ListeServices, Index).Coefficient; }
std::string ClsJeuParam::Service_NomCompetence(std::int32_t Index) const {
    return Ligne(ListeServices, Index).NomCompetence;
}
std::string ClsJeuParam::Service_CoefExp(std::int32_t Index) const {
    return TexteNombre(Ligne(ListeServices, Index).CoefExp);
}
std::string ClsJeuParam::Service_Effet(std::int32_t Index) const {
    return std::to_string(Ligne(ListeServices, Index).Effet);
}

std::string ClsJeuParam::Effet_Nom(std::int32_t Index) const { return Ligne(ListeEffets, Index).Nom; }
std::string ClsJeuParam::Effet_Fichier(std::int32_t Index) const { return Ligne(ListeEffets, Index).Fichier; }
std::int16_t ClsJeuParam::Effet_Largeur(std::int32_t Index) const { return Ligne(ListeEffets, Index).Largeur; }
std::int16_t ClsJeuParam::Effet_Hauteur(std::int32_t Index) const { return Ligne(ListeEffets, Index).Hauteur; }
std::int16_t ClsJeuParam::Effet_NombreEtapes(std::int32_t Index) const { return Ligne(ListeEffets, Index).NombreEtapes; }
double ClsJeuParam::Effet_DureeEtape(std::int32_t Index) const {
    // An effect read from no row still lasts one unit per frame.
    return Index >= 0 && Index < NombreEffets ? Ligne(ListeEffets, Index).DureeEtape : 1.0;
}
std::string ClsJeuParam::Effet_Son(std::int32_t Index) const { return Ligne(ListeEffets, Index).Son; }

// ---------------------------------------------------------------------------
// Item types

std::string ClsJeuParam::Objet_Nom(std::int32_t Index) const { return Ligne(ListeObjets, Index).Nom; }
std::string ClsJeuParam::Objet_Image(std::int32_t Index) const { return Ligne(ListeObjets, Index).Image; }
std::string ClsJeuParam::Objet_NomPluriel(std::int32_t Index) const { return Ligne(ListeObjets, Index).NomPluriel; }
std::string ClsJeuParam::Objet_Description(std::int32_t Index) const { return Ligne(ListeObjets, Index).Description; }
bool ClsJeuParam::Objet_Secret(std::int32_t Index) const { return Ligne(ListeObjets, Index).Secret; }
bool ClsJeuParam::Objet_Unique(std::int32_t Index) const { return Ligne(ListeObjets, Index).Unique; }
bool ClsJeuParam::Objet_Indestructible(std::int32_t Index) const { return Ligne(ListeObjets, Index).Indestructible; }
bool ClsJeuParam::Objet_Inseparable(std::int32_t Index) const { return Ligne(ListeObjets, Index).Inseparable; }
std::int16_t ClsJeuParam::Objet_Categorie(std::int32_t Index) const { return Ligne(ListeObjets, Index).Categorie; }
std::int16_t ClsJeuParam::Objet_Competence(std::int32_t Index) const { return Ligne(ListeObjets, Index).Competence; }
std::int16_t ClsJeuParam::Objet_PrixRessources(std::int32_t Index, std::int32_t Ressource) const {
    return Element<std::int16_t>(Ligne(ListeObjets, Index).PrixRessources, Ressource, 0);
}
std::int16_t ClsJeuParam::Objet_Epoque(std::int32_t Index) const { return Ligne(ListeObjets, Index).Epoque; }
std::int16_t ClsJeuParam::Objet_DureeFabrication(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).DureeFabrication;
}
std::int16_t ClsJeuParam::Objet_PrixVente(std::int32_t Index) const { return Ligne(ListeObjets, Index).PrixVente; }
std::int16_t ClsJeuParam::Objet_BonusVie(std::int32_t Index) const { return Ligne(ListeObjets, Index).BonusVie; }
std::int16_t ClsJeuParam::Objet_BonusEnergie(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusEnergie;
}
std::int16_t ClsJeuParam::Objet_BonusMagie(std::int32_t Index) const { return Ligne(ListeObjets, Index).BonusMagie; }
std::int16_t ClsJeuParam::Objet_BonusMoral(std::int32_t Index) const { return Ligne(ListeObjets, Index).BonusMoral; }
std::int16_t ClsJeuParam::Objet_BonusAttaque(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusAttaque;
}
std::int16_t ClsJeuParam::Objet_BonusPorteeAttaque(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusPorteeAttaque;
}
std::int16_t ClsJeuParam::Objet_EffetAttaque(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).EffetAttaque;
}
std::int16_t ClsJeuParam::Objet_SurfaceAttaque(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).SurfaceAttaque;
}
std::int16_t ClsJeuParam::Objet_BonusDefense(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusDefense;
}
std::int16_t ClsJeuParam::Objet_BonusDeplacement(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusDeplacement;
}
std::int16_t ClsJeuParam::Objet_BonusCompetencesSpeciales(std::int32_t Index, std::int32_t Ressource) const {
    return Element<std::int16_t>(Ligne(ListeObjets, Index).BonusCompetencesSpeciales, Ressource, 0);
}
std::int16_t ClsJeuParam::Objet_BonusCompetencesRessources(std::int32_t Index, std::int32_t Ressource) const {
    return Element<std::int16_t>(Ligne(ListeObjets, Index).BonusCompetencesRessources, Ressource, 0);
}
std::int16_t ClsJeuParam::Objet_BonusCompetencesServices(std::int32_t Index, std::int32_t Ressource) const {
    return Element<std::int16_t>(Ligne(ListeObjets, Index).BonusCompetencesServices, Ressource, 0);
}
std::int16_t ClsJeuParam::Objet_BonusCompetencesObjets(std::int32_t Index, std::int32_t Ressource) const {
    return Element<std::int16_t>(Ligne(ListeObjets, Index).BonusCompetencesObjets, Ressource, 0);
}
std::int16_t ClsJeuParam::Objet_BonusArmure(std::int32_t Index) const { return Ligne(ListeObjets, Index).BonusArmure; }
std::int16_t ClsJeuParam::Objet_BonusMaxRessources(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusMaxRessources;
}
float ClsJeuParam::Objet_BonusVitesseRegenerationVie(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusVitesseRegenerationVie;
}
float ClsJeuParam::Objet_BonusVitesseRegenerationEnergie(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusVitesseRegenerationEnergie;
}
float ClsJeuParam::Objet_BonusVitesseRegenerationMagie(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusVitesseRegenerationMagie;
}
float ClsJeuParam::Objet_BonusVitesseRegenerationMoral(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).BonusVitesseRegenerationMoral;
}
double ClsJeuParam::Objet_PerteVie(std::int32_t Index) const { return Ligne(ListeObjets, Index).PerteVie; }
double ClsJeuParam::Objet_PerteEnergie(std::int32_t Index) const { return Ligne(ListeObjets, Index).PerteEnergie; }
double ClsJeuParam::Objet_PerteMagie(std::int32_t Index) const { return Ligne(ListeObjets, Index).PerteMagie; }
double ClsJeuParam::Objet_PerteMoral(std::int32_t Index) const { return Ligne(ListeObjets, Index).PerteMoral; }
std::int32_t ClsJeuParam::Objet_PerteArgent(std::int32_t Index) const { return Ligne(ListeObjets, Index).PerteArgent; }
std::int16_t ClsJeuParam::Objet_PerteRessourceIndice(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).PerteRessourceIndice;
}
float ClsJeuParam::Objet_PerteRessourceQuantite(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).PerteRessourceQuantite;
}
std::int16_t ClsJeuParam::Objet_ApparencePerso(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).ApparencePerso;
}
bool ClsJeuParam::Objet_ChangerApparencePerso(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).ChangerApparencePerso;
}
bool ClsJeuParam::Objet_Utilisable(std::int32_t Index) const { return Ligne(ListeObjets, Index).Utilisable; }
bool ClsJeuParam::Objet_UtilisationUnique(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).UtilisationUnique;
}
bool ClsJeuParam::Objet_UtilisationMort(std::int32_t Index) const { return Ligne(ListeObjets, Index).UtilisationMort; }
double ClsJeuParam::Objet_Experience(std::int32_t Index) const { return Ligne(ListeObjets, Index).Experience; }
std::int16_t ClsJeuParam::Objet_Invocation(std::int32_t Index) const { return Ligne(ListeObjets, Index).Invocation; }
float ClsJeuParam::Objet_Quantite(std::int32_t Index) const { return Ligne(ListeObjets, Index).Quantite; }
double ClsJeuParam::Objet_GainVie(std::int32_t Index) const { return Ligne(ListeObjets, Index).GainVie; }
double ClsJeuParam::Objet_GainEnergie(std::int32_t Index) const { return Ligne(ListeObjets, Index).GainEnergie; }
double ClsJeuParam::Objet_GainMagie(std::int32_t Index) const { return Ligne(ListeObjets, Index).GainMagie; }
double ClsJeuParam::Objet_GainMoral(std::int32_t Index) const { return Ligne(ListeObjets, Index).GainMoral; }
float ClsJeuParam::Objet_GainArgent(std::int32_t Index) const { return Ligne(ListeObjets, Index).GainArgent; }
float ClsJeuParam::Objet_GainRessource(std::int32_t Index, std::int32_t Ressource) const {
    return Element<float>(Ligne(ListeObjets, Index).GainRessource, Ressource, 0.0f);
}
std::int32_t ClsJeuParam::Objet_Resurrection(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).Resurrection;
}

std::int32_t ClsJeuParam::Objet_SelfResurrection(std::int32_t Index) const {
    return Ligne(ListeObjets, Index).SelfResurrection ? -1 : 0;
}
std::int32_t ClsJeuParam::Objet_PrixTalents(std::int32_t Index) const { return Ligne(ListeObjets, Index).PrixTalents; }
