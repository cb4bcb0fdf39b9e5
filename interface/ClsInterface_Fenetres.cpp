// What each open window shows: title, close button and contents. The
// buttons placed and shown here are the ones the hit test reads: a button
// is placed by the drawing of its row and hidden when its row is not shown.
#include "platform/Texte.h"
#include "interface/ClsInterface.h"

#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/LectureIni.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

std::string Ent(double x) { return TexteNombre(Entier(x)); }
std::string Nb(double x) { return TexteNombreFrancais(x); }

void Placer(ClsIntBouton& b, std::int32_t X, std::int32_t Y) {
    b.PositionX = X;
    b.PositionY = Y;
    b.Visible = true;
}

}  // namespace

// What every panel of a window draws with: text and lines at offsets from
// the window's corner, the scroll bar, and the money line with its buttons.
struct ClsInterface::PinceauFenetre {
    ClsInterface& I;
    ClsIntFenetre& f;
    Surface& SurfBack;
    std::int32_t fx, fy;

    void Texte(std::int32_t x, std::int32_t y, const std::string& t, std::uint32_t c = 0) {
        I.AffTexte.CouleurAvantPlan = c;
        I.AffTexte.Afficher(fx + x, fy + y, t, SurfBack);
        I.AffTexte.CouleurAvantPlan = 0;
    }
    void Separateur(std::int32_t x, std::int32_t y) {
        SurfBack.Ligne(fx + x, fy + y + 18, fx + x + 256, fy + y + 18, 0x406080);
    }
    void Defilement(std::int32_t ligneMax, bool fabrique) { I.Afficher_Defilement(f, ligneMax, fabrique, SurfBack); }
    template <class Boutons>
    static void Cacher(Boutons& boutons) {
        for (ClsIntBouton& b : boutons) b.Visible = false;
    }
    void ArgentPerso(const ClsJeuPerso& Perso) {
        Texte(32, 54, "Argent : " + Ent(Perso.Definir_Argent()));
        for (std::size_t i = 0; i < 3; ++i) {
            ClsIntBouton& b = f.BoutonsTransfertArgentPerso[i];
            b.Visible = Perso.DansMaison;
            if (!b.Visible) continue;
            Placer(b, static_cast<std::int32_t>(216 + 24 * i), 48);
            f.AffBoutonsTransfert.Afficher(fx + b.PositionX, fy + b.PositionY, static_cast<std::int32_t>(i + 3), 0, SurfBack);
        }
    }
};

void ClsInterface::Afficher_Contenu_Fenetre(std::int16_t Fenetre, ClsJeuPerso& Perso, std::int32_t NoMaison,
                                            Surface& SurfBack) {
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(Fenetre)];
    PinceauFenetre fen{*this, f, SurfBack, f.PositionX, f.PositionY};
    // Every panel hides the buttons it does not show.
    PinceauFenetre::Cacher(f.BoutonsDefilement);
    f.AffBoutonsAction.Afficher(f.BoutonFermer_PositionX(), f.BoutonFermer_PositionY(), 6, 0, SurfBack, false);
    switch (Fenetre) {
        case 0: {
            PinceauFenetre::Cacher(f.BoutonsCommerce);
            PinceauFenetre::Cacher(f.BoutonsTransfertArgentPerso);
            PinceauFenetre::Cacher(f.BoutonsTransfertArgentMaison);
            PinceauFenetre::Cacher(f.BoutonsTransfertStockMaison);
            f.BoutonService.Visible = false;
            ClsJeuBatiment* maison = Element(main_->Maisons, NoMaison);
            if ((Perso.DansMaison || Perso.DansMaisonCible) && maison)
                Afficher_Fenetre_Maison(fen, Perso, *maison);
            else
                Afficher_Fenetre_Chateau(fen, Perso);
            break;
        }
        case 1: Afficher_Fenetre_Ressources(fen, Perso); break;
        case 2: Afficher_Fenetre_Personnage(fen, Perso); break;
        case 3: Afficher_Fenetre_Competences(fen, Perso); break;
        case 4: Afficher_Fenetre_Inventaire(fen, Perso); break;
        case 5: Afficher_Fenetre_Bestiaire(fen, Perso); break;
        default: break;
    }
}

