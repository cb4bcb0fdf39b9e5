// The rules database: every rule of the game that is data rather than code
// (character defaults, eras, resources, deposits, buildings, peoples, items,
// treasures, services, scenery, visual effects, races), loaded once at
// start-up from the Ini_Parametres_* files in eight stages and read-only
// afterwards. It holds no world state: the world's objects live in ModMain.
//
// Every accessor takes the row index first. An index outside its table (or
// a position outside a list) never crashes: it reads an empty row, whose
// references to other tables are -1 (none).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class DossierJeu;
class ErreursFichier;
class ModRandom;

class ClsJeuParam {
public:
    // The folder is where the rules files are read from; it must outlive
    // this object.
    explicit ClsJeuParam(DossierJeu& dossier);

    // ---- Public fields, in their declared order ----
    double CoefficientAchat = 0.0;
    std::int16_t PersosNombreApparences = 0;
    std::int16_t PersosLargeurDefaut = 0;
    std::int16_t PersosHauteurDefaut = 0;
    std::int32_t PersosMaxVie = 0;
    std::int32_t PersosMaxEnergie = 0;
    std::int32_t PersosMaxMagie = 0;
    std::int32_t PersosMaxMoral = 0;
    std::int32_t PersosNiveauSpecialesDepart = 0;
    std::int32_t PersosMaxRessources = 0;
    std::int32_t PersosNiveauServicesDepart = 0;
    std::int32_t PersosNiveauObjetsDepart = 0;
    std::int32_t PersosAttaque = 0;
    std::int32_t PersosPorteeAttaque = 0;
    std::int32_t PersosDefense = 0;
    std::int16_t PersosVitesse = 0;
    std::int16_t PersosNombreObjetsEquipes = 0;
    std::int16_t PersosNombreObjetsInventaire = 0;
    std::int16_t NombreEpoques = 0;
    std::int16_t NombreCompetencesSpeciales = 0;
    std::int16_t NombreRessources = 0;
    std::int16_t NombreTerrainRessource = 0;
    std::int16_t NombreTypeBatiments = 0;
    std::int16_t NombreBatimentsConstructibles = 0;
    std::int16_t NombrePeuples = 0;
    std::int16_t NombreCompetencesObjets = 0;
    std::int16_t NombreTypesObjets = -1;
    std::int16_t NombreTresors = 0;
    std::int16_t NombreDecors = 0;
    std::int16_t NombreServices = 0;
    std::int16_t NombreEffets = 0;
    std::int16_t EffetMaisonEnFeu = 0;
    std::int16_t EffetMaisonDetruite = 0;
    std::int16_t EffetChateauDetruit = 0;
    std::int16_t NombreRaces = 0;
    std::int16_t NombreRacesJouables = 0;
    float ChancesRaceAleatoire = 0.0f;
    bool JouerToutesLesRaces = false;

    // Loads one stage, 0 to 7, in this order: characters, fiefs, resources,
    // buildings, items (and scenery), peoples, visual effects, races. A later
    // stage relies on the counts of the earlier ones. Any other value does
    // nothing. A bad or missing file throws ErreurFichier naming the file and
    // every fault found in it.
    void Init(std::int16_t Etape);

    // ---- Eras (Ini_Parametres_Fiefs) ----
    std::string Epoque_Nom(std::int32_t Index) const;
    // The number as text: callers convert it back.
    std::string Epoque_BonusVieChateau(std::int32_t Index) const;
    double Epoque_ChateauxRessourcesDepart(std::int32_t Index) const;
    double Epoque_PersosRessourcesDepart(std::int32_t Index) const;
    double Epoque_PersosArgentDepart(std::int32_t Index) const;

    // ---- Special competences (Ini_Parametres_Persos) ----
    std::string Speciales_NomCompetences(std::int32_t Index) const;

