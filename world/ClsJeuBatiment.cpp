// Houses and castles: creation, life and repair, demolition and its
// hand-out, and the dealings between a building and a character.
#include "world/ClsJeuBatiment.h"

#include <algorithm>
#include <cstddef>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

// The special competence that sets a builder's house size: building.
constexpr std::int32_t CompetenceConstruction = 0;
// The special competence that bargaining trains.
constexpr std::int16_t CompetenceMarchandage = 3;
// Size of a treasure's picture on the map.
constexpr double TailleTresor = 26.0;

// The starting level divides some rates; the rules keep it at 1 or more,
// but a level of 0 must not divide by zero.
double NiveauDepart(const ClsJeuParam& Parametres) {
    return Parametres.PersosNiveauSpecialesDepart > 0 ? Parametres.PersosNiveauSpecialesDepart : 1.0;
}

bool IndiceRessource(std::int32_t r, const ClsJeuParam& Parametres) {
    return r >= 0 && r < Parametres.NombreRessources;
}

}  // namespace

void ClsJeuBatiment::Creer(std::int32_t X, std::int32_t Y, std::int16_t Type, ClsJeuPerso& Constructeur,
                           const ClsJeuParam& Parametres) {
    if (Main == nullptr) Main = Constructeur.Main;
    if (Acheve) Demolir(Constructeur, Parametres);
    this->X = X;
    this->Y = Y;
    Largeur = Parametres.Batiment_Largeur(Type);
    Hauteur = Parametres.Batiment_Hauteur(Type);
    EntreePositionX = Sature16(Parametres.Batiment_EntreePositionX(Type));
    EntreePositionY = Sature16(Parametres.Batiment_EntreePositionY(Type));
    Acheve = false;
    MaxVie = Parametres.Batiment_MaxVie(Type);
    // A new building starts at 9 % of its life.
    Vie = Parametres.Batiment_MaxVie(Type) * 0.09;
    Argent = 0.0;
    Stock = 0.0;
    MaxStock = Entier(Parametres.Batiment_MaxStockVente(Type) *
                      Constructeur.Definir_Niveau_CompetenceSpeciales(CompetenceConstruction) /
                      NiveauDepart(Parametres));
    TypeBatiment = Type;
    Magasin = Parametres.Batiment_Magasin(Type);
    Fabrique = Parametres.Batiment_Fabrique(Type);
    Service = Parametres.Batiment_Service(Type);
    const std::int32_t objets = Fabrique ? Parametres.Batiment_NombreObjetsFabriques(Type) : 0;
    Definir_Nombre_Stock_Objet(std::max(0, objets - 1));
    // The callers check that the builder can pay; the setter keeps what it
    // carries at 0 or more.
    for (std::int32_t r = 0; r < Parametres.NombreRessources; ++r)
        Constructeur.Definir_Ressources(r, Constructeur.Definir_Ressources(r) - Parametres.Batiment_Prix(Type, r));
    Constructeur.Visible(true);
}

void ClsJeuBatiment::Demolir(ClsJeuPerso& Proprietaire, const ClsJeuParam& Parametres) {
    // Half the price back, in proportion to the life left. What the owner
    // cannot carry goes to the ground with the house's contents.
    std::vector<double> surplus(static_cast<std::size_t>(std::max<std::int16_t>(0, Parametres.NombreRessources)), 0.0);
    const double part = MaxVie > 0 ? std::max(0.0, Vie) / MaxVie : 0.0;
    for (std::int32_t r = 0; r < Parametres.NombreRessources; ++r) {
        const double prix = Parametres.Batiment_Prix(TypeBatiment, r);
        if (prix <= 0.0) continue;
        const double rendu = prix * 0.5 * part;
        const double avant = Proprietaire.Definir_Ressources(r);
        Proprietaire.Definir_Ressources(r, avant + rendu);
        surplus[static_cast<std::size_t>(r)] = std::max(0.0, avant + rendu - Proprietaire.Definir_Ressources(r));
    }
    Rendre_Contenu(Proprietaire, Parametres, surplus);
    Definir_Vie(0.0);
    if (Proprietaire.DansMaison) {
        Proprietaire.DansMaison = false;
        Proprietaire.Action = Actions::Attente;
    }
    Proprietaire.Calculer_Apparence(*this, Parametres);
}

