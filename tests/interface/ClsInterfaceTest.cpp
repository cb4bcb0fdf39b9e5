// Interface set-up from the layout files, options, window switches, upkeep,
// and the head-up display drawn into an offscreen back buffer.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "interface/ClsAffBouton.h"
#include "platform/CacheGlyphes.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"
#include "platform/Surface.h"
#include "tests/interface/MondeInterface.h"

namespace {

// ---- Layout files of every resolution ----

struct CasEcran {
    std::int32_t largeur, hauteur;
};

class Dispositions : public ::testing::TestWithParam<CasEcran> {};

// Every element of a layout lies on the player's part of the screen.
void VerifierDansZone(const ClsInterface& I, const ClsAffBouton::Tailles& t, std::int32_t gauche,
                      std::int32_t droite, std::int32_t hauteur, const std::string& nom) {
    auto dans = [&](const ClsIntBouton& b, std::int32_t l, std::int32_t h, const char* famille, std::size_t k) {
        EXPECT_GE(b.PositionX, gauche) << nom << " " << famille << " " << k;
        EXPECT_LE(b.PositionX + l, droite) << nom << " " << famille << " " << k;
        EXPECT_GE(b.PositionY, 0) << nom << " " << famille << " " << k;
        EXPECT_LE(b.PositionY + h, hauteur) << nom << " " << famille << " " << k;
    };
    for (std::size_t k = 0; k < I.BoutonsConstruire().size(); ++k)
        dans(I.BoutonsConstruire()[k], t.Largeur[0], t.Hauteur[0], "construire", k);
    for (std::size_t k = 0; k < I.BoutonsInfos().size(); ++k)
        dans(I.BoutonsInfos()[k], t.Largeur[1], t.Hauteur[1], "infos", k);
    for (std::size_t k = 0; k < I.BoutonsMenu().size(); ++k)
        dans(I.BoutonsMenu()[k], t.Largeur[7], t.Hauteur[7], "menu", k);
    for (std::size_t k = 0; k < I.BoutonsDeplacement().size(); ++k)
        dans(I.BoutonsDeplacement()[k], t.Largeur[3], t.Hauteur[3], "ordres", k);
    for (std::size_t k = 0; k < I.BoutonsBarresStatut().size(); ++k)
        dans(I.BoutonsBarresStatut()[k], 120, 10, "barres", k);
    for (std::size_t k = 0; k < I.Fenetres().size(); ++k) {
        const ClsIntFenetre& f = I.Fenetres()[k];
        EXPECT_GE(f.PositionX, gauche) << nom << " fenêtre " << k;
        EXPECT_LE(f.PositionX + 320, droite) << nom << " fenêtre " << k;
        EXPECT_LE(f.PositionY + 350, hauteur) << nom << " fenêtre " << k;
    }
}

TEST_P(Dispositions, UnEtDeuxJoueurs) {
    const auto [L, H] = GetParam();
    MondeInterface M(L, H);
    DossierJeu& d = M.W.M().Dossier;
    const auto tailles = ClsAffBouton::Tailles::Lire(d);
    EXPECT_TRUE(ClsInterface::ModeDuoPossible(d, *M.Ecran));

    ClsInterface seul(M.W.M(), *M.Ecran);
    seul.Init1(0, 1);
    seul.Init2(*M.Ecran, M.W.P());
    EXPECT_EQ(seul.FichierInterface(), "Ini_Interface" + std::to_string(L));
    EXPECT_EQ(seul.Fenetres().size(), 6u);
    EXPECT_EQ(seul.BoutonsInfos().size(), 7u);
    EXPECT_EQ(seul.BoutonsDeplacement().size(), 20u);
    EXPECT_EQ(seul.NombreBoutonsConstruire(), M.W.P().NombreBatimentsConstructibles + 1);
    VerifierDansZone(seul, tailles, 0, L, H, seul.FichierInterface());

    for (std::int16_t j = 0; j < 2; ++j) {
        ClsInterface duo(M.W.M(), *M.Ecran);
        duo.Init1(j, 2);
        duo.Init2(*M.Ecran, M.W.P());
        EXPECT_EQ(duo.FichierInterface(), "Ini_Interface" + std::to_string(L) + "_J" + std::to_string(j + 1));
        VerifierDansZone(duo, tailles, j * L / 2, (j + 1) * L / 2, H, duo.FichierInterface());
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, Dispositions,
                         ::testing::Values(CasEcran{800, 600}, CasEcran{1024, 768}, CasEcran{1280, 1024}));

TEST(InterfaceDisposition, DuoImpossibleSansLeFichierDuPremierJoueur) {
    MondeInterface M;
    std::filesystem::remove(M.W.M().Dossier.Racine() / "Ini_Interface1024_J1.ini");
    EXPECT_FALSE(ClsInterface::ModeDuoPossible(M.W.M().Dossier, *M.Ecran));
    ClsInterface i(M.W.M(), *M.Ecran);
    EXPECT_THROW(i.Init1(0, 2), ErreurFichier);
}

TEST(InterfaceDisposition, FichierFautifRefuseAvecChaqueFaute) {
    MondeInterface M;
    ClsFicINI ini(M.W.M().Dossier);
    ini.NomFichier = "Ini_Interface1024";
    ini.Section = "Interface";
    ini.Parametre("AfficherFPS", "");
    ini.Parametre("AfficherAction", "oui");
    ini.Parametre("ViePositionX", "40000");
    ini.Parametre("NombreBoutonsInfos", "5");
    ClsInterface i(M.W.M(), *M.Ecran);
    try {
        i.Init1(0, 1);
        FAIL();
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), "Ini_Interface1024.ini");
        ASSERT_EQ(e.Details().size(), 4u);
        EXPECT_NE(e.Details()[0].find("AfficherFPS"), std::string::npos);
        EXPECT_NE(e.Details()[1].find("AfficherAction"), std::string::npos);
        EXPECT_NE(e.Details()[2].find("ViePositionX"), std::string::npos);
        EXPECT_NE(e.Details()[3].find("NombreBoutonsInfos"), std::string::npos);
    }
}

