// Character files: a hero through its file and back (also under a locale
// that writes a decimal comma), bad files refused with every fault named
// and the character left as it was, talents, interface options, team,
// periodic saves, deletion, the settings file, the roster and the sample
// heroes of the default data.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <locale>
#include <set>
#include <string>
#include <vector>

#include "characters/ClsJeuCommentaires.h"
#include "platform/Texte.h"
#include "saves/ModSavPerso.h"
#include "saves/OptionsInterface.h"
#include "tests/characters/ReglesPersos.h"

namespace fs = std::filesystem;

namespace {

const char* const Dossier = "Sauvegardes/Personnages/";

class FichiersPersos : public ::testing::Test {
protected:
    FichiersPersos() {
        // The default data's sample heroes are not this fixture's.
        fs::remove_all(regles_.Temporaire().Chemin() / "Sauvegardes");
        sav_.Charger_Parametres_SavPerso();
    }

    const ClsJeuParam& P() const { return regles_.Parametres(); }
    const DossierTemporaire& T() const { return regles_.Temporaire(); }
    std::string Fichier(const std::string& nom) const { return T().Lire(std::string(Dossier) + nom + ".per"); }
    void Ecrire(const std::string& nom, const std::string& texte) const {
        T().Ecrire(std::string(Dossier) + nom + ".per", texte);
    }

    // A hero as the setup window leaves it: marked, named, its race given.
    ClsJeuPerso Heros(const std::string& nom, std::int16_t race) const {
        ClsJeuPerso p;
        p.Init(0, P());
        p.PersoFichier = 1;
        p.Nom = nom;
        p.Changer_Race_Personnage(race, P());
        p.Actualiser_Bonus();
        return p;
    }
    // The character a file is loaded into: fresh, marked so that it keeps
    // the file's name.
    ClsJeuPerso Cible() const {
        ClsJeuPerso p;
        p.Init(5, P());
        p.PersoFichier = 1;
        return p;
    }

    // A hero with a value in every key, experience that a short decimal
    // form would not give back, and a few levels.
    ClsJeuPerso Complet() const {
        ClsJeuPerso p = Heros("Brunhilde", RaceFixture::Nain);
        p.Sexe = true;
        p.Changer_Race_Personnage(RaceFixture::Nain, P());
        p.Equipe = 3;
        p.Apparence = true;
        p.FichierApparence = "naine_2.bmp";
        p.IA = true;
        p.FichierIA = "Soldat.ia";
        p.Attitude = 1;
        p.Formation = 2;
        p.ExpVie = 0.1 + 0.2;
        p.ExpEnergie = 12.5;
        p.ExpMagie = 1.0 / 3.0;
        p.ExpMoral = 1e-7;
        p.ExpAttaque = 1234.5678901234567;
        p.ExpDefense = 300.0;
        for (std::int32_t i = 0; i < p.Nombre_CompetencesSpeciales(); ++i) p.Definir_ExpSpeciales(i, 20.0 * i + 0.7);
        for (std::int32_t i = 0; i < p.Nombre_CompetencesRessources(); ++i) p.Definir_ExpRessources(i, 46.25 * i);
        for (std::int32_t i = 0; i < p.Nombre_CompetencesServices(); ++i) p.Definir_ExpServices(i, 61.0 + i);
        for (std::int32_t i = 0; i < p.Nombre_CompetencesObjets(); ++i) p.Definir_ExpObjets(i, 7.0 * (i + 1) / 3.0);
        for (std::int16_t r = 0; r < p.Nombre_de_lignes_du_bestiaire(); ++r) p.Definir_Bestiaire(r, 3 * r + 1);
        p.Gestion_Tous_Niveaux();
        p.Actualiser_Bonus();
        return p;
    }

