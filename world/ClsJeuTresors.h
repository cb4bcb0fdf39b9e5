// One treasure lying on the map: money, resources and items. Its fortune
// is the value of what it holds and chooses its kind (its picture). The
// treasures of a game live in the collection of ModTresors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ClsJeuCommentaires;
class ClsJeuParam;
class ClsJeuPerso;

class ClsJeuTresors {
public:
    // The ground a treasure covers, in pixels: characters walk to its edge
    // and placement keeps other things off it. Its picture is drawn at
    // this size.
    static constexpr std::int32_t Largeur = 26;
    static constexpr std::int32_t Hauteur = 26;

    // ---- Public fields, in their declared order ----
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int16_t IndiceImage = 0;  // treasure kind, also its drawing cell

    // Empties the treasure and ties it to the rules database, which prices
    // what it holds (the rules outlive every game).
    void Init(const ClsJeuParam& Parametres);

    void Ajouter_Objet(std::int16_t Type, const ClsJeuParam& Parametres);
    // Adds everything Autre holds (money, resources, items after this
    // one's), its fortune with it.
    void Joindre(const ClsJeuTresors& Autre, const ClsJeuParam& Parametres);
    // Holds nothing any more; keeps its place and its kind.
    void Vider();
    // The character takes everything. What its inventory cannot hold drops
    // back to the ground through the character's own rule.
    void Rammasser_Tresor(const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires, ClsJeuPerso& Perso);

    std::int32_t Nombre_Objets() const { return static_cast<std::int32_t>(Objets.size()); }
    // Type of item k, 1-based; -1 outside 1..Nombre_Objets.
    std::int16_t Definir_Objet(std::int32_t k) const;
    std::string Nom(const ClsJeuParam& Parametres) const;
    // True only when the treasure holds nothing at all.
    bool Vide() const;

    double Definir_Fortune() const { return Fortune; }
    // Stores the fortune and re-chooses the kind: the highest kind whose
    // smallest value is strictly below it; unchanged when none is.
    void Definir_Fortune(double Valeur);
    double Definir_Argent() const { return Argent; }
    void Definir_Argent(double Valeur);
    // Quantity of resource i; 0 outside the table, where nothing is stored.
    double Definir_Ressources(std::int32_t i) const;
    void Definir_Ressources(std::int32_t i, double Valeur);

private:
    double Fortune = 0.0;
    double Argent = 0.0;
    std::vector<double> Ressources;
    std::vector<std::int16_t> Objets;
    const ClsJeuParam* Parametres_ = nullptr;
};