TEST(InterfaceDisposition, GrillesDesBoutons) {
    MondeInterface M;
    ClsFicINI ini(M.W.M().Dossier);
    ini.NomFichier = "Ini_Interface1024";
    ini.Section = "Interface";
    for (auto [cle, valeur] : {std::pair{"BoutonConstruirePositionX", "100"}, {"BoutonConstruirePositionY", "200"},
                               {"BoutonConstruireIntervalX", "0"}, {"BoutonConstruireIntervalY", "50"},
                               {"BoutonConstruireNombreColonnes", "3"}, {"BoutonConstruireColonneIntervalX", "42"},
                               {"BoutonConstruireColonneIntervalY", "0"}, {"BoutonDeplacementPositionX", "10"},
                               {"BoutonDeplacementPositionY", "20"}, {"BoutonDeplacementNombreColonnes", "3"},
                               {"BoutonDeplacementIntervalX", "0"}, {"BoutonDeplacementIntervalY", "34"},
                               {"BoutonDeplacementColonneIntervalX", "34"}, {"BoutonDeplacementColonneIntervalY", "0"}})
        ini.Parametre(cle, valeur);
    ClsInterface i(M.W.M(), *M.Ecran);
    i.Init1(0, 1);
    i.Init2(*M.Ecran, M.W.P());
    const auto& c = i.BoutonsConstruire();
    // Build groups count from 1, order groups from 0.
    EXPECT_EQ(std::pair(c[0].PositionX, c[0].PositionY), std::pair(100, 250));
    EXPECT_EQ(std::pair(c[2].PositionX, c[2].PositionY), std::pair(184, 250));
    EXPECT_EQ(std::pair(c[3].PositionX, c[3].PositionY), std::pair(100, 300));
    EXPECT_TRUE(c[0].Visible);
    const auto& o = i.BoutonsDeplacement();
    EXPECT_EQ(std::pair(o[2].PositionX, o[2].PositionY), std::pair(78, 20));
    EXPECT_EQ(std::pair(o[3].PositionX, o[3].PositionY), std::pair(10, 54));
}

// ---- Options and windows ----

TEST(InterfaceOptions, OptionEcriteEtRelue) {
    MondeInterface M;
    ClsInterface& I = *M.Interface;
    const bool fps = I.Definir_AfficherFPS();
    I.Definir_AfficherFPS(!fps);
    I.Definir_AfficherStastistiques(false);
    ClsInterface relue(M.W.M(), *M.Ecran);
    relue.Init1(0, 1);
    EXPECT_EQ(relue.Definir_AfficherFPS(), !fps);
    EXPECT_FALSE(relue.Definir_AfficherStastistiques());
    // The two-player files are never written.
    ClsInterface duo(M.W.M(), *M.Ecran);
    duo.Init1(0, 2);
    EXPECT_FALSE(duo.Definir_AfficherFPS());
}