    void ComparerFichier(const ClsJeuPerso& a, const ClsJeuPerso& b) const {
        EXPECT_EQ(b.Nom, a.Nom);
        EXPECT_EQ(b.Race, a.Race);
        EXPECT_EQ(b.Sexe, a.Sexe);
        EXPECT_EQ(b.Equipe, a.Equipe);
        EXPECT_EQ(b.Apparence, a.Apparence);
        EXPECT_EQ(b.FichierApparence, a.FichierApparence);
        EXPECT_EQ(b.IA, a.IA);
        EXPECT_EQ(b.FichierIA, a.FichierIA);
        EXPECT_EQ(b.Attitude, a.Attitude);
        EXPECT_EQ(b.Formation, a.Formation);
        // Exactly: not one bit of experience is lost.
        EXPECT_EQ(b.ExpVie, a.ExpVie);
        EXPECT_EQ(b.ExpEnergie, a.ExpEnergie);
        EXPECT_EQ(b.ExpMagie, a.ExpMagie);
        EXPECT_EQ(b.ExpMoral, a.ExpMoral);
        EXPECT_EQ(b.ExpAttaque, a.ExpAttaque);
        EXPECT_EQ(b.ExpDefense, a.ExpDefense);
        EXPECT_EQ(b.NiveauVie, a.NiveauVie);
        EXPECT_EQ(b.NiveauEnergie, a.NiveauEnergie);
        EXPECT_EQ(b.NiveauAttaque, a.NiveauAttaque);
        EXPECT_EQ(b.NiveauDefense, a.NiveauDefense);
        EXPECT_EQ(b.Definir_MaxVie(), a.Definir_MaxVie());
        EXPECT_EQ(b.Definir_MaxAttaque(), a.Definir_MaxAttaque());
        for (std::int32_t i = 0; i < a.Nombre_CompetencesSpeciales(); ++i) {
            EXPECT_EQ(b.Definir_ExpSpeciales(i), a.Definir_ExpSpeciales(i)) << i;
            EXPECT_EQ(b.Niveau_CompetenceSpeciales(i), a.Niveau_CompetenceSpeciales(i)) << i;
        }
        for (std::int32_t i = 0; i < a.Nombre_CompetencesRessources(); ++i) {
            EXPECT_EQ(b.Definir_ExpRessources(i), a.Definir_ExpRessources(i)) << i;
            EXPECT_EQ(b.Niveau_CompetenceRessources(i), a.Niveau_CompetenceRessources(i)) << i;
        }
        for (std::int32_t i = 0; i < a.Nombre_CompetencesServices(); ++i) {
            EXPECT_EQ(b.Definir_ExpServices(i), a.Definir_ExpServices(i)) << i;
            EXPECT_EQ(b.Niveau_CompetenceServices(i), a.Niveau_CompetenceServices(i)) << i;
        }
        for (std::int32_t i = 0; i < a.Nombre_CompetencesObjets(); ++i) {
            EXPECT_EQ(b.Definir_ExpObjets(i), a.Definir_ExpObjets(i)) << i;
            EXPECT_EQ(b.Niveau_CompetenceObjets(i), a.Niveau_CompetenceObjets(i)) << i;
        }
        for (std::int16_t r = 0; r < a.Nombre_de_lignes_du_bestiaire(); ++r)
            EXPECT_EQ(b.Definir_Bestiaire(r), a.Definir_Bestiaire(r)) << r;
    }

    ReglesPersos regles_;
    ModSavPerso sav_{regles_.Dossier(), regles_.Parametres()};
    GenerateurLocal graine_{7};
    ClsJeuCommentaires commentaires_{regles_.Dossier(), graine_};
};

// Numbers as a French system writes them: "," between units and decimals.
struct Virgule : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return ' '; }
    std::string do_grouping() const override { return "\3"; }
};

// Puts the C++ global locale (and the C one, when the system has a French
// locale) on a decimal comma for the life of the object.
class LocaleFrancaise {
public:
    LocaleFrancaise() : ancienne_(std::locale()) {
        if (const char* c = std::setlocale(LC_ALL, nullptr)) ancienneC_ = c;
        std::locale::global(std::locale(std::locale::classic(), new Virgule));
        for (const char* nom : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR"}) {
            if (std::setlocale(LC_ALL, nom)) {
                systeme_ = true;
                break;
            }
        }
    }
    // The C library writes a comma too (a French locale is installed, or
    // made with localedef and found through LOCPATH).
    bool Systeme() const { return systeme_; }
    ~LocaleFrancaise() {
        std::locale::global(ancienne_);
        std::setlocale(LC_ALL, ancienneC_.c_str());
    }

private:
    std::locale ancienne_;
    std::string ancienneC_ = "C";
    bool systeme_ = false;
};

// ---- Round trip ----

TEST_F(FichiersPersos, UnHerosFaitLAllerRetourParSonFichier) {
    const ClsJeuPerso heros = Complet();
    ASSERT_TRUE(sav_.Sauvegarder_Perso(heros));
    ClsJeuPerso charge = Cible();
    sav_.Charger_Perso("Brunhilde", charge);
    ComparerFichier(heros, charge);
    // Loaded into a character at full strength, it stands at full strength.
    EXPECT_EQ(charge.Vie, charge.Definir_MaxVie());
    EXPECT_EQ(charge.Attaque, charge.Definir_MaxAttaque());
    EXPECT_EQ(charge.ApparenceFichier, 0);

    // Saved again unchanged, the file is the same text.
    const std::string texte = Fichier("Brunhilde");
    ASSERT_TRUE(sav_.Sauvegarder_Perso(charge));
    EXPECT_EQ(Fichier("Brunhilde"), texte);
}

