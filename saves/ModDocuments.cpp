#include "saves/ModDocuments.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cmath>
#include <ctime>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/CheminConfine.h"
#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "platform/ModVisionneurs.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"
#include "saves/ClsJeuStastistiques.h"

namespace fs = std::filesystem;

namespace {

const char* const FichierReglages = "Ini_Documents";
const char* const SectionReglages = "Documents";

// ---- Numbers as the player reads them: French decimal comma, no
// exponent, as many digits as the value's type carries (7 significant
// digits for a single, 15 for a double), so that 0.07 * 100 reads 7. ----
std::string Chiffres(double x, int significatifs) {
    if (!std::isfinite(x) || x == 0.0) return "0";
    char tampon[512];
    auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::scientific, significatifs - 1);
    if (err != std::errc()) return "0";
    double arrondi = 0.0;
    std::from_chars(tampon, fin, arrondi);
    auto [fin2, err2] = std::to_chars(tampon, tampon + sizeof tampon, arrondi, std::chars_format::fixed);
    if (err2 != std::errc()) return "0";
    std::string s(tampon, fin2);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::string Nb(std::int64_t n) { return std::to_string(n); }
std::string Nb(std::int32_t n) { return std::to_string(n); }
std::string Nb(std::int16_t n) { return std::to_string(n); }
std::string Nb(float x) { return Chiffres(x, 7); }
std::string Nb(double x) { return Chiffres(x, 15); }

// A single as its file wrote it (0.7, not 0.699999988): a coefficient times
// a base then rounds down the way the player reckons it.
double Decimal(float x) {
    char tampon[64];
    auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, x);
    double d = 0.0;
    if (err == std::errc()) std::from_chars(tampon, fin, d);
    return d;
}

// A regeneration rate as a percentage: rounded to nine decimals first, so
// that a single's binary noise never shows (0.0125 gives 12,5).
std::string Pourcentage(float x) {
    char tampon[64];
    auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, static_cast<double>(x), std::chars_format::fixed, 9);
    double d = 0.0;
    if (err == std::errc()) std::from_chars(tampon, fin, d);
    return Nb(d * 1000.0);
}

// A list of items joined by a fragment; "-" (or what the column says)
// when nothing was added.
class Liste {
public:
    explicit Liste(std::string Joint) : joint_(std::move(Joint)) {}
    void Ajouter(const std::string& element) {
        if (vide_) vide_ = false;
        else texte_ += joint_;
        texte_ += element;
    }
    std::string Texte(const char* siVide = "-") const { return vide_ ? std::string(siVide) : texte_; }

private:
    std::string joint_;
    std::string texte_;
    bool vide_ = true;
};

bool Dans(std::int32_t i, std::int32_t n) { return i >= 0 && i < n; }

// A picture's name as one segment of a relative address: every byte but
// the unreserved ones percent-encoded, so that a blank, an accent, a quote
// or a "/" in a name can neither break the tag nor leave the folder.
std::string SegmentAdresse(std::string_view nom) {
    return EncoderPourcent(nom, [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
               c == '.' || c == '~';
    });
}

const char* const JoursSemaine[] = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
const char* const NomsMois[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

DateDocument DateLocale() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return DateDocument{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_wday};
}

}  // namespace

ModDocuments::ModDocuments(DossierJeu& Dossier, const ClsJeuParam& Parametres, const ClsJeuStastistiques& Statistiques)
    : Aujourdhui(DateLocale), Dossier(Dossier), Parametres(Parametres), Statistiques(Statistiques) {}

std::string ModDocuments::EchapperHTML(std::string_view Texte) {
    std::string s;
    s.reserve(Texte.size());
    for (char c : Texte) {
        switch (c) {
            case '&': s += "&amp;"; break;
            case '<': s += "&lt;"; break;
            case '>': s += "&gt;"; break;
            case '"': s += "&quot;"; break;
            default: s += c;
        }
    }
    return s;
}

// ---------------------------------------------------------------------------
// Settings