    // ---- Resources (Ini_Parametres_Ressources) ----
    std::string Ressources_Nom(std::int32_t Index) const;
    std::string Ressources_NomCompetence(std::int32_t Index) const;
    double Ressources_VitesseExtraction(std::int32_t Index) const;
    std::int32_t Ressources_TypeMatierePremiere(std::int32_t Index) const;
    double Ressources_QuantiteMatierePremiere(std::int32_t Index) const;
    double Ressources_PrixVente(std::int32_t Index) const;
    bool Ressources_NecessairePourConstruire(std::int32_t Index) const;
    bool Ressources_NecessairePourAttaquer(std::int32_t Index) const;
    bool Ressources_Recoltable(std::int32_t Index) const;
    std::int16_t Ressources_TypeTerrainRessource(std::int32_t Index) const;
    bool Ressources_Mangeable(std::int32_t Index) const;
    double Ressources_GainVie(std::int32_t Index) const;
    double Ressources_GainEnergie(std::int32_t Index) const;
    double Ressources_GainMagie(std::int32_t Index) const;
    double Ressources_GainMoral(std::int32_t Index) const;
    double Ressources_Epoque(std::int32_t Index) const;

    // ---- Terrain deposit types (Ini_Parametres_Ressources) ----
    std::string TerrainRessources_Nom(std::int32_t Index) const;
    std::int16_t TerrainRessources_TypeRessource(std::int32_t Index) const;
    double TerrainRessources_Quantite(std::int32_t Index) const;

    // ---- Building types (Ini_Parametres_Batiments) ----
    std::string Batiment_Nom(std::int32_t Index) const;
    std::string Batiment_Metier(std::int32_t Index, bool Feminin) const;
    std::string Batiment_Description(std::int32_t Index) const;
    std::int32_t Batiment_Prix(std::int32_t Index, std::int32_t Ressource) const;
    std::int32_t Batiment_MaxVie(std::int32_t Index) const;
    std::int32_t Batiment_RessourceFabrique(std::int32_t Index) const;
    std::int32_t Batiment_NombreObjetsFabriques(std::int32_t Index) const;
    std::int32_t Batiment_ObjetFabrique(std::int32_t Index, std::int32_t Objet) const;
    bool Batiment_Magasin(std::int32_t Index) const;
    bool Batiment_Fabrique(std::int32_t Index) const;
    std::int16_t Batiment_Service(std::int32_t Index) const;
    double Batiment_MaxStockVente(std::int32_t Index) const;
    std::int32_t Batiment_Niveau(std::int32_t Index) const;
    std::int16_t Batiment_NoEpoque(std::int32_t Index) const;
    std::int16_t Batiment_Largeur(std::int32_t Index) const;
    std::int16_t Batiment_Hauteur(std::int32_t Index) const;
    std::int32_t Batiment_EntreePositionX(std::int32_t Index) const;
    std::int32_t Batiment_EntreePositionY(std::int32_t Index) const;
    std::int16_t Batiment_NombreEtapeFabrication(std::int32_t Index) const;
    std::int16_t Batiment_NombreEtapeAnimation(std::int32_t Index) const;
    std::int16_t Batiment_ApparencePerso(std::int32_t Index) const;
    // The resource a building type consumes, -1 none. For a making building
    // it draws from the game's random source, one draw per (resource, item
    // that costs it) pair until a draw is above 0.5: callers must keep this
    // call at its place in the game's order of draws.
    std::int16_t Batiment_TypeMatierePremiere(std::int32_t Index, ModRandom& Aleatoire) const;

    // ---- Peoples (Ini_Parametres_Peuples) ----
    std::string Peuples_Nom(std::int32_t Index) const;
    std::int16_t Peuples_NombreMonstres(std::int32_t Index) const;
    std::int16_t Peuples_MonstreIndice(std::int32_t Index, std::int32_t IndiceMonstre) const;
    float Peuples_MonstreChance(std::int32_t Index, std::int32_t IndiceMonstre) const;
    std::string Peuples_MonstreFichierIA(std::int32_t Index, std::int32_t IndiceMonstre) const;
    std::string Peuples_NomChateau(std::int32_t Index) const;
    std::int32_t Peuples_ChateauMaxVie(std::int32_t Index) const;
    std::int16_t Peuples_ChateauLargeur(std::int32_t Index) const;
    std::int16_t Peuples_ChateauHauteur(std::int32_t Index) const;
    std::int16_t Peuples_ChateauEntreePositionX(std::int32_t Index) const;
    std::int16_t Peuples_ChateauEntreePositionY(std::int32_t Index) const;

