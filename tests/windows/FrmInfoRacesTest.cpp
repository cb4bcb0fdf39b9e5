#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTest>

#include <fstream>
#include <set>

#include "engine/ModMain.h"
#include "tests/Outils.h"
#include "tests/windows/OutilsFenetres.h"
#include "windows/FrmInfoRaces.h"

namespace {

// Two races written for the test after those of the default data (which
// has three playable races): one with strong and weak characteristics and
// skills, a tireless one with starting goods; one with every other trait.
const char* const RacesEssai = R"(
[Race_11]
NomM=Colosse
NomF=Colosse
NomMPluriel=Colosses
NomFPluriel=Colosses
Jouable=1
Description=Une race d'essai.
CoefVie=2.5
CoefEnergie=0.8
CoefCompSpeciale(1)=1.2
CoefCompRessource(1)=0.75
CoefCompService(1)=1.5
CoefCompObjet(2)=0.5
VitesseRegenerationVie=0.0002
VitesseRegenerationMagie=0
Infatigable=1
Parole=1
Experience=1
PorteeAttaque=4
EffetAttaque=1
Armure=0
Vitesse=3
Ressources(2)=12.5
Ressources(3)=3
NombreEquipement=2
Equipement(1)=1
Equipement(2)=2
NombreObjets=1
Objet(1)=8
IA_Fichier=Defaut.ia

[Race_12]
NomM=Farfadet
NomF=Farfadette
NomMPluriel=Farfadets
NomFPluriel=Farfadettes
Jouable=1
Description=Une autre race d'essai.
VitesseRegenerationVie=0
VitesseRegenerationEnergie=0.00005
VitesseRegenerationMagie=0.0004
VitesseRegenerationMoral=0
Parole=0
Experience=0
Volant=1
CommentairesSpecifique=36
PorteeAttaque=6
EffetAttaque=5
Armure=2
Vitesse=8
Kamikaze=1
RestaurationComplete=1
IA_Fichier=Defaut.ia
)";

std::vector<std::string> Lignes(QListWidget* l) {
    std::vector<std::string> r;
    for (int k = 0; k < l->count(); ++k) r.push_back(l->item(k)->text().toStdString());
    return r;
}

class FrmInfoRacesTest : public ::testing::Test {
protected:
    ApplicationTest app;
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> main;
    QPointer<FrmInfoRaces> fenetre;
    std::vector<int> choisies;

    ~FrmInfoRacesTest() override { delete fenetre.data(); }

    void Charger(bool racesEssai) {
        d.CopierDonnees();
        if (racesEssai) std::ofstream(d.Chemin() / "Ini_Parametres_Races.ini", std::ios::app) << RacesEssai;
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        main = std::make_unique<ModMain>(*dossier);
        main->Charger_Parametres();
    }
    void Ouvrir(int positionSetup) {
        delete fenetre.data();
        fenetre = new FrmInfoRaces(main->Parametres, positionSetup);
        QObject::connect(fenetre, &FrmInfoRaces::RaceChoisie, [this](int p) { choisies.push_back(p); });
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre));
    }
    template <typename T>
    T* Controle(const QString& nom) {
        T* c = fenetre->findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom.toStdString();
        return c;
    }
    // The player clicks the row of the race list.
    void Choisir(int rang) {
        auto* l = Controle<QListWidget>("LstRaces");
        const QRect r = l->visualItemRect(l->item(rang));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }
    std::string Barre(int k) {
        return std::to_string(Controle<QProgressBar>(QString("ProgressBarCarac%1").arg(k))->value()) + " " +
               Controle<QLabel>(QString("LblCarac%1").arg(k))->text().toStdString();
    }
};

}  // namespace