void ModDocuments::Charger_Parametres_Documents() {
    ClsFicINI ini(Dossier);
    ini.NomFichier = FichierReglages;
    ini.Section = SectionReglages;
    EnregistrerStastistiques = VersBooleen(ini.Parametre("EnregistrerStastistiques"));
    AfficherStastistiquesEnQuittant = VersBooleen(ini.Parametre("AfficherStastistiquesEnQuittant"));
    MessageFichierManquantTexte = ini.Parametre("MessageFichierManquantTexte");
    MessageFichierManquantTitre = ini.Parametre("MessageFichierManquantTitre");
    FichierDocumentChemin = ini.Parametre("FichierDocumentChemin");
    FichierDocumentExtension = ini.Parametre("FichierDocumentExtension");
    FichierDocumentBatiments = ini.Parametre("FichierDocumentBatiments");
    FichierDocumentBestiaire = ini.Parametre("FichierDocumentBestiaire");
    FichierDocumentObjets = ini.Parametre("FichierDocumentObjets");
    FichierDocumentRessources = ini.Parametre("FichierDocumentRessources");
    FichierDocumentPeuples = ini.Parametre("FichierDocumentPeuples");
    FichierDocumentStastistiques = ini.Parametre("FichierDocumentStastistiques");
    PageDebut = ini.Parametre("PageDebut");
    PageFin = ini.Parametre("PageFin");
    LigneDebut = ini.Parametre("LigneDebut");
    LigneFin = ini.Parametre("LigneFin");
    TexteGrasDebut = ini.Parametre("TexteGrasDebut");
    TexteGrasFin = ini.Parametre("TexteGrasFin");
    RetourLigne = ini.Parametre("RetourLigne");
    Separateur = ini.Parametre("Separateur");
}

bool ModDocuments::Definir_EnregistrerStastistiques(bool Valeur) {
    EnregistrerStastistiques = Valeur;
    ClsFicINI ini(Dossier);
    ini.NomFichier = FichierReglages;
    ini.Section = SectionReglages;
    return ini.Parametre("EnregistrerStastistiques", Valeur ? "1" : "0");
}

bool ModDocuments::Definir_AfficherStastistiquesEnQuittant(bool Valeur) {
    AfficherStastistiquesEnQuittant = Valeur;
    ClsFicINI ini(Dossier);
    ini.NomFichier = FichierReglages;
    ini.Section = SectionReglages;
    return ini.Parametre("AfficherStastistiquesEnQuittant", Valeur ? "1" : "0");
}

fs::path ModDocuments::Chemin_Document(std::string_view NomFichier) const {
    // The three settings are joined as they stand; the folder setting
    // carries its own separators.
    const std::string relatif = FichierDocumentChemin + std::string(NomFichier) + FichierDocumentExtension;
    if (relatif.empty() || relatif.back() == '\\' || relatif.back() == '/') return {};
    // Every component must be a plain name: nothing may climb out of the
    // game folder.
    std::size_t debut = 0;
    for (std::size_t i = 0; i <= relatif.size(); ++i) {
        if (i == relatif.size() || relatif[i] == '\\' || relatif[i] == '/') {
            std::string_view composant(relatif.data() + debut, i - debut);
            if (!composant.empty() && !NomFichierSur(composant)) return {};
            debut = i + 1;
        }
    }
    return CheminDansDossier(Dossier.Racine(), relatif).value_or(fs::path());
}

// ---------------------------------------------------------------------------
// Table writer

void ModDocuments::Ecrire_Ligne(std::string_view Texte) {
    // Pages end their lines the Windows way, as every page of the game.
    Page += Texte;
    Page += "\r\n";
}

void ModDocuments::DebutTableau(std::int16_t Colonnes) {
    NombreColonnes = Colonnes;
    NombreLignes = 0;
    ColonneCourante = 0;
}

void ModDocuments::EcrireCellule(std::string Texte, bool Gras, bool Centrer) {
    if (NombreLignes == 0) {
        Ecrire_Ligne("<table width=100% border=1 cellspacing=0;>");
        NombreLignes = 1;
    }
    if (ColonneCourante == 0) Ecrire_Ligne(LigneDebut);
    if (Gras) Texte = TexteGrasDebut + Texte + TexteGrasFin;
    Ecrire_Ligne((Centrer ? "<td align=center>" : "<td>") + Texte + "</td>");
    ++ColonneCourante;
    if (ColonneCourante >= NombreColonnes) {
        if (NombreLignes < 32767) ++NombreLignes;
        ColonneCourante = 0;
        Ecrire_Ligne(LigneFin);
    }
}

void ModDocuments::Debut_Page(std::int16_t Colonnes) {
    Page.clear();
    DebutTableau(Colonnes);
    Ecrire_Ligne(PageDebut);
}

