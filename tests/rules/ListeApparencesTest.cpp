// The look list made when a game is set up: a summoned creature draws its
// look from it in a world with no window exactly as in one whose engine
// loaded the character sheets, and its look number names the same picture
// in the sheets.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "characters/ModCapacites.h"
#include "display/ClsAffPerso.h"
#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "rules/ListeApparences.h"

namespace {

struct Invocation {
    std::string Fichier;
    std::int16_t Numero = 0;
    std::uint64_t Hachage = 0;
};

// A small network world (its draws start alike on every run) on the game
// folder the build assembled, where three creatures of the first race with
// its own look are summoned around the first villager. With Feuilles, the
// character sheets are loaded from the game's list, as the engine does, and
// must name the creature's look by the same number.
Invocation Invoquer(bool Feuilles) {
    DossierJeu dossier{std::filesystem::path(MORVAINE_GAME_DIR)};
    ModMain m(dossier);
    m.Charger_Parametres();
    SetupChoices choix;
    choix.LargeurCarte = choix.HauteurCarte = 32;
    choix.NombreRessources = 5;
    choix.Fiefs.push_back({0, 0, 2});
    choix.Reseau = true;
    m.Creer_Partie_Monde(choix);
    EXPECT_FALSE(m.FinPartie);
    EXPECT_FALSE(m.Apparences.Apparences.empty());
    const ClsJeuParam& P = m.Parametres;

    std::int16_t race = 0;
    while (race < P.NombreRaces && !P.Race_DefinirApparence(race)) ++race;
    EXPECT_LT(race, P.NombreRaces);
    EXPECT_FALSE(m.Persos.empty());
    const auto avant = static_cast<std::int32_t>(m.Persos.size());
    ModCapacites::Invoquer(m, race, 3, 0, -1);
    const ClsJeuPerso& c = m.Persos.at(static_cast<std::size_t>(avant));
    EXPECT_EQ(c.Race, race);

    if (Feuilles) {
        DecodeurImageQt decodeur;
        Graphique dd(dossier, decodeur);
        ClsAffPerso feuilles;
        feuilles.Charger(dd, P, m.Apparences);
        EXPECT_EQ(feuilles.Charger_Hero(c.FichierApparence), c.ApparenceFichier);
    }
    return {c.FichierApparence, c.ApparenceFichier, Hacher_Etat(m)};
}

TEST(ListeApparences, ASummonedCreatureLooksTheSameWithOrWithoutTheSheets) {
    const Invocation sans = Invoquer(false);
    const Invocation avec = Invoquer(true);
    EXPECT_FALSE(sans.Fichier.empty());
    EXPECT_EQ(sans.Fichier, avec.Fichier);
    EXPECT_EQ(sans.Numero, avec.Numero);
    EXPECT_EQ(sans.Hachage, avec.Hachage);
}

}  // namespace
