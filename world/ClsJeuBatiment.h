// One building of the map: a house (one per character, house i belongs to
// character i) or a castle (one per fief). Keeps the building's life and
// repair reserve, its cash, its stock of the resource it makes and of the
// items it makes, and carries out the money, stock, shop and service
// dealings between the building and a character. It does not walk anyone
// anywhere: callers bring the character to the building first.
#pragma once

#include <cstdint>
#include <vector>

class ClsJeuParam;
class ClsJeuPerso;
class ModMain;

class ClsJeuBatiment {
public:
    // ---- Public fields, in their declared order ----
    std::int32_t Proprietaire = 0;  // the house's character, the castle's fief
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int16_t Largeur = 0;
    std::int16_t Hauteur = 0;
    std::int16_t EntreePositionX = 0;  // measured from the building's centre
    std::int16_t EntreePositionY = 0;
    bool Acheve = false;
    bool Endommage = false;
    double Vie = 0.0;
    double ReserveVie = 0.0;  // life still to be added by Restauration
    std::int32_t MaxVie = 0;
    double Argent = 0.0;
    double MaxStock = 0.0;
    bool Magasin = false;
    bool Fabrique = false;
    std::int16_t Service = 0;  // 0 none, else the row of the service table
    std::int16_t TypeBatiment = 0;

    // The world the building belongs to (its effects, the treasures, the
    // speech source). Not part of the saved record; set by whoever sizes
    // Maisons and Chateaux. Null in a bare building: what needs the world
    // is then skipped.
    ModMain* Main = nullptr;

    // A character starts building a house here. A finished house standing
    // in this slot is demolished first. The builder pays the type's price.
    void Creer(std::int32_t X, std::int32_t Y, std::int16_t Type, ClsJeuPerso& Constructeur,
               const ClsJeuParam& Parametres);
    // One tick: moves 0.1 of the reserve into the life.
    void Restauration();
    // The owner gets half the price back in proportion to the life left,
    // and the building's contents (to it when it stands on the house, else
    // into a treasure).
    void Demolir(ClsJeuPerso& Proprietaire, const ClsJeuParam& Parametres);
    // Hands a demolished house's whole cash, product stock and made items
    // to its owner when the two touch, else into one treasure at the house's
    // centre (removed again when it stays empty).
    void Piller_Maison_Demolie(ClsJeuPerso& Proprietaire, const ClsJeuParam& Parametres);

    void Transfert_Argent_Prendre(double Montant, ClsJeuPerso& Perso, bool Tout);
    void Transfert_Argent_Deposer(double Montant, ClsJeuPerso& Perso, bool Tout);
    void Transfert_Stock_Prendre(double Montant, ClsJeuPerso& Perso, const ClsJeuParam& Parametres, bool Tout);
    void Transfert_Stock_Deposer(double Montant, ClsJeuPerso& Perso, const ClsJeuParam& Parametres, bool Tout);
    // The character buys the building's product at its haggled price.
    void Acheter(double Quantite, ClsJeuPerso& Perso, const ClsJeuParam& Parametres, bool Tout);

    bool Service_Utilisable(ClsJeuPerso& Perso, const ClsJeuParam& Parametres) const;
    void Service_Utiliser(ClsJeuPerso& Perso, const ClsJeuParam& Parametres, double Montant);

    bool Visible() const { return Vie > 0.0; }
    // Life plus reserve, at most MaxVie.
    double Definir_Vie() const;
    // Stores the life and keeps Acheve and Endommage in step with it.
    void Definir_Vie(double Valeur);

    // The drawing row of the building's picture.
    std::int16_t Etat(const ClsJeuParam& Parametres) const;
    void Actualiser_NumeroAnimation(const ClsJeuParam& Parametres);
    std::int16_t Definir_NumeroAnimation(const ClsJeuParam& Parametres) const { return NumeroAnimation; }

    double Definir_Stock() const { return Stock; }
    // Stores the value, capped at MaxStock.
    void Definir_Stock(double Valeur);
    // Stock of made item i; setting it moves the total stock by the change.
    // An index outside the slots reads 0 and is not stored.
    double Stock_Objets(std::int32_t i) const;
    void Stock_Objets(std::int32_t i, double Valeur);
    // Last index of the made-item slots; setting n recreates slots 0..n at 0.
    std::int32_t Definir_Nombre_Stock_Objet() const;
    void Definir_Nombre_Stock_Objet(std::int32_t n);

private:
    // Demolition hand-out; Surplus: refunded resources the owner could not
    // carry, which join the treasure.
    void Rendre_Contenu(ClsJeuPerso& O, const ClsJeuParam& Parametres, const std::vector<double>& Surplus);

    double Stock = 0.0;
    std::vector<double> StockObjets = std::vector<double>(1, 0.0);
    std::int16_t NumeroAnimation = 0;
};