std::string ModDocuments::Fin_Page(const std::string& NomFichier) {
    Ecrire_Ligne(PageFin);
    std::string contenu;
    contenu.swap(Page);
    const fs::path chemin = Chemin_Document(NomFichier);
    if (chemin.empty())
        return "Impossible d'écrire la page « " + FichierDocumentChemin + NomFichier + FichierDocumentExtension +
               " » : Ini_Documents.ini (section Documents, clés FichierDocumentChemin, FichierDocument… et "
               "FichierDocumentExtension) n'en fait pas un nom de fichier du dossier du jeu.";
    // The documents folder is the game's own: made when missing.
    std::error_code ec;
    fs::create_directories(chemin.parent_path(), ec);
    if (!EcrireFichierAtomique(chemin, contenu))
        return "Impossible d'écrire la page " + chemin.string() + " : le dossier n'existe pas ou n'accepte pas "
               "l'écriture. L'ancienne page, s'il y en avait une, reste telle quelle.";
    return {};
}

void ModDocuments::Ouvrir(const std::string& NomFichier, const std::string& Erreur, LanceurExterne& Lanceur,
                          AvertisseurErreur& Avertisseur) {
    if (!Erreur.empty()) {
        Avertisseur.Erreur(Erreur);
        return;
    }
    ModVisionneurs::Ouvrir_Navigateur(Lanceur, Avertisseur, Chemin_Document(NomFichier).string());
}

// ---------------------------------------------------------------------------
// Buildings, resources and peoples

std::string ModDocuments::Ecrire_Document_Batiments() {
    const ClsJeuParam& P = Parametres;
    const auto H = EchapperHTML;
    Debut_Page(8);
    for (const char* entete : {"EPOQUE", "NOM", "PRIX", "METIER H / F", "TAILLE", "VIE", "STOCK"})
        EcrireCellule(entete, true, true);
    EcrireCellule("FABRIQUE", true, false);
    // The era's name heads the first building of each era (the rules list
    // them by era).
    std::int32_t derniereEpoque = 0;
    for (std::int32_t b = 0; b < P.NombreTypeBatiments; ++b) {
        const std::int32_t e = P.Batiment_NoEpoque(b);
        std::string epoque;
        if (e > derniereEpoque) {
            epoque = e > P.NombreEpoques ? "Secret" : Dans(e - 1, P.NombreEpoques) ? H(P.Epoque_Nom(e - 1)) : "-";
            derniereEpoque = e;
        }
        EcrireCellule(epoque, false, true);
        EcrireCellule(H(P.Batiment_Nom(b)), false, true);
        Liste prix(RetourLigne);
        for (std::int32_t r = 0; r < P.NombreRessources; ++r)
            if (P.Batiment_Prix(b, r) > 0) prix.Ajouter(Nb(P.Batiment_Prix(b, r)) + " " + H(P.Ressources_Nom(r)));
        EcrireCellule(prix.Texte(), false, true);
        EcrireCellule(H(P.Batiment_Metier(b, false)) + " / " + H(P.Batiment_Metier(b, true)), false, true);
        EcrireCellule(Nb(P.Batiment_Largeur(b)) + "*" + Nb(P.Batiment_Hauteur(b)), false, true);
        EcrireCellule(Nb(P.Batiment_MaxVie(b)), false, true);
        EcrireCellule(P.Batiment_MaxStockVente(b) != 0.0 ? Nb(P.Batiment_MaxStockVente(b)) : "-", false, true);
        std::string fabrique;
        if (const std::int32_t r = P.Batiment_RessourceFabrique(b); r >= 0) {
            fabrique = Dans(r, P.NombreRessources) ? H(P.Ressources_Nom(r)) : "-";
        } else if (P.Batiment_Fabrique(b)) {
            Liste objets(Separateur);
            for (std::int32_t k = 0; k < P.Batiment_NombreObjetsFabriques(b); ++k) {
                const std::int32_t o = P.Batiment_ObjetFabrique(b, k);
                objets.Ajouter(Dans(o, P.NombreTypesObjets) ? H(P.Objet_Nom(o)) : "-");
            }
            fabrique = objets.Texte("");
        } else if (const std::int32_t s = P.Batiment_Service(b); s >= 1) {
            fabrique = Dans(s, P.NombreServices) ? H(P.Service_Nom(s)) : "-";
        }
        EcrireCellule(fabrique, false, false);
    }
    return Fin_Page(FichierDocumentBatiments);
}

