// The rules database: loading stages 0 to 3 and 5 (characters, eras,
// resources and deposits, buildings, peoples), the checks of references
// between files, and the accessors of those families. Items, services,
// scenery and effects live in ClsJeuParam_Objets.cpp, races in
// ClsJeuParam_Races.cpp, the line parser in ClsJeuParam_Analyse.cpp.
#include "rules/ClsJeuParam.h"

#include <algorithm>
#include <filesystem>

#include "platform/CheminConfine.h"
#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam_Lecture.h"
#include "rules/ModRandom.h"

using namespace regles;

namespace {
std::string Entre(std::string_view texte) { return "« " + std::string(texte) + " »"; }
}  // namespace

// ---------------------------------------------------------------------------
// Conversions

namespace regles {

std::optional<std::int16_t> Entier16(double x) {
    try {
        return VersEntier16(x);
    } catch (const std::range_error&) {
        return std::nullopt;
    }
}

std::optional<std::int32_t> Entier32(double x) {
    try {
        return VersEntier32(x);
    } catch (const std::range_error&) {
        return std::nullopt;
    }
}

void Conversion::Erreur(std::string_view message) const {
    erreurs.Ajouter(lieu + " : " + std::string(message));
}

double Conversion::Souple(std::string_view texte) const { return Val(texte); }

namespace {
std::string Depasse16(std::string_view texte) {
    return Entre(Rogner(texte)) + " dépasse les limites permises (-32768 à 32767).";
}
std::string Depasse32(std::string_view texte) {
    return Entre(Rogner(texte)) + " dépasse les limites permises (-2147483648 à 2147483647).";
}
}  // namespace

std::int16_t Conversion::Souple16(std::string_view texte, double decalage) const {
    auto v = Entier16(Val(texte) + decalage);
    if (!v) Erreur(Depasse16(texte));
    return v.value_or(0);
}

std::int32_t Conversion::Souple32(std::string_view texte, double decalage) const {
    auto v = Entier32(Val(texte) + decalage);
    if (!v) Erreur(Depasse32(texte));
    return v.value_or(0);
}

std::optional<double> Conversion::Strict(std::string_view texte) const {
    if (Rogner(texte).empty()) {
        Erreur("valeur absente, un nombre est attendu.");
        return std::nullopt;
    }
    auto v = ValeurStricte(texte);
    if (!v) Erreur(Entre(Rogner(texte)) + " n'est pas un nombre.");
    return v;
}

std::optional<std::int16_t> Conversion::Strict16(std::string_view texte, double decalage) const {
    auto x = Strict(texte);
    if (!x) return std::nullopt;
    auto v = Entier16(*x + decalage);
    if (!v) Erreur(Depasse16(texte));
    return v;
}

std::optional<std::int32_t> Conversion::Strict32(std::string_view texte, double decalage) const {
    auto x = Strict(texte);
    if (!x) return std::nullopt;
    auto v = Entier32(*x + decalage);
    if (!v) Erreur(Depasse32(texte));
    return v;
}

bool Conversion::Plage(double ecrit, std::int32_t minimum, std::int32_t maximum, std::string_view quoi) const {
    double v = Arrondi(ecrit);
    if (v >= minimum && v <= maximum) return true;
    // A minimum of -32768 means any negative value stands for none.
    std::string permis = maximum < minimum ? std::string("aucune valeur permise")
                         : minimum == -32768
                             ? "valeurs permises : 0 à " + std::to_string(maximum) + ", ou négative"
                             : "valeurs permises : " + std::to_string(minimum) + " à " + std::to_string(maximum);
    Erreur(TexteNombre(ecrit) + " ne désigne " + std::string(quoi) + " (" + permis + ").");
    return false;
}

bool Conversion::AuMoins(double valeur, std::int32_t minimum) const {
    if (valeur >= minimum) return true;
    Erreur("la valeur " + TexteNombre(valeur) + " est trop petite (au moins " + std::to_string(minimum) + ").");
    return false;
}

}  // namespace regles

// ---------------------------------------------------------------------------
// Key-by-key reader

ClsJeuParam::LecteurINI::LecteurINI(DossierJeu& dossier, std::string nomFichier)
    : ini_(dossier), erreurs_(nomFichier + ".ini"), dossier_(&dossier) {
    ini_.NomFichier = nomFichier;
    ini_.RefuserNombresTronques = false;  // TexteNombre reports them with the file's other faults
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dossier.Chemin(nomFichier + ini_.Extension), ec))
        throw ErreurFichier(Fichier(), "Le fichier est introuvable dans le dossier du jeu.");
}