// The castle: its life, the repair buttons and the market.
void ClsInterface::Afficher_Fenetre_Chateau(PinceauFenetre& fen, ClsJeuPerso& Perso) {
    const ClsJeuParam& P = main_->Parametres;
    ClsIntFenetre& f = fen.f;
    ClsJeuFief* fief = Element(main_->Fiefs, Perso.Equipe);
    ClsJeuBatiment* chateau = Element(main_->Chateaux, Perso.Equipe);
    const std::int16_t etatVie = Perso.Vivant() ? 0 : 1;
    fen.Texte(128, 32, "Acheter");
    if (chateau) {
        std::string vie = "Vie : " + Ent(chateau->Vie) + " / " + std::to_string(chateau->MaxVie);
        if (Entier(chateau->Vie) != Entier(chateau->Definir_Vie())) vie += " (" + Ent(chateau->Definir_Vie()) + ")";
        fen.Texte(32, 54, vie);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        Placer(f.BoutonsRestauration[i], static_cast<std::int32_t>(216 + 24 * i), 48);
        f.AffBoutonsAction.Afficher(fen.fx + f.BoutonsRestauration[i].PositionX, fen.fy + 48,
                                    static_cast<std::int32_t>(2 + i), etatVie, fen.SurfBack);
    }
    for (std::int32_t row = 0; row < ClsIntFenetre::Nombre_Lignes_Ressources; ++row) {
        const std::int32_t r = f.PremiereLigne + row;
        if (r >= P.NombreRessources) break;
        const std::int32_t y = 88 + 24 * row;
        fen.Texte(32, y, P.Ressources_Nom(r) + " :");
        fen.Texte(136, y, fief ? Ent(fief->Definir_Ressources(r)) : "0");
        fen.Separateur(32, y);
        for (std::int32_t j = 0; j < 3; ++j) {
            ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * r + j)];
            Placer(b, 216 + 24 * j, 82 + 24 * row);
            b.InfoBulle = "Prix : " + Nb(P.CoefficientAchat * P.Ressources_PrixVente(r));
            f.AffBoutonsCommerce.Afficher(fen.fx + b.PositionX, fen.fy + b.PositionY, j, etatVie, fen.SurfBack);
        }
    }
    fen.Defilement(P.NombreRessources - ClsIntFenetre::Nombre_Lignes_Ressources, false);
}

// A house: its life, its cash for the owner, its trade and making.
void ClsInterface::Afficher_Fenetre_Maison(PinceauFenetre& fen, ClsJeuPerso& Perso, ClsJeuBatiment& maison) {
    const ClsJeuParam& P = main_->Parametres;
    ClsIntFenetre& f = fen.f;
    fen.Texte(128, 32, P.Batiment_Nom(maison.TypeBatiment));
    fen.Texte(32, 54, "Vie : " + Ent(maison.Definir_Vie()) + " / " + std::to_string(P.Batiment_MaxVie(maison.TypeBatiment)));
    if (Perso.DansMaison) {
        fen.Texte(32, 96, "Argent : " + Ent(maison.Argent));
        for (std::size_t i = 0; i < 3 && maison.Acheve; ++i) {
            Placer(f.BoutonsTransfertArgentMaison[i], static_cast<std::int32_t>(216 + 24 * i), 90);
            f.AffBoutonsTransfert.Afficher(fen.fx + f.BoutonsTransfertArgentMaison[i].PositionX, fen.fy + 90,
                                           static_cast<std::int32_t>(i), 0, fen.SurfBack);
        }
    }
    Afficher_Commerce(f, Perso, maison, fen.SurfBack);
    if (P.Batiment_Fabrique(maison.TypeBatiment))
        Afficher_Fabrication(f, Perso, maison, Element(main_->Fiefs, Perso.Equipe), fen.SurfBack);
}