std::string ModDocuments::Ecrire_Document_Ressources() {
    const ClsJeuParam& P = Parametres;
    const auto H = EchapperHTML;
    Debut_Page(7);
    for (const char* entete : {"NOM", "COMPETENCE", "MAT 1ERES", "VALEUR", "VITESSE RECOLTE", "REGAIN"})
        EcrireCellule(entete, true, true);
    EcrireCellule("PARTICULARITES", true, false);
    for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
        EcrireCellule(H(P.Ressources_Nom(r)), false, true);
        EcrireCellule(H(P.Ressources_NomCompetence(r)), false, true);
        const std::int32_t m = P.Ressources_TypeMatierePremiere(r);
        std::string matiere = Dans(m, P.NombreRessources) ? H(P.Ressources_Nom(m)) : "-";
        if (P.Ressources_QuantiteMatierePremiere(r) != 1.0)
            matiere += "(*" + Nb(P.Ressources_QuantiteMatierePremiere(r)) + ")";
        EcrireCellule(matiere, false, true);
        EcrireCellule(Nb(P.Ressources_PrixVente(r)), false, true);
        EcrireCellule(Nb(P.Ressources_VitesseExtraction(r) * 100.0) + " %", false, true);
        Liste regain(RetourLigne);
        const std::pair<double, const char*> gains[] = {{P.Ressources_GainVie(r), " Vie"},
                                                        {P.Ressources_GainEnergie(r), " Energie"},
                                                        {P.Ressources_GainMagie(r), " Magie"},
                                                        {P.Ressources_GainMoral(r), " Moral"}};
        for (const auto& [valeur, nom] : gains)
            if (valeur > 0) regain.Ajouter("+ " + Nb(valeur) + nom);
        EcrireCellule(regain.Texte(), false, true);
        Liste lieux(RetourLigne);
        for (std::int32_t t = 0; t < P.NombreTerrainRessource; ++t)
            if (P.TerrainRessources_TypeRessource(t) == r)
                lieux.Ajouter("Se trouve à l'état naturel sur : " + H(P.TerrainRessources_Nom(t)));
        EcrireCellule(lieux.Texte(), false, false);
    }
    return Fin_Page(FichierDocumentRessources);
}

std::string ModDocuments::Ecrire_Document_Peuples() {
    const ClsJeuParam& P = Parametres;
    const auto H = EchapperHTML;
    Debut_Page(4);
    for (const char* entete : {"NOM", "FORTERESSE", "CREATURES", "IA"}) EcrireCellule(entete, true, true);
    for (std::int32_t p = 0; p < P.NombrePeuples; ++p) {
        EcrireCellule(H(P.Peuples_Nom(p)), false, true);
        EcrireCellule(H(P.Peuples_NomChateau(p)), false, true);
        const std::int32_t n = P.Peuples_NombreMonstres(p);
        if (n < 1) {
            // The row still has its four cells.
            for (std::int32_t k = 2; k < NombreColonnes; ++k) EcrireCellule("", false, true);
            continue;
        }
        // Each kind of creature after the first has a row of its own under
        // blank name and fortress cells.
        for (std::int32_t m = 0; m < n; ++m) {
            if (m > 0) {
                EcrireCellule("", false, true);
                EcrireCellule("", false, true);
            }
            const std::int32_t race = P.Peuples_MonstreIndice(p, m);
            EcrireCellule(Dans(race, P.NombreRaces) ? H(P.Race_Nom(race, true, false)) : "-", false, true);
            std::string ia = P.Peuples_MonstreFichierIA(p, m);
            if (ia.empty() && Dans(race, P.NombreRaces)) ia = P.Race_IA_Fichier(race);
            EcrireCellule(ia.empty() ? "-" : H(ia), false, true);
        }
    }
    return Fin_Page(FichierDocumentPeuples);
}

// ---------------------------------------------------------------------------
// Items and bestiary

