// The windows' buttons through the hit test: eating, trading at the castle,
// scrolling, and the inventory slots.
#include <gtest/gtest.h>

#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "tests/interface/MondeInterface.h"

namespace {

class Fenetres : public ::testing::Test {
protected:
    bool Passe(std::int32_t X, std::int32_t Y, bool Gauche = false, bool Droit = false, bool Tenu = false) {
        EntreeInterface e;
        e.X = X;
        e.Y = Y;
        e.ClicGauche = Gauche;
        e.ClicDroit = Droit;
        e.GaucheEnfonce = Tenu;
        e.AssocierTouche = Associer;
        return M.Interface->Interieur_Boutons(e, Code, Construire, M.Joueur, M.Pj().Equipe, Touche, M.SelectionActive,
                                              M.Selection, S);
    }
    ClsIntFenetre& F(std::size_t k) { return M.Interface->Fenetres()[k]; }
    // A point inside button b of window k.
    bool Clic(std::size_t k, const ClsIntBouton& b, bool Gauche = true, bool Droit = false) {
        return Passe(F(k).PositionX + b.PositionX + 3, F(k).PositionY + b.PositionY + 3, Gauche, Droit);
    }

    MondeInterface M;
    Surface S{1024, 768};
    std::int16_t Code = 0, Construire = 0, Touche = 0;
    bool Associer = false;
};

TEST_F(Fenetres, MangerDepuisLaFenetreDesRessources) {
    M.Pj().Definir_Ressources(0, 5.0);
    M.Pj().Vie = 1.0;
    M.Interface->Actionner_Boutons_Infos(1);
    Passe(0, 0);  // draws the window, which places the eat buttons
    ASSERT_EQ(F(1).NombreBoutonsManger, 1);
    const ClsIntBouton& manger = F(1).BoutonsManger[0];
    ASSERT_TRUE(manger.Visible);
    EXPECT_EQ(manger.PositionY, 82);
    EXPECT_TRUE(Clic(1, manger));
    EXPECT_EQ(Code, ActionInterface_Traitee);
    EXPECT_LT(M.Pj().Definir_Ressources(0), 5.0);
    // Hovering builds the eat tooltip.
    Clic(1, manger, false);
    EXPECT_EQ(manger.InfoBulle.rfind("Manger :", 0), 0u);
}

TEST_F(Fenetres, CommerceSeulementAuChateau) {
    M.Pj().Definir_Ressources(1, 10.0);
    M.Interface->Actionner_Boutons_Infos(1);
    Passe(0, 0);
    const ClsIntBouton& vendre1 = F(1).BoutonsCommerce[3 * 1 + 0];
    EXPECT_FALSE(vendre1.Visible);
    Clic(1, ClsIntBouton{}, true);  // nothing there any more
    EXPECT_EQ(M.Pj().Definir_Ressources(1), 10.0);

    M.Pj().DansChateau = true;
    M.Pj().Visible(false);
    Passe(0, 0);
    ASSERT_TRUE(vendre1.Visible);
    const double argent = M.Pj().Definir_Argent();
    EXPECT_TRUE(Clic(1, vendre1));
    EXPECT_EQ(M.Pj().Definir_Ressources(1), 9.0);
    EXPECT_GT(M.Pj().Definir_Argent(), argent);
}

TEST_F(Fenetres, VendreLeSurplusGardeVingt) {
    M.Pj().Definir_MaxRessources(0, 100.0);
    M.Pj().Definir_MaxRessources(1, 100.0);
    M.Pj().Definir_Ressources(0, 20.0);
    M.Pj().Definir_Ressources(1, 21.0);
    M.Pj().DansChateau = true;
    M.Interface->Actionner_Boutons_Infos(1);
    Passe(0, 0);
    const std::int32_t N = M.W.P().NombreRessources;
    const ClsIntBouton& surplus = F(1).BoutonsCommerce[static_cast<std::size_t>(3 * N)];
    EXPECT_EQ(surplus.PositionX, 264);
    EXPECT_TRUE(Clic(1, surplus));
    EXPECT_EQ(M.Pj().Definir_Ressources(0), 20.0);
    EXPECT_EQ(M.Pj().Definir_Ressources(1), 20.0);
}

TEST_F(Fenetres, DefilementDesListes) {
    for (std::size_t k : {0u, 1u, 3u}) F(k).LigneMax = 2;
    M.Interface->Defilement_Bas(1);
    EXPECT_EQ(F(0).PremiereLigne, 1) << "bâtiment et ressources défilent ensemble";
    EXPECT_EQ(F(1).PremiereLigne, 1);
    M.Interface->Defilement_Bas(3);
    M.Interface->Defilement_Bas(3);
    M.Interface->Defilement_Bas(3);
    EXPECT_EQ(F(3).PremiereLigne, 2) << "jamais au-delà de LigneMax";
    EXPECT_EQ(F(1).PremiereLigne, 1);
    M.Interface->Defilement_Haut(3);
    M.Interface->Defilement_Haut(3);
    M.Interface->Defilement_Haut(3);
    EXPECT_EQ(F(3).PremiereLigne, 0);
}

TEST_F(Fenetres, BarreDeDefilementDUneListeCourte) {
    // The bestiary of this rules set is shorter than the window: its last
    // first line is below 0, and dragging the bar keeps the list at its top.
    M.Interface->Actionner_Boutons_Infos(5);
    Passe(0, 0);
    ASSERT_LT(F(5).LigneMax, 0);
    const std::int32_t x = F(5).BoutonsDefilementPositionX(2) + 2, y = F(5).BoutonsDefilementPositionY(2);
    const std::int32_t h = F(5).BoutonsDefilementHauteur(2);
    EXPECT_TRUE(Passe(x, y + h, false, false, true));
    EXPECT_EQ(F(5).PremiereLigne, 0);
    EXPECT_EQ(Code, ActionInterface_Traitee);
    M.Interface->Defilement_Bas(5);
    EXPECT_EQ(F(5).PremiereLigne, 0);
}

TEST_F(Fenetres, PrendreEtPoserUnObjet) {
    ClsJeuPerso& p = M.Pj();
    p.Objet_Ajouter_Inventaire(ObjetCombat::Potion, M.W.P(), M.W.M().Commentaires);
    ASSERT_TRUE(p.Objet_Inventaire_Actif(0));
    M.Interface->Actionner_Boutons_Infos(4);
    Passe(0, 0);
    // An empty slot with nothing held picks up nothing.
    // Four inventory slots in this rules set: 0 to 3, equipment after.
    EXPECT_TRUE(Clic(4, F(4).BoutonsObjets[3]));
    EXPECT_EQ(p.IndiceObjetSelectionne, -1);
    EXPECT_TRUE(M.Interface->SourisSurObjet);
    Clic(4, F(4).BoutonsObjets[0]);
    EXPECT_EQ(p.IndiceObjetSelectionne, ObjetCombat::Potion);
    EXPECT_FALSE(p.Objet_Inventaire_Actif(0));
    Clic(4, F(4).BoutonsObjets[2]);
    EXPECT_EQ(p.IndiceObjetSelectionne, -1);
    EXPECT_TRUE(p.Objet_Inventaire_Actif(2));
    EXPECT_EQ(p.Objet_Inventaire_Type(2), ObjetCombat::Potion);
}

TEST_F(Fenetres, ChiffreSurUnObjetLeLie) {
    ClsJeuPerso& p = M.Pj();
    p.Objet_Ajouter_Inventaire(ObjetCombat::Epee, M.W.P(), M.W.M().Commentaires);
    M.Interface->Actionner_Boutons_Infos(4);
    Passe(0, 0);
    Associer = true;
    Touche = 4;  // digit 3
    Clic(4, F(4).BoutonsObjets[0], false);
    EXPECT_EQ(M.Interface->Touches_Raccourci_Objets(ObjetCombat::Epee), 3);
    EXPECT_EQ(Touche, 0) << "la touche est consommée";
    // The tooltip describes the item for this character.
    EXPECT_EQ(F(4).BoutonsObjets[0].InfoBulle.rfind(M.W.P().Objet_Nom(ObjetCombat::Epee), 0), 0u);
}

TEST(DescriptionObjet, TypeNegatifEtPrix) {
    MondeInterface M;
    EXPECT_EQ(M.Interface->Description_Objet(-1, M.Pj(), true), "");
    const std::string d = M.Interface->Description_Objet(ObjetCombat::Epee, M.Pj(), true);
    EXPECT_EQ(d.rfind(M.W.P().Objet_Nom(ObjetCombat::Epee), 0), 0u);
    ASSERT_FALSE(M.W.P().Objet_Inseparable(ObjetCombat::Epee));
    EXPECT_NE(d.find("#Prix : " + TexteNombreFrancais(M.W.P().Objet_PrixVente(ObjetCombat::Epee))), std::string::npos) << d;
}

}  // namespace

