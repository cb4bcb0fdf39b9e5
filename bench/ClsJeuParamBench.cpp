// Loading the rules database is part of start-up: all eight stages, from the
// game's own data and from a generated set ten times larger (500 items,
// 200 races, 100 buildings), which must stay well under 100 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"

namespace fs = std::filesystem;

namespace {

constexpr int Epoques = 4;
constexpr int Ressources = 30;
constexpr int Depots = 30;
constexpr int Batiments = 100;
constexpr int Services = 10;
constexpr int CompetencesObjets = 12;
constexpr int Objets = 500;
constexpr int Decors = 60;
constexpr int Peuples = 20;
constexpr int Effets = 50;
constexpr int Races = 200;

void Ecrire(const fs::path& chemin, const std::string& texte) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << texte;
}

// A large, valid rules set in a scratch folder; removed by the caller.
fs::path GenererGrandJeu() {
    std::random_device rd;
    fs::path dossier = fs::temp_directory_path() / ("morvaine-bench-regles-" + std::to_string(rd()));
    fs::create_directories(dossier);
    std::mt19937 g(7);
    auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    std::ostringstream s;

    s << "[Transactions]\nCoefficientAchat=1.5\n[Personnages]\nPersosNombreApparences=8\nPersosLargeurDefaut=24\n"
         "PersosHauteurDefaut=32\nPersosMaxVie=100\nPersosMaxEnergie=100\nPersosMaxMagie=50\nPersosMaxMoral=100\n"
         "PersosNiveauSpecialesDepart=1\nPersosMaxRessources=40\nPersosNiveauServicesDepart=1\n"
         "PersosNiveauObjetsDepart=1\nPersosAttaque=10\nPersosPorteeAttaque=20\nPersosDefense=10\nPersosVitesse=4\n"
         "PersosNombreObjetsEquipes=10\nPersosNombreObjetsInventaire=12\n"
         "[Competences_Speciales]\nNombreCompetencesSpeciales=4\n";
    for (int k = 1; k <= 4; ++k) s << "CompetencesSpeciales" << k << "=Compétence " << k << "\n";
    Ecrire(dossier / "Ini_Parametres_Persos.ini", s.str());

    s.str("");
    s << "[Epoques]\nNombreEpoques=" << Epoques << "\n";
    for (int e = 1; e <= Epoques; ++e)
        s << "[Epoque_" << e << "]\nNom=Époque " << e << "\nBonusVieChateau=" << e * 100
          << "\nChateauxRessourcesDepart=100\nPersosRessourcesDepart=5\nPersosArgentDepart=50\n";
    Ecrire(dossier / "Ini_Parametres_Fiefs.ini", s.str());

    s.str("");
    s << "[Ressources]\nNombreRessources=" << Ressources << "\n";
    for (int r = 1; r <= Ressources; ++r)
        s << "[Ressource_" << r << "]\nNom=Ressource " << r << "\nNomCompetence=Métier " << r
          << "\nVitesseExtraction=1.5\nTypeMatierePremiere=" << (r > 10 ? entre(1, 10) : 0)
          << "\nQuantiteMatierePremiere=2\nPrixVente=" << r << "\nMangeable=" << (r <= 2)
          << "\nGainVie=2\nGainEnergie=1\nNecessairePourConstruire=" << (r % 3 == 0) << "\nEpoque=" << entre(1, Epoques)
          << "\n";
    s << "[Terrain_Ressources]\nNombreTerrainRessource=" << Depots << "\n";
    for (int t = 1; t <= Depots; ++t)
        s << "[TerrainRessource_" << t << "]\nNom=Gisement " << t << "\nTypeRessource=" << entre(1, 10)
          << "\nQuantite=50\n";
    Ecrire(dossier / "Ini_Parametres_Ressources.ini", s.str());

    s.str("");
    s << "[Batiments]\nNombreTypeBatiments=" << Batiments << "\n";
    for (int b = 1; b <= Batiments; ++b) {
        s << "[Batiment_" << b << "]\nNom=Bâtiment " << b << "\nMetierM=Ouvrier\nMetierF=Ouvrière\nDescription=Un bâtiment.\n";
        for (int r = 1; r <= Ressources; r += 4) s << "PrixRessources(" << r << ")=" << entre(0, 50) << "\n";
        bool fabrique = b % 4 == 0;
        s << "MaxVie=" << entre(100, 900) << "\nRessourceFabrique=" << (b % 4 == 1 ? entre(1, Ressources) : 0)
          << "\nNombreObjetsfabriques=" << (fabrique ? 5 : 0) << "\n";
        if (fabrique)
            for (int k = 1; k <= 5; ++k) s << "ObjetsFabriques(" << k << ")=" << entre(1, Objets) << "\n";
        s << "Magasin=" << (b % 4 == 1) << "\nFabrique=" << fabrique << "\nService=" << (b % 4 == 2 ? entre(1, Services - 1) : 0)
          << "\nMaxStock=50\nNiveau=1\nNoEpoque=" << (b <= 90 ? entre(1, Epoques) : Epoques + 5)
          << "\nLargeur=64\nHauteur=64\nEntreePositionX=32\nEntreePositionY=60\nNombreEtapeFabrication=4\n"
             "NombreEtapeAnimation=2\nApparencePerso=1\n";
    }
    Ecrire(dossier / "Ini_Parametres_Batiments.ini", s.str());

    s.str("");
    s << "[Tresors]\nNombreTresors=5\n";
    for (int t = 1; t <= 5; ++t) s << "[Tresor_" << t << "]\nNom=Trésor " << t << "\nValeurMin=" << t * 10 << "\n";
    s << "[Services]\nNombreServices=" << Services << "\n";
    for (int v = 1; v <= Services; ++v)
        s << "[Service_" << v << "]\nNom=Service " << v << "\nDescription=Un service.\nVitesseCreation=1\n"
          << "TypeMatierePremiere=" << entre(0, Ressources - 1) << "\nQuantiteMatierePremiere=1\nPrix=20\n"
          << "Coefficient=1\nNomCompetence=Compétence " << v << "\nEffet=" << entre(-1, Effets - 1) << "\nCoefExp=1\n";
    s << "[CompetencesObjets]\nNombreCompetencesObjets=" << CompetencesObjets << "\n";
    for (int c = 1; c <= CompetencesObjets; ++c)
        s << "[CompetenceObjet_" << c << "]\nNumero=" << c << "\nNom=Maniement " << c << "\n";
    s << "[Objets]\n";
    for (int o = 1; o <= Objets; ++o) {
        s << "[Objet_" << o << "]\n\tNom = Objet " << o << "\n\tNomPluriel = Objets " << o
          << "\n\tDescription = Un objet fabriqué = utile\n\tCategorie = " << entre(0, 9)
          << "\n\tCompetence = " << entre(0, CompetencesObjets) << "\n\tEpoque = " << entre(1, Epoques) << "\n";
        for (int r = 1; r <= Ressources; r += 6) s << "\tPrixRessources(" << r << ") = " << entre(0, 5) << "\n";
        s << "\tDureeFabrication = 10\n\tPrixVente = " << entre(1, 500) << "\n\tBonusAttaque = " << entre(0, 9)
          << "\n\tBonusDefense = " << entre(0, 9) << "\n\tBonusVie = 2\n\tBonusPorteeAttaque = 1\n\tEffetAttaque = "
          << entre(0, Effets) << "\n\tBonusCompetencesSpeciales(3) = 1\n\tBonusCompetencesRessources(5) = 2\n"
          << "\tBonusCompetencesServices(2) = 1\n\tBonusCompetencesObjets(4) = 3\n\tBonusVitesseRegenerationVie = 0.5\n"
          << "\tPerteEnergie = 0.1\n\tPerteRessourceIndice = " << (o % 10 == 0 ? entre(1, Ressources) : 0)
          << "\n\tPerteRessourceQuantite = " << (o % 10 == 0) << "\n\tUtilisable = " << (o % 7 == 0)
          << "\n\tGainVie = 5\n\tGainRessource(2) = 1\n\tInvocation = " << (o % 50 == 0 ? entre(1, Races) : 0)
          << "\n\tSecret = " << (o % 97 == 0) << "\n\tPrixTalents = 3\n";
    }
    Ecrire(dossier / "Ini_Parametres_Objets.ini", s.str());

    s.str("");
    s << "[Decors]\nNombreDecors=" << Decors << "\n";
    for (int d = 1; d <= Decors; ++d)
        s << "[Decor_" << d << "]\nNom=Décor " << d << "\nImage=decor" << d << "\nLargeur=32\nHauteur=48\nNombreEtapeAnimation=2\n";
    Ecrire(dossier / "Ini_Parametres_Decors.ini", s.str());

    s.str("");
    s << "[Peuples]\nNombrePeuples=" << Peuples << "\n";
    for (int p = 1; p <= Peuples; ++p) {
        int monstres = p == 1 ? 0 : 5;
        s << "[Peuple_" << p << "]\nNom=Peuple " << p << "\nNombreMonstres=" << monstres << "\n";
        for (int m = 1; m <= monstres; ++m)
            s << "Monstre(" << m << ")Indice=" << entre(1, Races) << "\nMonstre(" << m << ")Chance=0.2\nMonstre(" << m
              << ")FichierIA=monstre.ia\n";
        s << "NomChateau=Château " << p << "\nChateauMaxVie=2000\nChateauLargeur=128\nChateauHauteur=96\n"
             "ChateauEntreePositionX=60\nChateauEntreePositionY=90\n";
    }
    Ecrire(dossier / "Ini_Parametres_Peuples.ini", s.str());

    s.str("");
    s << "[Effets]\nNombreEffets=" << Effets << "\nEffetMaisonEnFeu=1\nEffetMaisonDetruite=2\nEffetChateauDetruit=3\n";
    for (int e = 1; e <= Effets; ++e)
        s << "[Effet_" << e << "]\nNom=Effet " << e << "\nFichier=effet" << e
          << "\nLargeur=32\nHauteur=32\nNombreEtapes=6\nDureeEtape=0.1\nSon=effet.wav\n";
    Ecrire(dossier / "Ini_Parametres_Effets.ini", s.str());

    s.str("");
    s << "[Races]\nChancesRaceAleatoire=0.2\nJouerToutesLesRaces=0\nNombreObjets=2\nObjet(1)=1\nObjet(2)=2\n";
    for (int r = 1; r <= Races; ++r) {
        s << "[Race_" << r << "]\n\tNomM = Race " << entre(1, 999) << "\n\tNomF = Race F\n\tNomMPluriel = Races "
          << entre(1, 999) << "\n\tNomFPluriel = Races F\n\tJouable = " << (r <= 10) << "\n\tDescription = Une race.\n"
          << "\tVie = " << entre(0, 300) << "\n\tAttaque = " << entre(0, 30) << "\n\tCoefVie = 1.2\n\tCoefAttaque = 0.9\n";
        for (int k = 1; k <= 4; ++k) s << "\tCoefCompSpeciale(" << k << ") = 1.1\n";
        for (int k = 1; k <= Ressources; k += 5) s << "\tCoefCompRessource(" << k << ") = 0.9\n";
        s << "\tCoefCompService(2) = 1.3\n\tCoefCompObjet(3) = 1.2\n\tVitesseRegenerationVie = 0.2\n\tParole = 1\n"
          << "\tEquiper = 1\n\tEffetAttaque = " << entre(0, Effets) << "\n\tVitesse = " << entre(0, 8)
          << "\n\tIA_Manger = 1\n\tInfatigable = " << (r % 9 == 0) << "\n\tArgent = 100\n\tRessources(1) = 5\n"
          << "\tNombreObjets = 3\n\tObjet(1) = " << entre(1, Objets) << "\n\tObjet(2) = " << entre(1, Objets)
          << "\n\tObjet(3) = " << entre(1, Objets) << "\n\tNombreEquipement = 1\n\tEquipement(1) = " << entre(1, Objets)
          << "\n\tIndiceBestiaire = " << r << "\n";
    }
    Ecrire(dossier / "Ini_Parametres_Races.ini", s.str());
    return dossier;
}

void ChargerToutesLesEtapes(const fs::path& dossier) {
    // A fresh folder object each time: nothing parsed is reused.
    DossierJeu d(dossier);
    ClsJeuParam p(d);
    for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
    benchmark::DoNotOptimize(p.NombreRaces);
}

void ChargerReglesParDefaut(benchmark::State& state) {
    // The game folder the game itself uses (beside the executable, or
    // MORVAINE_DIR).
    fs::path dossier = DossierJeu::Trouver();
    if (!fs::exists(dossier / "Ini_Parametres_Persos.ini")) {
        state.SkipWithError("pas de fichiers de règles dans le dossier du jeu");
        return;
    }
    for (auto _ : state) ChargerToutesLesEtapes(dossier);
}
BENCHMARK(ChargerReglesParDefaut)->Unit(benchmark::kMillisecond);

void ChargerGrandJeuDeRegles(benchmark::State& state) {
    fs::path dossier = GenererGrandJeu();
    try {
        for (auto _ : state) ChargerToutesLesEtapes(dossier);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    std::error_code ec;
    fs::remove_all(dossier, ec);
}
BENCHMARK(ChargerGrandJeuDeRegles)->Unit(benchmark::kMillisecond);

}  // namespace