// The character's money and resources; in a castle, the sale buttons.
void ClsInterface::Afficher_Fenetre_Ressources(PinceauFenetre& fen, ClsJeuPerso& Perso) {
    const ClsJeuParam& P = main_->Parametres;
    ClsIntFenetre& f = fen.f;
    const std::int32_t fx = fen.fx, fy = fen.fy;
    Surface& SurfBack = fen.SurfBack;
    const ClsJeuBatiment* saMaison = Element(main_->Maisons, Perso.NoMaison);
    const bool dansChateau = Perso.DansChateau || Perso.DansChateauCible;
    const std::int16_t etatVie = Perso.Vivant() ? 0 : 1;
    fen.Texte(128, 32, dansChateau ? "Vendre" : "Ressources");
    fen.ArgentPerso(Perso);
    const std::int32_t N = P.NombreRessources;
    // Column 6 is the last index (sell everything, at x 216).
    for (std::int32_t j = 0; j < 3; ++j) {
        ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * N + 2 - j)];
        b.Visible = dansChateau;
        if (dansChateau)
            f.AffBoutonsCommerce.Afficher(fx + b.PositionX, fy + b.PositionY, j + 6, etatVie, SurfBack);
    }
    PinceauFenetre::Cacher(f.BoutonsManger);
    PinceauFenetre::Cacher(f.BoutonsTransfertStockPerso);
    for (std::int32_t r = 0; r < 3 * N; ++r) f.BoutonsCommerce[static_cast<std::size_t>(r)].Visible = false;
    const std::int32_t produit = saMaison ? P.Batiment_RessourceFabrique(saMaison->TypeBatiment) : -1;
    for (std::int32_t row = 0; row < ClsIntFenetre::Nombre_Lignes_Ressources; ++row) {
        const std::int32_t r = f.PremiereLigne + row;
        if (r >= N) break;
        const std::int32_t y = 88 + 24 * row;
        fen.Texte(32, y, P.Ressources_Nom(r) + " :");
        fen.Texte(136, y, Ent(Perso.Definir_Ressources(r)) + " / " + Ent(Perso.Definir_MaxRessources(r)));
        fen.Separateur(32, y);
        if (dansChateau) {
            for (std::int32_t j = 0; j < 3; ++j) {
                ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * r + j)];
                Placer(b, 216 + 24 * j, 82 + 24 * row);
                f.AffBoutonsCommerce.Afficher(fx + b.PositionX, fy + b.PositionY, j + 3, etatVie, SurfBack);
            }
        }
        const auto manger = std::find(f.IndicesRessourcesManger.begin(), f.IndicesRessourcesManger.end(), r);
        if (manger != f.IndicesRessourcesManger.end()) {
            ClsIntBouton& b = f.BoutonsManger[static_cast<std::size_t>(manger - f.IndicesRessourcesManger.begin())];
            Placer(b, 184, 82 + 24 * row);
            f.AffBoutonsAction.Afficher(fx + 184, fy + b.PositionY, 0, etatVie, SurfBack);
        }
        if (r == produit && saMaison && saMaison->MaxStock > 0 && Perso.DansMaison) {
            for (std::size_t j = 0; j < 3; ++j) {
                ClsIntBouton& b = f.BoutonsTransfertStockPerso[j];
                Placer(b, static_cast<std::int32_t>(216 + 24 * j), 82 + 24 * row);
                f.AffBoutonsTransfert.Afficher(fx + b.PositionX, fy + b.PositionY, static_cast<std::int32_t>(j + 3), 0,
                                               SurfBack);
            }
        }
        Placer(f.BoutonsRessourcesPrendre[static_cast<std::size_t>(r)], 136, y);
    }
    fen.Defilement(N - ClsIntFenetre::Nombre_Lignes_Ressources, false);
}

