// One character of the world: a player's hero, a villager, a soldier, a
// monster or a summoned creature. Holds its record, its orders, its items,
// characteristics, levels, competences, state and race. What happens to it
// tick by tick (movement, work, trade, combat) is written as member
// functions in the other ClsJeuPerso_*.cpp files.
//
// The public fields are declared in the order the world save lists them:
// keep that order when adding a field (add new ones at the end of the
// public block). The character reaches the world's arrays only through
// Main and by index; an invalid index means "no object".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "characters/ClsJeuObjet.h"

class ClsJeuBatiment;
class ClsJeuCommentaires;
class ClsJeuFief;
class ClsJeuParam;
class ClsJeuRessources;
class ClsJeuTresors;
class GenerateurLocal;
class ModMain;

// What a character is doing: its Action. The world save, the AI scripts
// and the network carry these numbers, so they never change. The hundreds
// group them: on the map, at home (100s), on the way into a building or to
// a treasure (200s), fighting (300s, see EnCombat), then raising the dead,
// making an item, preparing a service.
namespace Actions {
enum : std::int16_t {
    Attente = 0,
    Deplacer = 1,
    Recolter = 2,
    AllerA = 3,
    Construire = 6,
    AllerConstruire = 7,
    Repos = 100,
    RentrerMaison = 101,
    ProduireMaison = 102,
    Entrer = 201,
    RetournerChateau = 202,
    AllerChateau = 203,
    AllerTresor = 204,
    Donner = 205,
    Attaquer = 300,
    DetruireMaison = 301,
    DetruireChateau = 302,
    Ressusciter = 400,
    Fabriquer = 500,
    PreparerService = 600,
};
}  // namespace Actions

class ClsJeuPerso {
public:
    // Main may be null for a character that lives outside a world (the
    // setup window's display character, tests): it then has no fief, house
    // or summoner to update.
    explicit ClsJeuPerso(ModMain* Main = nullptr) : Main(Main) {}

    ModMain* Main = nullptr;

    // ======== Public fields, in the world save's order ========
    std::int32_t PositionX = 0;
    std::int32_t PositionY = 0;
    std::int32_t Vitesse = 0;
    std::int32_t VitesseTotale = 0;
    std::int16_t EtapeAnimation = 0;
    std::int16_t ApparenceBase = 0;
    std::int32_t DestinationX = 0;
    std::int32_t DestinationY = 0;
    std::int32_t NoMaison = 0;
    std::string Nom;
    std::int16_t Largeur = 0;
    std::int16_t Hauteur = 0;
    std::int32_t Equipe = 0;
    std::int32_t Camp = 0;
    std::int32_t Invocateur = -1;
    bool IA_Incommandable = false;
    std::int32_t DecalageFormationX = 0;
    std::int32_t DecalageFormationY = 0;
    std::int16_t Attitude = 0;
    std::int16_t Formation = 0;
    bool IA_Active = false;
    std::int32_t NombreInvocations = 0;
    std::int16_t Race = 0;
    bool Parole = false;
    bool Volant = false;
    bool Apparence = false;  // the race (or an item) fixes the sprite
    std::string FichierApparence;
    // Sprite set the display loaded from FichierApparence (the summoning and
    // file code call it IndiceApparence), then the sprite drawn this frame.
    std::int16_t ApparenceFichier = 0;
    std::int16_t ApparenceAffichee = 0;
    bool Sexe = false;  // true: feminine
    bool Experience = false;
    double DelaiResurrection = 0.0;
    bool ParoleSpecifique = false;
    std::int16_t CommentairesSpecifique = -1;
    double HeureCommentaire = 0.0;

    double Vie = 0.0;
    std::int32_t VieBase = 0;
    double ReserveVie = 0.0;
    double ExpVie = 0.0;
    std::int32_t NiveauVie = 0;
    double ExpNivVie = 0.0;
    double ExpNivPlusVie = 0.0;

    double Energie = 0.0;
    std::int32_t EnergieBase = 0;
    double ReserveEnergie = 0.0;
    double ExpEnergie = 0.0;
    std::int32_t NiveauEnergie = 0;
    double ExpNivEnergie = 0.0;
    double ExpNivPlusEnergie = 0.0;

    double Magie = 0.0;
    std::int32_t MagieBase = 0;
    double ReserveMagie = 0.0;
    double ExpMagie = 0.0;
    std::int32_t NiveauMagie = 0;
    double ExpNivMagie = 0.0;
    double ExpNivPlusMagie = 0.0;

    double Moral = 0.0;
    std::int32_t MoralBase = 0;
    double ReserveMoral = 0.0;
    double ExpMoral = 0.0;
    std::int32_t NiveauMoral = 0;
    double ExpNivMoral = 0.0;
    double ExpNivPlusMoral = 0.0;

    double Attaque = 0.0;
    std::int32_t AttaqueBase = 0;
    double ExpAttaque = 0.0;
    std::int32_t NiveauAttaque = 0;
    double ExpNivAttaque = 0.0;
    double ExpNivPlusAttaque = 0.0;
    std::int16_t PorteeAttaque = 0;
    std::int16_t EffetAttaque = -1;
    bool PremierCoup = false;
    bool Kamikaze = false;

