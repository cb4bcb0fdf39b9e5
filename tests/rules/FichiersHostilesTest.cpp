// Small files a careless or hostile player could drop into the game folder,
// each costing the loaders far more than its size before these checks: each
// is refused with a short French message naming the file and the fault, or
// loaded as the game saves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ai/ClsJeuIA2.h"
#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "interface/ClsIntTouches.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Graphique.h"
#include "platform/ImageBMP.h"
#include "platform/Surface.h"
#include "platform/Texte.h"
#include "platform/qt/ImagesQt.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"
#include "saves/ModSavPerso.h"
#include "tests/Outils.h"
#include "tests/rules/ImagesHostiles.h"

namespace {

namespace fs = std::filesystem;

enum class Genre { Regles, Paroles, Perso, ScriptIA, Image, Touches };

// One line of a file of the data set replaced: the first "cle=" line after
// the text `apres`, in `source` (the replaced file itself when empty).
struct LigneChangee {
    std::string cle, valeur, apres{}, source{};
};

struct CasHostile {
    std::string nom;        // file of tests/fixtures/hostiles, or a made one
    Genre genre;
    std::string remplace;   // the game file it stands for
    bool accepte;           // loads (and then saves back the same)
    std::vector<std::string> attendus;  // fragments of the refusal
    std::optional<LigneChangee> ligne = std::nullopt;
    std::string contenu = {};  // the whole file, when made here
};

// The file of a case: made, a data file with one line changed, or a fixture.
std::string Contenu(const CasHostile& c) {
    if (!c.contenu.empty()) return c.contenu;
    if (!c.ligne) {
        auto t = LireFichier(Fixtures() / "hostiles" / c.nom);
        return t ? *t : std::string();
    }
    const LigneChangee& l = *c.ligne;
    std::string texte = LireFichier(DonneesSource() / (l.source.empty() ? c.remplace : l.source)).value_or("");
    const std::size_t i = texte.find("\n" + l.cle + "=", texte.find(l.apres));
    if (i == std::string::npos) return {};
    texte.replace(i, texte.find('\n', i + 1) - i, "\n" + l.cle + "=" + l.valeur);
    return texte;
}

std::size_t Lignes(const std::string& message) {
    return static_cast<std::size_t>(std::count(message.begin(), message.end(), '\n')) + 1;
}

// What loading the file gave: the refusal's message, or nothing.
std::optional<std::string> Charger(const CasHostile& c, const std::string& contenu) {
    DossierTemporaire d;
    d.CopierDonnees();
    DossierJeu dossier(d.Chemin());
    ClsJeuParam p(dossier);
    auto regles = [&] {
        for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
    };
    try {
        switch (c.genre) {
        case Genre::Regles:
            d.Ecrire(c.remplace, contenu);
            regles();
            return std::nullopt;
        case Genre::Paroles: {
            d.Ecrire(c.remplace, contenu);
            GenerateurLocal generateur(1);
            ClsJeuCommentaires paroles(dossier, generateur);
            return std::nullopt;
        }
        case Genre::Perso: {
            regles();
            d.Ecrire("Sauvegardes/Personnages/" + c.remplace, contenu);
            ModSavPerso sav(dossier, p);
            ClsJeuPerso perso(nullptr);
            perso.Init(0, p);
            sav.Charger_Perso(fs::path(c.remplace).stem().string(), perso);
            return std::nullopt;
        }
        case Genre::ScriptIA: {
            regles();
            d.Ecrire("IAs/" + c.remplace, contenu);
            ClsJeuIA2 ia;
            ia.Charger_IA(d.Chemin() / "IAs", c.remplace, p, false, c.remplace);
            // What loads saves back to a file that loads the same.
            d.Ecrire("IAs/Relu.ia", ia.Texte_IA(p));
            ClsJeuIA2 relu;
            relu.Charger_IA(d.Chemin() / "IAs", "Relu.ia", p, false, "Relu.ia");
            relu.NomFichier = ia.NomFichier;
            EXPECT_TRUE(relu == ia) << c.nom;
            // The second "Age_1" starts the age over: its building step is
            // gone, and so is the mark that it has one.
            EXPECT_EQ(ia.Definir_NombreEtapes(0), 1) << c.nom;
            EXPECT_FALSE(ia.Definir_BatimentDefini(0)) << c.nom;
            return std::nullopt;
        }
        case Genre::Touches: {
            d.Ecrire(c.remplace, contenu);
            ClsIntTouches touches(dossier);
            return std::nullopt;
        }
        case Genre::Image: {
            d.Ecrire(c.remplace, contenu);
            DecodeurImageQt decodeur;
            Graphique graphique(dossier, decodeur);
            graphique.Charger(c.remplace);
            return std::nullopt;
        }
        }
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), fs::path(c.remplace).filename().string()) << c.nom;
        return std::string(e.what());
    } catch (const ErreurImage& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

}  // namespace