std::string ClsJeuParam::LecteurINI::Lieu(std::string_view cle) const {
    return "Section [" + ini_.Section + "], clé " + std::string(cle);
}

regles::Conversion ClsJeuParam::LecteurINI::A(std::string_view cle) { return {erreurs_, Lieu(cle)}; }

std::string ClsJeuParam::LecteurINI::NomChemin(std::string_view cle) {
    std::string texte = ini_.Parametre(cle);
    if (auto faute = FauteChemin(texte, Lieu(cle))) {
        erreurs_.Ajouter(*faute);
        return {};
    }
    return texte;
}

std::string ClsJeuParam::LecteurINI::TexteNombre(std::string_view cle) {
    std::string texte = ini_.Parametre(cle);
    if (!ini_.Tronquee()) return texte;
    A(cle).Erreur("valeur trop longue (plus de " + std::to_string(ClsFicINI::LongueurMax) +
                  " caractères) : ce n'est pas un nombre.");
    return "0";
}

std::int16_t ClsJeuParam::LecteurINI::Compte(std::string_view cle, std::int16_t minimum) {
    auto n = A(cle).Strict16(TexteNombre(cle));
    if (!n) return minimum;
    if (!A(cle).AuMoins(*n, minimum)) return minimum;
    return *n;
}


std::int16_t ClsJeuParam::LecteurINI::CompteSections(std::string_view cle, std::int16_t minimum,
                                                     std::string_view prefixe) {
    std::int16_t n = Compte(cle, minimum);
    return static_cast<std::int16_t>(std::max<std::int32_t>(BornerSections(cle, n, prefixe), minimum));
}

std::int32_t ClsJeuParam::LecteurINI::BornerSections(std::string_view cle, std::int32_t nombre,
                                                     std::string_view prefixe) {
    if (nombre <= 0) return nombre;
    std::int32_t presentes = NumerosPresents(dossier_->Sections(Fichier()), nombre, prefixe, "");
    if (presentes >= nombre) return nombre;
    A(cle).Erreur(std::to_string(nombre) + " annoncés, mais la section [" + std::string(prefixe) +
                  std::to_string(presentes + 1) + "] manque au fichier.");
    return presentes;
}

std::int32_t ClsJeuParam::LecteurINI::BornerEntrees(std::string_view cleNombre, std::int32_t nombre,
                                                    std::string_view prefixe, std::string_view suffixe) {
    // Held to the size of the section: each entry missing below that is
    // reported by its own key as the list is read, and the loop costs no
    // more than the section.
    if (nombre <= 0) return nombre;
    const std::vector<std::string> cles = dossier_->Cles(Fichier(), Section());
    if (nombre <= static_cast<std::int32_t>(cles.size())) return nombre;
    std::string ouvre = std::string(prefixe) + "(";
    std::string ferme = ")" + std::string(suffixe);
    std::int32_t presentes = NumerosPresents(cles, nombre, ouvre, ferme);
    A(cleNombre).Erreur(std::to_string(nombre) + " annoncés, mais la clé " + ouvre + std::to_string(presentes + 1) +
                        ferme + " manque à la section.");
    return presentes;
}

std::string ClsJeuParam::EtatAnalyse::Lieu(std::string_view cleEcrite) const {
    return "Ligne " + std::to_string(NumeroLigne) + ", clé " + std::string(cleEcrite);
}

// ---------------------------------------------------------------------------
// Empty rows read for an index outside a table: references are none.

const ClsJeuParam::ParamRessource& ClsJeuParam::ParamRessource::Absent() {
    static const ParamRessource vide = [] {
        ParamRessource r;
        r.TypeMatierePremiere = -1;
        r.TypeTerrainRessource = -1;
        return r;
    }();
    return vide;
}

const ClsJeuParam::ParamTerrainRessource& ClsJeuParam::ParamTerrainRessource::Absent() {
    static const ParamTerrainRessource vide = [] {
        ParamTerrainRessource t;
        t.TypeRessource = -1;
        return t;
    }();
    return vide;
}

const ClsJeuParam::ParamBatiment& ClsJeuParam::ParamBatiment::Absent() {
    static const ParamBatiment vide = [] {
        ParamBatiment b;
        b.RessourceFabrique = -1;
        return b;
    }();
    return vide;
}

// ---------------------------------------------------------------------------
// Loading