    double Defense = 0.0;
    std::int32_t DefenseBase = 0;
    double ExpDefense = 0.0;
    std::int32_t NiveauDefense = 0;
    double ExpNivDefense = 0.0;
    double ExpNivPlusDefense = 0.0;
    std::int16_t Armure = 0;

    bool IA = false;
    std::string FichierIA;
    bool Equiper = false;
    bool IA_Manger = false;
    bool IA_Pacifique = false;
    bool IA_Temeraire = false;
    bool IA_Berserk = false;
    std::int16_t Suivre = 0;  // 0 follows its leader, 1 sent to a house, 2 to a castle
    std::int16_t IndiceIA = -1;
    bool Joueur = false;  // a local human player's character

    std::int16_t Action = Actions::Attente;
    std::int16_t Direction = 0;  // 0 standing, 1 up, 2 right, 3 down, 4 left
    double DureeImmobilisation = 0.0;
    bool DansMaisonCible = false;
    bool DansMaison = false;
    std::int32_t CibleMaison = 0;
    bool DansChateauCible = false;
    bool DansChateau = false;
    std::int32_t CibleRessource = 0;
    std::int32_t CibleChateau = 0;
    std::int32_t CiblePerso = 0;
    std::int32_t CibleTresor = 0;
    std::int32_t RessourceEnCours = -1;
    std::int32_t ServiceEnCours = 0;  // service being prepared (from 1)

    float CoefVie = 1.0f;
    float CoefEnergie = 1.0f;
    float CoefMagie = 1.0f;
    float CoefMoral = 1.0f;
    float CoefAttaque = 1.0f;
    float CoefDefense = 1.0f;

    std::int16_t ObjetEnCours = 0;
    std::int16_t IndiceObjetSelectionne = -1;
    double ProgressionFabrication = 0.0;

    // ======== Public fields the world save does not keep ========
    bool EnMarche = false;
    double ArgentSelectionne = 0.0;
    bool SelectionRessources = false;
    double CoefVitesse = 0.0;  // fatigue factor, 0.1 to 1, 0 when dead
    std::int32_t LongueurPas = 0;
    std::int16_t PasDiagonalA = 0;
    std::int16_t PasDiagonalB = 0;
    std::int32_t FragsPersos = 0;
    std::int32_t FragsMaisons = 0;
    std::int32_t FragsChateaux = 0;
    std::int32_t Morts = 0;
    // Above 0 for a character loaded from a character file (a hero): it
    // keeps its own name across race changes and is saved at game end.
    std::int32_t PersoFichier = 0;
    // The file the character comes from already says what it carries (a
    // saved world, a scenario's items): the game start gives it no race
    // equipment. Read only there, so neither saved nor hashed.
    bool EquipementDecrit = false;
    std::int32_t NiveauObjetsDepart = 0;  // reference level of item scaling
    std::int16_t CapaciteEnAttente = -1;  // item whose ability waits for the abilities step
    float VitesseRegenerationVie = 0.0f;
    float VitesseRegenerationEnergie = 0.0f;
    float VitesseRegenerationMagie = 0.0f;
    float VitesseRegenerationMoral = 0.0f;
    float RegenerationVie = 0.0f;
    float RegenerationEnergie = 0.0f;
    float RegenerationMagie = 0.0f;
    float RegenerationMoral = 0.0f;
    // Resource and quantity one blow consumes (ammunition).
    std::int16_t RessourceAttaque = 0;
    double CoutAttaque = 0.0;
    // Item types that found no room (full inventory, displaced by another
    // item, race equipment, restoration, a cleared selection) and wait to be
    // put on the ground as a treasure at the character's position. Nothing
    // an item operation cannot place is ever destroyed.
    std::vector<std::int16_t> ObjetsEnAttenteSol;

    // ======== Record and orders (ClsJeuPerso.cpp) ========
    // Resets the object to a fresh character of slot Indice. The sprite and
    // walk step are drawn from the machine's own generator (Main's, or
    // Generateur), never from the game's random source.
    void Init(std::int32_t Indice, const ClsJeuParam& Parametres);
    void Init(std::int32_t Indice, const ClsJeuParam& Parametres, GenerateurLocal& Generateur);
    void Init_Carac(const ClsJeuParam& Parametres);

    void Aller_A(std::int32_t X, std::int32_t Y);
    void Arreter();
    void Rentrer_Maison(const ClsJeuBatiment& Maison);
    void Aller_Maison(const ClsJeuBatiment& Maison);
    void Rentrer_Chateau(const ClsJeuBatiment& Chateau);
    void Aller_Chateau(const ClsJeuBatiment& Chateau, std::int32_t Indice);
    void Aller_Ressource(const ClsJeuRessources& Ressource, std::int32_t Indice, std::int32_t Largeur,
                         std::int32_t Hauteur);
    void Aller_Tresor(const ClsJeuTresors& Tresor, std::int32_t Indice, std::int32_t Largeur,
                      std::int32_t Hauteur);
    void Aller_Donner(std::int32_t Indice, std::int16_t TypeObjet);
    void Attaquer_Perso(std::int32_t Indice);
    void Attaquer_Maison(std::int32_t Indice);
    void Attaquer_Chateau(std::int32_t Indice);