std::string ModDocuments::Ecrire_Document_Objets() {
    const ClsJeuParam& P = Parametres;
    const auto H = EchapperHTML;
    const std::int32_t nombreObjets = std::max<std::int32_t>(P.NombreTypesObjets, 0);
    Debut_Page(9);
    for (const char* entete : {"COMPETENCE", "IMAGE", "NOM", "DISPONIBILITE", "COUT", "PRIX", "BONUS", "EFFET"})
        EcrireCellule(entete, true, true);
    EcrireCellule("PARTICULARITES", true, false);
    // Grouped by item competence, in competence order; an item governed by
    // no competence has no row.
    std::int32_t derniereCompetence = -1;
    for (std::int32_t c = 0; c < P.NombreCompetencesObjets; ++c) {
        for (std::int32_t o = 0; o < nombreObjets; ++o) {
            if (P.Objet_Competence(o) != c) continue;
            std::string competence;
            if (c > derniereCompetence) {
                competence = H(P.CompetenceObjet_Nom(c));
                derniereCompetence = c;
            }
            EcrireCellule(competence, false, true);
            // The generated icons, as PNG with their colour key made
            // transparent, relative to the page's own folder.
            EcrireCellule("<img src=\"Images/Objets/" + SegmentAdresse(P.Objet_Image(o)) + ".png\" width=32 height=32>",
                          false, true);
            EcrireCellule(H(P.Objet_Nom(o)), false, true);
            std::string disponibilite;
            if (P.Objet_Unique(o)) disponibilite = "Trésor";
            else if (P.Objet_Secret(o)) disponibilite = "-";
            else {
                const std::int32_t e = P.Objet_Epoque(o) - 1;
                disponibilite = Dans(e, P.NombreEpoques) ? H(P.Epoque_Nom(e)) : "-";
            }
            EcrireCellule(disponibilite, false, true);
            Liste cout(RetourLigne);
            for (std::int32_t r = 0; r < P.NombreRessources; ++r)
                if (P.Objet_PrixRessources(o, r) > 0)
                    cout.Ajouter(Nb(P.Objet_PrixRessources(o, r)) + " " + H(P.Ressources_Nom(r)));
            EcrireCellule(cout.Texte(), false, true);
            EcrireCellule(Nb(P.Objet_PrixVente(o)), false, true);

            Liste bonus(RetourLigne);
            const std::pair<std::int16_t, const char*> bonusCarac[] = {
                {P.Objet_BonusVie(o), " Vie"},         {P.Objet_BonusEnergie(o), " Energie"},
                {P.Objet_BonusMagie(o), " Magie"},     {P.Objet_BonusMoral(o), " Moral"},
                {P.Objet_BonusAttaque(o), " Attaque"}, {P.Objet_BonusDefense(o), " Défense"}};
            for (const auto& [valeur, nom] : bonusCarac)
                if (valeur > 0) bonus.Ajouter("+ " + Nb(valeur) + nom);
            if (P.Objet_BonusPorteeAttaque(o) > 0) bonus.Ajouter("Portée : " + Nb(P.Objet_BonusPorteeAttaque(o)) + " m");
            EcrireCellule(bonus.Texte(), false, true);

            const std::int32_t effet = P.Objet_EffetAttaque(o);
            EcrireCellule(effet > 0 ? (Dans(effet, P.NombreEffets) ? H(P.Effet_Nom(effet)) : "-") : "-", false, true);

            Liste part(RetourLigne);
            if (P.Objet_BonusArmure(o) > 0) part.Ajouter("+ " + Nb(P.Objet_BonusArmure(o)) + " Armure");
            if (P.Objet_BonusDeplacement(o) > 0) part.Ajouter("+ " + Nb(P.Objet_BonusDeplacement(o)) + " Vitesse");
            for (std::int32_t s = 0; s < P.NombreCompetencesSpeciales; ++s)
                if (P.Objet_BonusCompetencesSpeciales(o, s) > 0)
                    part.Ajouter("+ " + Nb(P.Objet_BonusCompetencesSpeciales(o, s)) + " " + H(P.Speciales_NomCompetences(s)));
            for (std::int32_t r = 0; r < P.NombreRessources; ++r)
                if (P.Objet_BonusCompetencesRessources(o, r) > 0)
                    part.Ajouter("+ " + Nb(P.Objet_BonusCompetencesRessources(o, r)) + " " + H(P.Ressources_NomCompetence(r)));
            for (std::int32_t s = 0; s + 1 < P.NombreServices; ++s)
                if (P.Objet_BonusCompetencesServices(o, s) > 0)
                    part.Ajouter("+ " + Nb(P.Objet_BonusCompetencesServices(o, s)) + " " + H(P.Service_NomCompetence(s + 1)));
            // The item-competence bonus list is as long as the item table.
            for (std::int32_t k = 0; k < nombreObjets; ++k)
                if (P.Objet_BonusCompetencesObjets(o, k) > 0)
                    part.Ajouter("+ " + Nb(P.Objet_BonusCompetencesObjets(o, k)) + " " +
                                 (Dans(k, P.NombreCompetencesObjets) ? H(P.CompetenceObjet_Nom(k)) : "-"));
            if (P.Objet_SurfaceAttaque(o) > 0) part.Ajouter("Surface d'attaque : " + Nb(P.Objet_SurfaceAttaque(o)));
            if (const std::int32_t race = P.Objet_Invocation(o); race >= 0)
                part.Ajouter("Invoque : " + Nb(P.Objet_Quantite(o)) + " " +
                             (Dans(race, P.NombreRaces) ? H(P.Race_Nom(race, false, P.Objet_Quantite(o) >= 2)) : "-"));
            const std::pair<double, const char*> pertes[] = {{P.Objet_PerteVie(o), " vie/utilisation"},
                                                             {P.Objet_PerteEnergie(o), " énergie/utilisation"},
                                                             {P.Objet_PerteMagie(o), " magie/utilisation"},
                                                             {P.Objet_PerteMoral(o), " moral/utilisation"}};
            for (const auto& [valeur, nom] : pertes)
                if (valeur > 0) part.Ajouter("- " + Nb(valeur) + nom);
            if (P.Objet_PerteArgent(o) > 0) part.Ajouter("- " + Nb(P.Objet_PerteArgent(o)) + " argent/utilisation");
            if (P.Objet_PerteRessourceQuantite(o) > 0) {
                const std::int32_t r = P.Objet_PerteRessourceIndice(o);
                part.Ajouter("- " + Nb(P.Objet_PerteRessourceQuantite(o)) + " " +
                             (Dans(r, P.NombreRessources) ? H(P.Ressources_Nom(r)) : "-") + "/utilisation");
            }
            const std::pair<double, const char*> gains[] = {{P.Objet_GainVie(o), " vie"},
                                                            {P.Objet_GainEnergie(o), " énergie"},
                                                            {P.Objet_GainMagie(o), " magie"},
                                                            {P.Objet_GainMoral(o), " moral"}};
            for (const auto& [valeur, nom] : gains)
                if (valeur > 0) part.Ajouter("+ " + Nb(valeur) + nom);
            if (P.Objet_GainArgent(o) > 0) part.Ajouter("Génère " + Nb(P.Objet_GainArgent(o)) + " argent");
            for (std::int32_t r = 0; r < P.NombreRessources; ++r)
                if (P.Objet_GainRessource(o, r) > 0)
                    part.Ajouter("Génère " + Nb(P.Objet_GainRessource(o, r)) + " " + H(P.Ressources_Nom(r)));
            if (P.Objet_Resurrection(o) > 0)
                part.Ajouter("Ressuscite " + Nb(P.Objet_Quantite(o)) + " personne" +
                             (P.Objet_Quantite(o) >= 2 ? "s" + Separateur : std::string()));
            if (P.Objet_SelfResurrection(o) != 0) part.Ajouter("Ressuscite soi-même");
            if (P.Objet_BonusMaxRessources(o) > 0)
                part.Ajouter("Transporte " + Nb(P.Objet_BonusMaxRessources(o)) + " unités de ressources supplémentaires");
            const std::pair<float, const char*> regenerations[] = {
                {P.Objet_BonusVitesseRegenerationVie(o), "% de vie"},
                {P.Objet_BonusVitesseRegenerationEnergie(o), "% d'énergie"},
                {P.Objet_BonusVitesseRegenerationMagie(o), "% de magie"},
                {P.Objet_BonusVitesseRegenerationMoral(o), "% de moral"}};
            for (const auto& [valeur, nom] : regenerations)
                if (valeur > 0) part.Ajouter("Régénère " + Pourcentage(valeur) + nom);
            if (P.Objet_UtilisationUnique(o)) part.Ajouter("Utilisable qu'une fois");
            if (P.Objet_UtilisationMort(o)) part.Ajouter("Utilisable même mort");
            if (P.Objet_Indestructible(o)) part.Ajouter("Indestructible");
            EcrireCellule(part.Texte(), false, false);
        }
    }
    return Fin_Page(FichierDocumentObjets);
}