ClsJeuParam::ClsJeuParam(DossierJeu& dossier) : dossier_(&dossier) {}

void ClsJeuParam::Init(std::int16_t Etape) {
    switch (Etape) {
    case 0: Charger_Persos(); break;
    case 1: Charger_Fiefs(); break;
    case 2: Charger_Ressources(); break;
    case 3: Charger_Batiments(); break;
    case 4:
        Charger_Objets();
        Charger_Decors();
        break;
    case 5: Charger_Peuples(); break;
    case 6: Charger_Effets(); break;
    case 7: Charger_Races(); break;
    default: break;
    }
}


void ClsJeuParam::Charger_Persos() {
    LecteurINI f(*dossier_, "Ini_Parametres_Persos");
    f.Section("Transactions");
    CoefficientAchat = f.Strict("CoefficientAchat");

    f.Section("Personnages");
    PersosNombreApparences = f.Compte("PersosNombreApparences", 0);
    PersosLargeurDefaut = f.Souple16("PersosLargeurDefaut");
    PersosHauteurDefaut = f.Souple16("PersosHauteurDefaut");
    PersosMaxVie = f.Strict32("PersosMaxVie");
    PersosMaxEnergie = f.Strict32("PersosMaxEnergie");
    PersosMaxMagie = f.Strict32("PersosMaxMagie");
    PersosMaxMoral = f.Strict32("PersosMaxMoral");
    PersosNiveauSpecialesDepart = f.Strict32("PersosNiveauSpecialesDepart");
    PersosMaxRessources = f.Strict32("PersosMaxRessources");
    PersosNiveauServicesDepart = f.Strict32("PersosNiveauServicesDepart");
    PersosNiveauObjetsDepart = f.Strict32("PersosNiveauObjetsDepart");
    PersosAttaque = f.Strict32("PersosAttaque");
    PersosPorteeAttaque = f.Strict32("PersosPorteeAttaque");
    PersosDefense = f.Strict32("PersosDefense");
    PersosVitesse = f.Strict16("PersosVitesse");
    // Every character's slot rows are sized by these.
    PersosNombreObjetsEquipes = f.Compte("PersosNombreObjetsEquipes", 0);
    PersosNombreObjetsInventaire = f.Compte("PersosNombreObjetsInventaire", 0);
    // Competence levels are divided by these starting levels.
    f.A("PersosNiveauSpecialesDepart").AuMoins(PersosNiveauSpecialesDepart, 1);
    f.A("PersosNiveauServicesDepart").AuMoins(PersosNiveauServicesDepart, 1);
    f.A("PersosNiveauObjetsDepart").AuMoins(PersosNiveauObjetsDepart, 1);

    f.Section("Competences_Speciales");
    // Competences 0 (building), 1 (blows on buildings), 2 (combat) and
    // 3 (bargaining) are named by the rules themselves.
    NombreCompetencesSpeciales = f.Compte("NombreCompetencesSpeciales", 4);
    ListeCompetencesSpeciales.assign(static_cast<std::size_t>(NombreCompetencesSpeciales), std::string());
    for (std::int32_t k = 0; k < NombreCompetencesSpeciales; ++k)
        ListeCompetencesSpeciales[static_cast<std::size_t>(k)] = f.Texte("CompetencesSpeciales" + std::to_string(k + 1));
    f.Verifier();
}

void ClsJeuParam::Charger_Fiefs() {
    LecteurINI f(*dossier_, "Ini_Parametres_Fiefs");
    f.Section("Epoques");
    // A fief starts in era 0.
    NombreEpoques = f.CompteSections("NombreEpoques", 1, "Epoque_");
    ListeEpoques.assign(static_cast<std::size_t>(NombreEpoques), ParamEpoque{});
    for (std::int32_t i = 0; i < NombreEpoques; ++i) {
        ParamEpoque& e = ListeEpoques[static_cast<std::size_t>(i)];
        f.Section("Epoque_" + std::to_string(i + 1));
        e.Nom = f.Texte("Nom");
        e.BonusVieChateau = f.Strict32("BonusVieChateau");
        e.ChateauxRessourcesDepart = f.Souple("ChateauxRessourcesDepart");
        e.PersosRessourcesDepart = f.Souple("PersosRessourcesDepart");
        e.PersosArgentDepart = f.Souple("PersosArgentDepart");
    }
    f.Verifier();
}