    // ---- Item competences (Ini_Parametres_Objets) ----
    std::int16_t CompetenceObjet_Numero(std::int32_t Index) const;
    std::string CompetenceObjet_Nom(std::int32_t Index) const;

    // ---- Item types (Ini_Parametres_Objets, [Objets] part) ----
    std::string Objet_Nom(std::int32_t Index) const;
    std::string Objet_Image(std::int32_t Index) const;
    std::string Objet_NomPluriel(std::int32_t Index) const;
    std::string Objet_Description(std::int32_t Index) const;
    bool Objet_Secret(std::int32_t Index) const;
    bool Objet_Unique(std::int32_t Index) const;
    bool Objet_Indestructible(std::int32_t Index) const;
    bool Objet_Inseparable(std::int32_t Index) const;
    std::int16_t Objet_Categorie(std::int32_t Index) const;
    std::int16_t Objet_Competence(std::int32_t Index) const;
    std::int16_t Objet_PrixRessources(std::int32_t Index, std::int32_t Ressource) const;
    std::int16_t Objet_Epoque(std::int32_t Index) const;
    std::int16_t Objet_DureeFabrication(std::int32_t Index) const;
    std::int16_t Objet_PrixVente(std::int32_t Index) const;
    std::int16_t Objet_BonusVie(std::int32_t Index) const;
    std::int16_t Objet_BonusEnergie(std::int32_t Index) const;
    std::int16_t Objet_BonusMagie(std::int32_t Index) const;
    std::int16_t Objet_BonusMoral(std::int32_t Index) const;
    std::int16_t Objet_BonusAttaque(std::int32_t Index) const;
    std::int16_t Objet_BonusPorteeAttaque(std::int32_t Index) const;
    std::int16_t Objet_EffetAttaque(std::int32_t Index) const;
    std::int16_t Objet_SurfaceAttaque(std::int32_t Index) const;
    std::int16_t Objet_BonusDefense(std::int32_t Index) const;
    std::int16_t Objet_BonusDeplacement(std::int32_t Index) const;
    std::int16_t Objet_BonusCompetencesSpeciales(std::int32_t Index, std::int32_t Ressource) const;
    std::int16_t Objet_BonusCompetencesRessources(std::int32_t Index, std::int32_t Ressource) const;
    // Position k is the competence of service row k + 1.
    std::int16_t Objet_BonusCompetencesServices(std::int32_t Index, std::int32_t Ressource) const;
    std::int16_t Objet_BonusCompetencesObjets(std::int32_t Index, std::int32_t Ressource) const;
    std::int16_t Objet_BonusArmure(std::int32_t Index) const;
    std::int16_t Objet_BonusMaxRessources(std::int32_t Index) const;
    float Objet_BonusVitesseRegenerationVie(std::int32_t Index) const;
    float Objet_BonusVitesseRegenerationEnergie(std::int32_t Index) const;
    float Objet_BonusVitesseRegenerationMagie(std::int32_t Index) const;
    float Objet_BonusVitesseRegenerationMoral(std::int32_t Index) const;
    double Objet_PerteVie(std::int32_t Index) const;
    double Objet_PerteEnergie(std::int32_t Index) const;
    double Objet_PerteMagie(std::int32_t Index) const;
    double Objet_PerteMoral(std::int32_t Index) const;
    std::int32_t Objet_PerteArgent(std::int32_t Index) const;
    std::int16_t Objet_PerteRessourceIndice(std::int32_t Index) const;
    float Objet_PerteRessourceQuantite(std::int32_t Index) const;
    std::int16_t Objet_ApparencePerso(std::int32_t Index) const;
    bool Objet_ChangerApparencePerso(std::int32_t Index) const;
    bool Objet_Utilisable(std::int32_t Index) const;
    bool Objet_UtilisationUnique(std::int32_t Index) const;
    bool Objet_UtilisationMort(std::int32_t Index) const;
    double Objet_Experience(std::int32_t Index) const;
    std::int16_t Objet_Invocation(std::int32_t Index) const;
    float Objet_Quantite(std::int32_t Index) const;
    double Objet_GainVie(std::int32_t Index) const;
    double Objet_GainEnergie(std::int32_t Index) const;
    double Objet_GainMagie(std::int32_t Index) const;
    double Objet_GainMoral(std::int32_t Index) const;
    float Objet_GainArgent(std::int32_t Index) const;
    float Objet_GainRessource(std::int32_t Index, std::int32_t Ressource) const;
    std::int32_t Objet_Resurrection(std::int32_t Index) const;
    // -1 when set, 0 otherwise.
    std::int32_t Objet_SelfResurrection(std::int32_t Index) const;
    std::int32_t Objet_PrixTalents(std::int32_t Index) const;