TEST(InterfaceOptions, PleinEcranRendLesNeufDrapeaux) {
    MondeInterface M;
    ClsInterface& I = *M.Interface;
    ASSERT_TRUE(I.Definir_AfficherBarresStatut());
    ASSERT_TRUE(I.Definir_AfficherMessageModeAuto());
    I.Affichage_PleinEcran(true);
    EXPECT_TRUE(I.Affichage_PleinEcran());
    EXPECT_FALSE(I.Definir_AfficherBarresStatut());
    EXPECT_FALSE(I.Definir_AfficherEpoques());
    EXPECT_FALSE(I.AfficherBoutonsConstruire);
    EXPECT_TRUE(I.Definir_AfficherMessageModeAuto()) << "hors des neuf";
    I.Affichage_PleinEcran(false);
    EXPECT_TRUE(I.Definir_AfficherBarresStatut());
    EXPECT_TRUE(I.Definir_AfficherEpoques());
    EXPECT_TRUE(I.AfficherBoutonsConstruire);
}

TEST(InterfaceOptions, BoutonsInfosEtFenetres) {
    MondeInterface M;
    ClsInterface& I = *M.Interface;
    int pauses = 0;
    I.Moteur.Basculer_Pause = [&] { ++pauses; };
    I.Actionner_Boutons_Infos(2);
    EXPECT_TRUE(I.Fenetres_Visible(2));
    EXPECT_TRUE(I.BoutonsInfos()[2].Actif);
    I.Actionner_Boutons_Infos(2);
    EXPECT_FALSE(I.Fenetres_Visible(2));
    EXPECT_FALSE(I.BoutonsInfos()[2].Actif);
    I.Actionner_Boutons_Infos(6);
    EXPECT_EQ(pauses, 1);
    I.Actionner_Boutons_Infos(4);
    I.Fermer_Toutes_les_fenetres();
    EXPECT_FALSE(I.Fenetres_Visible(4));
    EXPECT_FALSE(I.BoutonsInfos()[4].Actif);
    EXPECT_TRUE(I.BoutonsInfos()[6].Actif);
    EXPECT_FALSE(I.Fenetres_Visible(9));  // no such window
}

// ---- Upkeep ----

TEST(InterfaceEntretien, TexteDesStatistiques) {
    MondeInterface M;  // fiefs 0 and 1, one character in fief 0
    M.W.Fief(2, 1900, 1900);
    // Fief 1 has lost its castle and has nobody: it leaves the panel.
    M.W.Ch(1).Definir_Vie(0.0);
    M.W.M().Fiefs[2].NombrePersos = 4;
    M.W.M().Fiefs[2].NombreMorts = 4;
    M.W.Ch(2).Definir_Vie(M.W.Ch(2).MaxVie / 2.0);
    M.Interface->Actualiser();
    const std::string peuple = M.W.P().Peuples_Nom(0);
    EXPECT_EQ(M.Interface->TexteStastistiques(),
              "#(0) " + peuple + " 1/1 - 100%#&(2) " + peuple + " 0/4 - 50%");
    ClsFicINI ini(M.W.M().Dossier);
    ini.NomFichier = "Ini_Interface1024";
    ini.Section = "Interface";
    EXPECT_EQ(M.Interface->StastistiquesHaut(), std::stoi(ini.Parametre("StastistiquesPositionY")) - 32);
}

TEST(InterfaceEntretien, FileDeFabricationVideeHorsDeLaMaison) {
    MondeInterface M;
    ClsInterface& I = *M.Interface;
    I.FileFabricationObjets = {0, 1};
    M.Pj().DansMaison = true;
    M.Pj().Action = Actions::Attaquer;  // busy: nothing taken
    EXPECT_EQ(I.Actions_Automatiques(M.Pj(), M.W.Ma(M.Joueur), M.W.P()), 0);
    EXPECT_EQ(I.FileFabricationObjets.size(), 2u);
    M.Pj().Arreter();
    I.Actions_Automatiques(M.Pj(), M.W.Ma(M.Joueur), M.W.P());
    EXPECT_EQ(I.FileFabricationObjets.size(), 1u) << "une entrée impossible est abandonnée";
    M.Pj().DansMaison = false;
    I.Actions_Automatiques(M.Pj(), M.W.Ma(M.Joueur), M.W.P());
    EXPECT_TRUE(I.FileFabricationObjets.empty());
}