std::string ModDocuments::Ecrire_Document_Bestiaire() {
    const ClsJeuParam& P = Parametres;
    const auto H = EchapperHTML;
    Debut_Page(8);
    for (const char* entete : {"NOM", "VIE", "ATTAQUE", "DEFENSE", "VITESSE", "EFFET", "XP"})
        EcrireCellule(entete, true, true);
    EcrireCellule("PARTICULARITES", true, false);
    // Races in the bestiary's alphabetical order.
    for (std::int32_t i = 0; i < P.NombreRaces; ++i) {
        const std::int32_t r = P.Bestiaire_Ordre_Alpha(i);
        EcrireCellule(H(P.Race_Nom(r, false, false)), false, true);
        EcrireCellule(Nb(static_cast<std::int64_t>(Entier(P.Race_Vie(r) * Decimal(P.Race_CoefVie(r))))), false, true);
        EcrireCellule(Nb(static_cast<std::int64_t>(Entier(P.Race_Attaque(r) * Decimal(P.Race_CoefAttaque(r))))), false,
                      true);
        EcrireCellule(Nb(static_cast<std::int64_t>(Entier(P.Race_Defense(r) * Decimal(P.Race_CoefDefense(r))))), false,
                      true);
        EcrireCellule(Nb(P.Race_Vitesse(r)), false, true);
        const std::int32_t effet = P.Race_EffetAttaque(r);
        EcrireCellule(effet > 0 ? (Dans(effet, P.NombreEffets) ? H(P.Effet_Nom(effet)) : "-") : "-", false, true);
        EcrireCellule(P.Race_Experience(r) ? "X" : "-", false, true);

        Liste part(Separateur);
        if (P.Race_Volant(r)) part.Ajouter("Volant");
        if (P.Race_PorteeAttaque(r) > 0) part.Ajouter("Portée d'attaque : " + Nb(P.Race_PorteeAttaque(r)));
        if (P.Race_Armure(r) > 0) part.Ajouter("Armure : " + Nb(P.Race_Armure(r)));
        if (P.Race_Infatigable(r)) part.Ajouter("Infatigable");
        for (std::int32_t j = 0; j < P.NombreRessources; ++j)
            if (P.Race_Ressources(r, j) > 0)
                part.Ajouter(Nb(static_cast<std::int64_t>(Entier(P.Race_Ressources(r, j)))) + " " + H(P.Ressources_Nom(j)));
        auto nomObjet = [&](std::int32_t o) { return Dans(o, P.NombreTypesObjets) ? H(P.Objet_Nom(o)) : "-"; };
        // The race's items that cost no talent point, then its equipment.
        for (std::int32_t k = 0; k < P.Race_NombreObjets(r); ++k) {
            const std::int32_t o = P.Race_Objet(r, k);
            if (P.Objet_PrixTalents(o) == 0) part.Ajouter(nomObjet(o));
        }
        for (std::int32_t k = 0; k < P.Race_NombreEquipement(r); ++k) part.Ajouter(nomObjet(P.Race_Equipement(r, k)));
        if (P.Race_VitesseRegenerationVie(r) > 0) part.Ajouter("Régénération");
        if (P.Race_Parole(r)) part.Ajouter("Parole");
        if (P.Race_Equiper(r)) part.Ajouter("S'équipe");
        if (P.Race_IA_Manger(r)) part.Ajouter("Mange");
        if (P.Race_IA_Pacifique(r)) part.Ajouter("Pacifique");
        if (P.Race_IA_Temeraire(r)) part.Ajouter("Téméraire");
        if (P.Race_IA_Berserk(r)) part.Ajouter("Berserker");
        if (P.Race_Kamikaze(r)) part.Ajouter("Kamikaze");
        if (!P.Race_IA_Fichier(r).empty()) part.Ajouter("IA:\"" + H(P.Race_IA_Fichier(r)) + "\"");
        EcrireCellule(part.Texte(), false, false);
    }
    return Fin_Page(FichierDocumentBestiaire);
}

