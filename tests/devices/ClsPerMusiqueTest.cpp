#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "devices/ClsPerMusique.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "rules/ModRandom.h"
#include "tests/Outils.h"
#include "tests/devices/SortieSonEnregistree.h"

namespace {

std::string Reglages(const std::string& debut, const std::string& fin = "IntervalMusiques=120\n") {
    return "[Musiques]\n" + debut +
           "Chemin=\\Musiques\\\nCheminMenu=Menu\\\nCheminDebut=Debut\\\nCheminVille=Ville\\\n"
           "CheminCombat=Combat\\\nCheminMort=Mort\\\nCheminVictoire=Victoire\\\nCheminDefaite=Defaite\\\n" +
           fin;
}

const std::string Normal = Reglages("Jouer=1\nExtensionMusiques1=.ogg\nExtensionMusiques2=.wav\nExtensionMusiques3=.mid\n");

struct Musique : ::testing::Test {
    DossierTemporaire d;
    GenerateurLocal generateur{7};
    SortieSonEnregistree sortie;
    void SetUp() override {
        for (const char* f : {"Ville/a.wav", "Ville/b.ogg", "Ville/C.WAV", "Ville/notes.txt", "Ville/wav",
                              "Combat/choc.wav", "Combat/lourd.ogg", "Mort/glas.wav", "Debut/aube.mid"})
            d.Ecrire(std::string("Musiques/") + f, "x");
        d.Ecrire("Ini_Musiques.ini", Normal);
    }
    std::unique_ptr<ClsPerMusique> Creer() {
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        return std::make_unique<ClsPerMusique>(*dossier, generateur, &sortie);
    }
    std::size_t Ouvertures() const {
        return static_cast<std::size_t>(std::count_if(sortie.Appels.begin(), sortie.Appels.end(),
                                                      [](const std::string& a) { return a.rfind("Ouvrir", 0) == 0; }));
    }
    std::unique_ptr<DossierJeu> dossier;
};

}  // namespace

TEST_F(Musique, ListesParSituation) {
    auto m = Creer();
    // Endings are compared with the lower-cased name: C.WAV is taken, the
    // text file and the file named just "wav" are not. Names come sorted.
    EXPECT_EQ(m->Liste(MusiqueVille).Fichiers, (std::vector<std::string>{"C.WAV", "a.wav", "b.ogg"}));
    EXPECT_EQ(m->Liste(MusiqueVille).Nombre, 3);
    EXPECT_TRUE(m->Liste(MusiqueCombat).Disponible);
    EXPECT_TRUE(m->Liste(MusiqueDebut).Disponible);
    // No folder at all, or an empty one: nothing to play.
    EXPECT_FALSE(m->Liste(MusiqueMenu).Disponible);
    EXPECT_FALSE(m->Liste(MusiqueVictoire).Disponible);
    EXPECT_EQ(m->Intervalle(), 120);
}

TEST_F(Musique, ExtensionsEnCapitalesOuVidesNeRetiennentRien) {
    d.Ecrire("Ini_Musiques.ini", Reglages("Jouer=1\nExtensionMusiques1=.WAV\nExtensionMusiques2=\nExtensionMusiques3=.ogg\n"));
    auto m = Creer();
    EXPECT_EQ(m->Liste(MusiqueVille).Fichiers, (std::vector<std::string>{"b.ogg"}));
    EXPECT_EQ(m->Liste(MusiqueMort).Nombre, 0);
}

TEST_F(Musique, GarderPendantLIntervalle) {
    auto m = Creer();
    // Every frame at 30 frames per second for five minutes.
    std::vector<double> debuts;
    for (int k = 0; k <= 300 * 30; ++k) {
        const double t = k / 30.0;
        const auto avant = Ouvertures();
        m->Jouer_Musique(MusiqueVille, true, t);
        if (Ouvertures() != avant) debuts.push_back(t);
    }
    ASSERT_EQ(debuts.size(), 3u);
    EXPECT_EQ(debuts[0], 0.0);
    EXPECT_GT(debuts[1], 120.0);
    EXPECT_LT(debuts[1], 120.0 + 1.0 / 15);
    EXPECT_GT(debuts[2] - debuts[1], 120.0);
    // Each start closes the previous track, opens one and plays it.
    ASSERT_GE(sortie.Appels.size(), 3u);
    EXPECT_EQ(sortie.Appels[0], "Fermer");
    EXPECT_EQ(sortie.Appels[1].rfind("Ouvrir ", 0), 0u);
    EXPECT_EQ(sortie.Appels[2], "Jouer");
    for (const auto& morceau : sortie.Morceaux) EXPECT_EQ(morceau.rfind("Ville/", 0), 0u) << morceau;
}

TEST_F(Musique, CombatPuisRetourEnVille) {
    auto m = Creer();
    m->Jouer_Musique(MusiqueVille, true, 1000.0);
    EXPECT_EQ(m->Situation_Courante(), MusiqueVille);
    // A fight changes the track at once, even within the interval.
    m->Jouer_Musique(MusiqueCombat, false, 1010.0);
    EXPECT_EQ(m->Situation_Courante(), MusiqueCombat);
    EXPECT_EQ(sortie.Morceaux.back().rfind("Combat/", 0), 0u);
    // Back in town with Garder: the combat track goes on...
    m->Jouer_Musique(MusiqueVille, true, 1020.0);
    m->Jouer_Musique(MusiqueVille, true, 1130.0);
    EXPECT_EQ(m->Situation_Courante(), MusiqueCombat);
    EXPECT_EQ(Ouvertures(), 2u);
    // ...until its interval is over.
    m->Jouer_Musique(MusiqueVille, true, 1130.5);
    EXPECT_EQ(m->Situation_Courante(), MusiqueVille);
    EXPECT_EQ(Ouvertures(), 3u);
    // The same situation without Garder also waits for the interval.
    m->Jouer_Musique(MusiqueVille, false, 1200.0);
    EXPECT_EQ(Ouvertures(), 3u);
}