void ClsJeuParam::Charger_Ressources() {
    LecteurINI f(*dossier_, "Ini_Parametres_Ressources");
    f.Section("Ressources");
    // Resource 0 feeds life and resource 1 energy: the rules name them.
    NombreRessources = f.CompteSections("NombreRessources", 2, "Ressource_");
    ListeRessources.assign(static_cast<std::size_t>(NombreRessources), ParamRessource{});
    for (std::int32_t i = 0; i < NombreRessources; ++i) {
        ParamRessource& r = ListeRessources[static_cast<std::size_t>(i)];
        f.Section("Ressource_" + std::to_string(i + 1));
        r.Nom = f.Texte("Nom");
        r.NomCompetence = f.Texte("NomCompetence");
        r.VitesseExtraction = f.Souple("VitesseExtraction");
        double matiere = f.Souple("TypeMatierePremiere");
        r.TypeMatierePremiere = f.A("TypeMatierePremiere").Plage(matiere, 0, NombreRessources, "aucune ressource")
                                    ? static_cast<std::int32_t>(Arrondi(matiere)) - 1
                                    : -1;
        r.QuantiteMatierePremiere = f.Souple("QuantiteMatierePremiere");
        r.PrixVente = f.Souple("PrixVente");
        r.Mangeable = f.Booleen("Mangeable");
        r.GainVie = f.Souple("GainVie");
        r.GainEnergie = f.Souple("GainEnergie");
        r.GainMagie = f.Souple("GainMagie");
        r.GainMoral = f.Souple("GainMoral");
        r.NecessairePourConstruire = f.Booleen("NecessairePourConstruire");
        r.Epoque = f.Souple16("Epoque", -1);
    }

    f.Section("Terrain_Ressources");
    NombreTerrainRessource = f.CompteSections("NombreTerrainRessource", 0, "TerrainRessource_");
    ListeTerrainRessources.assign(static_cast<std::size_t>(NombreTerrainRessource), ParamTerrainRessource{});
    for (std::int32_t t = 0; t < NombreTerrainRessource; ++t) {
        ParamTerrainRessource& d = ListeTerrainRessources[static_cast<std::size_t>(t)];
        f.Section("TerrainRessource_" + std::to_string(t + 1));
        d.Nom = f.Texte("Nom");
        // A deposit always yields some resource.
        auto type = f.A("TypeRessource").Strict16(f.Texte("TypeRessource"));
        d.TypeRessource = -1;
        if (type && f.A("TypeRessource").Plage(*type, 1, NombreRessources, "aucune ressource"))
            d.TypeRessource = static_cast<std::int16_t>(*type - 1);
        d.Quantite = f.Souple("Quantite");
    }
    // The last deposit type that yields a resource is the one remembered.
    for (std::int32_t t = 0; t < NombreTerrainRessource; ++t) {
        std::int16_t r = ListeTerrainRessources[static_cast<std::size_t>(t)].TypeRessource;
        if (r < 0) continue;
        ListeRessources[static_cast<std::size_t>(r)].Recoltable = true;
        ListeRessources[static_cast<std::size_t>(r)].TypeTerrainRessource = static_cast<std::int16_t>(t);
    }
    f.Verifier();
}