TEST(InterfaceEntretien, RecuperationAutomatiqueSeulementVivant) {
    MondeInterface M;
    ClsJeuPerso& p = M.Pj();
    p.Definir_Ressources(0, 10.0);
    p.Vie = 1.0;
    M.Interface->AutoRecuperation_Carac(0, true);
    p.Vie = 0.0;
    p.Definir_Ressources(0, 10.0);
    M.Interface->Actions_Automatiques(p, M.W.Ma(M.Joueur), M.W.P());
    EXPECT_EQ(p.Definir_Ressources(0), 10.0) << "un mort ne mange pas";
}

// ---- Drawing ----

struct CasBarre {
    double valeur;
    std::uint32_t couleur;
};

class CouleurBarre : public ::testing::TestWithParam<CasBarre> {};

TEST_P(CouleurBarre, SelonLeRemplissage) {
    EXPECT_EQ(ClsInterface::Couleur_Barre(GetParam().valeur), GetParam().couleur);
}

INSTANTIATE_TEST_SUITE_P(Seuils, CouleurBarre,
                         ::testing::Values(CasBarre{0.09, 128}, CasBarre{0.1, 255}, CasBarre{0.24, 255},
                                           CasBarre{0.25, 0x80FF}, CasBarre{0.5, 0xC000}, CasBarre{1.0, 0xC000}));

class Barres : public ::testing::Test {
protected:
    MondeInterface M;
    Surface S{200, 100};
    Vue V{200, 100, 0, 0};
};

TEST_F(Barres, BoiteReserveEtValeur) {
    M.Interface->Afficher_Barre_Statut(25.0, 75.0, 100.0, 10, 10, S, V, 100, 10, 0, false);
    EXPECT_EQ(S.Pixel(10, 10), 0);                                 // black outline
    EXPECT_EQ(S.Pixel(20, 15), Surface::Couleur565(0x80FF));  // 25 %: orange
    EXPECT_EQ(S.Pixel(50, 15), Surface::Couleur565(0xFFFFFF));    // reserve up to 75 %
    EXPECT_EQ(S.Pixel(90, 15), 0);                                 // empty part
}

TEST_F(Barres, CoupeeParLaVueEtVerticale) {
    // Half outside on the left: drawn from 0.
    M.Interface->Afficher_Barre_Statut(100.0, 0.0, 100.0, -50, 10, S, V, 100, 10, 0xFF0000, false);
    EXPECT_EQ(S.Pixel(1, 15), Surface::Couleur565(0xFF0000));
    EXPECT_EQ(S.Pixel(49, 15), Surface::Couleur565(0xFF0000));
    EXPECT_EQ(S.Pixel(51, 15), 0);
    Surface t(200, 100);
    M.Interface->Afficher_Barre_Statut(100.0, 0.0, 100.0, 300, 10, t, V, 100, 10, 0xFF0000, false);
    EXPECT_EQ(std::count(t.Pixels().begin(), t.Pixels().end(), 0), 200 * 100) << "entièrement hors de la vue";
    // Vertical, half full: fills from the bottom; moved by the view offset.
    Surface u(200, 100);
    M.Interface->Afficher_Barre_Statut(50.0, 0.0, 100.0, 10, 10, u, Vue{100, 100, 100, 0}, 10, 40, 0xFF, true);
    EXPECT_EQ(u.Pixel(115, 45), Surface::Couleur565(0xFF));
    EXPECT_EQ(u.Pixel(115, 25), 0);
    // A maximum of 0 draws an empty bar instead of failing.
    M.Interface->Afficher_Barre_Statut(5.0, 5.0, 0.0, 10, 60, u, V, 50, 10, 0, false);
    EXPECT_EQ(u.Pixel(20, 65), 0);
}

