// The order layer: without a session each order is given to the character
// at once; with one it is broadcast, and every machine gives it when the
// turn is replayed.
#include "engine/ModCommandes.h"

#include <cmath>

#include "engine/ModMain.h"
#include "network/ClsComReseau.h"
#include "world/ClsJeuRessources.h"

namespace {

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

ClsComReseau* Session(ModMain& Main) { return Main.Reseau && Main.Reseau->Reseau_Actif ? Main.Reseau : nullptr; }

// A received number as a 32-bit integer, halves to even; a number that is
// no integer of that range names nothing.
bool Entier32(double v, std::int32_t& r) {
    if (!std::isfinite(v) || v < -2147483648.0 || v > 2147483647.0) return false;
    r = static_cast<std::int32_t>(std::nearbyint(v));
    return true;
}

}  // namespace

namespace ModCommandes {

void Commande_Aller_A(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y) {
    if (ClsComReseau* r = Session(Main)) return r->Message_Envoyer(NoPerso, "PMV", X, Y);
    if (ClsJeuPerso* p = Element(Main.Persos, NoPerso)) p->Aller_A(X, Y);
}

void Commande_Aller_Ressource(ModMain& Main, std::int32_t NoPerso, std::int32_t NoRessource) {
    if (ClsComReseau* r = Session(Main)) return r->Message_Envoyer(NoPerso, "PCR", NoRessource);
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    ClsJeuRessources* r = Element(Main.Ressources, NoRessource);
    // The character walks to the middle of one deposit picture.
    if (p && r) p->Aller_Ressource(*r, NoRessource, ClsJeuRessources::Largeur, ClsJeuRessources::Hauteur);
}

void Commande_Rentrer_Chateau(ModMain& Main, std::int32_t NoPerso, std::int32_t NoChateau) {
    if (ClsComReseau* r = Session(Main)) return r->Message_Envoyer(NoPerso, "PRC", NoChateau);
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    ClsJeuBatiment* c = Element(Main.Chateaux, NoChateau);
    if (p && c) p->Rentrer_Chateau(*c);
}

void Commande_Construire_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y,
                                std::int16_t Type) {
    if (ClsComReseau* r = Session(Main)) return r->Message_Envoyer(NoPerso, "PCM", X, Y, Type);
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    // House i is character i's.
    ClsJeuBatiment* m = Element(Main.Maisons, NoPerso);
    if (!p || !m || !p->PeutConstruire_Maison(Type, Main.Parametres)) return;
    m->Creer(X, Y, Type, *p, Main.Parametres);
    p->Rentrer_Maison(*m);
}

void Commande_Rentrer_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t NoMaison) {
    if (ClsComReseau* r = Session(Main)) return r->Message_Envoyer(NoPerso, "PRM", NoMaison);
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    ClsJeuBatiment* m = Element(Main.Maisons, NoMaison);
    if (p && m) p->Rentrer_Maison(*m);
}

bool Rejouer_Ordre(ModMain& Main, std::int32_t Joueur, const MessageCom& m) {
    // Character i is player i's: an order for any other is dropped.
    if (m.Noperso != Joueur) return false;
    std::int32_t x = 0, y = 0, z = 0;
    if (!Entier32(m.X, x) || !Entier32(m.Y, y) || !Entier32(m.Z, z)) return false;
    // Without the session: the same procedures act at once.
    ClsComReseau* garde = Main.Reseau;
    Main.Reseau = nullptr;
    bool fait = true;
    Ordre o{};
    std::vector<std::int32_t> groupe;
    if (m.Categorie == "PMV") Commande_Aller_A(Main, m.Noperso, x, y);
    else if (m.Categorie == "PCR") Commande_Aller_Ressource(Main, m.Noperso, x);
    else if (m.Categorie == "PRC") Commande_Rentrer_Chateau(Main, m.Noperso, x);
    else if (m.Categorie == "PCM") {
        if (z < -32768 || z > 32767) fait = false;
        else Commande_Construire_Maison(Main, m.Noperso, x, y, static_cast<std::int16_t>(z));
    } else if (m.Categorie == "PRM") Commande_Rentrer_Maison(Main, m.Noperso, x);
    else if (!Genre_Code(m.Categorie, o)) fait = false;
    else if (!Selection(o)) fait = Appliquer(Main, m.Noperso, o, x, y, z);
    else fait = Lire_Groupe(m.Categorie, Main.Persos.size(), o, groupe) &&
                Appliquer_Groupe(Main, m.Noperso, o, groupe, x, y, z);
    Main.Reseau = garde;
    return fait;
}

}  // namespace ModCommandes
