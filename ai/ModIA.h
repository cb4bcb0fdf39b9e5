// The built-in AI of the characters: its per-character tables, and the
// behaviours the rules of play call on their own (a fleeing character
// wandering off, a freshly summoned berserk creature attacking anything),
// with the nearest-target searches and attack orders they rest on.
//
// The tables live as long as the program, indexed by character, and grow
// with Persos. The scheduler, the per-character decision, the idle
// behaviours, the needs, collecting and the supply searches follow in
// their own blocks (ModIA_*.cpp), with the economy AI and the executor of
// the AI scripts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ClsJeuPerso;
class ModMain;

class ModIA {
public:
    explicit ModIA(ModMain& Main) : Main(Main) {}
    ModIA(const ModIA&) = delete;
    ModIA& operator=(const ModIA&) = delete;

    // ---- Per-character tables, indices 0 to DernierPerso ----
    std::vector<std::int32_t> DistanceRecherche;
    std::vector<std::int32_t> RayonTresor;
    std::vector<std::int32_t> RayonPerso;
    std::vector<std::int32_t> RayonMaison;
    std::vector<std::int32_t> RayonChateau;
    std::vector<std::int32_t> CurseurMaison;
    std::vector<std::int32_t> CurseurPerso;
    std::vector<std::int32_t> CurseurMaisonEnnemie;
    std::vector<std::int32_t> CurseurChateau;
    std::vector<std::int16_t> TypeMaisonVoulue;
    std::vector<std::int16_t> RessourceVoulue;
    std::vector<std::int16_t> ObjetVoulu;
    std::vector<std::int16_t> QuantiteVoulue;
    // The quantity of the pending item, kept apart: the resources the item
    // costs become pending goals of their own and set QuantiteVoulue.
    std::vector<std::int16_t> QuantiteObjetVoulue;
    std::vector<bool> CourseFaite;

    // ---- Module values ----
    std::int32_t DernierPerso = -1;
    // The scheduler serves PersosParTour + 1 characters a tick; a radius
    // search examines NombreParRecherche + 1 entries a call.
    std::int32_t PersosParTour = 1;
    std::int32_t NombreParRecherche = 1;

    // Sizes every table to n characters, keeping what they hold (new
    // entries are 0), and recomputes the per-tick counts.
    void Redimensionner_Tableaux_IA(std::int32_t n);

    // Character i walks to a random point up to 64 cells aside and 48 up or
    // down, kept on the map. Two draws of the game's random source.
    void Aller_Au_Hasard(std::int32_t i);
    // Character i attacks the nearest enemy character, else castle, else
    // house; with none left anywhere it dies.
    void Attaquer_Tout(std::int32_t i);

    // Nearest enemy of character i (alive and outside any building, or a
    // standing building); -1 when none. Ties keep the lower index.
    std::int32_t Chercher_Perso_Proche(std::int32_t i) const;
    std::int32_t Chercher_Maison_Proche(std::int32_t i) const;
    std::int32_t Chercher_Chateau_Proche(std::int32_t i) const;
    // Character i attacks the nearest enemy, or with EnGroupe sends its
    // creatures at it (the two choices go to the group order; the third is
    // not read by it).
    void Attaquer_Perso_Proche(std::int32_t i, bool EnGroupe, bool Choix1 = false, bool Choix2 = false,
                               bool Choix3 = false);
    void Attaquer_Maison_Proche(std::int32_t i, bool EnGroupe, bool Choix1 = false, bool Choix2 = false,
                                bool Choix3 = false);
    void Attaquer_Chateau_Proche(std::int32_t i, bool EnGroupe, bool Choix1 = false, bool Choix2 = false,
                                 bool Choix3 = false);

    // ======== The scheduler and the per-character decision (ModIA_Decision.cpp) ========
    // The scheduler's place: the character it handled last. Like the tables
    // it is kept from one game to the next and only wraps.
    std::int32_t CurseurIA = 0;
    // Shared result cell of the supply-building and treasure searches.
    std::int32_t IndiceTrouve = 0;
    // Margin around each fief's castle within which building sites are drawn.
    std::vector<std::int32_t> RayonEmplacement;
    // Inventory-slot cursor shared by every character (equipment passes).
    std::int16_t EmplacementAleatoire = 0;
    // Highest building level of the rules; never lowered.
    std::int16_t NiveauMaxBatiment = 0;