    // ---- Treasure kinds (Ini_Parametres_Objets) ----
    std::string Tresor_Nom(std::int32_t Index) const;
    std::int16_t Tresor_ValeurMin(std::int32_t Index) const;

    // ---- Scenery types (Ini_Parametres_Decors) ----
    std::string Decor_Nom(std::int32_t Index) const;
    std::string Decor_Image(std::int32_t Index) const;
    std::int16_t Decor_Largeur(std::int32_t Index) const;
    std::int16_t Decor_Hauteur(std::int32_t Index) const;
    std::int16_t Decor_NombreEtapeAnimation(std::int32_t Index) const;

    // ---- Services (Ini_Parametres_Objets). Row 0 is never offered: a
    // building's Service 0 means none. Several answers are the number as
    // text, which the strict conversion reads back. ----
    std::string Service_Nom(std::int32_t Index) const;
    std::string Service_Description(std::int32_t Index) const;
    std::string Service_VitesseCreation(std::int32_t Index) const;
    // 0-based resource index as text, negative for none.
    std::string Service_MatierePremiere(std::int32_t Index) const;
    std::string Service_QuantiteMatierePremiere(std::int32_t Index) const;
    double Service_Prix(std::int32_t Index) const;
    double Service_Coefficient(std::int32_t Index) const;
    std::string Service_NomCompetence(std::int32_t Index) const;
    std::string Service_CoefExp(std::int32_t Index) const;
    // 0-based effect index as text, negative for none.
    std::string Service_Effet(std::int32_t Index) const;

    // ---- Visual effects (Ini_Parametres_Effets) ----
    std::string Effet_Nom(std::int32_t Index) const;
    std::string Effet_Fichier(std::int32_t Index) const;
    std::int16_t Effet_Largeur(std::int32_t Index) const;
    std::int16_t Effet_Hauteur(std::int32_t Index) const;
    std::int16_t Effet_NombreEtapes(std::int32_t Index) const;
    double Effet_DureeEtape(std::int32_t Index) const;
    std::string Effet_Son(std::int32_t Index) const;