void ClsInterface::Afficher_Fenetre_Personnage(PinceauFenetre& fen, ClsJeuPerso& Perso) {
    const ClsJeuParam& P = main_->Parametres;
    const ClsJeuBatiment* saMaison = Element(main_->Maisons, Perso.NoMaison);
    fen.Texte(128, 32, Perso.Nom);
    if (saMaison && saMaison->Acheve) {
        fen.Texte(32, 70, "Métier :");
        fen.Texte(104, 70, P.Batiment_Metier(saMaison->TypeBatiment, Perso.Sexe));
    }
    fen.Texte(224, 70, "Niv+");
    const struct {
        int y;
        const char* libelle;
        std::string valeur;
        double progression;
        bool pourcentBlanc;
        double bonus;
    } lignes[] = {
        {94, "Vie :", Ent(Perso.Vie) + " / " + Nb(Perso.Definir_MaxVie()), Perso.Progression_Vie(), true, Perso.Definir_BonusVie()},
        {118, "Energie :", Ent(Perso.Energie) + " / " + Nb(Perso.Definir_MaxEnergie()), Perso.Progression_energie(), false, Perso.Definir_BonusEnergie()},
        {142, "Magie :", Ent(Perso.Magie) + " / " + Nb(Perso.Definir_MaxMagie()), Perso.Progression_Magie(), false, Perso.Definir_BonusMagie()},
        {166, "Moral :", Ent(Perso.Moral) + " / " + Nb(Perso.Definir_MaxMoral()), Perso.Progression_Moral(), false, Perso.Definir_BonusMoral()},
        {202, "Attaque :", Ent(Perso.Definir_Attaque()) + " / " + Nb(Perso.Definir_MaxAttaque()), Perso.Progression_Attaque(), false, Perso.Definir_BonusAttaque()},
        {226, "Défense :", Ent(Perso.Definir_Defense()) + " / " + Nb(Perso.Definir_MaxDefense()), Perso.Progression_Defense(), false, Perso.Definir_BonusDefense()},
    };
    for (const auto& l : lignes) {
        fen.Texte(32, l.y, l.libelle);
        fen.Texte(104, l.y, l.valeur);
        fen.Texte(224, l.y, Ent(l.progression * 100.0) + (l.pourcentBlanc ? " %" : "%"));
        if (l.bonus >= 1.0) fen.Texte(176, l.y, "(+" + Ent(l.bonus) + ")", 128);
    }
    fen.Texte(32, 250, "Armure :");
    fen.Texte(104, 250, std::to_string(Perso.Definir_Armure()));
    fen.Texte(32, 286, "Vitalité :");
    fen.Texte(104, 286, Ent(Perso.CoefVitesse * 100.0) + " %");
    fen.Texte(32, 310, "Vitesse :");
    fen.Texte(104, 310, std::to_string(Perso.LongueurPas) + " m/s");
    if (Perso.Definir_BonusDeplacement() >= 1.0) fen.Texte(176, 310, "(+" + Nb(Perso.Definir_BonusDeplacement()) + ")", 128);
}