    // Set-up of a game, once the world, its characters and their scripts
    // exist: sizes the tables (contents kept) and resets the entries a new
    // game starts from.
    void Initialiser_IA();
    // One AI step: PersosParTour + 1 characters, in turn, decide.
    void Gestion_IA();
    // The fiefs' market and the castles' repair of one tick.
    void Gestion_Fiefs();
    // What character i does on its AI turn.
    void Gestion_IA_Perso(std::int32_t i);

    // ======== Idle behaviours (ModIA_Comportements.cpp) ========
    // One random idle choice: wander, go home to the castle, follow the
    // master, or (unless peaceful) attack what a radius search finds.
    void Patrouiller(std::int32_t i);
    // One turn of guard duty of a summoned creature at its house
    // (Chateau false) or its castle.
    void Garder_Batiment(std::int32_t i, bool Chateau);

    // ======== Radius searches (ModIA_Recherches.cpp) ========
    // Each examines NombreParRecherche + 1 entries from the character's
    // cursor, within a radius that grows each time the cursor wraps; the
    // found index is -1 unless the result is true.
    bool Chercher_Perso_Rayon(std::int32_t i, std::int32_t& Trouve);
    bool Chercher_Maison_Rayon(std::int32_t i, std::int32_t& Trouve);
    bool Chercher_Chateau_Rayon(std::int32_t i, std::int32_t& Trouve);
    // A character attacking house (or castle) b.
    bool Chercher_Assaillant(std::int32_t i, std::int32_t b, bool Chateau, std::int32_t& Trouve);
    // The character goes to the next standing house of type t of its side
    // after its target house; repeated calls cycle through them.
    void Aller_Maison_Suivante(ClsJeuPerso& Perso, std::int16_t t);

    // ======== Small actions (ModIA_Actions.cpp) ========
    // The send-to orders clear the errand flag CourseFaite; the treasure
    // errand and Marquer_Course set it.
    void Envoyer_Tresor(std::int32_t i, std::int32_t n);
    void Envoyer_Maison(std::int32_t i);
    void Envoyer_Batiment(std::int32_t i, std::int32_t k);
    void Envoyer_Chateau(std::int32_t i);
    void Marquer_Course(std::int32_t i);
    // The first AI turn in the own castle after an errand repairs it once.
    void Visite_Chateau(std::int32_t i);
    // Money below 300 x (era + 1): the AI neither buys nor pays.
    bool Manque_Argent(std::int32_t i) const;
    // The own shop is full, or the character carries less than one unit of
    // its building's raw material.
    bool Besoin_Matiere(std::int32_t i);

    // ======== Needs (ModIA_Besoins.cpp) ========
    // Eating, supply buildings for the four needs, the attack resource and
    // the treasures nearby.
    void Gestion_Besoins(std::int32_t i);
    // A character destroying a building turns on its enemy target.
    void Riposter(std::int32_t i);

    // ======== Collecting (ModIA_Collecte.cpp) ========
    // The nearest deposit of deposit type TypeRessource (exhausted or not).
    void Aller_Ressource_Proche(std::int32_t i, std::int32_t TypeRessource);
    void Collecter_Ressource(std::int32_t i, std::int16_t Ressource);
    void Collecter_Pour_Vie(std::int32_t i) { Collecter_Ressource(i, 0); }
    void Collecter_Pour_Energie(std::int32_t i) { Collecter_Ressource(i, 1); }

    // ======== Supply buildings and treasures (ModIA_Ravitaillement.cpp) ========
    // A building of the character's team within a widening square: service
    // mode (Service > 0), workshop mode (TypeBesoin 5), need mode
    // (Ressource 0, TypeBesoin 1 life to 4 morale) or resource mode.
    bool Chercher_Maison_Ravitaillement(ClsJeuPerso& Perso, std::int32_t Indice, std::int16_t Ressource,
                                        std::int16_t TypeBesoin, std::int16_t Service, std::int32_t& IndiceMaison);
    // The first treasure (1-based) within a radius that grows at random.
    bool Chercher_Tresor_Rayon(ClsJeuPerso& Perso, std::int32_t Indice, std::int32_t& IndiceTresor);
    void Aller_Tresor_Proche(std::int32_t i);

