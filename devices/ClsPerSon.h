// Sound effects: one short sound per visual effect type (the file the rules
// name for it, under the sound folder of Ini_Sons), played when the effect
// shows on screen. The switch "Jouer les bruitages" lives here and is
// written back at once. Sounds go to a SortieSon: the sound card, silence,
// or a recorder in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ClsJeuParam;
class DossierJeu;
class SortieSon;

class ClsPerSon {
public:
    // Reads Ini_Sons [Sons]. Throws ErreurFichier when Jouer is not a number.
    explicit ClsPerSon(DossierJeu& dossier);

    std::string FichierIni = "Ini_Sons";
    std::string SectionIni = "Sons";
    // Folder of the sound files below the game folder ("\Sons\").
    std::string Chemin;

    // At every game start: loads one sound per visual effect type of the
    // rules. A missing, unreadable or unnamed file leaves that effect silent;
    // nothing is reported. nullptr: every effect silent. The output must
    // outlive its use here, or be replaced first (Init(nullptr, ...)).
    void Init(SortieSon* sortie, const ClsJeuParam& Parametres);

    // Plays the sound of effect type i when it was loaded; nothing for an
    // unloaded or unknown type. Does not look at the switch: the caller
    // asks Definir_Jouer first.
    void Lire(std::int16_t i);

    bool Definir_Jouer() const { return Jouer; }
    // Stores the switch and writes it ("1" or "0") at once.
    void Definir_Jouer(bool Valeur);

    // Whether effect type i has a sound.
    bool Charge(std::int32_t i) const;
    std::int32_t NombreEffets() const { return static_cast<std::int32_t>(SonsEffets.size()); }

private:
    DossierJeu* dossier_;
    SortieSon* sortie_ = nullptr;
    bool Jouer = true;
    // One entry per visual effect type: loaded or not.
    std::vector<bool> SonsEffets;
};