void ClsInterface::Afficher_Fenetre_Competences(PinceauFenetre& fen, ClsJeuPerso& Perso) {
    const ClsJeuParam& P = main_->Parametres;
    const ClsJeuBatiment* saMaison = Element(main_->Maisons, Perso.NoMaison);
    fen.Texte(128, 32, "Compétences");
    fen.Texte(224, 70, "Niv+");
    std::int32_t n = 0;
    const std::int32_t objetFabrique =
        saMaison ? P.Batiment_ObjetFabrique(saMaison->TypeBatiment, Perso.ObjetEnCours) : -1;
    auto Ligne = [&](const std::string& nom, bool utilise, std::int32_t niveau, bool bonus, double progression) {
        const std::int32_t rang = n++ - fen.f.PremiereLigne;
        if (rang < 0 || rang > 15) return;
        const std::int32_t y = 86 + 16 * rang;
        fen.Texte(32, y, nom + " :", utilise ? 128 : 0);
        fen.Texte(192, y, std::to_string(niveau), bonus ? 128 : 0);
        std::string p = Ent(progression * 100.0);
        if (p.size() < 2) p = "0" + p;
        fen.Texte(224, y, p + "%");
    };
    // An item skill is also in use while the character works a resource
    // that one of its worn items of that skill helps with.
    auto ObjetAideLaRecolte = [&](std::int16_t k) {
        if (Perso.RessourceEnCours < 0) return false;
        for (std::int16_t e = 0; e < Perso.Nombre_Objets_Equipes(); ++e) {
            if (!Perso.Objet_Equipes_Actif(e)) continue;
            const std::int16_t type = Perso.Objet_Equipes_Type(e);
            if (P.Objet_Competence(type) == k && P.Objet_BonusCompetencesRessources(type, Perso.RessourceEnCours) >= 1)
                return true;
        }
        return false;
    };
    for (std::int16_t k = 0; k < Perso.Nombre_CompetencesSpeciales(); ++k)
        Ligne(P.Speciales_NomCompetences(k),
              (k == 0 && Perso.Action == Actions::Construire) || (k == 1 && (Perso.Action == Actions::DetruireMaison || Perso.Action == Actions::DetruireChateau)),
              Perso.Definir_Niveau_CompetenceSpeciales(k), Perso.Bonus_CompetenceSpeciales(k),
              Perso.Progression_CompetenceSpeciale(k));
    for (std::int16_t k = 0; k < Perso.Nombre_CompetencesRessources(); ++k)
        Ligne(P.Ressources_NomCompetence(k), k == Perso.RessourceEnCours,
              Perso.Definir_Niveau_CompetenceRessources(k), Perso.Bonus_CompetenceRessources(k),
              Perso.Progression_CompetenceRessource(k));
    // Service competence k is the skill of service k + 1: row 0 of
    // the services is "no service" and has no skill.
    for (std::int16_t k = 0; k < Perso.Nombre_CompetencesServices(); ++k)
        Ligne(P.Service_NomCompetence(k + 1), Perso.Action == Actions::PreparerService && Perso.ServiceEnCours == k + 1,
              Perso.Definir_Niveau_CompetenceServices(k), Perso.Bonus_CompetenceServices(k),
              Perso.Progression_CompetenceService(k));
    for (std::int16_t k = 1; k < Perso.Nombre_CompetencesObjets(); ++k)
        Ligne(P.CompetenceObjet_Nom(k),
              (Perso.Action == Actions::Fabriquer && objetFabrique >= 0 && P.Objet_Competence(objetFabrique) == k) ||
                  ObjetAideLaRecolte(k),
              Perso.Definir_Niveau_CompetenceObjets(k), Perso.Bonus_CompetenceObjets(k),
              Perso.Progression_CompetenceObjet(k));
    fen.Defilement(n - 16, false);
}