TEST_F(FichiersPersos, LesValeursCourantesGardentLeurPart) {
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Complet()));
    ClsJeuPerso charge = Cible();
    charge.Vie = charge.Definir_MaxVie() * 0.5;
    charge.Energie = charge.Definir_MaxEnergie() * 0.25;
    charge.Defense = 0.0;
    sav_.Charger_Perso("Brunhilde", charge);
    // The dwarf's maxima differ from the fresh character's: the shares stay.
    EXPECT_NE(charge.Definir_MaxVie(), 100.0);
    EXPECT_NEAR(charge.Vie / charge.Definir_MaxVie(), 0.5, 1e-6);
    EXPECT_NEAR(charge.Energie / charge.Definir_MaxEnergie(), 0.25, 1e-6);
    EXPECT_EQ(charge.Defense, 0.0);
    EXPECT_EQ(charge.Magie, charge.Definir_MaxMagie());
}

TEST_F(FichiersPersos, LaLocaleNeChangeNiLEcritureNiLaLecture) {
    const ClsJeuPerso heros = Complet();
    std::string texte;
    {
        LocaleFrancaise fr;
        if (fr.Systeme()) {
            char t[16];
            std::snprintf(t, sizeof t, "%.1f", 12.5);
            EXPECT_STREQ(t, "12,5");
        }
        ASSERT_TRUE(sav_.Sauvegarder_Perso(heros));
        ClsJeuPerso charge = Cible();
        sav_.Charger_Perso("Brunhilde", charge);
        ComparerFichier(heros, charge);
        texte = Fichier("Brunhilde");
    }
    EXPECT_NE(texte.find("\nEnergie=12.5\n"), std::string::npos) << texte;
    EXPECT_EQ(texte.find(','), std::string::npos) << texte;
    // The same text as without the comma locale.
    ASSERT_TRUE(sav_.Sauvegarder_Perso(heros));
    EXPECT_EQ(Fichier("Brunhilde"), texte);
}

TEST_F(FichiersPersos, UneVirguleEcriteAilleursSeRelitEntiere) {
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Complet()));
    std::string texte = Fichier("Brunhilde");
    const auto i = texte.find("\nEnergie=12.5\n");
    ASSERT_NE(i, std::string::npos);
    texte.replace(i, 14, "\nEnergie=12,5\n");
    Ecrire("Brunhilde", texte);
    ClsJeuPerso charge = Cible();
    sav_.Charger_Perso("Brunhilde", charge);
    EXPECT_EQ(charge.ExpEnergie, 12.5);
}

TEST_F(FichiersPersos, CompetencesDObjetsEtBestiaireSuiventLesNumerosDesRegles) {
    // Item competences numbered 7, 3, 5 and races with bestiary numbers
    // 40 to 43: the keys carry those numbers, not positions.
    ReglesPersos regles([](const DossierTemporaire& d) {
        std::string objets = d.Lire("Ini_Parametres_Objets.ini");
        const char* numeros[] = {"7", "3", "5"};
        std::size_t pos = 0;
        for (const char* n : numeros) {
            pos = objets.find("Numero=", pos);
            objets.replace(pos + 7, 1, n);
            ++pos;
        }
        d.Ecrire("Ini_Parametres_Objets.ini", objets);
        std::string races = d.Lire("Ini_Parametres_Races.ini");
        for (int r = 1; r <= 4; ++r) {
            const std::string cle = "IndiceBestiaire=" + std::to_string(r) + "\n";
            races.replace(races.find(cle), cle.size(), "IndiceBestiaire=" + std::to_string(39 + r) + "\n");
        }
        d.Ecrire("Ini_Parametres_Races.ini", races);
    });
    ModSavPerso sav(regles.Dossier(), regles.Parametres());
    ClsJeuPerso p = regles.Nouveau(RaceFixture::Humain);
    p.PersoFichier = 1;
    p.Nom = "Numeros";
    p.Definir_ExpObjets(0, 70.0);
    p.Definir_ExpObjets(1, 30.0);
    p.Definir_Bestiaire(2, 9);
    ASSERT_TRUE(sav.Sauvegarder_Perso(p));
    const std::string texte = regles.Temporaire().Lire(std::string(Dossier) + "Numeros.per");
    EXPECT_NE(texte.find("CompétenceObjet7=70\n"), std::string::npos) << texte;
    EXPECT_NE(texte.find("CompétenceObjet3=30\n"), std::string::npos) << texte;
    EXPECT_NE(texte.find("BestiaireMonstre42=9\n"), std::string::npos) << texte;
    EXPECT_EQ(texte.find("CompétenceObjet1="), std::string::npos) << texte;

    ClsJeuPerso q = regles.Nouveau(RaceFixture::Humain);
    q.PersoFichier = 1;
    sav.Charger_Perso("Numeros", q);
    EXPECT_EQ(q.Definir_ExpObjets(0), 70.0);
    EXPECT_EQ(q.Definir_ExpObjets(1), 30.0);
    EXPECT_EQ(q.Definir_Bestiaire(2), 9);
}

// ---- What loading makes of each value ----

struct Lecture {
    const char* nom;
    const char* cle;
    const char* valeur;
    bool sexe, apparence, ia;
};

