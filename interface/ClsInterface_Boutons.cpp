// The hit test of one player's interface: which element lies under the
// cursor, its tooltip, the effect of a click and the action code handed to
// the main loop. Families are tried in a fixed order; the first that finds
// the cursor handles the event, except the build buttons, which are always
// tried.
#include "platform/Texte.h"
#include "interface/ClsInterface.h"

#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "rules/ClsJeuParam.h"
#include "rules/LectureIni.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

using ModCommandes::Ordre;

// The bits of the group and modifier flags of an attack order.
std::int32_t Drapeaux(bool Groupe, bool Ctrl, bool Shift, bool Alt) {
    return (Groupe ? 1 : 0) | (Ctrl ? 2 : 0) | (Shift ? 4 : 0) | (Alt ? 8 : 0);
}

}  // namespace

bool ClsInterface::Interieur_Rectangle(std::int32_t X, std::int32_t Y, std::int32_t Gauche, std::int32_t Haut,
                                       std::int32_t Largeur, std::int32_t Hauteur) {
    return X >= Gauche && Y >= Haut && X <= Gauche + Largeur && Y <= Haut + Hauteur;
}

std::string ClsInterface::Info_Bulle_Construire(std::int16_t i, const ClsJeuPerso& Perso) const {
    const ModMain& m = *main_;
    const ClsJeuParam& P = m.Parametres;
    if (i == 0) {
        const bool actif = !boutonsConstruire_.empty() && boutonsConstruire_[0].Actif;
        return (actif ? "&" : "") + BoutonDemolirEtiquette;
    }
    const std::int32_t t = i - 1;
    std::string texte = P.Batiment_Nom(t) + " :";
    const ClsJeuFief* fief = Perso.Equipe >= 0 && static_cast<std::size_t>(Perso.Equipe) < m.Fiefs.size()
                                 ? &m.Fiefs[static_cast<std::size_t>(Perso.Equipe)]
                                 : nullptr;
    const std::int16_t era = P.Batiment_NoEpoque(t);
    if (fief && fief->Epoque < era - 1) texte += "\r&(" + P.Epoque_Nom(era - 1) + ")";
    for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
        const std::int32_t cout = P.Batiment_Prix(t, r);
        if (cout <= 0) continue;
        const double tenu = Perso.Definir_Ressources(r);
        const std::string nom = MinusculesAscii(P.Ressources_Nom(r));
        // Red only when the holding is strictly below the cost.
        if (tenu < cout)
            texte += "\r&(" + TexteNombre(Entier(tenu)) + " / " + std::to_string(cout) + " " + nom + ")";
        else
            texte += "\r(" + std::to_string(cout) + " " + nom + ")";
    }
    texte += "\r" + P.Batiment_Description(t);
    return texte;
}