void ClsJeuBatiment::Piller_Maison_Demolie(ClsJeuPerso& Proprietaire, const ClsJeuParam& Parametres) {
    Rendre_Contenu(Proprietaire, Parametres, {});
}

void ClsJeuBatiment::Rendre_Contenu(ClsJeuPerso& O, const ClsJeuParam& Parametres,
                                    const std::vector<double>& Surplus) {
    // Without a world there is no treasure to fill nor speech source: a bare
    // building keeps its contents.
    if (Main == nullptr) return;
    const bool touche = Y <= O.PositionY + O.Hauteur && X <= O.PositionX + O.Largeur &&
                        Y + Hauteur >= O.PositionY && X + Largeur >= O.PositionX;
    // The treasure is made on first need, so that an empty one never
    // appears. Its place follows the looting rule: the width serves for both
    // coordinates.
    std::int32_t numero = 0;
    auto tresor = [&]() -> ClsJeuTresors& {
        if (numero == 0)
            numero = Main->Tresors.Deposer_Tresor(Sature32(Arrondi(Largeur / 2.0 + X - TailleTresor / 2.0)),
                                                  Sature32(Arrondi(Largeur / 2.0 + Y - TailleTresor / 2.0)),
                                                  Main->Monde, Parametres);
        return Main->Tresors(numero);
    };

    for (std::size_t r = 0; r < Surplus.size(); ++r)
        if (Surplus[r] > 0.0) {
            ClsJeuTresors& t = tresor();
            t.Definir_Ressources(static_cast<std::int32_t>(r), t.Definir_Ressources(static_cast<std::int32_t>(r)) + Surplus[r]);
        }

    if (Argent > 0.0) {
        if (touche) {
            O.Definir_Argent(O.Definir_Argent() + Argent);
        } else {
            ClsJeuTresors& t = tresor();
            t.Definir_Argent(t.Definir_Argent() + Argent);
        }
    }
    Argent = 0.0;

    // Resource 0 is a product like any other; -1 means none.
    const std::int32_t produit = Parametres.Batiment_RessourceFabrique(TypeBatiment);
    if (IndiceRessource(produit, Parametres) && Stock > 0.0 && Magasin) {
        double reste = Stock;
        if (touche) {
            const double avant = O.Definir_Ressources(produit);
            O.Definir_Ressources(produit, avant + reste);
            reste = std::max(0.0, avant + reste - O.Definir_Ressources(produit));
        }
        if (reste > 0.0) {
            ClsJeuTresors& t = tresor();
            t.Definir_Ressources(produit, t.Definir_Ressources(produit) + reste);
        }
        Stock = 0.0;
    }

    if (Fabrique && Stock > 0.0) {
        // Every made item, the last one included.
        const std::int32_t objets = std::min(Parametres.Batiment_NombreObjetsFabriques(TypeBatiment),
                                             Definir_Nombre_Stock_Objet() + 1);
        for (std::int32_t j = 0; j < objets; ++j) {
            if (Stock_Objets(j) <= 0.0) continue;
            const std::int32_t unites = Sature32(Arrondi(Stock_Objets(j) - 1.0)) + 1;
            const std::int16_t type = Sature16(Parametres.Batiment_ObjetFabrique(TypeBatiment, j));
            for (std::int32_t u = 0; u < unites; ++u) {
                if (touche && !O.Inventaire_Plein()) {
                    O.Objet_Ramasser_Maison(static_cast<std::int16_t>(j), *this, Parametres, Main->Commentaires);
                } else {
                    // What the owner cannot hold lies on the ground.
                    tresor().Ajouter_Objet(type, Parametres);
                    Stock_Objets(j, std::max(0.0, Stock_Objets(j) - 1.0));
                }
            }
        }
    }
}

void ClsJeuBatiment::Transfert_Argent_Prendre(double Montant, ClsJeuPerso& Perso, bool Tout) {
    if (Tout || Montant > Argent) Montant = Argent;
    if (!(Montant > 0.0)) return;  // no money flows the other way
    Perso.Definir_Argent(Perso.Definir_Argent() + Montant);
    Argent -= Montant;
}