    // ---- Races (Ini_Parametres_Races) ----
    // First race whose masculine name is exactly Nom; nothing when none is.
    std::optional<std::int16_t> Race_Indice(std::string_view Nom) const;
    // "" for a negative index.
    std::string Race_Nom(std::int32_t Index, bool Feminin = false, bool Pluriel = false) const;
    bool Race_Jouable(std::int32_t Index) const;
    std::string Race_Description(std::int32_t Index) const;
    std::int16_t Race_Largeur(std::int32_t Index) const;
    std::int16_t Race_Hauteur(std::int32_t Index) const;
    // True when that sex may not be played.
    bool Race_RestrictionSexe(std::int32_t Index, bool Feminin = false) const;
    bool Race_DefinirApparence(std::int32_t Index) const;
    std::string Race_CheminApparence(std::int32_t Index, bool Feminin = false) const;
    std::int32_t Race_Vie(std::int32_t Index) const;
    std::int32_t Race_Energie(std::int32_t Index) const;
    std::int32_t Race_Magie(std::int32_t Index) const;
    std::int32_t Race_Moral(std::int32_t Index) const;
    std::int32_t Race_Attaque(std::int32_t Index) const;
    std::int32_t Race_Defense(std::int32_t Index) const;
    float Race_CoefVie(std::int32_t Index) const;
    float Race_CoefEnergie(std::int32_t Index) const;
    float Race_CoefMagie(std::int32_t Index) const;
    float Race_CoefMoral(std::int32_t Index) const;
    float Race_CoefAttaque(std::int32_t Index) const;
    float Race_CoefDefense(std::int32_t Index) const;
    float Race_VitesseRegenerationVie(std::int32_t Index) const;
    float Race_VitesseRegenerationEnergie(std::int32_t Index) const;
    float Race_VitesseRegenerationMagie(std::int32_t Index) const;
    float Race_VitesseRegenerationMoral(std::int32_t Index) const;
    float Race_CoefCompSpeciales(std::int32_t Index, std::int32_t Competence) const;
    float Race_CoefCompRessources(std::int32_t Index, std::int32_t Competence) const;
    float Race_CoefCompServices(std::int32_t Index, std::int32_t Competence) const;
    float Race_CoefCompObjets(std::int32_t Index, std::int32_t Competence) const;
    bool Race_Equiper(std::int32_t Index) const;
    bool Race_Parole(std::int32_t Index) const;
    bool Race_Experience(std::int32_t Index) const;
    bool Race_Volant(std::int32_t Index) const;
    std::int16_t Race_CommentairesSpecifique(std::int32_t Index) const;
    std::int16_t Race_PorteeAttaque(std::int32_t Index) const;
    std::int16_t Race_EffetAttaque(std::int32_t Index) const;
    std::int16_t Race_Armure(std::int32_t Index) const;
    std::int16_t Race_Vitesse(std::int32_t Index) const;
    bool Race_IA_Pacifique(std::int32_t Index) const;
    bool Race_IA_Manger(std::int32_t Index) const;
    bool Race_IA_Temeraire(std::int32_t Index) const;
    bool Race_IA_Berserk(std::int32_t Index) const;
    bool Race_IA_Incommandable(std::int32_t Index) const;
    bool Race_IA_Selectionner(std::int32_t Index) const;
    std::string Race_IA_Fichier(std::int32_t Index) const;
    bool Race_Infatigable(std::int32_t Index) const;
    bool Race_Kamikaze(std::int32_t Index) const;
    bool Race_RestaurationComplete(std::int32_t Index) const;
    double Race_Argent(std::int32_t Index) const;
    double Race_Ressources(std::int32_t Index, std::int32_t IndiceRessource) const;
    bool Race_DepartSansRessources(std::int32_t Index) const;
    std::int16_t Race_NombreObjets(std::int32_t Index) const;
    std::int16_t Race_Objet(std::int32_t Index, std::int32_t Objet) const;
    std::int16_t Race_NombreEquipement(std::int32_t Index) const;
    std::int16_t Race_Equipement(std::int32_t Index, std::int32_t Objet) const;
    std::int16_t Race_IndiceBestiaire(std::int32_t Index) const;