    // French label of the current action code.
    std::string Definir_Action() const;
    static std::string Libelle_Action(std::int16_t Code);

    // Carried resources: 0 for a negative or unknown kind; the setter keeps
    // the value between 0 and the carrying capacity.
    double Definir_Ressources(std::int32_t Index) const;
    void Definir_Ressources(std::int32_t Index, double Valeur);
    std::int32_t Nombre_Ressources() const { return static_cast<std::int32_t>(Ressources.size()); }

    // ======== Item slots (ClsJeuPerso_Objets.cpp) ========
    void Objet_Ajouter_Inventaire(std::int16_t IndiceObjet, const ClsJeuParam& Parametres,
                                  ClsJeuCommentaires& Commentaires, bool NouveauObjet = false);
    bool Inventaire_Plein() const;
    std::int16_t Objet_NombreType(std::int32_t NumeroObjet) const;
    bool Objet_Posseder(std::int32_t NumeroObjet) const { return Objet_NombreType(NumeroObjet) >= 1; }
    void Objet_Equipes_Detruire(std::int16_t NumeroObjet);
    void Objet_Equipes_Vider_Tout();
    void Objet_Inventaire_Detruire(std::int16_t NumeroObjet);
    void Objet_Inventaire_Vider_Tout();
    void Objet_Equipe_Charger(std::int16_t i, std::int16_t IndiceObjet, const ClsJeuParam& Parametres);
    void Objet_Inventaire_Charger(std::int16_t i, std::int16_t IndiceObjet, const ClsJeuParam& Parametres);
    void Objet_Ranger(std::int16_t NumeroObjet, const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires);
    void Objet_Ranger_Armes(ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres);
    std::int16_t Effet_Attaque() const;

    // Slot accessors; an index outside the row reads as an empty slot and
    // a write there does nothing.
    std::int16_t Nombre_Objets_Inventaire() const { return static_cast<std::int16_t>(ObjetsInventaire.size()); }
    std::int16_t Nombre_Objets_Equipes() const { return static_cast<std::int16_t>(ObjetsEquipes.size()); }
    std::int16_t Objet_Inventaire_Apparence(std::int16_t Indice) const;
    std::int16_t Objet_Equipes_Apparence(std::int16_t Indice) const;
    bool Objet_Inventaire_Actif(std::int16_t Indice) const;
    void Objet_Inventaire_Actif(std::int16_t Indice, bool Valeur);
    bool Objet_Equipes_Actif(std::int16_t Indice) const;
    void Objet_Equipes_Actif(std::int16_t Indice, bool Valeur);
    std::int16_t Objet_Inventaire_Categorie(std::int16_t Indice) const;
    void Objet_Inventaire_Categorie(std::int16_t Indice, std::int16_t Valeur);
    std::int16_t Objet_Equipes_Categorie(std::int16_t Indice) const;
    void Objet_Equipes_Categorie(std::int16_t Indice, std::int16_t Valeur);
    std::int16_t Objet_Inventaire_Type(std::int16_t NumeroObjet) const;
    void Objet_Inventaire_Type(std::int16_t NumeroObjet, std::int16_t Valeur);
    std::int16_t Objet_Equipes_Type(std::int16_t NumeroObjet) const;
    void Objet_Equipes_Type(std::int16_t NumeroObjet, std::int16_t Valeur);
    std::int16_t Objet_Equipes_Competence(std::int16_t NumeroObjet) const;
    bool Objet_Equipes_Indestructible(std::int16_t NumeroObjet) const;
    bool Objet_Inventaire_Indestructible(std::int16_t NumeroObjet) const;
    bool Objet_Equipes_2_Mains() const;
    // Read-only view of one slot (empty slot outside the row).
    const ClsJeuObjet& Objet_Equipe(std::int16_t Indice) const;
    const ClsJeuObjet& Objet_Inventaire(std::int16_t Indice) const;

    // ======== Equipping and bonuses (ClsJeuPerso_Bonus.cpp) ========
    bool Objet_Equiper(std::int16_t Indice, const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires,
                       bool Inventaire, bool SecondEmplacement);
    void Ajuster_Bonus();
    void Actualiser_Bonus();
    std::int16_t Objet_Equipe_BonusSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const;
    float Objet_Equipe_GainSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const;
    std::int16_t Objet_Equipe_PorteeSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const;
    std::int16_t Objet_Equipe_SurfaceSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const;
    std::int16_t Objet_Equipe_ArmureSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const;