bool ClsInterface::Interieur_Boutons(const EntreeInterface& E, std::int16_t& CodeAction,
                                     std::int16_t& BoutonConstruire, std::int32_t NoPerso, std::int32_t NoFief,
                                     std::int16_t& Touche, bool& SelectionActive, ModDialogue::Groupe& Selection,
                                     Surface& SurfBack) {
    ModMain& m = *main_;
    ClsJeuPerso* perso = Element(m.Persos, NoPerso);
    SourisSurObjet = false;
    if (!perso || !init2Fait_) return false;
    Afficher(NoPerso, perso->CibleMaison, SurfBack);

    const std::int32_t X = E.X, Y = E.Y;
    const bool clic = E.ClicGauche || E.ClicDroit;
    const bool vivant = perso->Vivant();
    bool traite = false;
    auto Bulle = [&](const ClsIntBouton& b) { b.Afficher_Info_Bulle(X, Y, AffTexte, SurfBack, vueEcran_); };
    auto Dessus = [&](const ClsIntBouton& b, std::int32_t l, std::int32_t h) {
        return Interieur_Rectangle(X, Y, b.PositionX, b.PositionY, l, h);
    };

    // Menu buttons, alive only while the game is paused.
    if (AfficherBoutonsMenu && boutonsInfos_.size() > 6 && boutonsInfos_[6].Actif) {
        for (std::size_t k = 0; k < boutonsMenu_.size(); ++k) {
            ClsIntBouton& b = boutonsMenu_[k];
            if (!Dessus(b, AffBoutonsMenu.Largeur, AffBoutonsMenu.Hauteur)) {
                b.Actif = false;
                continue;
            }
            if (!clic) {
                Bulle(b);
                b.Actif = true;
            } else if (k == 0) {
                if (Moteur.Sauvegarder_Monde) Moteur.Sauvegarder_Monde();
            } else if (k == 1) {
                m.FinPartie = true;
            }
            CodeAction = ActionInterface_Traitee;
            traite = true;
            break;
        }
    }

    // Window buttons.
    traite = Interieur_Fenetres(E, CodeAction, *perso, NoPerso, NoFief, Touche, traite, SurfBack);

    // Close buttons.
    if (!traite) {
        for (std::size_t k = 0; k < fenetres_.size() && !traite; ++k) {
            const ClsIntFenetre& f = fenetres_[k];
            if (!f.Visible) continue;
            if (!Interieur_Rectangle(X, Y, f.BoutonFermer_PositionX(), f.BoutonFermer_PositionY(),
                                     f.BoutonFermer_Largeur(), f.BoutonFermer_Hauteur()))
                continue;
            if (clic)
                Actionner_Boutons_Infos(static_cast<std::int16_t>(k));
            else
                f.BoutonFermer.Afficher_Info_Bulle(X, Y, AffTexte, SurfBack, vueEcran_);
            CodeAction = ActionInterface_Traitee;
            traite = true;
        }
    }

    // Money taken at the cursor, from the resources and inventory windows.
    if (!traite) {
        for (std::size_t k : {std::size_t{1}, std::size_t{4}}) {
            if (k >= fenetres_.size() || !fenetres_[k].Visible) continue;
            const ClsIntFenetre& f = fenetres_[k];
            if (!Interieur_Rectangle(X, Y, f.BoutonArgentBoutonsPrendre_PositionX(),
                                     f.BoutonArgentBoutonsPrendre_PositionY(), f.BoutonArgentBoutonsPrendre_Largeur(),
                                     f.BoutonArgentBoutonsPrendre_Hauteur()))
                continue;
            if (E.ClicGauche || E.ClicDroit)
                ModCommandes::Commande(m, NoPerso, Ordre::ArgentMain, E.ClicGauche ? 0 : 1);
            else
                f.BoutonArgentPrendre.Afficher_Info_Bulle(X, Y, AffTexte, SurfBack, vueEcran_);
            CodeAction = ActionInterface_Traitee;
            traite = true;
            break;
        }
    }

    // Build buttons, whatever the families above found.
    if (AfficherBoutonsConstruire) {
        boutonsConstruireSortis_ = false;
        for (std::size_t i = 0; i < boutonsConstruire_.size(); ++i) {
            ClsIntBouton& b = boutonsConstruire_[i];
            if (!b.Visible || !Dessus(b, AffBoutonsConstruire.Largeur, AffBoutonsConstruire.Hauteur)) continue;
            boutonsConstruireSortis_ = true;
            const bool disponible = b.Actif;
            if (disponible && i >= 1 && E.ClicGauche) {
                CodeAction = static_cast<std::int16_t>(i);
                BoutonConstruire = static_cast<std::int16_t>(i);
            } else if (i == 0 || !disponible) {
                CodeAction = ActionInterface_Traitee;
            }
            if (E.ClicGauche && disponible && i == 0) {
                if (Element(m.Maisons, NoPerso)) ModCommandes::Commande(m, NoPerso, Ordre::Demolir);
            } else if (E.ClicDroit) {
                // The demolish button stands for no house type.
                if (i >= 1) ModCommandes::Commande(m, NoPerso, Ordre::MaisonSuivante, static_cast<std::int32_t>(i - 1));
            } else if (!E.ClicGauche || !disponible) {
                // A click on an unavailable button says what it lacks.
                b.InfoBulle = Info_Bulle_Construire(static_cast<std::int16_t>(i), *perso);
                Bulle(b);
            }
            traite = true;
            break;
        }
    }

    // Order buttons.
    if (!traite && AfficherBoutonsDeplacement) {
        for (std::size_t i = 0; i < boutonsDeplacement_.size(); ++i) {
            const ClsIntBouton& b = boutonsDeplacement_[i];
            if (!b.Visible || !Dessus(b, AffBoutonsDeplacement.Largeur, AffBoutonsDeplacement.Hauteur)) continue;
            Action_Bouton_Deplacement(static_cast<std::int16_t>(i), E, CodeAction, *perso, NoPerso, SelectionActive,
                                      Selection);
            if (!E.ClicGauche) Bulle(b);
            traite = true;
            break;
        }
    }

    // Info buttons.
    if (!traite && AfficherBoutonsInfos) {
        for (std::size_t i = 0; i < boutonsInfos_.size(); ++i) {
            const ClsIntBouton& b = boutonsInfos_[i];
            if (!Dessus(b, AffBoutonsInfos.Largeur, AffBoutonsInfos.Hauteur)) continue;
            if (clic)
                Actionner_Boutons_Infos(static_cast<std::int16_t>(i));
            else
                Bulle(b);
            CodeAction = ActionInterface_Traitee;
            traite = true;
            break;
        }
    }

    // Status bars: a right click switches automatic recovery, a left
    // click eats for that characteristic now.
    if (!traite && AfficherBarresStatut) {
        for (std::size_t k = 0; k < boutonsBarresStatut_.size(); ++k) {
            const ClsIntBouton& b = boutonsBarresStatut_[k];
            if (!Dessus(b, b.Largeur, b.Hauteur)) continue;
            const auto kk = static_cast<std::int16_t>(k);
            if (E.ClicDroit) {
                AutoRecuperation_Carac(kk, !AutoRecuperation_Carac(kk));
            } else if (E.ClicGauche) {
                // Eats when the characteristic is below its maximum.
                if (vivant && k < 4) ModCommandes::Commande(m, NoPerso, Ordre::Recuperer, static_cast<std::int32_t>(k));
            } else {
                Bulle(b);
            }
            CodeAction = ActionInterface_Traitee;
            traite = true;
            break;
        }
    }

    // The screen's borders belong to the interface.
    if (!traite) {
        if (X >= vueEcran_.LargeurVue - BordureDroite || X <= BordureGauche || Y <= BordureHaut ||
            Y >= vueEcran_.HauteurVue - BordureBas)
            traite = true;
    }
    return traite;
}