TEST(InterfaceHUD, DessineLesBarresDuPersonnage) {
    MondeInterface M;
    ClsJeuPerso& p = M.Pj();
    p.Vie = p.Definir_MaxVie() * 0.05;  // deep red
    p.ReserveVie = 0.0;
    p.Energie = p.Definir_MaxEnergie();
    M.Interface->AutoRecuperation_Carac(1, true);
    Surface S(1024, 768);
    M.Interface->Afficher(M.Joueur, -1, S);
    ClsFicINI ini(M.W.M().Dossier);
    ini.NomFichier = "Ini_Interface1024";
    ini.Section = "Interface";
    auto cle = [&](const char* k) { return std::stoi(ini.Parametre(k)); };
    const int dx = cle("BarresStatutDecalageX"), dy = cle("BarresStatutDecalageY");
    const int vx = cle("ViePositionX") + dx, vy = cle("ViePositionY") + dy;
    const int ex = cle("EnergiePositionX") + dx, ey = cle("EnergiePositionY") + dy;
    const int l = cle("BarresStatutLargeur"), e = cle("BarresStatutContourEpaisseur");
    EXPECT_EQ(S.Pixel(vx + 2, vy + 2), Surface::Couleur565(128));
    EXPECT_EQ(S.Pixel(vx + l / 2, vy + 2), 0);
    EXPECT_EQ(S.Pixel(ex + l - 3, ey + 2), Surface::Couleur565(0xC000));
    // The outline of the bar that recovers on its own.
    EXPECT_EQ(S.Pixel(ex - e, ey + 2), Surface::Couleur565(static_cast<std::uint32_t>(cle("BarresStatutContourCouleur"))));
    EXPECT_NE(S.Pixel(vx - e, vy + 2), Surface::Couleur565(static_cast<std::uint32_t>(cle("BarresStatutContourCouleur"))));
    // The bar's tooltip holds its value and maximum.
    EXPECT_EQ(M.Interface->BoutonsBarresStatut()[1].InfoBulle,
              TexteNombreFrancais(p.Energie, 0) + " / " + TexteNombreFrancais(p.Definir_MaxEnergie()));
}

TEST(InterfaceHUD, EtatsDesBoutonsConstruire) {
    MondeInterface M;
    Surface S(1024, 768);
    M.W.M().Fiefs[0].Epoque = 0;
    M.Interface->Afficher(M.Joueur, -1, S);
    const auto& etats = M.Interface->EtatsBoutonsConstruire();
    const ClsJeuParam& P = M.W.P();
    EXPECT_EQ(etats[0], 0) << "pas de maison à démolir";
    for (std::size_t i = 1; i < etats.size(); ++i) {
        const auto t = static_cast<std::int32_t>(i - 1);
        if (P.Batiment_NoEpoque(t) - 1 > 0)
            EXPECT_EQ(etats[i], 2) << i;
        else
            EXPECT_EQ(etats[i], M.Pj().PeutConstruire_Maison(t, P) ? 1 : 0) << i;
        EXPECT_EQ(M.Interface->BoutonsConstruire()[i].Actif, etats[i] == 1);
    }
}

TEST(InterfaceHUD, BoutonsDOrdresCachesSelonLeMonde) {
    MondeInterface M;
    Surface S(1024, 768);
    M.W.Ch(0).Definir_Vie(0.0);
    M.Interface->Afficher(M.Joueur, -1, S);
    const auto& b = M.Interface->BoutonsDeplacement();
    EXPECT_FALSE(b[0].Visible) << "château détruit";
    EXPECT_FALSE(b[1].Visible) << "pas de maison";
    EXPECT_TRUE(b[2].Visible);
    EXPECT_FALSE(b[17].Visible) << "aucune invocation";
    M.Pj().NombreInvocations = 2;
    M.Interface->Afficher(M.Joueur, -1, S);
    EXPECT_TRUE(b[17].Visible);
}

