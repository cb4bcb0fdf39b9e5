// The speech source: the short lines characters say over their heads, read
// once from Ini_Commentaires (one section per speech type), and the display
// settings of those lines. It only picks lines; showing and clearing them is
// the character's and the drawing pass's business.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ClsJeuPerso;
class DossierJeu;
class GenerateurLocal;

class ClsJeuCommentaires {
public:
    // Reads Ini_Commentaires from the folder. Lines are drawn from
    // Generateur, the machine's own generator: a line said on one screen
    // must not move the game's random source. Both must outlive this
    // object. Throws ErreurFichier naming every fault of a bad file.
    ClsJeuCommentaires(DossierJeu& Dossier, GenerateurLocal& Generateur);

    // ---- Public fields, in their declared order ----
    float Duree = 0.0f;           // seconds per character a line stays shown
    float DureeMin = 0.0f;
    float DureeMax = 0.0f;
    float DureeIntervale = 0.0f;  // step of the options slider
    std::int32_t Couleur = 0;     // 0xBBGGRR
    std::int16_t DecalageX = 0;
    std::int16_t DecalageY = 0;

    // A random line of speech type Type (0-based); a race with its own
    // speech set always speaks its own type. "" for a negative type, a type
    // the file does not define or a type without lines.
    std::string Message(std::int16_t Type, const ClsJeuPerso& Perso);

    bool Definir_Afficher() const { return Afficher; }
    // Stores the setting and writes it back to the file at once.
    void Definir_Afficher(bool Valeur);
    float Definir_Duree() const { return Duree; }
    void Definir_Duree(float Valeur);
    float Definir_DureeMin() const { return DureeMin; }
    float Definir_DureeMax() const { return DureeMax; }
    float Definir_DureeIntervale() const { return DureeIntervale; }

    // Number of speech types the file defines, and of lines of one type.
    std::int16_t Nombre_Types() const { return NombreTypeMessages; }
    std::int32_t Nombre_Lignes(std::int16_t Type) const;

private:
    bool Afficher = false;
    std::int16_t NombreTypeMessages = 0;
    std::int16_t NombreMaxMessagesParType = 0;
    // The number of lines of each type as the file gives it (the draw
    // scales by it); Messages holds the lines actually read.
    std::vector<double> NombreMessages;
    std::vector<std::vector<std::string>> Messages;

    DossierJeu* dossier_;
    GenerateurLocal* generateur_;
};