void ClsInterface::Afficher_Fenetre_Inventaire(PinceauFenetre& fen, ClsJeuPerso& Perso) {
    const ClsJeuParam& P = main_->Parametres;
    ClsIntFenetre& f = fen.f;
    const std::int32_t fx = fen.fx, fy = fen.fy;
    Surface& SurfBack = fen.SurfBack;
    fen.Texte(32, 32, "Equipement");
    fen.ArgentPerso(Perso);
    const std::int16_t I = Perso.Nombre_Objets_Inventaire();
    for (std::int16_t i = 0; i < I && static_cast<std::size_t>(i) < f.BoutonsObjets.size(); ++i)
        if (Perso.Objet_Inventaire_Actif(i))
            AffObjets.Afficher(fx + f.BoutonsObjets[static_cast<std::size_t>(i)].PositionX,
                               fy + f.BoutonsObjets[static_cast<std::size_t>(i)].PositionY,
                               Perso.Objet_Inventaire_Apparence(i), SurfBack, vueEcran_);
    const auto inventaire = static_cast<std::size_t>(std::max<std::int16_t>(P.PersosNombreObjetsInventaire, 0));
    for (std::int16_t e = 0; e < Perso.Nombre_Objets_Equipes(); ++e) {
        const std::size_t k = inventaire + static_cast<std::size_t>(e);
        if (!Perso.Objet_Equipes_Actif(e) || k >= f.BoutonsObjets.size()) continue;
        AffObjets.Afficher(fx + f.BoutonsObjets[k].PositionX, fy + f.BoutonsObjets[k].PositionY,
                           Perso.Objet_Equipes_Apparence(e), SurfBack, vueEcran_);
        if (e == 0 && Perso.Objet_Equipes_2_Mains() && k + 1 < f.BoutonsObjets.size())
            AffObjets.Afficher(fx + f.BoutonsObjets[k + 1].PositionX, fy + f.BoutonsObjets[k + 1].PositionY,
                               Perso.Objet_Equipes_Apparence(e), SurfBack, vueEcran_, true);
    }
    // The shortcut numbers of the bound items.
    auto Raccourci = [&](std::int16_t type, std::size_t k) {
        const std::int16_t s = Touches_Raccourci_Objets(type);
        if (s >= 1 && s <= 9 && k < f.BoutonsObjets.size())
            fen.Texte(f.BoutonsObjets[k].PositionX, f.BoutonsObjets[k].PositionY, std::to_string(s));
    };
    for (std::int16_t e = 0; e < Perso.Nombre_Objets_Equipes(); ++e)
        if (Perso.Objet_Equipes_Actif(e)) Raccourci(Perso.Objet_Equipes_Type(e), inventaire + static_cast<std::size_t>(e));
    for (std::int16_t i = 0; i < I; ++i)
        if (Perso.Objet_Inventaire_Actif(i)) Raccourci(Perso.Objet_Inventaire_Type(i), static_cast<std::size_t>(i));
}

void ClsInterface::Afficher_Fenetre_Bestiaire(PinceauFenetre& fen, ClsJeuPerso& Perso) {
    const ClsJeuParam& P = main_->Parametres;
    fen.Texte(128, 32, "Bestiaire");
    std::int32_t rang = 0;
    for (std::int16_t i = 0; i < Perso.Nombre_de_lignes_du_bestiaire() && rang < 16; ++i) {
        const std::int16_t race = P.Bestiaire_Ordre_Alpha(i);
        const std::int32_t c = Perso.Definir_Bestiaire(race);
        if (c <= 0 || i < fen.f.PremiereLigne) continue;
        const std::int32_t y = 86 + 16 * rang++;
        fen.Texte(32, y, P.Race_Nom(race, false, c >= 2) + " :");
        fen.Texte(192, y, std::to_string(c));
    }
    fen.Defilement(Perso.Nombre_de_lignes_du_bestiaire() - 16, false);
}