    // ---- Bestiary: the races in alphabetical order of masculine plural ----
    std::int16_t Bestiaire_Ordre_Alpha(std::int32_t Index) const;

private:
    // ---- Records, one per row of a table ----
    struct ParamEpoque {
        std::string Nom;
        std::int32_t BonusVieChateau = 0;
        double ChateauxRessourcesDepart = 0.0;
        double PersosRessourcesDepart = 0.0;
        double PersosArgentDepart = 0.0;
    };
    struct ParamRessource {
        std::string Nom;
        std::string NomCompetence;
        double VitesseExtraction = 0.0;
        std::int32_t TypeMatierePremiere = 0;
        double QuantiteMatierePremiere = 0.0;
        double PrixVente = 0.0;
        bool NecessairePourConstruire = false;
        bool NecessairePourAttaquer = false;
        bool Recoltable = false;
        std::int16_t TypeTerrainRessource = 0;
        bool Mangeable = false;
        double GainVie = 0.0;
        double GainEnergie = 0.0;
        double GainMagie = 0.0;
        double GainMoral = 0.0;
        std::int16_t Epoque = 0;
        static const ParamRessource& Absent();
    };
    struct ParamTerrainRessource {
        std::string Nom;
        std::int16_t TypeRessource = 0;
        double Quantite = 0.0;
        static const ParamTerrainRessource& Absent();
    };
    struct ParamBatiment {
        std::string Nom;
        std::string MetierM;
        std::string MetierF;
        std::string Description;
        std::vector<std::int32_t> PrixRessources;
        std::int32_t MaxVie = 0;
        std::int32_t RessourceFabrique = 0;
        std::int16_t NombreObjetsfabriques = 0;
        std::vector<std::int16_t> ObjetsFabriques;
        bool Magasin = false;
        bool Fabrique = false;
        std::int16_t Service = 0;
        double MaxStock = 0.0;
        std::int32_t Niveau = 0;
        std::int16_t NoEpoque = 0;
        std::int16_t Largeur = 0;
        std::int16_t Hauteur = 0;
        std::int32_t EntreePositionX = 0;
        std::int32_t EntreePositionY = 0;
        std::int16_t NombreEtapeFabrication = 0;
        std::int16_t NombreEtapeAnimation = 0;
        std::int16_t ApparencePerso = 0;
        static const ParamBatiment& Absent();
    };
    struct ParamPeuple {
        std::string Nom;
        std::int16_t NombreMonstres = 0;
        std::vector<std::int16_t> MonstreIndice;
        std::vector<float> MonstreChance;
        std::vector<std::string> MonstreFichierIA;
        std::string NomChateau;
        std::int32_t ChateauMaxVie = 0;
        std::int16_t ChateauLargeur = 0;
        std::int16_t ChateauHauteur = 0;
        std::int16_t ChateauEntreePositionX = 0;
        std::int16_t ChateauEntreePositionY = 0;
    };
    struct ParamObjet {
        std::string Nom;
        std::string Image;
        std::string NomPluriel;
        std::string Description;
        bool Secret = false;
        bool Unique = false;
        bool Indestructible = false;
        bool Inseparable = false;
        std::int16_t Categorie = 0;
        std::int16_t Competence = 0;
        std::vector<std::int16_t> PrixRessources;
        std::int16_t Epoque = 0;
        std::int16_t DureeFabrication = 0;
        std::int16_t PrixVente = 0;
        std::int16_t BonusVie = 0;
        std::int16_t BonusEnergie = 0;
        std::int16_t BonusMagie = 0;
        std::int16_t BonusMoral = 0;
        std::int16_t BonusAttaque = 0;
        std::int16_t BonusPorteeAttaque = 0;
        std::int16_t EffetAttaque = 0;
        std::int16_t SurfaceAttaque = 0;
        std::int16_t BonusDefense = 0;
        std::int16_t BonusDeplacement = 0;
        std::vector<std::int16_t> BonusCompetencesSpeciales;
        std::vector<std::int16_t> BonusCompetencesRessources;
        std::vector<std::int16_t> BonusCompetencesServices;
        std::vector<std::int16_t> BonusCompetencesObjets;
        std::int16_t BonusArmure = 0;
        std::int16_t BonusMaxRessources = 0;
        float BonusVitesseRegenerationVie = 0.0f;
        float BonusVitesseRegenerationEnergie = 0.0f;
        float BonusVitesseRegenerationMagie = 0.0f;
        float BonusVitesseRegenerationMoral = 0.0f;
        double PerteVie = 0.0;
        double PerteEnergie = 0.0;
        double PerteMagie = 0.0;
        double PerteMoral = 0.0;
        std::int32_t PerteArgent = 0;
        std::int16_t PerteRessourceIndice = 0;
        float PerteRessourceQuantite = 0.0f;
        std::int16_t ApparencePerso = 0;
        bool ChangerApparencePerso = false;
        bool Utilisable = false;
        bool UtilisationUnique = false;
        bool UtilisationMort = false;
        double Experience = 0.0;
        std::int16_t Invocation = 0;
        float Quantite = 0.0f;
        double GainVie = 0.0;
        double GainEnergie = 0.0;
        double GainMagie = 0.0;
        double GainMoral = 0.0;
        float GainArgent = 0.0f;
        std::vector<float> GainRessource;
        std::int32_t Resurrection = 0;
        bool SelfResurrection = false;
        std::int16_t PrixTalents = 0;
        static const ParamObjet& Absent();
    };
    struct ParamCompetenceObjet {
        std::int16_t Numero = 0;
        std::string Nom;
    };
    struct ParamTresor {
        std::string Nom;
        std::int16_t ValeurMin = 0;
    };
    struct ParamService {
        std::string Nom;
        std::string Description;
        double VitesseCreation = 0.0;
        std::int16_t TypeMatierePremiere = 0;
        double QuantiteMatierePremiere = 0.0;
        double Prix = 0.0;
        double Coefficient = 0.0;
        std::string NomCompetence;
        double CoefExp = 0.0;
        std::int16_t Effet = 0;
        static const ParamService& Absent();
    };
    struct ParamDecor {
        std::string Nom;
        std::string Image;
        std::int16_t Largeur = 0;
        std::int16_t Hauteur = 0;
        std::int16_t NombreEtapeAnimation = 0;
    };
    struct ParamEffet {
        std::string Nom;
        std::string Fichier;
        std::int16_t Largeur = 0;
        std::int16_t Hauteur = 0;
        std::int16_t NombreEtapes = 0;
        double DureeEtape = 0.0;
        std::string Son;
    };
    struct ParamRace {
        std::string NomM;
        std::string NomF;
        std::string NomMPluriel;
        std::string NomFPluriel;
        bool Jouable = false;
        std::string Description;
        bool RestrictionMaculin = false;
        bool RestrictionFeminin = false;
        std::int16_t Largeur = 0;
        std::int16_t Hauteur = 0;
        bool DefinirApparence = false;
        std::string CheminApparenceM;
        std::string CheminApparenceF;
        std::int32_t Vie = 0;
        std::int32_t Energie = 0;
        std::int32_t Magie = 0;
        std::int32_t Moral = 0;
        std::int32_t Attaque = 0;
        std::int32_t Defense = 0;
        float CoefVie = 0.0f;
        float CoefEnergie = 0.0f;
        float CoefMagie = 0.0f;
        float CoefMoral = 0.0f;
        float CoefAttaque = 0.0f;
        float CoefDefense = 0.0f;
        float VitesseRegenerationVie = 0.0f;
        float VitesseRegenerationEnergie = 0.0f;
        float VitesseRegenerationMagie = 0.0f;
        float VitesseRegenerationMoral = 0.0f;
        bool Parole = false;
        bool Experience = false;
        bool Equiper = false;
        std::vector<float> CoefCompSpeciale;
        std::vector<float> CoefCompRessource;
        std::vector<float> CoefCompService;
        std::vector<float> CoefCompObjet;
        bool Volant = false;
        std::int16_t CommentairesSpecifique = 0;
        std::int16_t PorteeAttaque = 0;
        std::int16_t EffetAttaque = 0;
        std::int16_t Armure = 0;
        std::int16_t Vitesse = 0;
        bool IA_Pacifique = false;
        bool IA_Manger = false;
        bool IA_Temeraire = false;
        bool IA_Berserk = false;
        bool IA_Incommandable = false;
        bool IA_Selectionner = false;
        std::string IA_Fichier;
        bool Infatigable = false;
        bool Kamikaze = false;
        bool RestaurationComplete = false;
        double Argent = 0.0;
        std::vector<double> Ressources;
        bool DepartSansRessources = false;
        std::int16_t NombreObjets = 0;
        std::vector<std::int16_t> Objet;
        std::int16_t NombreEquipement = 0;
        std::vector<std::int16_t> Equipement;
        std::int16_t IndiceBestiaire = 0;
        static const ParamRace& Absent();
    };