void ClsInterface::Action_Bouton_Deplacement(std::int16_t i, const EntreeInterface& E, std::int16_t& CodeAction,
                                             ClsJeuPerso& Perso, std::int32_t NoPerso, bool& SelectionActive,
                                             ModDialogue::Groupe& Selection) {
    ModMain& m = *main_;
    const bool vivant = Perso.Vivant();
    const bool clic = E.ClicGauche || E.ClicDroit;
    const bool groupe = E.ClicDroit || E.Ctrl || E.Shift || E.Alt;
    CodeAction = ActionInterface_Traitee;
    if (i == 0) {
        CodeAction = ActionInterface_RentrerChateau;
    } else if (i == 1) {
        const ClsJeuBatiment* maison = Element(m.Maisons, NoPerso);
        if (vivant || (maison && maison->Service == 1)) CodeAction = ActionInterface_RentrerMaison;
    } else if (i >= 2 && i <= 9) {
        if (E.ClicGauche && vivant) ModCommandes::Commande(m, NoPerso, Ordre::RessourceProche, i - 2);
    } else if (i >= 10 && i <= 12) {
        if (clic && vivant) {
            if (SelectionActive)
                ModCommandes::Commande_Groupe_Attaquer(m, NoPerso, Selection, i - 10);
            else
                ModCommandes::Commande(m, NoPerso, Ordre::AttaquerProche, i - 10, Drapeaux(groupe, E.Ctrl, E.Shift, E.Alt));
        }
    } else if (i == 13) {
        if (clic && vivant) ModCommandes::Commande(m, NoPerso, Ordre::TresorProche);
    } else if (i == 14) {
        if (clic) ModCommandes::Commande(m, NoPerso, Ordre::ModeAuto);
    } else if (i == 15) {
        if (clic && vivant) ModCommandes::Commande(m, NoPerso, Ordre::Aide);
    } else if (i == 16) {
        if (E.ClicGauche) {
            if (vivant && SelectionActive)
                ModCommandes::Commande_Groupe(m, NoPerso, Selection, Ordre::GroupeArreter);
            else
                ModCommandes::Commande(m, NoPerso, Ordre::Arreter);
        } else if (E.ClicDroit && vivant) {
            ModCommandes::Commande(m, NoPerso, Ordre::ArreterSuite);
        }
    } else if (i == 17) {
        if (clic && vivant)
            ModCommandes::Commande(m, NoPerso, Ordre::Charger, ModDialogue::CibleActuelle, -1,
                                   Drapeaux(false, E.Ctrl, E.Shift, false));
    } else if (i == 18) {
        if (clic) ModCommandes::Commande(m, NoPerso, Ordre::Attitude);
    } else if (i == 19) {
        if (clic) ModCommandes::Commande(m, NoPerso, Ordre::Formation, E.ClicGauche ? 0 : 1);
    }
}