TEST_F(FichiersPersos, LectureDesDrapeauxEtDuSexe) {
    const std::vector<Lecture> cas = {
        {"Féminin exact", "Sexe", "Féminin", true, true, true},
        {"féminin en minuscule", "Sexe", "féminin", false, true, true},
        {"autre texte", "Sexe", "Femme", false, true, true},
        {"apparence 2", "Apparence", "2", true, false, true},
        {"apparence -1", "Apparence", "-1", true, false, true},
        {"apparence 1.0", "Apparence", "1.0", true, true, true},
        {"IA 2", "IA", "2", true, true, false},
        {"IA 0", "IA", "0", true, true, false},
    };
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Complet()));
    const std::string base = Fichier("Brunhilde");
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        std::string texte = base;
        const std::string cle = std::string("\n") + c.cle + "=";
        const auto debut = texte.find(cle) + cle.size();
        texte.replace(debut, texte.find('\n', debut) - debut, c.valeur);
        Ecrire("Brunhilde", texte);
        ClsJeuPerso charge = Cible();
        sav_.Charger_Perso("Brunhilde", charge);
        EXPECT_EQ(charge.Sexe, c.sexe);
        EXPECT_EQ(charge.Apparence, c.apparence);
        EXPECT_EQ(charge.IA, c.ia);
    }
}

TEST_F(FichiersPersos, DesClesDeCompetencesAbsentesSeLisentZero) {
    // Rules that gained rows since the save: their keys are not there yet.
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Complet()));
    std::string texte = Fichier("Brunhilde");
    for (const char* cle : {"CompétenceRessource3=", "BestiaireMonstre4="}) {
        const auto i = texte.find(cle);
        texte.erase(i, texte.find('\n', i) + 1 - i);
    }
    Ecrire("Brunhilde", texte);
    ClsJeuPerso charge = Cible();
    sav_.Charger_Perso("Brunhilde", charge);
    EXPECT_EQ(charge.Definir_ExpRessources(2), 0.0);
    EXPECT_EQ(charge.Definir_Bestiaire(3), 0);
    EXPECT_EQ(charge.Definir_ExpRessources(1), 46.25);
}

// ---- Bad files: refused, every fault named, the character untouched ----

struct Mauvais {
    const char* nom;
    // Replaces the first line that begins with cle (the whole file when
    // cle is empty) by remplacement; or cuts the file after coupe.
    const char* cle;
    const char* remplacement;
    std::vector<const char*> attendus;
};

TEST_F(FichiersPersos, UnFichierInvalideEstRefuseSansToucherAuPersonnage) {
    const std::vector<Mauvais> cas = {
        {"race inconnue", "Race=", "Race=99", {"clé Race : 99 ne désigne aucune race (valeurs permises : 0 à 3)."}},
        {"race hors 16 bits", "Race=", "Race=70000", {"clé Race : la valeur 70000 est hors limites."}},
        {"race négative", "Race=", "Race=-1", {"clé Race : -1 ne désigne aucune race"}},
        {"race en lettres", "Race=", "Race=deux", {"clé Race : « deux » n'est pas un nombre."}},
        {"expérience illisible", "Vie=", "Vie=douze", {"clé Vie : « douze » n'est pas un nombre."}},
        {"expérience infinie", "Magie=", "Magie=1e999", {"clé Magie : « 1e999 » n'est pas un nombre."}},
        {"équipe négative", "Equipe=", "Equipe=-2", {"clé Equipe : la valeur -2 est hors limites."}},
        {"équipe hors 32 bits", "Equipe=", "Equipe=3000000000", {"clé Equipe : la valeur 3000000000 est hors limites."}},
        {"attitude hors 16 bits", "Attitude=", "Attitude=40000", {"clé Attitude : la valeur 40000 est hors limites."}},
        {"bestiaire négatif", "BestiaireMonstre2=", "BestiaireMonstre2=-4",
         {"clé BestiaireMonstre2 : la valeur -4 est hors limites."}},
        {"script hors de son dossier", "FichierIA=", "FichierIA=../../secret",
         {"clé FichierIA : « ../../secret » n'est pas un nom de fichier permis."}},
        {"deux fautes à la fois", "Formation=", "Formation=x\nMoral=y",
         {"clé Formation : « x » n'est pas un nombre.", "clé Moral : « y » n'est pas un nombre."}},
        {"fichier vide", "", "", {"Section [Personnage] absente"}},
        {"autre section seulement", "", "[Talents]\nTresor1=1\n", {"Section [Personnage] absente"}},
    };
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Complet()));
    const std::string base = Fichier("Brunhilde");
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        std::string texte = base;
        if (*c.cle) {
            const auto debut = texte.find(std::string("\n") + c.cle) + 1;
            texte.replace(debut, texte.find('\n', debut) - debut, c.remplacement);
        } else {
            texte = c.remplacement;
        }
        Ecrire("Brunhilde", texte);
        ClsJeuPerso cible = Cible();
        cible.Nom = "Avant";
        const ClsJeuPerso avant = cible;
        try {
            sav_.Charger_Perso("Brunhilde", cible);
            ADD_FAILURE() << "chargé sans erreur";
        } catch (const ErreurPerso& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Le fichier de personnage Brunhilde est invalide\n", 0), 0u) << message;
            for (const char* a : c.attendus) EXPECT_NE(message.find(a), std::string::npos) << message;
            EXPECT_EQ(e.Nom(), "Brunhilde");
        }
        EXPECT_EQ(cible.Nom, "Avant");
        EXPECT_EQ(cible.Race, avant.Race);
        EXPECT_EQ(cible.Equipe, avant.Equipe);
        EXPECT_EQ(cible.ExpAttaque, avant.ExpAttaque);
        EXPECT_EQ(cible.Definir_MaxVie(), avant.Definir_MaxVie());
    }
}