void ClsInterface::Afficher_Commerce(ClsIntFenetre& f, const ClsJeuPerso& Perso, ClsJeuBatiment& Maison,
                                     Surface& SurfBack) {
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t fx = f.PositionX, fy = f.PositionY;
    if (Maison.MaxStock <= 0) return;
    auto Texte = [&](std::int32_t x, std::int32_t y, const std::string& t) {
        AffTexte.CouleurAvantPlan = 0;
        AffTexte.Afficher(fx + x, fy + y, t, SurfBack);
    };
    const double stock = Entier(Maison.Definir_Stock());
    const std::string quantite = Ent(stock) + " / " + Nb(Maison.MaxStock);
    if (Maison.Fabrique) {
        Texte(32, 138, "Objets : " + (stock >= 1 ? quantite : std::string("Stock vide")));
    } else if (Maison.Magasin) {
        const std::int32_t r = P.Batiment_RessourceFabrique(Maison.TypeBatiment);
        Texte(32, 138, P.Ressources_Nom(r) + " : " + (stock >= 1 ? quantite : std::string("Stock vide")));
        for (std::size_t j = 0; j < 3; ++j) {
            ClsIntBouton& b = f.BoutonsTransfertStockMaison[j];
            if (!Maison.Acheve) {
                b.Visible = false;
                continue;
            }
            Placer(b, static_cast<std::int32_t>(216 + 24 * j), 132);
            if (Perso.DansMaison) {
                f.AffBoutonsTransfert.Afficher(fx + b.PositionX, fy + 132, static_cast<std::int32_t>(j), 0, SurfBack);
            } else {
                f.AffBoutonsCommerce.Afficher(fx + b.PositionX, fy + 132, static_cast<std::int32_t>(j), 0, SurfBack);
                const std::size_t c = static_cast<std::size_t>(3 * r) + j;
                if (r >= 0 && c < f.BoutonsCommerce.size())
                    f.BoutonsCommerce[c].InfoBulle =
                        "Prix : " + std::to_string(Perso.Prix_Marchandee(P.Ressources_PrixVente(r) * P.CoefficientAchat, P));
            }
        }
    } else if (Maison.Service != 0) {
        const std::int16_t s = Maison.Service;
        Texte(32, 138, P.Service_Nom(s) + " : " + (stock >= 1 ? quantite : std::string("Indisponible")));
        f.BoutonService.InfoBulle = "Prix : " + (Perso.DansMaison ? Nb(P.Service_Prix(s))
                                                                  : std::to_string(Perso.Prix_Marchandee(P.Service_Prix(s), P)));
        f.BoutonService.Visible = true;
        ClsJeuPerso& perso = const_cast<ClsJeuPerso&>(Perso);
        f.AffBoutonsAction.Afficher(fx + 216, fy + 136, 5, Maison.Service_Utilisable(perso, P) ? 0 : 1, SurfBack);
        Texte(32, 160, P.Service_Description(s));
    }
}

