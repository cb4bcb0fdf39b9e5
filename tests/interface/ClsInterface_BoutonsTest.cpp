// The hit test: action codes, handled flag and click effects at chosen
// cursor positions over the HUD of the default 1024 x 768 layout.
#include <gtest/gtest.h>

#include "interface/ClsAffBouton.h"
#include "platform/Surface.h"
#include "rules/ClsFicINI.h"
#include "tests/interface/MondeInterface.h"

namespace {

class HitTest : public ::testing::Test {
protected:
    HitTest() : Tailles(ClsAffBouton::Tailles::Lire(M.W.M().Dossier)) {}

    // One pass of the hit test at (X, Y); returns the handled flag.
    bool Passe(std::int32_t X, std::int32_t Y, bool Gauche = false, bool Droit = false) {
        EntreeInterface e;
        e.X = X;
        e.Y = Y;
        e.ClicGauche = Gauche;
        e.ClicDroit = Droit;
        return M.Interface->Interieur_Boutons(e, Code, Construire, M.Joueur, M.Pj().Equipe, Touche,
                                              M.SelectionActive, M.Selection, S);
    }
    // Middle of a button of the given sheet kind.
    std::pair<std::int32_t, std::int32_t> Centre(const ClsIntBouton& b, std::size_t type) const {
        return {b.PositionX + Tailles.Largeur[type] / 2, b.PositionY + Tailles.Hauteur[type] / 2};
    }
    bool Sur(const ClsIntBouton& b, std::size_t type, bool Gauche = false, bool Droit = false) {
        const auto [x, y] = Centre(b, type);
        return Passe(x, y, Gauche, Droit);
    }