    // ---- Tables, 0-based, one row per numbered section ----
    std::vector<ParamEpoque> ListeEpoques;
    std::vector<std::string> ListeCompetencesSpeciales;
    std::vector<ParamRessource> ListeRessources;
    std::vector<ParamTerrainRessource> ListeTerrainRessources;
    std::vector<ParamBatiment> ListeBatiments;
    std::vector<ParamPeuple> ListePeuples;
    std::vector<ParamTresor> ListeTresors;
    std::vector<ParamService> ListeServices;
    std::vector<ParamCompetenceObjet> ListeCompetencesObjets;
    std::vector<ParamObjet> ListeObjets;
    std::vector<ParamDecor> ListeDecors;
    std::vector<ParamEffet> ListeEffets;
    std::vector<ParamRace> ListeRaces;
    std::vector<std::int16_t> ObjetsCommuns;
    std::int16_t NombreObjetsCommuns = 0;
    std::vector<std::int16_t> OrdreBestiaire;

    // ---- Loading ----
    // What a reference read from a file points to, for the checks that
    // must wait until the table it points to is loaded.
    enum class Cible { Objet, Service, Effet, Race };
    struct ReferenceDifferee {
        std::string Fichier;
        std::string Lieu;     // "Section [Batiment_2], clé ObjetsFabriques(1)" or "Ligne 12, clé ..."
        std::string Ecrit;    // the value as written in the file
        std::int32_t Valeur;    // as stored
        std::int32_t Minimum;   // lowest accepted stored value (-1 when "none" is allowed)
        std::int32_t Decalage;  // what the file adds to the stored value (1 for 1-based)
        Cible Table;
    };
    std::vector<ReferenceDifferee> ReferencesDifferees;
    void Verifier_References(Cible Table);