void ClsInterface::Afficher_Fabrication(ClsIntFenetre& f, const ClsJeuPerso& Perso, const ClsJeuBatiment& Maison,
                                        const ClsJeuFief* Fief, Surface& SurfBack) {
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t fx = f.PositionX, fy = f.PositionY;
    const std::int32_t n = std::max(P.Batiment_NombreObjetsFabriques(Maison.TypeBatiment), 0);
    f.BoutonsFabriquer.assign(static_cast<std::size_t>(n), ClsIntBouton(style_));
    f.BoutonsObjets.assign(static_cast<std::size_t>(n), ClsIntBouton(style_));
    f.PremiereLigneFabrique = Sature16(std::max(std::min<std::int32_t>(f.PremiereLigneFabrique, n - 6), 0));
    const std::int16_t epoque = Fief ? Fief->Epoque : 0;
    auto Texte = [&](std::int32_t x, std::int32_t y, const std::string& t) {
        AffTexte.CouleurAvantPlan = 0;
        AffTexte.Afficher(fx + x, fy + y, t, SurfBack);
    };
    for (std::int32_t k = f.PremiereLigneFabrique, row = 0; k < n && row < 6; ++k, ++row) {
        const std::int32_t type = P.Batiment_ObjetFabrique(Maison.TypeBatiment, k);
        const std::int32_t y = 160 + 32 * row;
        Texte(32, y, P.Objet_NomPluriel(type));
        ClsIntBouton& objet = f.BoutonsObjets[static_cast<std::size_t>(k)];
        Placer(objet, 168, 152 + 32 * row);
        objet.Actif = true;
        AffObjets.Afficher(fx + 168, fy + objet.PositionY, type, SurfBack, vueEcran_);
        Texte(200, y, Ent(Maison.Stock_Objets(k)) + "x");
        ClsIntBouton& fabriquer = f.BoutonsFabriquer[static_cast<std::size_t>(k)];
        fabriquer.InfoBulle = "Fabriquer : " + P.Objet_Nom(type);
        const bool tropTot = P.Objet_Epoque(type) - 1 > epoque;
        if (Perso.DansMaison) {
            std::int16_t etat = 1;
            fabriquer.Actif = false;
            if (tropTot) {
                etat = 2;
            } else if (Perso.PeutConstruire_Objet(static_cast<std::int16_t>(k), Maison, P)) {
                etat = 0;
                fabriquer.Actif = true;
            }
            Placer(fabriquer, 232, 156 + 32 * row);
            f.AffBoutonsAction.Afficher(fx + 232, fy + fabriquer.PositionY, 1, etat, SurfBack, true);
            const auto attente = std::count(FileFabricationObjets.begin(), FileFabricationObjets.end(), k);
            if (attente > 0) Texte(240, 168 + 32 * row, std::to_string(attente));
        }
        if (Perso.Action == Actions::Fabriquer && Perso.ObjetEnCours == k) {
            const double duree = P.Objet_DureeFabrication(type);
            Texte(264, y, Ent(duree > 0 ? Perso.ProgressionFabrication / duree * 100.0 : 100.0) + "%");
        }
        if (tropTot) fabriquer.InfoBulle += "\r&(" + P.Epoque_Nom(P.Objet_Epoque(type) - 1) + ")";
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
            const std::int32_t prix = P.Objet_PrixRessources(type, r);
            if (prix <= 0) continue;
            const double tenu = Perso.Definir_Ressources(r);
            fabriquer.InfoBulle += "\r" + std::string(prix > tenu ? "&" : "") + "(" +
                                   (prix > tenu ? Ent(tenu) + " / " : std::string()) + std::to_string(prix) + " " +
                                   MinusculesAscii(P.Ressources_Nom(r)) + ")";
        }
    }
    if (n > 6) {
        Afficher_Defilement(f, n - 6, true, SurfBack);
    } else {
        for (ClsIntBouton& b : f.BoutonsDefilement) b.Visible = false;
    }
}

void ClsInterface::Afficher_Defilement(ClsIntFenetre& f, std::int32_t LigneMax, bool Fabrique, Surface& SurfBack) {
    f.LigneMax = Sature16(LigneMax);
    for (ClsIntBouton& b : f.BoutonsDefilement) b.Visible = true;
    f.AffBoutonsDefilement.Afficher(f.BoutonsDefilementPositionX(0), f.BoutonsDefilementPositionY(0), 0, 0, SurfBack, true);
    f.AffBoutonsDefilement.Afficher(f.BoutonsDefilementPositionX(1), f.BoutonsDefilementPositionY(1), 1, 0, SurfBack, true);
    f.AffBarreDefilement.Afficher(f.BoutonsDefilementPositionX(2), f.BoutonsDefilementPositionY(2), 2, 0, SurfBack, true);
    // A list shorter than the window (LigneMax 0 or below) keeps its square
    // at the top instead of dividing by LigneMax.
    const std::int32_t L = Fabrique ? f.PremiereLigneFabrique : f.PremiereLigne;
    const double course = f.AffBarreDefilement.Hauteur - f.AffCarreDefilement.Hauteur;
    const double y = LigneMax > 0 ? std::clamp(L * course / LigneMax, 0.0, course) : 0.0;
    f.AffCarreDefilement.Afficher(f.BoutonsDefilementPositionX(2),
                                  f.BoutonsDefilementPositionY(2) + static_cast<std::int32_t>(Arrondi(y)), 3, 0, SurfBack,
                                  true);
}
