#include "world/ClsJeuBatiment.h"

#include <algorithm>

#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

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
