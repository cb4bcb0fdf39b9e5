// One local player's message feed: a few lines drawn at a fixed place of
// the screen, told by watching the player's character from one frame to
// the next (life and death, bestiary, money, resources, items, summoned
// creatures, experience), plus tips and the world-saved notice. A line
// leaves when the feed is full or after a time in proportion to its length.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "interface/ClsIntMessage.h"

class ClsInterface;
class ClsJeuParam;
class ClsJeuPerso;
class DossierJeu;
class GenerateurLocal;
class ModMain;
class Surface;

class ClsJeuMessages {
public:
    // Reads Ini_Messages. Throws ErreurFichier (every fault listed) when a
    // switch is missing or not a number. Horloge: the clock reading of the
    // pass, in seconds; Generateur: the machine's own generator (tips).
    ClsJeuMessages(DossierJeu& Dossier, GenerateurLocal& Generateur, const double& Horloge);
    // The world's folder, platform generator and clock.
    explicit ClsJeuMessages(ModMain& Main);

    double Duree = 0.0;
    std::uint32_t Couleur = 0;
    std::int16_t PositionX = 0;
    std::int16_t PositionY = 0;
    std::int16_t DecalageX = 0;
    std::int16_t DecalageY = 0;
    std::deque<std::string> ListeMessages;

    // A new game: forgets the watched character, sizes the last-seen rows
    // from the rules, and shifts the feed (the second player's half).
    void Init(const ClsJeuParam& Parametres, std::int16_t DeltaX = 0, std::int16_t DeltaY = 0);
    // Watches the character, posts what changed and draws the feed.
    void Afficher_Messages(const ClsJeuPerso& Perso, const ClsInterface* Interface, const ClsJeuParam& Parametres,
                           Surface& SurfBack);
    void Ajouter_Message(const std::string& Message);
    // A random tip of Info_Conseils.txt. Throws ErreurFichier when the file
    // cannot be read.
    void Afficher_Conseil();
    void Ajouter_Message_SauvegardeMonde();
    void Effacer();
    static std::string Fichier_Conseil() { return "Info_Conseils.txt"; }

    bool Definir_Afficher() const { return afficher_; }
    void Definir_Afficher(bool Valeur);
    bool Definir_AfficherConseil() const { return afficherConseil_; }
    void Definir_AfficherConseil(bool Valeur);
    bool Definir_AfficherVie() const { return afficherVie_; }
    void Definir_AfficherVie(bool Valeur);
    bool Definir_AfficherBestiaire() const { return afficherBestiaire_; }
    void Definir_AfficherBestiaire(bool Valeur);
    bool Definir_AfficherArgent() const { return afficherArgent_; }
    void Definir_AfficherArgent(bool Valeur);
    bool Definir_AfficherRessources() const { return afficherRessources_; }
    void Definir_AfficherRessources(bool Valeur);
    bool Definir_AfficherObjets() const { return afficherObjets_; }
    void Definir_AfficherObjets(bool Valeur);
    bool Definir_AfficherSoldats() const { return afficherSoldats_; }
    void Definir_AfficherSoldats(bool Valeur);
    bool Definir_AfficherExperience() const { return afficherExperience_; }
    void Definir_AfficherExperience(bool Valeur);

    std::int16_t NombreMaxMessages() const { return nombreMaxMessages_; }
    // Where each line of the feed is drawn, oldest first, and in which
    // colour ("&" and "$" marks applied).
    std::vector<LigneTexte> Disposition() const;

private:
    void Lire_Parametres();
    void Ecrire_Option(const char* Cle, bool Valeur);
    void Prendre_Valeurs(const ClsJeuPerso& Perso, const ClsJeuParam& Parametres);
    void Surveiller(const ClsJeuPerso& Perso, const ClsJeuParam& Parametres);
    void Dessiner(Surface& SurfBack);
    double Maintenant() const { return *horloge_; }

    DossierJeu* dossier_;
    GenerateurLocal* generateur_;
    const double* horloge_;
    ClsIntMessage texte_;

    bool afficher_ = false, afficherConseil_ = false, afficherVie_ = false, afficherBestiaire_ = false,
         afficherArgent_ = false, afficherRessources_ = false, afficherObjets_ = false, afficherSoldats_ = false,
         afficherExperience_ = false;
    std::int16_t nombreMaxMessages_ = 0;
    std::string PrefixeMessage, PrefixeExperience, MessageVivant, MessageMort, MessageArgent, MessageGain,
        MessagePerte, MessageBestiaire, MessageVie, MessageEnergie, MessageMagie, MessageMoral, MessageAttaque,
        MessageDefense, MessageSoldat, MessageSoldats, MessageCompetence, MessageSauvegardeMonde;

    double DernierRetrait = 0.0;
    std::int32_t DerniereMaison = -1;
    bool DernierVivant = false;
    double DernierArgent = 0.0;
    std::vector<double> DernieresRessources;
    std::vector<std::int16_t> DerniersObjets;
    std::vector<double> DernierBestiaire;
    std::int32_t DernieresInvocations = 0;
    std::array<std::int32_t, 6> DerniersMaxima{};
    std::array<std::vector<std::int32_t>, 4> DernieresCompetences;
};