    // Values the per-tick step and combat read.
    std::int16_t Definir_SurfaceAttaque() const { return SurfaceAttaqueTotale; }
    double Definir_CoutCoupVie() const { return CoutCoupVie; }
    double Definir_CoutCoupEnergie() const { return CoutCoupEnergie; }
    double Definir_CoutCoupMagie() const { return CoutCoupMagie; }
    double Definir_CoutCoupMoral() const { return CoutCoupMoral; }
    double Definir_CoutCoupArgent() const { return CoutCoupArgent; }
    bool Definir_GainsObjets() const { return GainsObjets; }
    float Definir_GainArgentObjets() const { return GainArgentObjets; }
    float Definir_GainRessourcesObjets(std::int32_t Index) const;

    // ======== Characteristics (ClsJeuPerso_Carac.cpp) ========
    // Maxima with items; setting one sets the base (used from the next
    // Actualiser_Bonus on).
    double Definir_MaxVie() const { return VieMax; }
    void Definir_MaxVie(double Valeur);
    double Definir_MaxEnergie() const { return EnergieMax; }
    void Definir_MaxEnergie(double Valeur);
    double Definir_MaxMagie() const { return MagieMax; }
    void Definir_MaxMagie(double Valeur);
    double Definir_MaxMoral() const { return MoralMax; }
    void Definir_MaxMoral(double Valeur);
    double Definir_MaxAttaque() const { return AttaqueMax; }
    void Definir_MaxAttaque(double Valeur);
    double Definir_MaxDefense() const { return DefenseMax; }
    void Definir_MaxDefense(double Valeur);

    double Definir_BonusVie() const;
    double Definir_BonusEnergie() const;
    double Definir_BonusMagie() const;
    double Definir_BonusMoral() const;
    double Definir_BonusAttaque() const;
    double Definir_BonusDefense() const;

    // Current value plus what is still being regained, within the maximum.
    // The setters train the characteristic on every loss.
    double Definir_Vie() const;
    void Definir_Vie(double Valeur);
    double Definir_Energie() const;
    void Definir_Energie(double Valeur);
    double Definir_Magie() const;
    void Definir_Magie(double Valeur);
    double Definir_Moral() const;
    void Definir_Moral(double Valeur);
    double Definir_Attaque() const { return Attaque; }
    void Definir_Attaque(double Valeur);
    double Definir_Defense() const { return Defense; }
    void Definir_Defense(double Valeur);

    double Definir_PorteeAttaque() const { return PorteeAttaqueTotale; }
    double Definir_BonusDeplacement() const { return static_cast<double>(VitesseTotale) - Vitesse; }
    std::int16_t Definir_Armure() const { return ArmureTotale; }
    bool Inactif() const { return Action == Actions::Attente || Action == Actions::Repos; }
    void Calculer_Coef_Vitesse();

    // ======== Levels and experience (ClsJeuPerso_Niveaux.cpp) ========
    void Gestion_Tous_Niveaux();
    void Gestion_Niveau_Comp_Speciale(std::int16_t Numero, double Valeur, const ClsJeuParam& Parametres);
    void Gestion_Niveau_Prime(double Valeur, const ClsJeuParam& Parametres);
    std::int16_t Prix_Marchandee(double Prix, const ClsJeuParam& Parametres) const;
    double Progression_Vie() const;
    double Progression_energie() const;
    double Progression_Magie() const;
    double Progression_Moral() const;
    double Progression_Attaque() const;
    double Progression_Defense() const;
    double Progression_CompetenceSpeciale(std::int16_t Index) const;
    double Progression_CompetenceRessource(std::int16_t Index) const;
    double Progression_CompetenceService(std::int16_t Index) const;
    double Progression_CompetenceObjet(std::int16_t Index) const;
    // Experience for one competence family element (categories 6 to 9 of
    // the level table); the work, trade and combat code trains through it.
    void Gagner_Experience_CompetenceSpeciale(std::int32_t Index, double Valeur);
    void Gagner_Experience_CompetenceRessource(std::int32_t Index, double Valeur);
    void Gagner_Experience_CompetenceService(std::int32_t Index, double Valeur);
    void Gagner_Experience_CompetenceObjet(std::int32_t Index, double Valeur);

    // ======== Competences (ClsJeuPerso_Competences.cpp) ========
    // Accessors exchange 16-bit values over 32-bit arrays (low 16 bits
    // read, sign-extended write). Outside its family an index reads 0 and a
    // write does nothing.
    std::int16_t Nombre_CompetencesSpeciales() const { return static_cast<std::int16_t>(CaracSpeciales.size()); }
    std::int16_t Nombre_CompetencesRessources() const { return static_cast<std::int16_t>(CaracRessources.size()); }
    std::int16_t Nombre_CompetencesServices() const { return static_cast<std::int16_t>(CaracServices.size()); }
    std::int16_t Nombre_CompetencesObjets() const { return static_cast<std::int16_t>(CaracObjets.size()); }

