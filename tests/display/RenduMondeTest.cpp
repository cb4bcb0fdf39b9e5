#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>

#include "display/ClsAffBatiment.h"
#include "display/ClsAffDecors.h"
#include "display/ClsAffEffet.h"
#include "display/ClsAffObjets.h"
#include "display/ClsAffPerso.h"
#include "display/ClsAffRessources.h"
#include "display/ClsAffSouris.h"
#include "display/ClsAffTerrain.h"
#include "display/ClsAffTresors.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"

namespace fs = std::filesystem;

namespace {

// The game folder the build assembled, with its generated pictures.
fs::path DossierDuJeu() { return fs::path(MORVAINE_GAME_DIR); }

// Every sheet of a game, loaded from the game folder as the engine does.
struct RenduMonde : ::testing::Test {
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> jeu;
    DecodeurImageQt decodeur;
    std::unique_ptr<Graphique> dd;
    std::unique_ptr<ClsAffPerso> persos;
    ClsAffTerrain terrain;
    ClsAffBatiment chateaux, maisons;
    ClsAffRessources ressources;
    ClsAffTresors tresors;
    ClsAffDecors decors;
    ClsAffEffet effets;
    ClsAffObjets objets;
    std::unique_ptr<ClsAffSouris> souris;

    void SetUp() override {
        dossier = std::make_unique<DossierJeu>(DossierDuJeu());
        jeu = std::make_unique<ModMain>(*dossier);
        jeu->Charger_Parametres();
        dd = std::make_unique<Graphique>(*dossier, decodeur);
        persos = std::make_unique<ClsAffPerso>();
        souris = std::make_unique<ClsAffSouris>(*dossier);
        const ClsJeuParam& p = jeu->Parametres;
        jeu->Apparences.Lister(*dossier, p);
        persos->Charger(*dd, p, jeu->Apparences);
        terrain.LargeurCase = jeu->Monde.LargeurCase;
        terrain.HauteurCase = jeu->Monde.HauteurCase;
        terrain.Charger(*dd, "Plaine");
        chateaux.Charger(0, *dd, p);
        maisons.Charger(1, *dd, p);
        ressources.Charger(*dd);
        tresors.Charger(*dd);
        decors.Charger(*dd, p);
        effets.Charger(*dd, p);
        objets.Charger(*dd, p);
        souris->Charger(*dd);
    }

    // One view's world layers, in the engine's order, at scroll (vx, vy).
    void Couches(Surface& back, const Vue& vue, int vx, int vy) {
        const ClsJeuParam& p = jeu->Parametres;
        for (int r = 0; r < p.NombreRessources; ++r) ressources.Afficher(40 + r * 40 - vx, 420 - vy, r, back, vue);
        chateaux.Afficher(300 - vx, 60 - vy, 0, 2, back, vue, p.Peuples_ChateauLargeur(0), p.Peuples_ChateauHauteur(0));
        chateaux.Afficher(-40 - vx, 200 - vy, 2, 0, back, vue, p.Peuples_ChateauLargeur(2), p.Peuples_ChateauHauteur(2));
        for (int b = 0; b < p.NombreTypeBatiments; ++b) {
            const int etapes = p.Batiment_NombreEtapeFabrication(b);
            maisons.Afficher(40 + (b % 7) * 100 - vx, 500 + (b / 7) * 110 - vy, b, b % 3 == 2 ? etapes / 2 : etapes, back,
                             vue, p.Batiment_Largeur(b), p.Batiment_Hauteur(b), static_cast<std::int16_t>(b % 4));
        }
        for (int t = 0; t < p.NombreTresors; ++t) tresors.Afficher(460 + t * 32 - vx, 420 - vy, t, back, vue);
        for (int k = 0; k < p.NombreDecors; ++k)
            decors.Afficher(480 + k * 70 - vx, 300 - vy, k, back, vue, static_cast<std::int16_t>(k % 2));
        // Characters: each heading and walk step of a common look and of a
        // hero look, a dead one translucent, one cut by the view's edge.
        for (std::int16_t cap = 0; cap <= 4; ++cap)
            for (std::int16_t pas = 0; pas < 4; ++pas) {
                std::int16_t marche = pas;
                persos->Afficher(60 + pas * 30 - vx, 40 + cap * 40 - vy, marche, cap, true, 3, p.PersosLargeurDefaut,
                                 p.PersosHauteurDefaut, pas % 2 == 1, back, vue, false, false, 0, 0);
                std::int16_t hero = persos->NombreApparences > 1 ? static_cast<std::int16_t>((cap * 4 + pas) % persos->NombreApparences) : 0;
                persos->Afficher(200 + pas * 44 - vx, 250 + cap * 0 + (cap % 2) * 40 - vy + (cap / 2) * 3, marche, cap, true, hero,
                                 40, 48, false, back, vue, true, false, 0, 0);
            }
        std::int16_t zero = 0;
        persos->Afficher(250 - vx, 20 - vy, zero, 3, true, 5, p.PersosLargeurDefaut, p.PersosHauteurDefaut, true, back, vue,
                         false, true, 0, 0);
        persos->Afficher(-8 - vx + vx, 120, zero, 2, true, 1, p.PersosLargeurDefaut, p.PersosHauteurDefaut, false, back, vue,
                         false, false, 0, 8);
        if (p.NombreEffets > 0) effets.Afficher(0, 2, 330 - vx, 100 - vy, back, vue);
        if (p.NombreEffets > 5) effets.Afficher(5, 3, 180 - vx, 480 - vy, back, vue);
    }
};

}  // namespace