TEST_F(FichiersPersos, UnFichierTronqueEstRefuse) {
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Complet()));
    const std::string base = Fichier("Brunhilde");
    struct Coupe {
        const char* apres;  // the file ends right after this text
        const char* attendu;
    };
    const std::vector<Coupe> coupes = {
        {"\nMagie=", "clé Moral : valeur absente (fichier tronqué ?)."},
        {"\nEquipe=3\n", "clé Apparence : valeur absente"},
        {"\nCompétenceSpéciale1=0.7\nCompétenceSp", "« CompétenceSp » n'est pas une ligne clé=valeur (fichier tronqué ?)."},
        {"[Person", "en-tête de section incomplet"},
    };
    for (const auto& c : coupes) {
        SCOPED_TRACE(c.apres);
        const auto i = base.find(c.apres);
        ASSERT_NE(i, std::string::npos);
        Ecrire("Brunhilde", base.substr(0, i + std::string(c.apres).size()));
        ClsJeuPerso cible = Cible();
        try {
            sav_.Charger_Perso("Brunhilde", cible);
            ADD_FAILURE() << "chargé sans erreur";
        } catch (const ErreurPerso& e) {
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos) << e.what();
        }
    }
}

TEST_F(FichiersPersos, FichierAbsentOuNomDangereux) {
    for (const char* nom : {"Personne", "../Ini_SavPerso", "a/b", "St. Clair", ""}) {
        SCOPED_TRACE(nom);
        ClsJeuPerso cible = Cible();
        EXPECT_THROW(sav_.Charger_Perso(nom, cible), ErreurPerso);
    }
    for (const char* nom : {"../Ini_SavPerso", "a/b", "St. Clair", ""}) EXPECT_THROW(sav_.Lire_Equipe(nom), ErreurPerso);
    // Lire_Equipe of a name without a file: no team chosen yet.
    EXPECT_EQ(sav_.Lire_Equipe("Personne"), 0);
}

// ---- Saving ----

TEST_F(FichiersPersos, UnNomVideOuDangereuxNEstJamaisEcrit) {
    for (const char* nom : {"", "../evasion", "x\\y", "point.final"}) {
        SCOPED_TRACE(nom);
        ClsJeuPerso p = Heros(nom, RaceFixture::Humain);
        EXPECT_FALSE(sav_.Sauvegarder_Perso(p));
        EXPECT_FALSE(sav_.Sauvegarder_Equipe(nom, 2));
    }
    EXPECT_FALSE(fs::exists(T().Chemin() / "Sauvegardes"));
    EXPECT_FALSE(fs::exists(T().Chemin() / "evasion.per"));
}

TEST_F(FichiersPersos, UnNomDeFichierDangereuxNEstPasGarde) {
    ClsJeuPerso p = Complet();
    p.FichierIA = "../../secret.ia";
    p.FichierApparence = "a\\b.bmp";
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));
    ClsJeuPerso charge = Cible();
    sav_.Charger_Perso("Brunhilde", charge);  // still loadable
    EXPECT_EQ(charge.FichierIA, "");
    EXPECT_EQ(charge.FichierApparence, "");
}

TEST_F(FichiersPersos, SauvegarderGardeLesAutresClesEtCreeLeDossier) {
    ClsJeuPerso p = Heros("Arthur", RaceFixture::Humain);
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));  // the folder did not exist
    std::vector<bool> talents = {true, false, false};
    ASSERT_TRUE(sav_.Sauvegarder_Talents(p, talents, commentaires_));
    OptionsInterface options;
    options.NombreBoutonsBarresStatut = 2;
    options.AutoRecuperation_Carac(1, true);
    ASSERT_TRUE(sav_.Sauvegarder_Options_Interface(p, options));
    p.ExpVie = 77.0;
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));
    const std::string texte = Fichier("Arthur");
    EXPECT_NE(texte.find("\nVie=77\n"), std::string::npos);
    EXPECT_NE(texte.find("[Talents]\nTresor1=1\nTresor2=0\n"), std::string::npos) << texte;
    EXPECT_NE(texte.find("AutoRecuperationCarac2=1\n"), std::string::npos) << texte;
    // No temporary file is left beside it.
    std::vector<std::string> fichiers;
    for (const auto& e : fs::directory_iterator(T().Chemin() / Dossier)) fichiers.push_back(e.path().filename().string());
    EXPECT_EQ(fichiers, std::vector<std::string>{"Arthur.per"});
}