// ---------------------------------------------------------------------------
// Statistics

std::string ModDocuments::Creer_Document_Stastistiques() {
    if (!EnregistrerStastistiques) return {};
    const ClsJeuParam& P = Parametres;
    const ClsJeuStastistiques& S = Statistiques;
    const auto H = EchapperHTML;
    const DateDocument date = Aujourdhui ? Aujourdhui() : DateLocale();
    Debut_Page(7);
    char jour[8];
    std::snprintf(jour, sizeof jour, "%02d", std::clamp(date.Jour, 0, 99));
    char annee[16];
    std::snprintf(annee, sizeof annee, "%04d", std::clamp(date.Annee, 0, 9999));
    Ecrire_Ligne(std::string("<B>Partie du ") + JoursSemaine[std::clamp(date.JourSemaine, 0, 6)] + " " + jour + " " +
                 NomsMois[std::clamp(date.Mois, 1, 12) - 1] + " " + annee + "</B>");
    Ecrire_Ligne(RetourLigne);
    Ecrire_Ligne(RetourLigne);
    for (const char* entete : {"PERSONNAGES", "FRAGS", "MORTS", "NIV+"}) EcrireCellule(entete, true, true);
    for (const char* entete : {"GAINS CARACS", "GAINS COMPETENCES", "BESTIAIRE"}) EcrireCellule(entete, true, false);
    for (std::int16_t i = 0; i < S.NombrePersosSuivis; ++i) {
        EcrireCellule(H(S.Nom(i)), false, true);
        Liste frags(RetourLigne);
        const std::int32_t persos = S.Frags(i, 0), maisons = S.Frags(i, 1), chateaux = S.Frags(i, 2);
        if (persos >= 1) frags.Ajouter(Nb(persos) + (persos > 1 ? " Personnages" : " Personnage"));
        if (maisons >= 1) frags.Ajouter(Nb(maisons) + (maisons >= 2 ? " Bâtiments" : " Bâtiment"));
        if (chateaux >= 1) frags.Ajouter(Nb(chateaux) + (chateaux >= 2 ? " Châteaux" : " Château"));
        EcrireCellule(frags.Texte(), false, true);
        EcrireCellule(Nb(S.Morts(i)), false, true);
        EcrireCellule(TexteNombreFrancais(S.Gain_Niveau(i), 2), false, true);

        Liste caracs(RetourLigne);
        const std::pair<std::int16_t, const char*> gains[] = {
            {S.Gain_Vie(i), " Vie"},     {S.Gain_Energie(i), " Energie"}, {S.Gain_Magie(i), " Magie"},
            {S.Gain_Moral(i), " Moral"}, {S.Gain_Attaque(i), " Attaque"}, {S.Gain_Defense(i), " Defense"}};
        for (const auto& [valeur, nom] : gains)
            if (valeur > 0) caracs.Ajouter("+ " + Nb(valeur) + nom);
        EcrireCellule(caracs.Texte(), false, false);

        Liste competences(RetourLigne);
        auto ajouter = [&](std::int16_t n, const std::string& nom) {
            if (n >= 1) competences.Ajouter("+ " + Nb(n) + " " + H(nom));
        };
        for (std::int16_t j = 0; j < P.NombreCompetencesSpeciales; ++j)
            ajouter(S.Gain_CompetenceSpeciales(i, j), P.Speciales_NomCompetences(j));
        for (std::int16_t j = 0; j < P.NombreRessources; ++j)
            ajouter(S.Gain_CompetenceRessources(i, j), P.Ressources_NomCompetence(j));
        // Service competence j belongs to service j + 1.
        for (std::int16_t j = 0; j + 1 < P.NombreServices; ++j)
            ajouter(S.Gain_CompetenceServices(i, j), P.Service_NomCompetence(j + 1));
        for (std::int16_t j = 0; j < P.NombreCompetencesObjets; ++j)
            ajouter(S.Gain_CompetenceObjets(i, j), P.CompetenceObjet_Nom(j));
        EcrireCellule(competences.Texte(), false, false);

        Liste bestiaire(RetourLigne);
        for (std::int16_t j = 0; j < P.NombreRaces; ++j) {
            const std::int16_t n = S.Gain_Bestiaire(i, j);
            if (n >= 1) bestiaire.Ajouter(Nb(n) + " " + H(P.Race_Nom(j, false, n >= 2)));
        }
        EcrireCellule(bestiaire.Texte(), false, false);
    }
    return Fin_Page(FichierDocumentStastistiques);
}