TEST_F(RenduMonde, UneImageDuMondeEnDeuxVues) {
    ClsJeuMonde& monde = jeu->Monde;
    monde.LargeurCarte = 60;
    monde.HauteurCarte = 40;
    jeu->Aleatoire.Initialiser_Aleatoire();
    monde.Generer_Monde(0, jeu->Aleatoire);
    ASSERT_TRUE(terrain.Modeliser_Carte(monde));

    Surface back(1024, 768);
    const int vues[2][2] = {{0, 0}, {300, 120}};
    for (int v = 0; v < 2; ++v) {
        const Vue vue{512, 768, v * 512, 0};
        // Around the terrain of the second view LargeurVue is its right limit.
        const Vue limite{v == 0 ? 512 : 1024, 768, 0, 0};
        terrain.AfficheVeryFast(v * 512, 0, vues[v][0], vues[v][1], 512, 768, back, limite, monde);
        Couches(back, vue, vues[v][0], vues[v][1]);
    }
    back.RemplirRectangle(511, 0, 513, 768, 0x303040);  // the split bar
    souris->Afficher(700, 400, 9, back, Vue{1024, 768, 0, 0});

    DossierTemporaire d;
    const fs::path png = d.Chemin() / "monde.png";
    ASSERT_TRUE(VueQImage(back).save(QString::fromStdString(png.string())));
    EXPECT_GT(fs::file_size(png), 10000u);
    if (const char* garder = std::getenv("MORVAINE_GARDER_RENDU")) fs::copy_file(png, garder, fs::copy_options::overwrite_existing);

    // Nothing of the right view spills into the left one: the left half is
    // the same when the right view is drawn or not.
    Surface seul(1024, 768);
    terrain.AfficheVeryFast(0, 0, 0, 0, 512, 768, seul, Vue{512, 768, 0, 0}, monde);
    Couches(seul, Vue{512, 768, 0, 0}, 0, 0);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 511; ++x) ASSERT_EQ(back.Pixel(x, y), seul.Pixel(x, y)) << x << "," << y;
}

TEST_F(RenduMonde, FeuillesDesPersonnages) {
    // Every race folder has its looks; a hero's look is found by file name,
    // case included.
    EXPECT_GT(persos->NombreApparences, 0);
    ASSERT_FALSE(persos->NomsApparences.empty());
    const std::string premier = persos->NomsApparences[1];
    EXPECT_EQ(persos->Charger_Hero(premier), 1);
    std::string autreCasse = premier;
    for (char& c : autreCasse) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(persos->Charger_Hero(autreCasse), 0);
    EXPECT_EQ(persos->Charger_Hero(""), 0);
    const ClsJeuParam& p = jeu->Parametres;
    for (int r = 0; r < p.NombreRaces; ++r) {
        const std::string f = jeu->Apparences.Tirer(p.Race_CheminApparence(static_cast<std::int16_t>(r)), jeu->Aleatoire);
        EXPECT_FALSE(f.empty()) << p.Race_Nom(static_cast<std::int16_t>(r));
    }
    EXPECT_EQ(jeu->Apparences.Tirer("Absents", jeu->Aleatoire), "");
    // Standing shows the middle frame facing down, whatever the walk step.
    Surface a(64, 64), b(64, 64);
    const Vue vue{64, 64, 0, 0};
    std::int16_t pas0 = 0, pas2 = 2, pas1 = 1;
    persos->Afficher(0, 0, pas0, 0, false, 2, p.PersosLargeurDefaut, p.PersosHauteurDefaut, false, a, vue, false, false, 0, 0);
    persos->Afficher(0, 0, pas2, 0, false, 2, p.PersosLargeurDefaut, p.PersosHauteurDefaut, false, b, vue, false, false, 0, 0);
    EXPECT_EQ(a.Pixels(), b.Pixels());
    Surface c(64, 64);
    persos->Afficher(0, 0, pas1, 3, true, 2, p.PersosLargeurDefaut, p.PersosHauteurDefaut, false, c, vue, false, false, 0, 0);
    EXPECT_EQ(a.Pixels(), c.Pixels()) << "frame 1 walking down is the standing picture";
    // A look, type or step beyond the sheets draws nothing.
    Surface vide(64, 64);
    persos->Afficher(0, 0, pas0, 1, true, 9999, 24, 32, false, vide, vue, true, false, 0, 0);
    maisons.Afficher(0, 0, p.NombreTypeBatiments, 0, vide, vue, 64, 64);
    maisons.Afficher(0, 0, 0, 99, vide, vue, 64, 64);
    effets.Afficher(0, 99, 0, 0, vide, vue);
    objets.Afficher(0, 0, -1, vide, vue);
    decors.Afficher(0, 0, p.NombreDecors, vide, vue);
    for (auto px : vide.Pixels()) ASSERT_EQ(px, 0);
}

TEST(ImagesDuJeu, ChaqueFeuilleSansNoirDansLesPartiesOpaques) {
    DecodeurImageQt decodeur;
    int fichiers = 0;
    for (const auto& e : fs::recursive_directory_iterator(DossierDuJeu() / "Images")) {
        if (!e.is_regular_file() || e.path().extension() != ".bmp") continue;
        auto s = decodeur.Decoder(e.path());
        ASSERT_TRUE(s) << e.path();
        ++fichiers;
        for (auto p : s->Pixels()) {
            if (p == 0) continue;
            const std::uint32_t c = Surface::CouleurBGR(p);
            const std::uint32_t m = std::max({c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF});
            ASSERT_GE(m, 32u) << e.path() << " has a near-black pixel";
        }
    }
    EXPECT_GT(fichiers, 50);
}