    MondeInterface M;
    ClsAffBouton::Tailles Tailles;
    Surface S{1024, 768};
    std::int16_t Code = ActionInterface_Aucune;
    std::int16_t Construire = 0;
    std::int16_t Touche = 0;
};

TEST_F(HitTest, RienSousLeCurseur) {
    EXPECT_FALSE(Passe(512, 384));
    EXPECT_EQ(Code, ActionInterface_Aucune);
}

TEST_F(HitTest, RetourAuChateauEtALaMaisonSansClic) {
    M.W.Maison(M.Joueur, BatimentCombat::Cabane, 600, 600);
    Passe(0, 0);  // the first pass draws, which shows the buttons that apply
    const auto& o = M.Interface->BoutonsDeplacement();
    EXPECT_TRUE(Sur(o[0], 3));
    EXPECT_EQ(Code, ActionInterface_RentrerChateau);
    EXPECT_TRUE(Sur(o[1], 3));
    EXPECT_EQ(Code, ActionInterface_RentrerMaison);
    // Dead, and the house offers no resurrection: nothing to go home for.
    M.Pj().Vie = 0.0;
    EXPECT_TRUE(Sur(o[1], 3));
    EXPECT_EQ(Code, ActionInterface_Traitee);
}

TEST_F(HitTest, BordsDuBoutonCompris) {
    // Button 15 (call for help) sits inside the grid, 2 pixels from its
    // neighbours: its four edges are inside, one pixel beyond is the gap.
    const ClsIntBouton& b = M.Interface->BoutonsDeplacement()[15];
    const std::int32_t l = Tailles.Largeur[3], h = Tailles.Hauteur[3];
    const std::int32_t x = b.PositionX, y = b.PositionY;
    struct Cas { std::int32_t x, y; std::int16_t code; };
    const Cas cas[] = {
        {x, y + h / 2, ActionInterface_Traitee},     {x + l, y + h / 2, ActionInterface_Traitee},
        {x + l / 2, y, ActionInterface_Traitee},     {x + l / 2, y + h, ActionInterface_Traitee},
        {x - 1, y + h / 2, ActionInterface_Aucune},  {x + l + 1, y + h / 2, ActionInterface_Aucune},
        {x + l / 2, y - 1, ActionInterface_Aucune},  {x + l / 2, y + h + 1, ActionInterface_Aucune},
    };
    for (const Cas& c : cas) {
        Code = ActionInterface_Aucune;
        Passe(c.x, c.y);
        EXPECT_EQ(Code, c.code) << c.x - x << ", " << c.y - y;
    }
}

TEST_F(HitTest, ModeAutoEtAttitude) {
    const auto& o = M.Interface->BoutonsDeplacement();
    Sur(o[14], 3, true);
    EXPECT_TRUE(M.Pj().IA_Active);
    // Buttons 17 to 19 show only with summoned creatures.
    Sur(o[18], 3, false, true);
    EXPECT_EQ(M.Pj().Attitude, 0);
    M.Pj().NombreInvocations = 1;
    Passe(0, 0);
    Sur(o[18], 3, false, true);
    EXPECT_EQ(M.Pj().Attitude, 1);
    EXPECT_EQ(Code, ActionInterface_Traitee);
}

TEST_F(HitTest, BoutonInfoOuvreLaFenetre) {
    const ClsIntBouton& b = M.Interface->BoutonsInfos()[2];
    EXPECT_TRUE(Sur(b, 1));
    EXPECT_FALSE(M.Interface->Fenetres_Visible(2)) << "le survol seul n'ouvre rien";
    EXPECT_TRUE(Sur(b, 1, true));
    EXPECT_TRUE(M.Interface->Fenetres_Visible(2));
    EXPECT_EQ(Code, ActionInterface_Traitee);
}

TEST_F(HitTest, BoutonsConstruire) {
    // Rich enough for every first-era building.
    for (std::int32_t r = 0; r < M.W.P().NombreRessources; ++r) M.Pj().Definir_Ressources(r, 30.0);
    Passe(0, 0);
    const auto& etats = M.Interface->EtatsBoutonsConstruire();
    std::size_t libre = 0;
    for (std::size_t i = 1; i < etats.size() && !libre; ++i)
        if (etats[i] == 1) libre = i;
    ASSERT_NE(libre, 0u);
    const auto& c = M.Interface->BoutonsConstruire();
    // Hover over an available button: the code is left as it was.
    Code = 0;
    EXPECT_TRUE(Sur(c[libre], 0));
    EXPECT_EQ(Code, 0);
    EXPECT_TRUE(Sur(c[libre], 0, true));
    EXPECT_EQ(Code, static_cast<std::int16_t>(libre));
    EXPECT_EQ(Construire, static_cast<std::int16_t>(libre));
    // Too poor now: the same click only shows the tooltip, costs in red.
    for (std::int32_t r = 0; r < M.W.P().NombreRessources; ++r) M.Pj().Definir_Ressources(r, 0.0);
    Passe(0, 0);
    EXPECT_TRUE(Sur(c[libre], 0, true));
    EXPECT_EQ(Code, ActionInterface_Traitee);
    EXPECT_EQ(Construire, static_cast<std::int16_t>(libre)) << "rien de nouveau choisi";
    EXPECT_NE(c[libre].InfoBulle.find("\r&("), std::string::npos) << c[libre].InfoBulle;
    // An era to come is named in red.
    M.W.M().Fiefs[0].Epoque = -1;
    Sur(c[libre], 0);
    EXPECT_NE(c[libre].InfoBulle.find("\r&(" + M.W.P().Epoque_Nom(M.W.P().Batiment_NoEpoque(
                                                        static_cast<std::int32_t>(libre - 1)) - 1) + ")"),
              std::string::npos)
        << c[libre].InfoBulle;
}

TEST_F(HitTest, InfoBulleDesCouts) {
    // Exactly the cost is not red; one less is.
    const std::int32_t t = 0;
    std::int32_t r = 0;
    while (r < M.W.P().NombreRessources && M.W.P().Batiment_Prix(t, r) <= 0) ++r;
    ASSERT_LT(r, M.W.P().NombreRessources);
    const std::int32_t cout = M.W.P().Batiment_Prix(t, r);
    M.Pj().Definir_Ressources(r, cout);
    Passe(0, 0);
    const ClsIntBouton& b = M.Interface->BoutonsConstruire()[1];
    Sur(b, 0);
    EXPECT_NE(b.InfoBulle.find("\r(" + std::to_string(cout) + " "), std::string::npos) << b.InfoBulle;
    M.Pj().Definir_Ressources(r, cout - 1);
    Sur(b, 0);
    EXPECT_NE(b.InfoBulle.find("\r&(" + std::to_string(cout - 1) + " / " + std::to_string(cout) + " "),
              std::string::npos)
        << b.InfoBulle;
}

TEST_F(HitTest, MenuSeulementEnPause) {
    const ClsIntBouton& quitter = M.Interface->BoutonsMenu()[1];
    EXPECT_FALSE(Sur(quitter, 7, true));
    EXPECT_FALSE(M.W.M().FinPartie);
    M.Interface->Actionner_Boutons_Infos(6);
    EXPECT_TRUE(Sur(quitter, 7, true));
    EXPECT_TRUE(M.W.M().FinPartie);
    bool sauve = false;
    M.Interface->Moteur.Sauvegarder_Monde = [&] { sauve = true; };
    Sur(M.Interface->BoutonsMenu()[0], 7, false, true);
    EXPECT_TRUE(sauve);
}

TEST_F(HitTest, BarresDEtat) {
    const ClsIntBouton& energie = M.Interface->BoutonsBarresStatut()[1];
    EXPECT_TRUE(Passe(energie.PositionX + 5, energie.PositionY + 2, false, true));
    EXPECT_TRUE(M.Interface->AutoRecuperation_Carac(1));
    EXPECT_FALSE(M.Interface->AutoRecuperation_Carac(0)) << "chaque barre a sa propre zone";
    Passe(energie.PositionX + 5, energie.PositionY + 2, false, true);
    EXPECT_FALSE(M.Interface->AutoRecuperation_Carac(1));
}

TEST_F(HitTest, FermetureDUneFenetre) {
    M.Interface->Actionner_Boutons_Infos(3);
    const ClsIntFenetre& f = M.Interface->Fenetres()[3];
    EXPECT_TRUE(Passe(f.BoutonFermer_PositionX() + 2, f.BoutonFermer_PositionY() + 2, true));
    EXPECT_FALSE(M.Interface->Fenetres_Visible(3));
    EXPECT_FALSE(M.Interface->BoutonsInfos()[3].Actif);
}

}  // namespace