TEST_F(FrmInfoRacesTest, ChaqueTraitDesRacesDEssai) {
    Charger(true);
    const ClsJeuParam& P = main->Parametres;
    // The setup window has the first test race selected: the window opens
    // on it, then the player clicks the other, which the setup window hears.
    Ouvrir(3);
    EXPECT_EQ(Lignes(Controle<QListWidget>("LstRaces")),
              (std::vector<std::string>{"Humain", "Nain", "Sylphide", "Colosse", "Farfadet"}));
    EXPECT_EQ(Controle<QPlainTextEdit>("TxtDescription")->toPlainText(), "Une race d'essai.");
    EXPECT_EQ(Barre(0), "200 250%");
    EXPECT_EQ(Barre(1), "80 80%");
    EXPECT_EQ(Barre(2), "100 100%");
    EXPECT_EQ(Lignes(Controle<QListWidget>("LstBonus")),
              (std::vector<std::string>{"+20% " + P.Speciales_NomCompetences(0), "+50% " + P.Service_NomCompetence(1)}));
    EXPECT_EQ(Lignes(Controle<QListWidget>("LstMalus")),
              (std::vector<std::string>{"-25% Cueillette", "-50% " + P.CompetenceObjet_Nom(1)}));
    // Tireless: no energy or morale line whatever their speeds; only the
    // free items are traits (the short sword has a talent price); every
    // race also has the common potion.
    EXPECT_EQ(Lignes(Controle<QListWidget>("LstParticularite")),
              (std::vector<std::string>{"Régénération de vie : 0,20% ", "-2 Vitesse", "Infatiguable",
                                        "12,5 " + QString::fromStdString(P.Ressources_Nom(1)).toLower().toStdString() +
                                            ", 3 " + QString::fromStdString(P.Ressources_Nom(2)).toLower().toStdString(),
                                        "Equipement : dague", "Capacité spéciale : arc court",
                                        "Capacité spéciale : potion de soin"}));

    Choisir(4);
    EXPECT_EQ(Controle<QPlainTextEdit>("TxtDescription")->toPlainText(), "Une autre race d'essai.");
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Barre(k), "100 100%") << k;
    EXPECT_TRUE(Lignes(Controle<QListWidget>("LstBonus")).empty());
    EXPECT_TRUE(Lignes(Controle<QListWidget>("LstMalus")).empty());
    EXPECT_EQ(Lignes(Controle<QListWidget>("LstParticularite")),
              (std::vector<std::string>{"Régénération d'énergie : 0,05% ", "Régénération de magie : 0,40% ", "Volant",
                                        "Muet", "Ne gagne pas d'expérience", "Langage spécifique",
                                        "+6 Portée d'attaque", "Effet d'attaque : Morsure", "+2 Armure", "+3 Vitesse",
                                        "Restauration complète", "Kamikaze", "Capacité spéciale : potion de soin"}));
    EXPECT_EQ(choisies, (std::vector<int>{4}));
}

// Every race of the default data, each chosen by a click: the description,
// one line for every skill whose coefficient is not 1 (in the list of its
// sign, never twice), and trait lines that say something.
TEST_F(FrmInfoRacesTest, UneLigneParTraitPourChaqueRaceDesDonnees) {
    Charger(false);
    ClsJeuParam& P = main->Parametres;
    for (bool toutes : {false, true}) {
        P.JouerToutesLesRaces = toutes;
        choisies.clear();
        Ouvrir(-1);
        auto* liste = Controle<QListWidget>("LstRaces");
        ASSERT_EQ(liste->count(), toutes ? P.NombreRaces : P.NombreRacesJouables);
        EXPECT_EQ(liste->currentRow(), -1);
        EXPECT_TRUE(choisies.empty());
        for (int rang = 0; rang < liste->count(); ++rang) {
            Choisir(rang);
            const std::int16_t r = fenetre->Races()[static_cast<std::size_t>(rang)];
            ASSERT_EQ(liste->item(rang)->text().toStdString(), P.Race_Nom(r));
            EXPECT_TRUE(toutes || P.Race_Jouable(r));
            EXPECT_EQ(Controle<QPlainTextEdit>("TxtDescription")->toPlainText().toStdString(), P.Race_Description(r));

            std::multiset<std::string> plus, moins;
            auto noter = [&](float c, const std::string& nom) {
                if (c > 1) plus.insert(nom);
                if (c < 1) moins.insert(nom);
            };
            for (int k = 0; k < P.NombreCompetencesSpeciales; ++k)
                noter(P.Race_CoefCompSpeciales(r, k), P.Speciales_NomCompetences(k));
            for (int k = 0; k < P.NombreRessources; ++k)
                noter(P.Race_CoefCompRessources(r, k), P.Ressources_NomCompetence(k));
            for (int k = 0; k + 1 < P.NombreServices; ++k)
                noter(P.Race_CoefCompServices(r, k), P.Service_NomCompetence(k + 1));
            for (int k = 0; k < P.NombreCompetencesObjets; ++k)
                noter(P.Race_CoefCompObjets(r, k), P.CompetenceObjet_Nom(k));
            auto noms = [](const std::vector<std::string>& lignes, char signe) {
                std::multiset<std::string> r;
                for (const auto& l : lignes) {
                    EXPECT_EQ(l.front(), signe) << l;
                    r.insert(l.substr(l.find("% ") + 2));
                }
                return r;
            };
            EXPECT_EQ(noms(Lignes(Controle<QListWidget>("LstBonus")), '+'), plus) << P.Race_Nom(r);
            EXPECT_EQ(noms(Lignes(Controle<QListWidget>("LstMalus")), '-'), moins) << P.Race_Nom(r);
            const auto traits = Lignes(Controle<QListWidget>("LstParticularite"));
            EXPECT_EQ(std::set<std::string>(traits.begin(), traits.end()).size(), traits.size()) << P.Race_Nom(r);
            for (const auto& t : traits) EXPECT_FALSE(t.empty()) << P.Race_Nom(r);
        }
        std::vector<int> tous(static_cast<std::size_t>(liste->count()));
        for (std::size_t k = 0; k < tous.size(); ++k) tous[k] = static_cast<int>(k);
        EXPECT_EQ(choisies, tous);
    }
}