TEST(InterfaceHUD, TexteDAction) {
    MondeInterface M;
    const std::int32_t cible = M.W.Perso(RaceCombat::Loup, 1, 10, 10);
    ClsJeuPerso& p = M.Pj();
    M.W.Pe(cible).Nom.clear();
    M.W.Pe(cible).Vie = M.W.Pe(cible).Definir_MaxVie() * 0.5;
    M.W.Pe(cible).ReserveVie = 0.0;
    p.Attaquer_Perso(cible);
    p.Action = Actions::Attaquer;
    EXPECT_EQ(M.Interface->Texte_Action(p, nullptr),
              p.Definir_Action() + " : " + M.W.P().Race_Nom(RaceCombat::Loup, M.W.Pe(cible).Sexe) + " (Vie:50%)");
    p.Action = Actions::Ressusciter;
    p.DelaiResurrection = 25.5;
    EXPECT_EQ(M.Interface->Texte_Action(p, nullptr), p.Definir_Action() + " : 74%");
    p.Action = Actions::Attente;
    EXPECT_EQ(M.Interface->Texte_Action(p, nullptr), p.Definir_Action());
}

}  // namespace

namespace {

// Glyphs that ink their whole cell, so that a test sees where text lies and
// in which colour without a font.
std::shared_ptr<const CacheGlyphes> GlyphesPleins() {
    auto g = std::make_shared<CacheGlyphes>();
    CacheGlyphes::Cellule plein;
    plein.fill(255);
    for (char32_t c : CacheGlyphes::Alphabet()) g->Ajouter(c, plein);
    return g;
}

// A button sheet whose column k is filled with colour Couleurs[k].
Surface FeuilleColonnes(std::int32_t l, std::int32_t h, const std::vector<std::uint32_t>& Couleurs) {
    Surface s(l * static_cast<std::int32_t>(Couleurs.size()), 2 * h);
    for (std::size_t k = 0; k < Couleurs.size(); ++k)
        s.RemplirRectangle(static_cast<std::int32_t>(k) * l, 0, static_cast<std::int32_t>(k + 1) * l, 2 * h, Couleurs[k]);
    return s;
}

}  // namespace

// The three sell-all buttons: the last index (at x 216, "sell everything")
// shows column 6, the first of the three (at x 264, the surplus) column 8.
TEST(InterfaceHUD, IconesDesBoutonsToutVendre) {
    MondeInterface M;
    const ClsAffBouton::Tailles t = ClsAffBouton::Tailles::Lire(M.W.M().Dossier);
    const std::int32_t l = t.Largeur[4], h = t.Hauteur[4];
    std::vector<std::uint32_t> couleurs;
    for (std::uint32_t k = 1; k <= 9; ++k) couleurs.push_back(k * 0x1C1C1C);
    ClsIntFenetre& f = M.Interface->Fenetres()[1];
    f.AffBoutonsCommerce.Charger(4, t, FeuilleColonnes(l, h, couleurs));
    M.Pj().DansChateau = true;
    M.Interface->Actionner_Boutons_Infos(1);
    Surface S(1024, 768);
    M.Interface->Afficher(M.Joueur, -1, S);
    const std::size_t N = static_cast<std::size_t>(M.W.P().NombreRessources);
    struct Cas { std::size_t indice; std::int32_t x; std::size_t colonne; };
    const Cas cas[] = {{3 * N + 2, 216, 6}, {3 * N + 1, 240, 7}, {3 * N, 264, 8}};
    for (const Cas& c : cas) {
        const ClsIntBouton& b = f.BoutonsCommerce[c.indice];
        ASSERT_TRUE(b.Visible);
        ASSERT_EQ(b.PositionX, c.x);
        EXPECT_EQ(S.Pixel(f.PositionX + b.PositionX + l / 2, f.PositionY + b.PositionY + h / 2),
                  Surface::Couleur565(couleurs[c.colonne]))
            << "bouton " << c.indice;
    }
}