namespace {

TEST(Glissement, LesBoutonsConstruireSortentEtRentrent) {
    MondeInterface M;
    ClsFicINI ini(M.W.M().Dossier);
    ini.NomFichier = "Ini_Interface1024";
    ini.Section = "Interface";
    ini.Parametre("MasquerAutoBoutonsConstruire", "1");
    const std::int32_t dx = std::stoi(ini.Parametre("MasquerAutoBoutonsConstruireDecalageX"));
    const std::int32_t duree = std::stoi(ini.Parametre("MasquerAutoBoutonsConstruireDuree"));
    ASSERT_EQ(dx % duree, 0);
    ClsInterface I(M.W.M(), *M.Ecran);
    I.Init1(0, 1);
    I.Init2(*M.Ecran, M.W.P());
    const auto& c = I.BoutonsConstruire();
    const std::int32_t cache = c[0].PositionX, montre = cache - dx;
    // Hidden, the buttons still show a strip to hover.
    const ClsIntBouton& prise = c[0];
    ASSERT_LT(prise.PositionX, 1024);
    Surface S(1024, 768);
    std::int16_t code = 0, construire = 0, touche = 0;
    bool selection = false;
    ModDialogue::Groupe groupe;
    auto Survol = [&](std::int32_t x, std::int32_t y) {
        EntreeInterface e;
        e.X = x;
        e.Y = y;
        I.Interieur_Boutons(e, code, construire, M.Joueur, 0, touche, selection, groupe, S);
    };
    for (int k = 0; k < duree / 2; ++k) {
        Survol(prise.PositionX + 2, prise.PositionY + 2);
        I.Actualiser();
    }
    EXPECT_EQ(c[0].PositionX, cache - dx / 2);
    // The pointer leaves half-way: they turn back at once.
    Survol(10, 400);
    I.Actualiser();
    EXPECT_EQ(c[0].PositionX, cache - dx / 2 + dx / duree);
    for (int k = 0; k < duree; ++k) {
        Survol(prise.PositionX + 2, prise.PositionY + 2);
        I.Actualiser();
    }
    EXPECT_EQ(c[0].PositionX, montre) << "arrivés, ils ne bougent plus";
}

// An offset that is not a whole number of steps: the slide still ends on
// the shown place and back on the hidden one, and the grid keeps its shape.
TEST(Glissement, DecalageQuiNEstPasUnMultipleDeLaDuree) {
    struct Cas { const char* decalageX; const char* decalageY; std::int32_t appels; };
    // 100 / 12 rounds to 8 a step: 13 calls (12 x 8 = 96, then 4). 5 / 12
    // rounds to 0: one pixel a call, 5 calls. -30 / 12 is -2.5, which
    // rounds to -2 (halves to even): 15 calls.
    const Cas cas[] = {{"100", "0", 13}, {"5", "0", 5}, {"0", "-30", 15}};
    for (const Cas& k : cas) {
        MondeInterface M;
        ClsFicINI ini(M.W.M().Dossier);
        ini.NomFichier = "Ini_Interface1024";
        ini.Section = "Interface";
        ini.Parametre("MasquerAutoBoutonsConstruire", "1");
        ini.Parametre("MasquerAutoBoutonsConstruireDecalageX", k.decalageX);
        ini.Parametre("MasquerAutoBoutonsConstruireDecalageY", k.decalageY);
        ini.Parametre("MasquerAutoBoutonsConstruireDuree", "12");
        ClsInterface I(M.W.M(), *M.Ecran);
        I.Init1(0, 1);
        I.Init2(*M.Ecran, M.W.P());
        const auto& c = I.BoutonsConstruire();
        ASSERT_GE(c.size(), 2u);
        const std::int32_t cacheX = c[0].PositionX, cacheY = c[0].PositionY;
        const std::int32_t ecartX = c[1].PositionX - c[0].PositionX, ecartY = c[1].PositionY - c[0].PositionY;
        const std::int32_t montreX = cacheX - std::stoi(k.decalageX), montreY = cacheY - std::stoi(k.decalageY);
        Surface S(1024, 768);
        std::int16_t code = 0, construire = 0, touche = 0;
        bool selection = false;
        ModDialogue::Groupe groupe;
        auto Passe = [&](bool dessus) {
            EntreeInterface e;
            e.X = dessus ? c[0].PositionX + 2 : 10;
            e.Y = dessus ? c[0].PositionY + 2 : 400;
            I.Interieur_Boutons(e, code, construire, M.Joueur, 0, touche, selection, groupe, S);
            I.Actualiser();
        };
        for (std::int32_t n = 0; n < k.appels - 1; ++n) Passe(true);
        EXPECT_FALSE(c[0].PositionX == montreX && c[0].PositionY == montreY) << k.decalageX << " un appel trop tôt";
        Passe(true);
        EXPECT_EQ(c[0].PositionX, montreX) << k.decalageX;
        EXPECT_EQ(c[0].PositionY, montreY) << k.decalageY;
        Passe(true);
        EXPECT_EQ(c[0].PositionX, montreX) << "arrivés, ils ne bougent plus";
        EXPECT_EQ(c[1].PositionX - c[0].PositionX, ecartX);
        EXPECT_EQ(c[1].PositionY - c[0].PositionY, ecartY);
        for (std::int32_t n = 0; n < k.appels; ++n) Passe(false);
        EXPECT_EQ(c[0].PositionX, cacheX) << k.decalageX;
        EXPECT_EQ(c[0].PositionY, cacheY) << k.decalageY;
    }
}

TEST(CurseurObjet, ArgentEtRessourcesSelectionnes) {
    MondeInterface M;
    M.Pj().Definir_Argent(250.0);
    M.Pj().Argent_Prendre(100, false);
    Surface S(1024, 768);
    M.Interface->Afficher_Objet_Curseur(M.Pj(), 500, 300, S);
    // The tooltip box is drawn beside the cursor.
    const auto peints = std::count_if(S.Pixels().begin(), S.Pixels().end(), [](std::uint16_t p) { return p != 0; });
    EXPECT_GT(peints, 0);
    Surface vide(1024, 768);
    M.Pj().ArgentSelectionne = 0.0;
    M.Interface->Afficher_Objet_Curseur(M.Pj(), 500, 300, vide);
    EXPECT_EQ(std::count(vide.Pixels().begin(), vide.Pixels().end(), 0), 1024 * 768);
}

}  // namespace