TEST_F(FichiersPersos, UneEcritureImpossibleEstSignalee) {
    // The folder's place is taken by a file: nothing can be written there.
    T().Ecrire("Sauvegardes/Personnages", "pas un dossier");
    EXPECT_FALSE(sav_.Sauvegarder_Perso(Heros("Arthur", RaceFixture::Humain)));
}

// ---- Talents ----

TEST_F(FichiersPersos, TalentsLusChoisisEtAppliques) {
    ClsJeuPerso p = Heros("Arthur", RaceFixture::Humain);
    const std::int16_t n = P().Race_NombreObjets(RaceFixture::Humain);
    ASSERT_EQ(n, 2);
    const std::int16_t premier = P().Race_Objet(RaceFixture::Humain, 0);
    const std::int16_t second = P().Race_Objet(RaceFixture::Humain, 1);
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));
    p.Objet_Equipes_Vider_Tout();
    p.Objet_Inventaire_Vider_Tout();

    std::vector<bool> talents;
    sav_.Lire_Talents(p, talents);
    EXPECT_EQ(talents, (std::vector<bool>{false, false, false}));  // keys not written yet

    // 2 counts as chosen in the list but gives no item; 1 gives one.
    T().Ecrire(std::string(Dossier) + "Arthur.per", Fichier("Arthur") + "\n[Talents]\nTresor1=2\nTresor2=1\n");
    sav_.Lire_Talents(p, talents);
    EXPECT_EQ(talents, (std::vector<bool>{true, true, false}));
    sav_.Appliquer_Talents(p, commentaires_);
    EXPECT_EQ(p.Objet_NombreType(premier), 0);
    EXPECT_EQ(p.Objet_NombreType(second), 1);
    // Applied again, an item already held is not given twice.
    sav_.Appliquer_Talents(p, commentaires_);
    EXPECT_EQ(p.Objet_NombreType(second), 1);

    ASSERT_TRUE(sav_.Sauvegarder_Talents(p, {true, false}, commentaires_));
    sav_.Lire_Talents(p, talents);
    EXPECT_EQ(talents, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(p.Objet_NombreType(premier), 1);
}

TEST_F(FichiersPersos, UneRaceSansObjetsDonneUnSeulTalentFaux) {
    ClsJeuPerso p = Heros("Garou", RaceFixture::Loup);
    ASSERT_EQ(P().Race_NombreObjets(RaceFixture::Loup), 0);
    std::vector<bool> talents = {true, true, true, true};
    sav_.Lire_Talents(p, talents);
    EXPECT_EQ(talents, std::vector<bool>{false});
    EXPECT_TRUE(sav_.Sauvegarder_Talents(p, {}, commentaires_));
    EXPECT_EQ(Fichier("Garou").find("Tresor"), std::string::npos);
}

// ---- Interface options ----

TEST_F(FichiersPersos, OptionsDInterfaceAllerRetour) {
    ClsJeuPerso p = Heros("Arthur", RaceFixture::Humain);
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));
    OptionsInterface ecrites;
    ecrites.NombreBoutonsBarresStatut = 4;
    ecrites.AutoRecuperation_Carac(0, true);
    ecrites.AutoRecuperation_Carac(2, true);
    ecrites.Touches_Raccourci_Objets(0, 5);
    ecrites.Touches_Raccourci_Objets(3, 0);
    ASSERT_TRUE(sav_.Sauvegarder_Options_Interface(p, ecrites));
    EXPECT_NE(Fichier("Arthur").find("ToucheRaccourciObjet1=6\nToucheRaccourciObjet2=0\n"), std::string::npos);

    OptionsInterface lues;
    lues.NombreBoutonsBarresStatut = 4;
    lues.AutoRecuperation_Carac(3, true);  // overwritten by the file
    sav_.Charger_Options_Interface(p, lues);
    EXPECT_EQ(lues.AutoRecuperation, (std::vector<bool>{true, false, true, false}));
    ASSERT_EQ(lues.TouchesRaccourciObjets.size(), static_cast<std::size_t>(P().NombreTypesObjets));
    EXPECT_EQ(lues.Touches_Raccourci_Objets(0), 5);
    EXPECT_EQ(lues.Touches_Raccourci_Objets(1), -1);
    EXPECT_EQ(lues.Touches_Raccourci_Objets(3), 0);
}