namespace {

class Batiment : public Fenetres {
protected:
    // The player inside its own house of type Type.
    void Chez_Soi(std::int16_t Type) {
        M.W.Maison(M.Joueur, Type, 600, 600);
        M.Pj().CibleMaison = M.Joueur;
        M.Pj().DansMaison = true;
        M.Interface->Actionner_Boutons_Infos(0);
        Passe(0, 0);
    }
};

TEST_F(Batiment, LaCaisseSeulementPourLeProprietaire) {
    Chez_Soi(BatimentCombat::Cabane);
    ASSERT_TRUE(M.Interface->Fenetres_Visible(0));
    EXPECT_TRUE(F(0).BoutonsTransfertArgentMaison[0].Visible);
    M.W.Ma(M.Joueur).Argent = 12.0;
    EXPECT_TRUE(Clic(0, F(0).BoutonsTransfertArgentMaison[2]));
    EXPECT_EQ(M.Pj().Definir_Argent(), 12.0);
    // A visitor of someone else's house: no cash panel, no withdraw buttons.
    const std::int32_t autre = M.W.Perso(RaceCombat::Humain, 0, 700, 700);
    M.W.Maison(autre, BatimentCombat::Cabane, 700, 700);
    M.Pj().DansMaison = false;
    M.Pj().DansMaisonCible = true;
    M.Pj().CibleMaison = autre;
    M.W.Ma(autre).Argent = 50.0;
    Passe(0, 0);
    EXPECT_FALSE(F(0).BoutonsTransfertArgentMaison[2].Visible);
    Clic(0, F(0).BoutonsTransfertArgentMaison[2]);
    EXPECT_EQ(M.W.Ma(autre).Argent, 50.0);
}

TEST_F(Batiment, FileDeFabricationEtArret) {
    for (std::int32_t r = 0; r < M.W.P().NombreRessources; ++r) M.Pj().Definir_Ressources(r, 30.0);
    Chez_Soi(BatimentCombat::Forge);
    ASSERT_EQ(F(0).BoutonsFabriquer.size(), 2u);
    const ClsIntBouton& fabriquer = F(0).BoutonsFabriquer[0];
    ASSERT_TRUE(fabriquer.Visible);
    EXPECT_EQ(fabriquer.InfoBulle.rfind("Fabriquer : ", 0), 0u);
    ASSERT_TRUE(fabriquer.Actif) << fabriquer.InfoBulle;
    Clic(0, fabriquer);
    EXPECT_EQ(M.Interface->FileFabricationObjets.size(), 1u);
    Clic(0, fabriquer, false, true);  // right click takes it off the queue
    EXPECT_TRUE(M.Interface->FileFabricationObjets.empty());
    // A right click with an empty queue stops the character.
    M.Pj().Aller_A(900, 900);
    Clic(0, fabriquer, false, true);
    EXPECT_TRUE(M.Pj().Inactif());
}

TEST_F(Batiment, RestaurationDuChateau) {
    M.Pj().DansChateau = true;
    M.Pj().Definir_Argent(100.0);
    M.W.Ch(0).Definir_Vie(M.W.Ch(0).MaxVie / 2.0);
    M.Interface->Actionner_Boutons_Infos(0);
    Passe(0, 0);
    ASSERT_TRUE(M.Interface->Fenetres_Visible(0));
    EXPECT_TRUE(Clic(0, F(0).BoutonsRestauration[1]));
    EXPECT_EQ(M.Pj().Definir_Argent(), 50.0);
    // Dead, the character cannot pay for repairs.
    M.Pj().Vie = 0.0;
    Clic(0, F(0).BoutonsRestauration[1]);
    EXPECT_EQ(M.Pj().Definir_Argent(), 50.0);
}

// A click on a service that cannot be used shows its tooltip, as hovering
// does: the living owner of a hospice cannot be raised from the dead.
TEST_F(Batiment, ServiceInutilisableMontreSaBulle) {
    Chez_Soi(BatimentCombat::Hospice);
    ASSERT_TRUE(F(0).BoutonService.Visible);
    ASSERT_FALSE(M.W.Ma(M.Joueur).Service_Utilisable(M.Pj(), M.W.P()));
    auto Image = [&](std::int32_t x, std::int32_t y, bool gauche) {
        S.Remplir(0);
        Passe(F(0).PositionX + x, F(0).PositionY + y, gauche);
        return S;
    };
    const Surface survol = Image(216 + 3, 136 + 3, false);
    const Surface clic = Image(216 + 3, 136 + 3, true);
    const Surface ailleurs = Image(200, 136 + 3, false);
    auto Pareilles = [](const Surface& a, const Surface& b) {
        for (std::int32_t y = 0; y < a.Hauteur(); ++y)
            for (std::int32_t x = 0; x < a.Largeur(); ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
        return true;
    };
    EXPECT_FALSE(Pareilles(survol, ailleurs)) << "la bulle se voit";
    EXPECT_TRUE(Pareilles(survol, clic));
    EXPECT_EQ(Code, ActionInterface_Traitee);
}

}  // namespace