TEST(FichiersHostiles, RefusesCourtementOuChargesCommeIlsSeSauvent) {
    const std::string chiffres(1'000'000, '7');
    const std::vector<CasHostile> cas = {
        {"Ini_Parametres_Objets.32767x32767.ini", Genre::Regles, "Ini_Parametres_Objets.ini", false,
         {"Section [Services], clé NombreServices : 32767 annoncés, mais la section [Service_1] manque au fichier.",
          "section [Objet_32767] : le numéro laisse trop de sections absentes : le fichier n'en contient que 1."}},
        {"Ini_Parametres_Races.objets-communs-32767.ini", Genre::Regles, "Ini_Parametres_Races.ini", false,
         {"section [Race_32767] : le numéro laisse trop de sections absentes : le fichier n'en contient que 1."}},
        {"Ini_Parametres_Peuples.100x32767.ini", Genre::Regles, "Ini_Parametres_Peuples.ini", false,
         {"Section [Peuple_1], clé NombreMonstres : 32767 annoncés, mais la clé Monstre(1)Indice manque à la section.",
          "... et "}},
        {"Ini_Parametres_Batiments.100x32767.ini", Genre::Regles, "Ini_Parametres_Batiments.ini", false,
         {"Section [Batiment_1], clé NombreObjetsfabriques : 32767 annoncés, mais la clé ObjetsFabriques(1) manque",
          "... et "}},
        {"Ini_Commentaires.100x32767.ini", Genre::Paroles, "Ini_Commentaires.ini", false,
         {"Section [Commentaires_1], clé NombreMessages : 32767 annoncés, mais la clé Message(1) manque"}},
        {"Ini_Commentaires.1000x32767.ini", Genre::Paroles, "Ini_Commentaires.ini", false,
         {"clé NombreMessages : 32767 annoncés", "... et "}},
        {"perso-lignes-sans-egal.per", Genre::Perso, "Hostile.per", false,
         {"n'est pas une ligne clé=valeur", "... et "}},
        {"age-nomme-deux-fois.ia", Genre::ScriptIA, "Deux.ia", true, {}},
        {"image-5000x5000-tronquee", Genre::Image, "Images/Tronquee.bmp", false,
         {"ne peux être chargé.\nL'image est tronquée : l'en-tête annonce 5000 x 5000 pixels"}, std::nullopt,
         hostiles::Tronquee5000()},
        {"image-100000x100000-entete", Genre::Image, "Images/Entete.bmp", false,
         {"L'image est trop grande (100000 x 100000 pixels ; au plus 16384 x 16384)."}, std::nullopt,
         hostiles::Entete100000()},
        {"image-entete-geant", Genre::Image, "Images/Geant.bmp", false, {"Images/Geant.bmp"}, std::nullopt,
         hostiles::EnteteGeant()},
        // A count far beyond the sections present.
        {"ressources-32767", Genre::Regles, "Ini_Parametres_Ressources.ini", false,
         {"clé NombreRessources : 32767 annoncés, mais la section [Ressource_"}, LigneChangee{"NombreRessources", "32767"}},
        // Numbers longer than the value limit: refused, never cut and read.
        {"vie-un-million-de-chiffres", Genre::Regles, "Ini_Parametres_Races.ini", false,
         {"clé Vie : valeur trop longue (plus de 254 caractères)."}, LigneChangee{"Vie", chiffres}},
        {"maxvie-trois-cents-chiffres", Genre::Regles, "Ini_Parametres_Persos.ini", false,
         {"clé PersosMaxVie : valeur trop longue (plus de 254 caractères) : ce n'est pas un nombre."},
         LigneChangee{"PersosMaxVie", chiffres.substr(0, 300)}},
        {"perso-vie-trois-cents-chiffres", Genre::Perso, "Long.per", false, {"clé Vie : valeur trop longue"},
         LigneChangee{"Vie", chiffres.substr(0, 300), "", "Sauvegardes/Personnages/Aldric.per"}},
        // Names that become paths stay inside the game folder.
        {"image-hors-du-dossier", Genre::Regles, "Ini_Parametres_Objets.ini", false,
         {"clé Image : le chemin « ../../../../etc/passwd » sort du dossier du jeu"},
         LigneChangee{"Image", "../../../../etc/passwd"}},
        {"effet-absolu", Genre::Regles, "Ini_Parametres_Effets.ini", false,
         {"Section [Effet_1], clé Fichier : le chemin « /etc/passwd » est absolu"},
         LigneChangee{"Fichier", "/etc/passwd", "[Effet_1]"}},
        {"son-hors-du-dossier", Genre::Regles, "Ini_Parametres_Effets.ini", false,
         {"Section [Effet_1], clé Son : le chemin « ..\\..\\..\\passwd » sort du dossier du jeu"},
         LigneChangee{"Son", "..\\..\\..\\passwd", "[Effet_1]"}},
        {"ia-hors-du-dossier", Genre::Regles, "Ini_Parametres_Races.ini", false,
         {"clé IA_Fichier : le chemin « ../../../../etc/passwd » sort du dossier du jeu"},
         LigneChangee{"IA_Fichier", "../../../../etc/passwd"}},
        {"apparence-absolue", Genre::Regles, "Ini_Parametres_Races.ini", false,
         {"clé CheminApparenceM : le chemin « /etc » est absolu"}, LigneChangee{"CheminApparenceM", "/etc"}},
        // Cut to 254 characters, "000...01" would read as key 0.
        {"touche-trois-cents-chiffres", Genre::Touches, "Ini_Touches.ini", false,
         {"Section [Touches], clé ToucheQuitter : valeur trop longue (plus de 254 caractères)"},
         LigneChangee{"ToucheQuitter", std::string(300, '0') + "1"}},
        // Files far beyond any real one of their kind.
        {"perso-2-mo", Genre::Perso, "Gros.per", false, {"Le fichier est trop volumineux (2097152 octets"},
         std::nullopt, "[Personnage]\n" + std::string(2 * 1024 * 1024 - 13, 'x')},
        {"paroles-5-mo", Genre::Paroles, "Ini_Commentaires.ini", false, {"Le fichier est trop volumineux"},
         std::nullopt, *LireFichier(DonneesSource() / "Ini_Commentaires.ini") + std::string(5 * 1024 * 1024, ';')},
    };

    for (const CasHostile& c : cas) {
        const std::string contenu = Contenu(c);
        ASSERT_FALSE(contenu.empty()) << c.nom;

        const auto refus = Charger(c, contenu);
        if (c.accepte) {
            EXPECT_FALSE(refus) << c.nom << " : " << refus.value_or("");
            continue;
        }
        ASSERT_TRUE(refus) << c.nom << " : accepté";
        EXPECT_LE(Lignes(*refus), 60u) << c.nom;
        // A character file is named by its character ("Le fichier de
        // personnage Gros"), every other by its file name.
        const fs::path cite = fs::path(c.remplace);
        const std::string nom = c.genre == Genre::Perso ? cite.stem().string() : cite.filename().string();
        EXPECT_NE(refus->find(nom), std::string::npos) << c.nom << "\n" << *refus;
        for (const auto& attendu : c.attendus)
            EXPECT_NE(refus->find(attendu), std::string::npos) << c.nom << " : « " << attendu << " »\n" << *refus;
    }
}