void ClsJeuParam::Charger_Batiments() {
    LecteurINI f(*dossier_, "Ini_Parametres_Batiments");
    f.Section("Batiments");
    // Every character owns a house of some type.
    NombreTypeBatiments = f.CompteSections("NombreTypeBatiments", 1, "Batiment_");
    ListeBatiments.assign(static_cast<std::size_t>(NombreTypeBatiments), ParamBatiment{});
    // Made items and services are checked once their tables are loaded.
    std::erase_if(ReferencesDifferees, [](const ReferenceDifferee& r) { return r.Fichier == "Ini_Parametres_Batiments.ini"; });
    for (std::int32_t i = 0; i < NombreTypeBatiments; ++i) {
        ParamBatiment& b = ListeBatiments[static_cast<std::size_t>(i)];
        f.Section("Batiment_" + std::to_string(i + 1));
        b.Nom = f.Texte("Nom");
        b.MetierM = f.Texte("MetierM");
        b.MetierF = f.Texte("MetierF");
        b.Description = f.Texte("Description");
        b.PrixRessources.assign(static_cast<std::size_t>(NombreRessources), 0);
        for (std::int32_t r = 0; r < NombreRessources; ++r)
            b.PrixRessources[static_cast<std::size_t>(r)] = f.Souple32("PrixRessources(" + std::to_string(r + 1) + ")");
        // A building's life is shown and refunded as a share of its maximum.
        if (auto vie = f.A("MaxVie").Strict32(f.Texte("MaxVie"))) {
            b.MaxVie = *vie;
            f.A("MaxVie").AuMoins(b.MaxVie, 1);
        }
        double produit = f.Souple("RessourceFabrique");
        b.RessourceFabrique = f.A("RessourceFabrique").Plage(produit, 0, NombreRessources, "aucune ressource")
                                  ? static_cast<std::int32_t>(Arrondi(produit)) - 1
                                  : -1;
        b.NombreObjetsfabriques = f.Souple16("NombreObjetsfabriques");
        if (!f.A("NombreObjetsfabriques").AuMoins(b.NombreObjetsfabriques, 0)) b.NombreObjetsfabriques = 0;
        b.NombreObjetsfabriques = static_cast<std::int16_t>(
            f.BornerEntrees("NombreObjetsfabriques", b.NombreObjetsfabriques, "ObjetsFabriques"));
        if (b.NombreObjetsfabriques > 0) {
            b.ObjetsFabriques.assign(static_cast<std::size_t>(b.NombreObjetsfabriques), 0);
            for (std::int32_t k = 0; k < b.NombreObjetsfabriques; ++k) {
                std::string cle = "ObjetsFabriques(" + std::to_string(k + 1) + ")";
                std::string ecrit(Rogner(f.Texte(cle)));
                auto o = f.A(cle).Strict16(ecrit, -1);
                b.ObjetsFabriques[static_cast<std::size_t>(k)] = o.value_or(-1);
                if (o) ReferencesDifferees.push_back({f.Fichier(), f.Lieu(cle), ecrit, *o, 0, 1, Cible::Objet});
            }
        }
        b.Magasin = f.Booleen("Magasin");
        b.Fabrique = f.Booleen("Fabrique");
        b.Service = f.Souple16("Service");
        ReferencesDifferees.push_back({f.Fichier(), f.Lieu("Service"), std::string(Rogner(f.Texte("Service"))), b.Service, 0, 0, Cible::Service});
        b.MaxStock = f.Souple("MaxStock");
        b.Niveau = f.Souple32("Niveau");
        b.NoEpoque = f.Souple16("NoEpoque");
        b.Largeur = f.Souple16("Largeur");
        b.Hauteur = f.Souple16("Hauteur");
        b.EntreePositionX = f.Souple32("EntreePositionX");
        b.EntreePositionY = f.Souple32("EntreePositionY");
        b.NombreEtapeFabrication = f.Souple16("NombreEtapeFabrication");
        b.NombreEtapeAnimation = f.Souple16("NombreEtapeAnimation");
        b.ApparencePerso = f.Souple16("ApparencePerso");
    }
    // Houses can be the types before the first one (from type 1 on) that no
    // era reaches; when every type is reachable, all of them.
    NombreBatimentsConstructibles = NombreTypeBatiments;
    for (std::int32_t i = 1; i < NombreTypeBatiments; ++i) {
        if (ListeBatiments[static_cast<std::size_t>(i)].NoEpoque > NombreEpoques) {
            NombreBatimentsConstructibles = static_cast<std::int16_t>(i);
            break;
        }
    }
    f.Verifier();
}

