#include "world/ModTresors.h"

#include "rules/ClsJeuParam.h"

std::int32_t ModTresors::Ajouter_Tresor(std::int32_t X, std::int32_t Y, const ClsJeuParam& Parametres) {
    ClsJeuTresors& tresor = Elements.emplace_back();
    tresor.Init(Parametres);
    tresor.X = X;
    tresor.Y = Y;
    return Count();
}
