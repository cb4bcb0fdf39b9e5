// What each open window shows: title, close button and contents. The
// buttons placed here are the ones the hit test reads.
#include "interface/ClsInterface.h"

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"

namespace {

template <class T>
const T* Element(const std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace

void ClsInterface::Afficher_Contenu_Fenetre(std::int16_t Fenetre, ClsJeuPerso& Perso, std::int32_t NoMaison,
                                            Surface& SurfBack) {
    ModMain& m = *main_;
    const ClsJeuParam& P = m.Parametres;
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(Fenetre)];
    const ClsJeuBatiment* maison = Element(m.Maisons, NoMaison);
    std::string titre;
    switch (Fenetre) {
        case 0:
            titre = !(Perso.DansMaison || Perso.DansMaisonCible) || !maison ? "Acheter" : P.Batiment_Nom(maison->TypeBatiment);
            break;
        case 1:
            titre = Perso.DansChateau || Perso.DansChateauCible ? "Vendre" : "Ressources";
            break;
        case 2:
            titre = Perso.Nom;
            break;
        case 3:
            titre = "Compétences";
            break;
        case 5:
            titre = "Bestiaire";
            break;
        default:
            break;
    }
    f.AffBoutonsAction.Afficher(f.BoutonFermer_PositionX(), f.BoutonFermer_PositionY(), 6, 0, SurfBack, false);
    AffTexte.CouleurAvantPlan = 0;
    AffTexte.Afficher(f.PositionX + 128, f.PositionY + 32, titre, SurfBack);
}