void ClsJeuBatiment::Transfert_Argent_Deposer(double Montant, ClsJeuPerso& Perso, bool Tout) {
    if (Tout || Montant > Perso.Definir_Argent()) Montant = Perso.Definir_Argent();
    if (!(Montant > 0.0)) return;
    Perso.Definir_Argent(Perso.Definir_Argent() - Montant);
    Argent += Montant;
}

void ClsJeuBatiment::Transfert_Stock_Prendre(double Montant, ClsJeuPerso& Perso, const ClsJeuParam& Parametres,
                                             bool Tout) {
    const std::int32_t r = Parametres.Batiment_RessourceFabrique(TypeBatiment);
    if (!IndiceRessource(r, Parametres)) return;
    if (Tout || Montant > Stock) Montant = Stock;
    // Whole units that really fit: a fraction carried must not let a unit
    // be paid for and then cut off by the carrying capacity.
    const double place = Entier(Perso.Definir_MaxRessources(r) - Perso.Definir_Ressources(r));
    if (place < Montant) Montant = place;
    Montant = Entier(Montant);
    if (Montant <= 0.0) return;
    Perso.Definir_Ressources(r, Perso.Definir_Ressources(r) + Montant);
    Stock -= Montant;
}

void ClsJeuBatiment::Transfert_Stock_Deposer(double Montant, ClsJeuPerso& Perso, const ClsJeuParam& Parametres,
                                             bool Tout) {
    const std::int32_t r = Parametres.Batiment_RessourceFabrique(TypeBatiment);
    if (!IndiceRessource(r, Parametres)) return;
    if (Tout || Montant > Perso.Definir_Ressources(r)) Montant = Perso.Definir_Ressources(r);
    if (MaxStock - Stock < Montant) Montant = MaxStock - Stock;
    Montant = Entier(Montant);
    if (Montant <= 0.0) return;
    Perso.Definir_Ressources(r, Perso.Definir_Ressources(r) - Montant);
    Stock += Montant;
}

void ClsJeuBatiment::Acheter(double Quantite, ClsJeuPerso& Perso, const ClsJeuParam& Parametres, bool Tout) {
    const std::int32_t r = Parametres.Batiment_RessourceFabrique(TypeBatiment);
    if (!IndiceRessource(r, Parametres)) return;
    const double unite =
        Perso.Prix_Marchandee(Parametres.Ressources_PrixVente(r) * Parametres.CoefficientAchat, Parametres);
    // A price of 0 would divide the money by zero: nothing is sold for it.
    if (unite <= 0.0) return;
    if (Tout || unite * Quantite > Perso.Definir_Argent()) Quantite = Perso.Definir_Argent() / unite;
    if (Quantite > Stock) Quantite = Stock;
    // Whole units that really fit: a fraction carried must not let a unit
    // be paid for and then cut off by the carrying capacity.
    const double place = Entier(Perso.Definir_MaxRessources(r) - Perso.Definir_Ressources(r));
    if (place < Quantite) Quantite = place;
    Quantite = Entier(Quantite);
    if (Quantite <= 0.0) return;
    Perso.Definir_Ressources(r, Perso.Definir_Ressources(r) + Quantite);
    Stock -= Quantite;
    // A whole price, held wide: a big purchase must not overflow.
    const double prix = Arrondi(unite * Quantite);
    Perso.Definir_Argent(Perso.Definir_Argent() - prix);
    Argent += prix;
    Perso.Gestion_Niveau_Comp_Speciale(CompetenceMarchandage, prix, Parametres);
}

bool ClsJeuBatiment::Service_Utilisable(ClsJeuPerso& Perso, const ClsJeuParam& Parametres) const {
    if (Service <= 0) return false;
    const double prix = Perso.Prix_Marchandee(Parametres.Service_Prix(Service), Parametres);
    // Resurrection is for the dead only.
    return Stock >= 1.0 && (Perso.NoMaison == Proprietaire || Perso.Definir_Argent() >= prix) &&
           !(Service == 1 && Perso.Vivant());
}