    double Definir_ExpSpeciales(std::int32_t Index) const;
    void Definir_ExpSpeciales(std::int32_t Index, double Valeur);
    double Definir_ExpRessources(std::int32_t Index) const;
    void Definir_ExpRessources(std::int32_t Index, double Valeur);
    double Definir_ExpServices(std::int32_t Index) const;
    void Definir_ExpServices(std::int32_t Index, double Valeur);
    double Definir_ExpObjets(std::int32_t Index) const;
    void Definir_ExpObjets(std::int32_t Index, double Valeur);

    double Definir_ExpNivSpeciales(std::int32_t Index) const;
    void Definir_ExpNivSpeciales(std::int32_t Index, double Valeur);
    double Definir_ExpNivRessources(std::int32_t Index) const;
    void Definir_ExpNivRessources(std::int32_t Index, double Valeur);
    double Definir_ExpNivServices(std::int32_t Index) const;
    void Definir_ExpNivServices(std::int32_t Index, double Valeur);
    double Definir_ExpNivObjets(std::int32_t Index) const;
    void Definir_ExpNivObjets(std::int32_t Index, double Valeur);

    double Definir_ExpNivPlusSpeciales(std::int32_t Index) const;
    void Definir_ExpNivPlusSpeciales(std::int32_t Index, double Valeur);
    double Definir_ExpNivPlusRessources(std::int32_t Index) const;
    void Definir_ExpNivPlusRessources(std::int32_t Index, double Valeur);
    double Definir_ExpNivPlusServices(std::int32_t Index) const;
    void Definir_ExpNivPlusServices(std::int32_t Index, double Valeur);
    double Definir_ExpNivPlusObjets(std::int32_t Index) const;
    void Definir_ExpNivPlusObjets(std::int32_t Index, double Valeur);

    std::int16_t Definir_Niveau_CompetenceSpeciales(std::int32_t Index) const;
    std::int16_t Definir_Niveau_CompetenceRessources(std::int32_t Index) const;
    std::int16_t Definir_Niveau_CompetenceServices(std::int32_t Index) const;
    std::int16_t Definir_Niveau_CompetenceObjets(std::int32_t Index) const;

    std::int16_t Niveau_CompetenceSpeciales(std::int32_t Index) const;
    void Niveau_CompetenceSpeciales(std::int32_t Index, std::int16_t Valeur);
    std::int16_t Niveau_CompetenceRessources(std::int32_t Index) const;
    void Niveau_CompetenceRessources(std::int32_t Index, std::int16_t Valeur);
    std::int16_t Niveau_CompetenceServices(std::int32_t Index) const;
    void Niveau_CompetenceServices(std::int32_t Index, std::int16_t Valeur);
    std::int16_t Niveau_CompetenceObjets(std::int32_t Index) const;
    void Niveau_CompetenceObjets(std::int32_t Index, std::int16_t Valeur);

    std::int16_t Definir_Carac_CompetenceSpeciales(std::int32_t Index) const;
    void Definir_Carac_CompetenceSpeciales(std::int32_t Index, std::int16_t Valeur);
    std::int32_t Definir_Carac_Ressources(std::int32_t Index) const;
    void Definir_Carac_Ressources(std::int32_t Index, std::int32_t Valeur);
    std::int16_t Definir_Carac_CompetenceServices(std::int32_t Index) const;
    void Definir_Carac_CompetenceServices(std::int32_t Index, std::int16_t Valeur);
    std::int16_t Definir_Carac_CompetenceObjets(std::int32_t Index) const;
    void Definir_Carac_CompetenceObjets(std::int32_t Index, std::int16_t Valeur);

    bool Bonus_CompetenceSpeciales(std::int32_t Index) const;
    bool Bonus_CompetenceRessources(std::int32_t Index) const;
    bool Bonus_CompetenceServices(std::int32_t Index) const;
    bool Bonus_CompetenceObjets(std::int32_t Index) const;

    float Definir_CoefRaceCompSpeciales(std::int16_t Index) const;
    void Definir_CoefRaceCompSpeciales(std::int16_t Index, float Valeur);
    float Definir_CoefRaceCompRessources(std::int16_t Index) const;
    void Definir_CoefRaceCompRessources(std::int16_t Index, float Valeur);
    float Definir_CoefRaceCompServices(std::int16_t Index) const;
    void Definir_CoefRaceCompServices(std::int16_t Index, float Valeur);
    float Definir_CoefRaceCompObjets(std::int16_t Index) const;
    void Definir_CoefRaceCompObjets(std::int16_t Index, float Valeur);

    // Carrying capacity of a resource, item bonus included.
    double Definir_MaxRessources(std::int32_t Index) const;
    void Definir_MaxRessources(std::int32_t Index, double Valeur);
    std::int32_t Definir_BonusMaxRessources() const { return BonusMaxRessources; }

    std::int32_t Definir_Min_Competence(std::int16_t Categorie = 0) const;
    double Definir_Moy_Competence(std::int16_t Categorie = 0) const;
    std::int32_t Definir_Max_Competence(std::int16_t Categorie = 0) const;
    double Niveau() const;
    std::int16_t Defnir_Score_Tresor() const;
    std::string Metier(const ClsJeuParam& Parametres) const;