    // ======== Raw materials, fief purchases, equipment, death items (ModIA_Economie.cpp) ========
    // A character whose completed building lacks its raw material harvests
    // it, buys it at a building of its side, or goes back to the castle.
    void Chercher_Matiere_Premiere(std::int32_t i);
    // Buys from the fief what cannot be harvested: the raw materials of the
    // own building, and what the wanted building costs.
    void Acheter_Matieres_Fief(std::int32_t i);
    void Acheter_Ressources_Construction(std::int32_t i);
    // Looks at one or a few inventory slots (the shared cursor) and uses or
    // wears what is worth it; the dead use the items that work for them.
    void Equiper_Auto(std::int32_t i);
    void Utiliser_Objets_Mort(std::int32_t i);

    // ======== Building choice and site (ModIA_Construction.cpp) ========
    // Houses of type t whose owner belongs to fief f (standing or not).
    std::int32_t Compter_Maisons_Type(std::int16_t TypeBatiment, std::int32_t Fief) const;
    // A building type for character i of fief f, at level Niveau (-1: the
    // procedure chooses), or -1.
    std::int16_t Choisir_Batiment(std::int32_t i, std::int32_t Fief, std::int32_t Niveau);
    // A clear site for type t around the castle of i's fief: up to eleven
    // random tries in a margin that widens at every try.
    bool Chercher_Emplacement_Maison(std::int32_t i, std::int32_t& X, std::int32_t& Y, std::int16_t TypeBatiment);

    // ======== Work cycle (ModIA_Travail.cpp) ========
    // The made-item number last drawn by the errand and making steps.
    std::int16_t ObjetChoisi = 0;
    // The errand of the building the character stands in, making at home,
    // selling at the castle, or where to go next.
    void Gestion_Travail(std::int32_t i);
    void Fabriquer_Objet(std::int32_t i);
    void Vendre_Au_Chateau(std::int32_t i);
    // Gives the share of its money that the castle's life lacks, plus one.
    void Reparer_Chateau(std::int32_t i);
    // In a castle, sells the items it holds too many of.
    void Vendre_Doublons(std::int32_t i);

    // ======== The script executor (ModIA_Script.cpp) ========
    // The era of the script being walked, and the site the building-site
    // search found.
    std::int16_t AgeCourant = 0;
    std::int32_t EmplacementX = 0;
    std::int32_t EmplacementY = 0;
    // Set by the engine while the first local player has won: scripted
    // attacks then only patrol. Cleared by the AI set-up.
    bool VictoirePremierJoueur = false;
    // One AI turn of a scripted character: its house of the wanted type
    // standing and working, a pending resource or item, then the first step
    // of its script's era whose goal is not met.
    void Executer_IA(std::int32_t i);
    void Collecter_Etape(std::int32_t i, std::int16_t Ressource, double Quantite);
    void Produire_Etape(std::int32_t i, std::int16_t Ressource, double Quantite);
    void Obtenir_Objet_Etape(std::int32_t i, std::int16_t Objet, double Quantite);
    void Construire_Etape(std::int32_t i, std::int16_t TypeBatiment);
    // Takes the own house's cash, stock and made items; false when the
    // character had to be sent home for them.
    bool Prendre_Maison(std::int32_t i);

private:
    // Character i exists and the tables have been sized for it.
    bool PersoValide(std::int32_t i) const;
    // Compter_Maisons_Type(t, f) >= 1.
    bool Fief_A_Maison_Type(std::int16_t TypeBatiment, std::int32_t Fief) const;
    // Choisir_Batiment with the depth of its own calls, which bounds them.
    std::int16_t Choisir_Batiment_Borne(std::int32_t i, std::int32_t Fief, std::int32_t Niveau, int Profondeur);
    // The phases of the executor's turn; each returns true when the turn
    // ends there.
    bool Phase_Maison(std::int32_t i);
    bool Phase_Ressource_Voulue(std::int32_t i);
    bool Phase_Objet_Voulu(std::int32_t i);
    void Parcourir_Etapes(std::int32_t i);
    void Etape_Travailler(std::int32_t i, bool BatimentDefini);
    void Etape_Attaquer(std::int32_t i, bool Chateau);
    // Index i names an element of an array of n.
    static bool IndiceDans(std::int32_t i, std::size_t n) { return i >= 0 && static_cast<std::size_t>(i) < n; }

    ModMain& Main;
};