    class LecteurINI;
    struct EtatAnalyse;

    void Charger_Persos();
    void Charger_Fiefs();
    void Charger_Ressources();
    void Charger_Batiments();
    void Charger_Objets();
    void Charger_Decors();
    void Charger_Peuples();
    void Charger_Effets();
    void Charger_Races();
    void Appliquer_Defauts_Races(EtatAnalyse& Etat);
    void Trier_Bestiaire();
    void Calculer_Epoques_Objets();

    // Line parser of the item and race files.
    void Lire_Fichier_Parametres(const std::filesystem::path& Chemin, EtatAnalyse& Etat);
    void Analyser_Ligne(std::string_view Ligne, std::string& Section, std::int32_t& Rang, EtatAnalyse& Etat);
    void Ouvrir_Rang_Objet(std::int32_t Rang);
    void Ouvrir_Rang_Race(std::int32_t Rang);
    // Store one key of the current row; a key the table does not name is
    // ignored.
    void Affecter_Cle_Objet(std::string_view Cle, std::string_view CleEcrite, std::string_view Valeur,
                            std::int32_t Rang, EtatAnalyse& Etat);
    void Affecter_Cle_Race(std::string_view Cle, std::string_view CleEcrite, std::string_view Valeur,
                           std::int32_t Rang, EtatAnalyse& Etat);
    static std::string Nettoyer_Ligne(std::string_view Texte);
    static std::string Lire_Cle(std::string_view Texte);
    static std::string Lire_Valeur(std::string_view Texte);
    // Index in parentheses; nothing when the text between them is not a
    // whole number (the caller reports it). 0 when the key has none.
    static std::optional<std::int32_t> Lire_Indice(std::string_view Cle);
    static std::string Retirer_Indice(std::string_view Cle);

    DossierJeu* dossier_;
};