TEST_F(FichiersPersos, OptionsAbsentesOuImpossibles) {
    ClsJeuPerso p = Heros("Arthur", RaceFixture::Humain);
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));
    T().Ecrire(std::string(Dossier) + "Arthur.per",
               Fichier("Arthur") + "ToucheRaccourciObjet1=99999\nToucheRaccourciObjet2=-7\nToucheRaccourciObjet3=x\n");
    OptionsInterface lues;
    lues.NombreBoutonsBarresStatut = 3;
    sav_.Charger_Options_Interface(p, lues);
    EXPECT_EQ(lues.AutoRecuperation, (std::vector<bool>{false, false, false}));
    // No key can have these numbers: no shortcut.
    EXPECT_EQ(lues.Touches_Raccourci_Objets(0), -1);
    EXPECT_EQ(lues.Touches_Raccourci_Objets(1), -1);
    EXPECT_EQ(lues.Touches_Raccourci_Objets(2), -1);
}

// ---- Team, deletion ----

TEST_F(FichiersPersos, EquipeEtSuppression) {
    ClsJeuPerso p = Heros("Arthur", RaceFixture::Humain);
    ASSERT_TRUE(sav_.Sauvegarder_Perso(p));
    EXPECT_EQ(sav_.Lire_Equipe("Arthur"), 0);
    ASSERT_TRUE(sav_.Sauvegarder_Equipe("Arthur", 4));
    EXPECT_EQ(sav_.Lire_Equipe("Arthur"), 4);
    EXPECT_EQ(sav_.Lire_Equipe("arthur"), 4);  // file names ignore letter case

    EXPECT_TRUE(sav_.Supprimer_Perso("Arthur"));
    EXPECT_FALSE(fs::exists(T().Chemin() / Dossier / "Arthur.per"));
    // Already gone: what was asked for, no error.
    EXPECT_TRUE(sav_.Supprimer_Perso("Arthur"));
    EXPECT_FALSE(sav_.Supprimer_Perso("../Ini_SavPerso"));
    EXPECT_TRUE(fs::exists(T().Chemin() / "Ini_SavPerso.ini"));
    EXPECT_THROW(sav_.Charger_Perso("Arthur", p), ErreurPerso);
}

// ---- Periodic save ----

TEST_F(FichiersPersos, SauvegardePeriodiqueParPersonnage) {
    ClsJeuPerso a = Heros("Arthur", RaceFixture::Humain);
    ClsJeuPerso b = Heros("Bertrade", RaceFixture::Nain);
    sav_.PeriodeSauvegarde = 60;
    sav_.Definir_SauvegardePeriodique(true);
    struct Passe {
        double maintenant;
        bool a, b;
    };
    const std::vector<Passe> passes = {
        {30.0, false, false},   // within the first period after 0
        {61.0, true, true},     // both players' characters, in the same pass
        {100.0, false, false},
        {121.0, false, false},  // exactly 60 seconds: not more
        {121.5, true, true},
        {10.0, true, true},     // the clock went back: a period has gone by
    };
    for (const auto& passe : passes) {
        SCOPED_TRACE(passe.maintenant);
        EXPECT_EQ(sav_.Sauvegarder_Perso_Periodique(a, passe.maintenant), passe.a);
        EXPECT_EQ(sav_.Sauvegarder_Perso_Periodique(b, passe.maintenant), passe.b);
    }
    EXPECT_TRUE(fs::exists(T().Chemin() / Dossier / "Bertrade.per"));

    sav_.Definir_SauvegardePeriodique(false);
    EXPECT_FALSE(sav_.Sauvegarder_Perso_Periodique(a, 1000.0));
    EXPECT_NE(T().Lire("Ini_SavPerso.ini").find("SauvegardePeriodique=0"), std::string::npos);
    ModSavPerso relu(regles_.Dossier(), P());
    relu.Charger_Parametres_SavPerso();
    EXPECT_FALSE(relu.Definir_SauvegardePeriodique());
}

// ---- Settings ----

TEST_F(FichiersPersos, ReglagesLus) {
    T().Ecrire("Ini_SavPerso.ini",
               "[SavPerso]\nCheminSavPerso=\\Heros\\\nExtensionFichiersPerso=.hero\nSectionPerso=Fiche\n"
               "SectionTalents=Tresors\nSauvegardePeriodique=0\nPeriodeSauvegarde=90.5\n");
    sav_.Charger_Parametres_SavPerso();
    EXPECT_EQ(sav_.CheminSavPerso, "\\Heros\\");
    EXPECT_EQ(sav_.ExtensionFichiersPerso, ".hero");
    EXPECT_EQ(sav_.SectionPerso, "Fiche");
    EXPECT_EQ(sav_.SectionTalents, "Tresors");
    EXPECT_FALSE(sav_.Definir_SauvegardePeriodique());
    EXPECT_EQ(sav_.PeriodeSauvegarde, 90);  // halves to even
    ASSERT_TRUE(sav_.Sauvegarder_Perso(Heros("Arthur", RaceFixture::Humain)));
    EXPECT_NE(T().Lire("Heros/Arthur.hero").find("[Fiche]\nSexe=Masculin\n"), std::string::npos);
}