void ModDocuments::Afficher_Document_Stastistiques(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur) {
    const fs::path chemin = Chemin_Document(FichierDocumentStastistiques);
    // The page must be there and readable before the browser is asked.
    std::error_code ec;
    const bool lisible = !chemin.empty() && fs::is_regular_file(chemin, ec) && std::ifstream(chemin).good();
    if (!lisible) {
        // Without its text in the settings, the message still says what
        // is missing.
        const std::string texte = MessageFichierManquantTexte.empty()
                                      ? "La page des statistiques est introuvable : " +
                                            (chemin.empty() ? FichierDocumentStastistiques : chemin.string()) + "."
                                      : MessageFichierManquantTexte;
        Avertisseur.Erreur_Titre(texte, MessageFichierManquantTitre);
        return;
    }
    ModVisionneurs::Ouvrir_Navigateur(Lanceur, Avertisseur, chemin.string());
}

// ---------------------------------------------------------------------------
// Help menu entries

void ModDocuments::Creer_Document_Batiments(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur) {
    Ouvrir(FichierDocumentBatiments, Ecrire_Document_Batiments(), Lanceur, Avertisseur);
}
void ModDocuments::Creer_Document_Ressources(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur) {
    Ouvrir(FichierDocumentRessources, Ecrire_Document_Ressources(), Lanceur, Avertisseur);
}
void ModDocuments::Creer_Document_Peuples(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur) {
    Ouvrir(FichierDocumentPeuples, Ecrire_Document_Peuples(), Lanceur, Avertisseur);
}
void ModDocuments::Creer_Document_Objets(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur) {
    Ouvrir(FichierDocumentObjets, Ecrire_Document_Objets(), Lanceur, Avertisseur);
}
void ModDocuments::Creer_Document_Bestiaire(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur) {
    Ouvrir(FichierDocumentBestiaire, Ecrire_Document_Bestiaire(), Lanceur, Avertisseur);
}