    // ======== State (ClsJeuPerso_Etat.cpp) ========
    bool Vivant() const { return Vie > 0.0; }
    // False: death (counted once, only for a living character). True:
    // resurrection (counted once, only for a dead one).
    void Vivant(bool Valeur);
    bool Visible() const { return !(DansChateau || DansChateauCible || DansMaison || DansMaisonCible); }
    void Visible(bool Valeur);
    bool Attaquable() const { return Vivant() && Visible(); }
    bool EnCombat() const { return Action >= 300 && Action < 400; }
    bool Invocation() const { return Invocateur >= 0; }

    double Definir_Argent() const { return Argent; }
    void Definir_Argent(double Valeur);
    double Definir_DureeImmobilisation() const { return DureeImmobilisation; }
    void Definir_DureeImmobilisation(double Valeur);
    const std::string& Definir_Commentaires() const { return Commentaire; }
    // Shows a line unless another is showing; "" clears. The time stamp is
    // Main's clock reading (0 without a world), or Heure.
    void Definir_Commentaires(const std::string& Valeur);
    void Definir_Commentaires(const std::string& Valeur, double Heure);

    std::int16_t Nombre_de_lignes_du_bestiaire() const { return static_cast<std::int16_t>(Bestiaire.size()); }
    std::int32_t Definir_Bestiaire(std::int16_t Index) const;
    void Definir_Bestiaire(std::int16_t Index, std::int32_t Valeur);
    std::int32_t Definir_Bestiaire_Total() const;

    // Sprite drawn: the race's, else the body item's, else the finished
    // house's trade look, else the character's own.
    void Calculer_Apparence(const ClsJeuBatiment& Maison, const ClsJeuParam& Parametres);
    // The same with the character's own house looked up in Main (no house
    // when there is no world or the index is invalid).
    void Calculer_Apparence(const ClsJeuParam& Parametres);
    void Calculer_Longueur_Pas();
    // The two legs of a diagonal step, from LongueurPas alone.
    void Calculer_Pas_Diagonaux();

    // ======== Race (ClsJeuPerso_Race.cpp) ========
    void Changer_Race_Personnage(std::int32_t Indice, const ClsJeuParam& Parametres, bool SansEquipement = false);
    void Changer_Race_Personnage_Equipement(const ClsJeuParam& Parametres);
    void Changer_Attitude();
    void Changer_Formation();
    bool Definir_RestaurationComplete() const { return RestaurationComplete; }

private:
    // ---- Record ----
    std::string Commentaire;
    double Argent = 0.0;
    std::vector<double> Ressources;
    std::vector<double> RessourcesSelectionnees;
    bool RestaurationComplete = false;
    std::vector<std::int32_t> Bestiaire;

    // ---- Items ----
    std::vector<ClsJeuObjet> ObjetsEquipes;
    std::vector<ClsJeuObjet> ObjetsInventaire;

    // ---- Maxima and what the equipped items give ----
    std::int32_t VieMax = 0;
    std::int32_t EnergieMax = 0;
    std::int32_t MagieMax = 0;
    std::int32_t MoralMax = 0;
    std::int32_t AttaqueMax = 0;
    std::int32_t DefenseMax = 0;
    std::int16_t SurfaceAttaqueBase = 0;
    std::int16_t SurfaceAttaqueTotale = 0;
    std::int16_t PorteeAttaqueTotale = 0;
    double CoutCoupVie = 0.0;
    double CoutCoupEnergie = 0.0;
    double CoutCoupMagie = 0.0;
    double CoutCoupMoral = 0.0;
    double CoutCoupArgent = 0.0;
    std::int16_t ArmureTotale = 0;
    bool GainsObjets = false;
    float GainArgentObjets = 0.0f;
    std::vector<float> GainRessourcesObjets;

    // ---- Competences, in their declared order ----
    std::vector<std::int32_t> CaracRessources;
    std::int32_t BonusMaxRessources = 0;
    std::vector<std::int32_t> CaracSpeciales;
    std::vector<double> ExpSpeciales;
    std::vector<std::int32_t> NiveauSpeciales;
    std::vector<std::int32_t> NiveauEffectifSpeciales;
    std::vector<double> ExpNivSpeciales;
    std::vector<double> ExpNivPlusSpeciales;
    std::vector<double> ExpRessources;
    std::vector<std::int32_t> NiveauRessources;
    std::vector<std::int32_t> NiveauEffectifRessources;
    std::vector<double> ExpNivRessources;
    std::vector<double> ExpNivPlusRessources;
    std::vector<std::int32_t> CaracServices;
    std::vector<double> ExpServices;
    std::vector<std::int32_t> NiveauServices;
    std::vector<std::int32_t> NiveauEffectifServices;
    std::vector<double> ExpNivServices;
    std::vector<double> ExpNivPlusServices;
    std::vector<std::int32_t> CaracObjets;
    std::vector<double> ExpObjets;
    std::vector<std::int32_t> NiveauObjets;
    std::vector<std::int32_t> NiveauEffectifObjets;
    std::vector<double> ExpNivObjets;
    std::vector<double> ExpNivPlusObjets;
    std::vector<float> CoefRaceCompSpeciales;
    std::vector<float> CoefRaceCompRessources;
    std::vector<float> CoefRaceCompServices;
    std::vector<float> CoefRaceCompObjets;

