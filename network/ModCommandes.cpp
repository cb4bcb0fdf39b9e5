// The order layer without a session: each order is given to the character
// at once.
#include "network/ModCommandes.h"

#include "display/ClsAffRessources.h"
#include "engine/ModMain.h"

namespace {

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace

namespace ModCommandes {

void Commande_Aller_A(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y) {
    if (ClsJeuPerso* p = Element(Main.Persos, NoPerso)) p->Aller_A(X, Y);
}

void Commande_Aller_Ressource(ModMain& Main, std::int32_t NoPerso, std::int32_t NoRessource) {
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    ClsJeuRessources* r = Element(Main.Ressources, NoRessource);
    // The character walks to the middle of one deposit picture.
    if (p && r) p->Aller_Ressource(*r, NoRessource, ClsAffRessources::Largeur(), ClsAffRessources::Hauteur());
}

void Commande_Rentrer_Chateau(ModMain& Main, std::int32_t NoPerso, std::int32_t NoChateau) {
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    ClsJeuBatiment* c = Element(Main.Chateaux, NoChateau);
    if (p && c) p->Rentrer_Chateau(*c);
}

void Commande_Construire_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y,
                                std::int16_t Type) {
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    // House i is character i's.
    ClsJeuBatiment* m = Element(Main.Maisons, NoPerso);
    if (!p || !m || !p->PeutConstruire_Maison(Type, Main.Parametres)) return;
    m->Creer(X, Y, Type, *p, Main.Parametres);
    p->Rentrer_Maison(*m);
}

void Commande_Rentrer_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t NoMaison) {
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    ClsJeuBatiment* m = Element(Main.Maisons, NoMaison);
    if (p && m) p->Rentrer_Maison(*m);
}

}  // namespace ModCommandes