void ClsJeuParam::Charger_Peuples() {
    LecteurINI f(*dossier_, "Ini_Parametres_Peuples");
    f.Section("Peuples");
    // People 0 names the common character sheet.
    NombrePeuples = f.CompteSections("NombrePeuples", 1, "Peuple_");
    ListePeuples.assign(static_cast<std::size_t>(NombrePeuples), ParamPeuple{});
    std::erase_if(ReferencesDifferees, [](const ReferenceDifferee& r) { return r.Fichier == "Ini_Parametres_Peuples.ini"; });
    for (std::int32_t i = 0; i < NombrePeuples; ++i) {
        ParamPeuple& p = ListePeuples[static_cast<std::size_t>(i)];
        f.Section("Peuple_" + std::to_string(i + 1));
        // The first people's name is also the folder of the common looks.
        p.Nom = f.NomChemin("Nom");
        p.NombreMonstres = f.Souple16("NombreMonstres");
        if (!f.A("NombreMonstres").AuMoins(p.NombreMonstres, 0)) p.NombreMonstres = 0;
        p.NombreMonstres = static_cast<std::int16_t>(f.BornerEntrees("NombreMonstres", p.NombreMonstres, "Monstre", "Indice"));
        if (p.NombreMonstres > 0) {
            auto n = static_cast<std::size_t>(p.NombreMonstres);
            p.MonstreIndice.assign(n, 0);
            p.MonstreChance.assign(n, 0.0f);
            p.MonstreFichierIA.assign(n, std::string());
            for (std::size_t m = 0; m < n; ++m) {
                std::string prefixe = "Monstre(" + std::to_string(m + 1) + ")";
                std::string ecrit = std::string(Rogner(f.Texte(prefixe + "Indice")));
                // Every monster kind must be a race: checked with the races.
                p.MonstreIndice[m] = f.A(prefixe + "Indice").Souple16(ecrit, -1);
                ReferencesDifferees.push_back(
                    {f.Fichier(), f.Lieu(prefixe + "Indice"), ecrit, p.MonstreIndice[m], 0, 1, Cible::Race});
                p.MonstreChance[m] = f.SoupleSimple(prefixe + "Chance");
                p.MonstreFichierIA[m] = f.NomChemin(prefixe + "FichierIA");
            }
        }
        p.NomChateau = f.Texte("NomChateau");
        p.ChateauMaxVie = f.Souple32("ChateauMaxVie");
        p.ChateauLargeur = f.Souple16("ChateauLargeur");
        p.ChateauHauteur = f.Souple16("ChateauHauteur");
        p.ChateauEntreePositionX = f.Souple16("ChateauEntreePositionX");
        p.ChateauEntreePositionY = f.Souple16("ChateauEntreePositionY");
    }
    f.Verifier();
}

void ClsJeuParam::Verifier_References(Cible Table) {
    std::int32_t nombre = 0;
    std::string_view quoi;
    switch (Table) {
    case Cible::Objet: nombre = std::max<std::int32_t>(NombreTypesObjets, 0); quoi = "aucun objet"; break;
    case Cible::Service: nombre = NombreServices; quoi = "aucun service"; break;
    case Cible::Effet: nombre = NombreEffets; quoi = "aucun effet"; break;
    case Cible::Race: nombre = NombreRaces; quoi = "aucune race"; break;
    }
    // Faults grouped by file, files in the order their first fault was met.
    std::vector<ErreursFichier> parFichier;
    for (const ReferenceDifferee& r : ReferencesDifferees) {
        if (r.Table != Table) continue;
        if (r.Valeur >= r.Minimum && r.Valeur < nombre) continue;
        auto it = std::find_if(parFichier.begin(), parFichier.end(),
                               [&](const ErreursFichier& e) { return e.Fichier() == r.Fichier; });
        if (it == parFichier.end()) it = parFichier.insert(parFichier.end(), ErreursFichier(r.Fichier));
        std::int32_t premier = std::max(r.Minimum, -1) + r.Decalage;
        std::string permis = nombre - 1 + r.Decalage < premier
                                 ? std::string("aucune valeur permise")
                                 : "valeurs permises : " + std::to_string(premier) + " à " +
                                       std::to_string(nombre - 1 + r.Decalage);
        if (r.Minimum < -1) permis = "valeurs permises : 0 à " + std::to_string(nombre - 1) + ", ou négative";
        if (r.Ecrit.empty())
            it->Ajouter(r.Lieu + " : valeur absente (" + permis + ").");
        else
            it->Ajouter(r.Lieu + " : " + r.Ecrit + " ne désigne " + std::string(quoi) + " (" + permis + ").");
    }
    std::erase_if(ReferencesDifferees, [&](const ReferenceDifferee& r) { return r.Table == Table; });
    for (const ErreursFichier& e : parFichier) e.Verifier();
}

// ---------------------------------------------------------------------------
// Eras and special competences

std::string ClsJeuParam::Epoque_Nom(std::int32_t Index) const { return Ligne(ListeEpoques, Index).Nom; }
std::string ClsJeuParam::Epoque_BonusVieChateau(std::int32_t Index) const {
    return std::to_string(Ligne(ListeEpoques, Index).BonusVieChateau);
}
double ClsJeuParam::Epoque_ChateauxRessourcesDepart(std::int32_t Index) const {
    return Ligne(ListeEpoques, Index).ChateauxRessourcesDepart;
}
double ClsJeuParam::Epoque_PersosRessourcesDepart(std::int32_t Index) const {
    return Ligne(ListeEpoques, Index).PersosRessourcesDepart;
}
double ClsJeuParam::Epoque_PersosArgentDepart(std::int32_t Index) const {
    return Ligne(ListeEpoques, Index).PersosArgentDepart;
}