// "Nb:" and the count of summoned creatures stand one order-button step
// past the last order button, never over it.
TEST(InterfaceHUD, NombreDInvocationsACoteDuDernierBouton) {
    MondeInterface M;
    const ClsAffBouton::Tailles t = ClsAffBouton::Tailles::Lire(M.W.M().Dossier);
    const std::int32_t l = t.Largeur[3], h = t.Hauteur[3];
    M.Pj().NombreInvocations = 3;
    Surface S(1024, 768);
    S.DefinirGlyphes(GlyphesPleins());
    M.Interface->Afficher(M.Joueur, -1, S);
    const auto& o = M.Interface->BoutonsDeplacement();
    const ClsIntBouton& dernier = o.back();
    ASSERT_TRUE(dernier.Visible);
    ClsFicINI ini(M.W.M().Dossier);
    ini.NomFichier = "Ini_Interface1024";
    ini.Section = "Interface";
    const std::uint16_t texte = Surface::Couleur565(static_cast<std::uint32_t>(std::stoul(ini.Parametre("MessageModeAutoCouleur"))));
    const std::int32_t pas = std::stoi(ini.Parametre("BoutonDeplacementColonneIntervalX"));
    auto Encre = [&](std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
        int n = 0;
        for (std::int32_t y = y0; y <= y1; ++y)
            for (std::int32_t x = x0; x <= x1; ++x) n += S.Pixel(x, y) == texte;
        return n;
    };
    EXPECT_EQ(Encre(dernier.PositionX, dernier.PositionY, dernier.PositionX + l - 1, dernier.PositionY + h - 1), 0);
    // "Nb:" on the first line, "3" below it, from one step to the right.
    EXPECT_EQ(S.Pixel(dernier.PositionX + pas + 1, dernier.PositionY + 1), texte);
    EXPECT_EQ(S.Pixel(dernier.PositionX + pas + 1, dernier.PositionY + 17), texte);
    EXPECT_NE(S.Pixel(dernier.PositionX + pas + 8, dernier.PositionY + 17), texte) << "un seul chiffre";
}

// Order buttons 2 to 9 go to the nearest deposit of kinds 0 to 7: the
// fixture has two kinds, so buttons 4 to 9 are neither shown nor clickable.
TEST(InterfaceHUD, BoutonsDeGisementSansGisementCaches) {
    MondeInterface M;
    ASSERT_EQ(M.W.P().NombreTerrainRessource, 2);
    Surface S(1024, 768);
    M.Interface->Afficher(M.Joueur, -1, S);
    const auto& b = M.Interface->BoutonsDeplacement();
    for (std::size_t k = 2; k <= 9; ++k) EXPECT_EQ(b[k].Visible, k < 4) << k;
    const ClsAffBouton::Tailles t = ClsAffBouton::Tailles::Lire(M.W.M().Dossier);
    EntreeInterface e;
    e.X = b[9].PositionX + t.Largeur[3] / 2;
    e.Y = b[9].PositionY + t.Hauteur[3] / 2;
    e.ClicGauche = true;
    std::int16_t code = ActionInterface_Aucune, construire = 0, touche = 0;
    M.Interface->Interieur_Boutons(e, code, construire, M.Joueur, 0, touche, M.SelectionActive, M.Selection, S);
    EXPECT_EQ(code, ActionInterface_Aucune);
}

// An item skill is in use (its name drawn in the highlight colour 128)
// while the character works a resource that a worn item of that skill
// helps with: the fixture's spent wand (skill "Sorcellerie", 2) helps
// with berries.
TEST(InterfaceHUD, CompetenceDObjetUtiliseePendantLaRecolte) {
    MondeInterface M;
    ClsJeuPerso& p = M.Pj();
    const ClsJeuParam& P = M.W.P();
    ASSERT_EQ(P.Objet_Competence(ObjetCombat::BaguetteEteinte), 2);
    p.Objet_Equipe_Charger(8, ObjetCombat::BaguetteEteinte, P);
    M.Interface->Actionner_Boutons_Infos(3);
    const ClsIntFenetre& f = M.Interface->Fenetres()[3];
    // Skills are listed special, resource, service, then item skills from 1.
    const std::int32_t avant =
        p.Nombre_CompetencesSpeciales() + p.Nombre_CompetencesRessources() + p.Nombre_CompetencesServices();
    auto Couleur = [&](std::int16_t competence) {
        Surface S(1024, 768);
        S.DefinirGlyphes(GlyphesPleins());
        M.Interface->Afficher(M.Joueur, -1, S);
        return S.Pixel(f.PositionX + 33, f.PositionY + 86 + 16 * (avant + competence - 1) + 8);
    };
    struct Cas { std::int16_t ressource; std::int16_t competence; bool utilisee; };
    const Cas cas[] = {
        {0, 2, true},    // berries: the wand's skill
        {0, 1, false},   // another item skill
        {1, 2, false},   // wood: the wand does not help
        {-1, 2, false},  // working nothing
    };
    for (const Cas& c : cas) {
        p.RessourceEnCours = c.ressource;
        EXPECT_EQ(Couleur(c.competence), c.utilisee ? Surface::Couleur565(128) : 0)
            << "ressource " << c.ressource << ", compétence " << c.competence;
    }
}