TEST_F(Musique, SituationSansMorceauGardeLeMorceauEnCours) {
    auto m = Creer();
    m->Jouer_Musique(MusiqueMort, false, 5.0);
    const std::string glas = m->Morceau_Courant();
    EXPECT_EQ(glas, "glas.wav");
    for (std::int32_t s : {5, 6, 0, -1, 7, 1000})
        m->Jouer_Musique(s, false, 10.0);
    EXPECT_EQ(m->Morceau_Courant(), glas);
    EXPECT_EQ(m->Situation_Courante(), MusiqueMort);
    EXPECT_EQ(Ouvertures(), 1u);
}

TEST_F(Musique, InterrupteurArreteAussitotEtEcrit) {
    auto m = Creer();
    m->Jouer_Musique(MusiqueVille, true, 0.0);
    sortie.Appels.clear();
    m->Definir_JouerMusique(false);
    EXPECT_EQ(sortie.Appels, (std::vector<std::string>{"Arreter", "Fermer"}));
    EXPECT_NE(d.Lire("Ini_Musiques.ini").find("Jouer=0"), std::string::npos);
    // Off: nothing starts, whatever the situation.
    m->Jouer_Musique(MusiqueCombat, false, 500.0);
    EXPECT_EQ(Ouvertures(), 0u);
    // On again: nothing by itself; the next due request starts a track.
    sortie.Appels.clear();
    m->Definir_JouerMusique(true);
    EXPECT_TRUE(sortie.Appels.empty());
    EXPECT_NE(d.Lire("Ini_Musiques.ini").find("Jouer=1"), std::string::npos);
    m->Jouer_Musique(MusiqueCombat, false, 501.0);
    EXPECT_EQ(Ouvertures(), 1u);
}

TEST_F(Musique, ChoixParLeGenerateurDeLaPlateforme) {
    // Two players with the same seed hear the same sequence; the choice
    // covers every track of the folder.
    std::vector<std::string> premiers, seconds;
    std::set<std::string> entendus;
    for (auto* liste : {&premiers, &seconds}) {
        generateur.Semer(42);
        auto m = Creer();
        for (int k = 0; k < 40; ++k) {
            m->Jouer_Musique(MusiqueVille, true, k * 200.0);
            liste->push_back(m->Morceau_Courant());
            entendus.insert(m->Morceau_Courant());
        }
    }
    EXPECT_EQ(premiers, seconds);
    EXPECT_EQ(entendus.size(), 3u);
}

TEST_F(Musique, MorceauIlliblePasseSousSilence) {
    sortie.Illisibles = {"a.wav", "b.ogg", "C.WAV"};
    auto m = Creer();
    m->Jouer_Musique(MusiqueVille, true, 0.0);
    EXPECT_EQ(std::count(sortie.Appels.begin(), sortie.Appels.end(), "Jouer"), 0);
    EXPECT_EQ(m->Situation_Courante(), MusiqueVille);
}

TEST_F(Musique, SansSortieRienNeCasse) {
    dossier = std::make_unique<DossierJeu>(d.Chemin());
    ClsPerMusique m(*dossier, generateur);
    m.Jouer_Musique(MusiqueVille, true, 0.0);
    m.StopSon();
    m.Definir_JouerMusique(false);
    EXPECT_FALSE(m.Morceau_Courant().empty());
}

TEST(ClsPerMusique, ReglagesInvalides) {
    struct Cas { std::string texte; const char* cle; };
    const Cas cas[] = {
        {Reglages("Jouer=peut-être\n"), "Jouer"},
        {Reglages("Jouer=1\n", "IntervalMusiques=deux minutes\n"), "IntervalMusiques"},
        {Reglages("Jouer=1\n", "IntervalMusiques=1e12\n"), "IntervalMusiques"},
        {Reglages("Jouer=1\n", "IntervalMusiques=-3\n"), "IntervalMusiques"},
        {Reglages("Jouer=1\n", ""), "IntervalMusiques"},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        d.Ecrire("Ini_Musiques.ini", c.texte);
        DossierJeu dossier(d.Chemin());
        GenerateurLocal g;
        try {
            ClsPerMusique m(dossier, g);
            ADD_FAILURE() << c.texte;
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(e.Fichier(), "Ini_Musiques.ini");
            ASSERT_EQ(e.Details().size(), 1u) << e.what();
            EXPECT_NE(e.Details()[0].find(c.cle), std::string::npos) << e.what();
        }
    }
}

TEST(ClsPerMusique, IntervalleArrondi) {
    struct Cas { const char* texte; std::int32_t attendu; };
    const Cas cas[] = {{"120", 120}, {" 0 ", 0}, {"12.5", 12}, {"13,5", 14}, {"-0.4", 0}};
    for (const auto& c : cas) {
        DossierTemporaire d;
        d.Ecrire("Ini_Musiques.ini", Reglages("Jouer=1\n", std::string("IntervalMusiques=") + c.texte + "\n"));
        DossierJeu dossier(d.Chemin());
        GenerateurLocal g;
        EXPECT_EQ(ClsPerMusique(dossier, g).Intervalle(), c.attendu) << c.texte;
    }
}

TEST(ClsPerMusique, DonneesDuJeu) {
    DossierJeu dossier(DonneesSource());
    GenerateurLocal g;
    ClsPerMusique m(dossier, g);
    EXPECT_TRUE(m.Definir_JouerMusique());
    EXPECT_GT(m.Intervalle(), 0);
    EXPECT_EQ(m.Extensions()[0], ".ogg");
}