std::string ClsJeuParam::Speciales_NomCompetences(std::int32_t Index) const {
    return Element(ListeCompetencesSpeciales, Index);
}

// ---------------------------------------------------------------------------
// Resources and deposit types

std::string ClsJeuParam::Ressources_Nom(std::int32_t Index) const { return Ligne(ListeRessources, Index).Nom; }
std::string ClsJeuParam::Ressources_NomCompetence(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).NomCompetence;
}
double ClsJeuParam::Ressources_VitesseExtraction(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).VitesseExtraction;
}
std::int32_t ClsJeuParam::Ressources_TypeMatierePremiere(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).TypeMatierePremiere;
}
double ClsJeuParam::Ressources_QuantiteMatierePremiere(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).QuantiteMatierePremiere;
}
double ClsJeuParam::Ressources_PrixVente(std::int32_t Index) const { return Ligne(ListeRessources, Index).PrixVente; }
bool ClsJeuParam::Ressources_NecessairePourConstruire(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).NecessairePourConstruire;
}
bool ClsJeuParam::Ressources_NecessairePourAttaquer(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).NecessairePourAttaquer;
}
bool ClsJeuParam::Ressources_Recoltable(std::int32_t Index) const { return Ligne(ListeRessources, Index).Recoltable; }
std::int16_t ClsJeuParam::Ressources_TypeTerrainRessource(std::int32_t Index) const {
    return Ligne(ListeRessources, Index).TypeTerrainRessource;
}
bool ClsJeuParam::Ressources_Mangeable(std::int32_t Index) const { return Ligne(ListeRessources, Index).Mangeable; }
double ClsJeuParam::Ressources_GainVie(std::int32_t Index) const { return Ligne(ListeRessources, Index).GainVie; }
double ClsJeuParam::Ressources_GainEnergie(std::int32_t Index) const { return Ligne(ListeRessources, Index).GainEnergie; }
double ClsJeuParam::Ressources_GainMagie(std::int32_t Index) const { return Ligne(ListeRessources, Index).GainMagie; }
double ClsJeuParam::Ressources_GainMoral(std::int32_t Index) const { return Ligne(ListeRessources, Index).GainMoral; }
double ClsJeuParam::Ressources_Epoque(std::int32_t Index) const { return Ligne(ListeRessources, Index).Epoque; }

std::string ClsJeuParam::TerrainRessources_Nom(std::int32_t Index) const {
    return Ligne(ListeTerrainRessources, Index).Nom;
}
std::int16_t ClsJeuParam::TerrainRessources_TypeRessource(std::int32_t Index) const {
    return Ligne(ListeTerrainRessources, Index).TypeRessource;
}
double ClsJeuParam::TerrainRessources_Quantite(std::int32_t Index) const {
    return Ligne(ListeTerrainRessources, Index).Quantite;
}

// ---------------------------------------------------------------------------
// Building types

std::string ClsJeuParam::Batiment_Nom(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Nom; }
std::string ClsJeuParam::Batiment_Metier(std::int32_t Index, bool Feminin) const {
    const ParamBatiment& b = Ligne(ListeBatiments, Index);
    return Feminin ? b.MetierF : b.MetierM;
}
std::string ClsJeuParam::Batiment_Description(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).Description;
}
std::int32_t ClsJeuParam::Batiment_Prix(std::int32_t Index, std::int32_t Ressource) const {
    return Element(Ligne(ListeBatiments, Index).PrixRessources, Ressource);
}
std::int32_t ClsJeuParam::Batiment_MaxVie(std::int32_t Index) const { return Ligne(ListeBatiments, Index).MaxVie; }
std::int32_t ClsJeuParam::Batiment_RessourceFabrique(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).RessourceFabrique;
}
std::int32_t ClsJeuParam::Batiment_NombreObjetsFabriques(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).NombreObjetsfabriques;
}
std::int32_t ClsJeuParam::Batiment_ObjetFabrique(std::int32_t Index, std::int32_t Objet) const {
    return Element<std::int16_t>(Ligne(ListeBatiments, Index).ObjetsFabriques, Objet, -1);
}
bool ClsJeuParam::Batiment_Magasin(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Magasin; }
bool ClsJeuParam::Batiment_Fabrique(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Fabrique; }
std::int16_t ClsJeuParam::Batiment_Service(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Service; }
double ClsJeuParam::Batiment_MaxStockVente(std::int32_t Index) const { return Ligne(ListeBatiments, Index).MaxStock; }
std::int32_t ClsJeuParam::Batiment_Niveau(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Niveau; }
std::int16_t ClsJeuParam::Batiment_NoEpoque(std::int32_t Index) const { return Ligne(ListeBatiments, Index).NoEpoque; }
std::int16_t ClsJeuParam::Batiment_Largeur(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Largeur; }
std::int16_t ClsJeuParam::Batiment_Hauteur(std::int32_t Index) const { return Ligne(ListeBatiments, Index).Hauteur; }
std::int32_t ClsJeuParam::Batiment_EntreePositionX(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).EntreePositionX;
}
std::int32_t ClsJeuParam::Batiment_EntreePositionY(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).EntreePositionY;
}
std::int16_t ClsJeuParam::Batiment_NombreEtapeFabrication(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).NombreEtapeFabrication;
}
std::int16_t ClsJeuParam::Batiment_NombreEtapeAnimation(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).NombreEtapeAnimation;
}
std::int16_t ClsJeuParam::Batiment_ApparencePerso(std::int32_t Index) const {
    return Ligne(ListeBatiments, Index).ApparencePerso;
}