    // Rules values the Parts read without being handed the rules: set by
    // Init (the rules live as long as the program).
    const ClsJeuParam* Regles = nullptr;
    std::int32_t MaxRessourcesDepart = 0;  // PersosMaxRessources

    // ---- Helpers ----
    bool Emplacement_Equipement(std::int16_t IndiceObjet, const ClsJeuParam& Parametres) const;
    // Puts an item into the first free inventory slot; without room the
    // item waits for the ground (never lost). Returns the slot, -1 when none.
    std::int16_t Objet_Placer_Inventaire(std::int16_t IndiceObjet, const ClsJeuParam& Parametres,
                                         bool NouveauObjet);
    void Objet_Poser_Sol(std::int16_t IndiceObjet);
    // The equipping half of Objet_Equiper (items that are not used): it
    // never speaks, so it needs no speech source.
    bool Objet_Porter(std::int16_t Indice, const ClsJeuParam& Parametres, bool Inventaire, bool SecondEmplacement);
    // The level routine: adds experience and raises as many levels as it
    // reaches, each followed by Actualiser_Bonus.
    void Gagner_Experience(std::int32_t& Compteur, double Valeur, double& Exp, std::int32_t& Niveau,
                           double& ExpNiv, double& ExpNivPlus, std::int16_t Categorie);
public:
    // Which bonus of an equipped item a training looks at.
    enum class GenreBonus : std::int16_t { Vie, Energie, Magie, Moral, Attaque, Defense, Speciale, Ressource, Service, Objet };
    // Gives Valeur experience to the item competence of every equipped slot
    // whose bonus of that kind (element Index of a competence list) is above
    // 0; the work, trade and combat code trains items through it.
    void Entrainer_Objets(GenreBonus Genre, std::int32_t Index, double Valeur, std::int16_t Categorie = 8);

private:
    void Mourir();
    void Ressusciter_Etat();
    // Appearance from a house's state (finished flag and building type).
    void Calculer_Apparence_Maison(bool MaisonAchevee, std::int32_t TypeBatiment, const ClsJeuParam& Parametres);
    double Heure_Actuelle() const;

    // ======== Economy (ClsJeuPerso_Recuperation.cpp, ClsJeuPerso_Travail.cpp,
    // ClsJeuPerso_Commerce.cpp, ClsJeuPerso_Selection.cpp) ========
public:
    // ---- Recovery and eating ----
    // One tick of upkeep: reserves flow in, attack and defence refill, the
    // regeneration and the items' gains are added; a dead character waiting
    // in its castle counts down to its resurrection. Items waiting for the
    // ground are dropped here at the latest.
    void Recuperation(ClsJeuFief& Fief);
    void Recuperer_AutoVie(const ClsJeuParam& Parametres);
    void Recuperer_AutoEnergie(const ClsJeuParam& Parametres);
    void Recuperer_AutoMagie(const ClsJeuParam& Parametres);
    void Recuperer_AutoMoral(const ClsJeuParam& Parametres);
    // Eats the first edible kind that refills that characteristic, as many
    // units as fit under the maximum (the first always).
    void Recuperer_Vie(const ClsJeuParam& Parametres);
    void Recuperer_Energie(const ClsJeuParam& Parametres);
    void Recuperer_Magie(const ClsJeuParam& Parametres);
    void Recuperer_Moral(const ClsJeuParam& Parametres);
    void Manger_Ressources(std::int16_t Index, const ClsJeuParam& Parametres);
    // Maximum with items over base maximum of characteristic Numero (0 Vie,
    // 1 Energie, 2 Magie, 3 Moral); 0 for any other Numero.
    double Manger_Ressources_Coef(std::int16_t Numero) const;

    // ---- Work, one tick each; Code is the speech code handed back to the
    // tick: 0 no more room or item finished, 1 raw material missing ----
    // Harvesting at a deposit (action 2: the deposit Ressources(CibleRessource)
    // loses what is harvested and stops the work once exhausted) or
    // producing at home.
    void Recolter_Ressources(std::int32_t Index, ClsJeuBatiment& Maison, std::int16_t& Code,
                             const ClsJeuParam& Parametres);
    void Preparer_Service(ClsJeuBatiment& Maison, std::int16_t& Code, const ClsJeuParam& Parametres);
    void Batir_Maison(ClsJeuFief& Fief, ClsJeuBatiment& Chateau, ClsJeuBatiment& Maison,
                      const ClsJeuParam& Parametres);
    bool PeutConstruire_Maison(std::int32_t IndiceMaison, const ClsJeuParam& Parametres) const;
    void Creer_Objet(std::int16_t NumeroObjet, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres);
    // One tick of crafting item ObjetEnCours in the character's own house.
    void Fabriquer_Etape(const ClsJeuParam& Parametres, ClsJeuBatiment& Maison, std::int16_t& Code);