void ClsJeuBatiment::Service_Utiliser(ClsJeuPerso& Perso, const ClsJeuParam& Parametres, double Montant) {
    if (Service <= 0) return;
    // Resurrection is for the dead only: a living character would lose life.
    if (Service == 1 && Perso.Vivant()) return;
    if (Service == 1) {
        Perso.Vivant(true);
        const double vie = Perso.Definir_MaxVie() * Parametres.Service_Coefficient(1);
        // A coefficient of 0 would leave a living character without life.
        if (vie > 0.0) Perso.Vie = vie;
        Stock = std::max(0.0, Stock - 1.0);
    } else if (Service == 2) {
        Argent += Montant;
        Perso.Gestion_Niveau_Prime(Montant, Parametres);
    }
    if (Perso.NoMaison != Proprietaire) {
        const double prix = Perso.Prix_Marchandee(Parametres.Service_Prix(Service), Parametres);
        // The house receives what the character really pays.
        const double paye = std::clamp(prix, 0.0, Perso.Definir_Argent());
        Perso.Definir_Argent(Perso.Definir_Argent() - paye);
        Argent += paye;
        Perso.Gestion_Niveau_Comp_Speciale(CompetenceMarchandage, paye, Parametres);
    }
    const double effet = Val(Parametres.Service_Effet(Service));
    if (effet >= 0.0 && Main != nullptr && Proprietaire >= 0 &&
        Proprietaire < static_cast<std::int32_t>(Main->EffetsMaisons.size()))
        Main->EffetsMaisons[static_cast<std::size_t>(Proprietaire)].Activer_Effet(Sature16(Arrondi(effet)), X, Y, Largeur,
                                                                                Hauteur, Parametres, false);
}

void ClsJeuBatiment::Restauration() {
    if (ReserveVie < 0.1) {
        ReserveVie = 0.0;
        return;
    }
    Definir_Vie(Vie + 0.1);
    ReserveVie -= 0.1;
}

double ClsJeuBatiment::Definir_Vie() const { return std::min(Vie + ReserveVie, static_cast<double>(MaxVie)); }

void ClsJeuBatiment::Definir_Vie(double Valeur) {
    Vie = Valeur;
    if (Valeur >= MaxVie) {
        Vie = MaxVie;
        Acheve = true;
        Endommage = false;
    } else if (Valeur <= 0.0) {
        ReserveVie = 0.0;
        Acheve = false;
        Endommage = false;
    } else {
        Endommage = true;
    }
}

std::int16_t ClsJeuBatiment::Etat(const ClsJeuParam& Parametres) const {
    const std::int16_t etapes = Parametres.Batiment_NombreEtapeFabrication(TypeBatiment);
    if (Acheve) {
        // An empty shop, workshop or service house shows its empty row.
        const bool vend = Magasin || Fabrique || (Service != 0 && MaxStock > 0.0);
        return vend && Stock < 1.0 ? static_cast<std::int16_t>(etapes - 1) : etapes;
    }
    if (MaxVie <= 0) return 0;
    return Sature16(Entier(Vie / MaxVie * etapes));
}

void ClsJeuBatiment::Actualiser_NumeroAnimation(const ClsJeuParam& Parametres) {
    const std::int32_t suivant = static_cast<std::int32_t>(NumeroAnimation) + 1;
    NumeroAnimation = suivant > Parametres.Batiment_NombreEtapeAnimation(TypeBatiment) - 1
                          ? 0
                          : static_cast<std::int16_t>(suivant);
}

void ClsJeuBatiment::Definir_Stock(double Valeur) { Stock = std::min(Valeur, MaxStock); }

double ClsJeuBatiment::Stock_Objets(std::int32_t i) const {
    if (i < 0 || i >= static_cast<std::int32_t>(StockObjets.size())) return 0.0;
    return StockObjets[static_cast<std::size_t>(i)];
}

void ClsJeuBatiment::Stock_Objets(std::int32_t i, double Valeur) {
    if (i < 0 || i >= static_cast<std::int32_t>(StockObjets.size())) return;
    double& case_ = StockObjets[static_cast<std::size_t>(i)];
    Stock += Valeur - case_;
    case_ = Valeur;
}

std::int32_t ClsJeuBatiment::Definir_Nombre_Stock_Objet() const {
    return static_cast<std::int32_t>(StockObjets.size()) - 1;
}

void ClsJeuBatiment::Definir_Nombre_Stock_Objet(std::int32_t n) {
    StockObjets.assign(static_cast<std::size_t>(std::max(0, n) + 1), 0.0);
}