std::int16_t ClsJeuParam::Batiment_TypeMatierePremiere(std::int32_t Index, ModRandom& Aleatoire) const {
    if (Index < 0 || Index >= static_cast<std::int32_t>(ListeBatiments.size())) return -1;
    const ParamBatiment& b = ListeBatiments[static_cast<std::size_t>(Index)];
    if (b.Fabrique) {
        // One draw per (resource, item that costs it) pair, in this order,
        // until a draw is above one half: network machines draw alike.
        std::int16_t candidat = -1;
        for (std::int32_t r = 0; r < NombreRessources; ++r) {
            for (std::int32_t k = 0; k < Batiment_NombreObjetsFabriques(Index); ++k) {
                if (Objet_PrixRessources(Batiment_ObjetFabrique(Index, k), r) > 0) {
                    candidat = static_cast<std::int16_t>(r);
                    if (Aleatoire.Nombre_Aleatoire() > 0.5f) return candidat;
                }
            }
        }
        return candidat;
    }
    if (b.Service != 0) return static_cast<std::int16_t>(Ligne(ListeServices, b.Service).TypeMatierePremiere);
    return static_cast<std::int16_t>(Ressources_TypeMatierePremiere(b.RessourceFabrique));
}

// ---------------------------------------------------------------------------
// Peoples

std::string ClsJeuParam::Peuples_Nom(std::int32_t Index) const { return Ligne(ListePeuples, Index).Nom; }
std::int16_t ClsJeuParam::Peuples_NombreMonstres(std::int32_t Index) const {
    return Ligne(ListePeuples, Index).NombreMonstres;
}
std::int16_t ClsJeuParam::Peuples_MonstreIndice(std::int32_t Index, std::int32_t IndiceMonstre) const {
    return Element<std::int16_t>(Ligne(ListePeuples, Index).MonstreIndice, IndiceMonstre, -1);
}
float ClsJeuParam::Peuples_MonstreChance(std::int32_t Index, std::int32_t IndiceMonstre) const {
    return Element(Ligne(ListePeuples, Index).MonstreChance, IndiceMonstre);
}
std::string ClsJeuParam::Peuples_MonstreFichierIA(std::int32_t Index, std::int32_t IndiceMonstre) const {
    return Element(Ligne(ListePeuples, Index).MonstreFichierIA, IndiceMonstre);
}
std::string ClsJeuParam::Peuples_NomChateau(std::int32_t Index) const { return Ligne(ListePeuples, Index).NomChateau; }
std::int32_t ClsJeuParam::Peuples_ChateauMaxVie(std::int32_t Index) const {
    return Ligne(ListePeuples, Index).ChateauMaxVie;
}
std::int16_t ClsJeuParam::Peuples_ChateauLargeur(std::int32_t Index) const {
    return Ligne(ListePeuples, Index).ChateauLargeur;
}
std::int16_t ClsJeuParam::Peuples_ChateauHauteur(std::int32_t Index) const {
    return Ligne(ListePeuples, Index).ChateauHauteur;
}
std::int16_t ClsJeuParam::Peuples_ChateauEntreePositionX(std::int32_t Index) const {
    return Ligne(ListePeuples, Index).ChateauEntreePositionX;
}
std::int16_t ClsJeuParam::Peuples_ChateauEntreePositionY(std::int32_t Index) const {
    return Ligne(ListePeuples, Index).ChateauEntreePositionY;
}