    // ---- Item trade and transfer ----
    // Indice is a position in the house type's list of made items. With
    // ObjetInventaire, NumeroObjet is an inventory slot, else an item type
    // (the selected item).
    bool PeutConstruire_Objet(std::int16_t Indice, const ClsJeuBatiment& Maison, const ClsJeuParam& Parametres) const;
    // Pays only when the house holds the item, the inventory has room and
    // the price is above 0 and within the character's money.
    void Objet_Acheter_Maison(std::int16_t Indice, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres,
                              ClsJeuCommentaires& Commentaires);
    void Objet_Ramasser_Maison(std::int16_t Indice, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres,
                               ClsJeuCommentaires& Commentaires);
    void Objet_Deposer_Maison(std::int16_t NumeroObjet, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres,
                              bool ObjetInventaire);
    // One treasure at the character's position with the item and the whole
    // selection of money and resources. An inseparable item stays put and
    // nothing else changes.
    void Objet_Deposer_Sol(std::int16_t NumeroObjet, bool ObjetInventaire = false);
    void Objet_Vendre_Chateau(std::int16_t NumeroObjet, ClsJeuFief& Fief, const ClsJeuParam& Parametres,
                              bool ObjetInventaire);

    // ---- Selection of money, resources and an item to give or drop ----
    bool Definir_ObjetSelectionne() const;
    // False clears the selection; a selected item goes back to the
    // inventory, or to the ground when there is no room. True does nothing.
    void Definir_ObjetSelectionne(bool Valeur);
    double Definir_RessourcesSelectionnes(std::int16_t Index) const;
    void Definir_RessourcesSelectionnes(std::int16_t Index, double Valeur);
    void Argent_Prendre(double Valeur, bool Tout);
    void Ressources_Prendre(std::int16_t Index, double Valeur, bool Tout);
    // Cuts the selection to what the character holds.
    void Ressources_Verifications();
    // Hands the selected money and resources to Cible (the tick calls it
    // when the giver reaches its target).
    void Donner_Selection(ClsJeuPerso& Cible);
    // Drops the selected money and resources into treasure Indice, or into
    // a new one at the character's position when Indice is -1.
    void Ressources_Deposer_Sol(std::int32_t Indice);

    // Puts the items of ObjetsEnAttenteSol into one treasure at the
    // character's position (nothing without a world).
    void Poser_Objets_En_Attente_Sol();

private:
    void Appliquer_Gains();
    // ======== End of the economy block ========

    // ======== Tick, combat and state hash (ClsJeuPerso_Deplacement.cpp,
    // ClsJeuPerso_Hachage.cpp) ========
public:
    // One tick of the action state machine: follow the target, strike or
    // give on contact, count an immobilisation down, take one step, or do
    // the work of the action at the destination. The targets are the
    // elements at CibleRessource, CiblePerso, CibleMaison, CibleChateau and
    // Equipe; null where that index names no object. Code: the speech code
    // the work hands back (the caller sets -1 first).
    void Deplacement(ClsJeuRessources* Ressource, ClsJeuPerso* Perso, ClsJeuBatiment* Maison,
                     ClsJeuBatiment* Chateau, ClsJeuFief* Fief, std::int16_t& Code, ClsJeuCommentaires& Commentaires,
                     const ClsJeuParam& Parametres);
    // Feeds every field of the record, in a fixed order, to the game-state
    // hash (the speech line, local to one machine, excepted): the saved
    // fields from the save's own list, then what the load works out again.
    void Hacher(class HacheurEtat& Hacheur, const ClsJeuParam& Parametres, const struct ComptesMonde& Comptes) const;

private:
    // The phases of Deplacement, in the order it runs them.
    void Viser(double X, double Y, double L, double H);
    void Suivre_Cible(ClsJeuPerso* Perso, ClsJeuBatiment*& Maison, ClsJeuBatiment*& Chateau,
                      ClsJeuCommentaires& Commentaires);
    bool Contact_Cible(const ClsJeuPerso* Perso, const ClsJeuBatiment* Maison, const ClsJeuBatiment* Chateau) const;
    void Donner_Au_Contact(ClsJeuPerso& Perso, ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres);
    void Frapper_Au_Contact(ClsJeuPerso* Perso, ClsJeuBatiment* Maison, ClsJeuBatiment* Chateau,
                            ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres);
    // False when the character is already at its destination.
    bool Faire_Un_Pas(ClsJeuBatiment* Maison);
    void Arriver_A_Destination();
    void Travailler_A_Destination(ClsJeuRessources* Ressource, ClsJeuBatiment* Maison, ClsJeuBatiment* Chateau,
                                  ClsJeuFief* Fief, std::int16_t& Code, ClsJeuCommentaires& Commentaires,
                                  const ClsJeuParam& Parametres);
    void Rester_Mort_A_Destination(const ClsJeuBatiment* Maison, const ClsJeuBatiment* Chateau);
    void Animer_Marche();
    // ======== End of the tick and combat block ========
};