TEST_F(FichiersPersos, ReglagesInvalides) {
    const std::string bon =
        "[SavPerso]\nCheminSavPerso=\\Sauvegardes\\Personnages\\\nExtensionFichiersPerso=.per\n"
        "SectionPerso=Personnage\nSectionTalents=Talents\nSauvegardePeriodique=1\nPeriodeSauvegarde=60\n";
    struct Cas {
        const char* avant;
        const char* apres;
        const char* attendu;
    };
    const std::vector<Cas> cas = {
        {"ExtensionFichiersPerso=.per", "ExtensionFichiersPerso=per", "clé ExtensionFichiersPerso : « per »"},
        {"ExtensionFichiersPerso=.per", "ExtensionFichiersPerso=./x", "clé ExtensionFichiersPerso"},
        {"CheminSavPerso=\\Sauvegardes\\Personnages\\", "CheminSavPerso=\\..\\..\\tmp\\",
         "clé CheminSavPerso : le dossier doit se trouver dans le dossier du jeu."},
        {"SectionTalents=Talents\n", "", "clé SectionTalents : valeur absente"},
        {"PeriodeSauvegarde=60", "PeriodeSauvegarde=-5", "clé PeriodeSauvegarde"},
        {"PeriodeSauvegarde=60", "PeriodeSauvegarde=une minute", "clé PeriodeSauvegarde"},
        {"SauvegardePeriodique=1", "SauvegardePeriodique=oui", "clé SauvegardePeriodique : 1 ou 0 attendu."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.apres);
        std::string texte = bon;
        texte.replace(texte.find(c.avant), std::string(c.avant).size(), c.apres);
        T().Ecrire("Ini_SavPerso.ini", texte);
        try {
            sav_.Charger_Parametres_SavPerso();
            ADD_FAILURE() << "réglages acceptés";
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Le fichier Ini_SavPerso.ini est invalide.\n", 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos) << e.what();
        }
        // A refused file changes nothing.
        EXPECT_EQ(sav_.ExtensionFichiersPerso, ".per");
        EXPECT_EQ(sav_.PeriodeSauvegarde, 60);
    }
    fs::remove(T().Chemin() / "Ini_SavPerso.ini");
    EXPECT_THROW(sav_.Charger_Parametres_SavPerso(), ErreurFichier);
}

// ---- Roster ----

TEST_F(FichiersPersos, ListeDesPersonnages) {
    for (const char* nom : {"bertrade", "Arthur", "Celeste"}) ASSERT_TRUE(sav_.Sauvegarder_Perso(Heros(nom, 0)));
    T().Ecrire(std::string(Dossier) + ".cache.per", "");     // hidden
    T().Ecrire(std::string(Dossier) + "Notes.txt", "");      // another extension
    T().Ecrire(std::string(Dossier) + "St. Clair.per", "");  // not a name the game writes
    T().Ecrire(std::string(Dossier) + "Denis.PER", "");      // letter case of the extension ignored
    EXPECT_EQ(sav_.Liste_Persos(), (std::vector<std::string>{"Arthur", "bertrade", "Celeste", "Denis"}));
}

TEST(HerosDeDepart, LesHerosLivresSeChargentAvecLesDonneesParDefaut) {
    DossierTemporaire d;
    d.CopierDonnees();
    DossierJeu jeu(d.Chemin());
    ModMain main(jeu);
    main.Charger_Parametres();
    main.SavPerso.Charger_Parametres_SavPerso();
    main.IA2.Charger_IAs();
    const std::vector<std::string> noms = main.SavPerso.Liste_Persos();
    ASSERT_GE(noms.size(), 2u);
    std::set<std::int32_t> equipes;
    for (const auto& nom : noms) {
        SCOPED_TRACE(nom);
        ClsJeuPerso p(&main);
        p.Init(0, main.Parametres);
        p.PersoFichier = 1;
        main.SavPerso.Charger_Perso(nom, p);
        EXPECT_EQ(p.Nom, nom);
        EXPECT_TRUE(main.Parametres.Race_Jouable(p.Race));
        if (p.IA) {
            EXPECT_GE(main.IA2.Indice_IA(p.FichierIA), 0) << p.FichierIA;
        }
        equipes.insert(main.SavPerso.Lire_Equipe(nom));
        std::vector<bool> talents;
        main.SavPerso.Lire_Talents(p, talents);
        main.SavPerso.Appliquer_Talents(p, main.Commentaires);
    }
    EXPECT_TRUE(equipes.count(0));
}

}  // namespace
