// Drawing of the head-up display: frame, order and build buttons, texts,
// statistics, status bars, windows, info and menu buttons, era name; and
// the three drawing services the engine calls on its own.
#include "interface/ClsInterface.h"

#include <algorithm>
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

std::uint32_t ClsInterface::Couleur_Barre(double Ratio) {
    if (Ratio < 0.1) return 128;
    if (Ratio < 0.25) return 255;
    if (Ratio < 0.5) return 0x80FF;
    return 0xC000;
}

void ClsInterface::Afficher_Barre_Statut(double Valeur, double ValeurReserve, double Maximum, std::int32_t X,
                                         std::int32_t Y, Surface& SurfBack, const Vue& vue, std::int32_t Largeur,
                                         std::int32_t Hauteur, std::uint32_t Couleur, bool Vertical) {
    if (X < 0) {
        Largeur += X;
        X = 0;
    }
    if (X + Largeur > vue.LargeurVue) Largeur = vue.LargeurVue - X;
    if (Y < 0) {
        Hauteur += Y;
        Y = 0;
    }
    if (Y + Hauteur > vue.HauteurVue) Hauteur = vue.HauteurVue - Y;
    if (Largeur < 1 || Hauteur < 1) return;
    const std::int32_t x = X + vue.DecalageVueX, y = Y + vue.DecalageVueY;
    SurfBack.Boite(x, y, x + Largeur, y + Hauteur, 0, 0);
    // A maximum of 0 (a dead building, a bad rule) shows an empty bar
    // instead of dividing by it.
    const auto Part = [&](double v) { return Maximum > 0.0 ? std::clamp(v / Maximum, 0.0, 1.0) : 0.0; };
    if (ValeurReserve > 0.0) {
        const double r = Part(ValeurReserve);
        if (!Vertical)
            SurfBack.RemplirRectangle(x + 1, y + 1, static_cast<std::int32_t>(Arrondi(x + Largeur * r)), y + Hauteur,
                                      0xFFFFFF);
        else
            SurfBack.RemplirRectangle(x, static_cast<std::int32_t>(Arrondi(y + Hauteur - Hauteur * r)), x + Largeur,
                                      y + Hauteur, 0xFFFFFF);
    }
    const std::uint32_t c = Couleur != 0 ? Couleur : Couleur_Barre(Maximum > 0.0 ? Valeur / Maximum : 0.0);
    const double v = Part(Valeur);
    if (!Vertical)
        SurfBack.RemplirRectangle(x + 1, y + 1, static_cast<std::int32_t>(Arrondi(x + Largeur * v)), y + Hauteur, c);
    else
        SurfBack.RemplirRectangle(x + 1, static_cast<std::int32_t>(Arrondi(y + Hauteur - Hauteur * v)), x + Largeur,
                                  y + Hauteur, c);
}

void ClsInterface::Afficher_FPS(std::int16_t NombreFrames, Surface& SurfBack) {
    if (!AfficherFPS) return;
    std::string n = std::to_string(NombreFrames);
    if (n.size() < 2) n = std::string(2 - n.size(), '0') + n;
    AffTexte.CouleurAvantPlan = FPSCouleur;
    AffTexte.Afficher(FPSPositionX, FPSPositionY, FPSMessage + n, SurfBack);
}

void ClsInterface::Afficher_Info_Bulles_Terrain(std::int32_t X, std::int32_t Y, const std::string& Message,
                                                Surface& SurfBack) {
    // Drawn as order button 0's tooltip, in the buttons' style.
    ClsIntBouton b(style_);
    b.InfoBulle = Message;
    b.Afficher_Info_Bulle(X, Y, AffTexte, SurfBack, vueEcran_, true);
}

namespace {

// The pattern of a bar's tooltip value: "0" whole, "0.0" one decimal...
std::string Formater(double Valeur, const std::string& Motif) {
    const std::size_t point = Motif.find_first_of(".,");
    if (Motif.empty()) return TexteNombreFrancais(Valeur);
    const int decimales = point == std::string::npos ? 0 : static_cast<int>(Motif.size() - point - 1);
    return TexteNombreFrancais(Valeur, decimales);
}

std::string Pourcent(double x) { return TexteNombre(Entier(x)) + "%"; }

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace

void ClsInterface::Afficher(std::int32_t NoPerso, std::int32_t NoMaison, Surface& SurfBack) {
    ModMain& m = *main_;
    ClsJeuPerso* perso = Element(m.Persos, NoPerso);
    if (!perso || !init2Fait_) return;
    const ClsJeuBatiment* saMaison = Element(m.Maisons, NoPerso);
    const ClsJeuFief* fief = Element(m.Fiefs, perso->Equipe);
    const ClsJeuParam& P = m.Parametres;

    if (AfficherCadre) AffCadre.Afficher(0, 0, SurfBack, 0);
    if (AfficherBoutonsDeplacement) Afficher_Boutons_Deplacement(*perso, SurfBack);
    if (AfficherBoutonsConstruire) Afficher_Boutons_Construire(*perso, saMaison, fief, SurfBack);
    if (AfficherMessageModeAuto && perso->IA_Active) {
        AffTexte.CouleurAvantPlan = MessageModeAutoCouleur;
        AffTexte.Afficher(MessageModeAutoPositionX, MessageModeAutoPositionY, MessageModeAutoMessage, SurfBack);
    }
    if (AfficherAction) Afficher_Action(*perso, saMaison, SurfBack);
    if (AfficherStastistiques) {
        AffTexte.CouleurAvantPlan = CouleurStastistiques;
        AffTexte.Afficher(StastistiquesPositionX, stastistiquesHaut_, texteStastistiques_, SurfBack);
    }
    if (AfficherBarresStatut) Afficher_Barres(*perso, SurfBack);
    Afficher_Fenetres(*perso, NoMaison, SurfBack);
    if (AfficherBoutonsInfos)
        for (std::size_t k = 0; k < boutonsInfos_.size(); ++k)
            AffBoutonsInfos.Afficher(boutonsInfos_[k].PositionX, boutonsInfos_[k].PositionY,
                                     static_cast<std::int32_t>(k), boutonsInfos_[k].Actif ? 1 : 0, SurfBack,
                                     BoutonInfosTransparents);
    if (AfficherBoutonsMenu && boutonsInfos_.size() > 6 && boutonsInfos_[6].Actif)
        for (std::size_t k = 0; k < boutonsMenu_.size(); ++k)
            AffBoutonsMenu.Afficher(boutonsMenu_[k].PositionX, boutonsMenu_[k].PositionY, static_cast<std::int32_t>(k),
                                    boutonsMenu_[k].Actif ? 1 : 0, SurfBack, BoutonMenuTransparents);
    if (AfficherEpoques && fief) {
        AffTexte.CouleurAvantPlan = 0;
        AffTexte.Afficher(EpoquePositionX, EpoquePositionY, P.Epoque_Nom(fief->Epoque), SurfBack);
    }
}

void ClsInterface::Afficher_Boutons_Deplacement(const ClsJeuPerso& Perso, Surface& SurfBack) {
    ModMain& m = *main_;
    const ClsJeuBatiment* chateau = Element(m.Chateaux, Perso.Equipe);
    const ClsJeuBatiment* maison = Element(m.Maisons, Perso.NoMaison);
    const bool chateauDebout = chateau && chateau->Visible();
    const bool maisonDebout = maison && maison->Visible();
    for (std::size_t k = 0; k < boutonsDeplacement_.size(); ++k) {
        ClsIntBouton& b = boutonsDeplacement_[k];
        // Buttons 2 to 9 go to deposit kinds 0 to 7; the rules may have
        // fewer kinds, and a button with no kind behind it is not shown.
        const bool sansGisement = k >= 2 && k <= 9 && static_cast<std::int32_t>(k) - 2 >= m.Parametres.NombreTerrainRessource;
        if ((k == 0 && !chateauDebout) || (k == 1 && !maisonDebout) || (k >= 17 && Perso.NombreInvocations <= 0) ||
            sansGisement) {
            b.Visible = false;
            continue;
        }
        std::int16_t ligne = 0;
        if ((k == 18 && Perso.Attitude == 1) || (k == 0 && !Perso.Vivant()) || (k == 14 && Perso.IA_Active))
            ligne = 1;
        if (k == 19) ligne = Perso.Formation;
        AffBoutonsDeplacement.Afficher(b.PositionX, b.PositionY, static_cast<std::int32_t>(k), ligne, SurfBack, false);
        b.Visible = true;
    }
    if (Perso.NombreInvocations > 0 && !boutonsDeplacement_.empty()) {
        const ClsIntBouton& dernier = boutonsDeplacement_.back();
        AffTexte.CouleurAvantPlan = MessageModeAutoCouleur;
        // One order-button step past the last one, where no button stands.
        AffTexte.Afficher(dernier.PositionX + BoutonDeplacementColonneIntervalX,
                          dernier.PositionY + BoutonDeplacementColonneIntervalY,
                          "Nb:#" + std::to_string(Perso.NombreInvocations), SurfBack);
    }
}

void ClsInterface::Afficher_Boutons_Construire(const ClsJeuPerso& Perso, const ClsJeuBatiment* SaMaison,
                                               const ClsJeuFief* Fief, Surface& SurfBack) {
    const ClsJeuParam& P = main_->Parametres;
    const std::int16_t epoque = Fief ? Fief->Epoque : 0;
    for (std::size_t i = 0; i < boutonsConstruire_.size(); ++i) {
        ClsIntBouton& b = boutonsConstruire_[i];
        std::int16_t etat = 0;
        if (i == 0) {
            etat = SaMaison && SaMaison->Visible() && Perso.Vivant() ? 1 : 0;
        } else {
            const auto t = static_cast<std::int32_t>(i - 1);
            b.Visible = true;
            if (epoque < P.Batiment_NoEpoque(t) - 1)
                etat = 2;
            else if (Perso.Vivant() && Perso.PeutConstruire_Maison(t, P))
                etat = 1;
        }
        AffBoutonsConstruire.Afficher(b.PositionX, b.PositionY, static_cast<std::int32_t>(i), etat, SurfBack, true);
        b.Actif = etat == 1;
        etatsBoutonsConstruire_[i] = etat;
    }
}

std::string ClsInterface::Texte_Action(const ClsJeuPerso& Perso, const ClsJeuBatiment* SaMaison) const {
    const ModMain& m = *main_;
    const ClsJeuParam& P = m.Parametres;
    const std::string libelle = Perso.Definir_Action();
    auto element = [](const auto& v, std::int32_t i) {
        return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
    };
    switch (Perso.Action) {
        case Actions::Construire:
            if (SaMaison && SaMaison->MaxVie > SaMaison->Definir_Vie() && SaMaison->MaxVie > 0)
                return libelle + " : " + Pourcent(SaMaison->Definir_Vie() / SaMaison->MaxVie * 100.0);
            break;
        case Actions::Recolter:
        case Actions::ProduireMaison: {
            const std::int32_t r = Perso.RessourceEnCours;
            if (r < 0 || r >= P.NombreRessources) break;
            return P.Ressources_NomCompetence(r) + " : " + TexteNombre(Entier(Perso.Definir_Ressources(r))) + " / " +
                   TexteNombreFrancais(Perso.Definir_MaxRessources(r));
        }
        case Actions::AllerA:
            if (const auto* d = element(m.Ressources, Perso.CibleRessource))
                return libelle + " : " + P.TerrainRessources_Nom(d->TypeTerrainRessource);
            break;
        case Actions::Entrer:
            if (const auto* b = element(m.Maisons, Perso.CibleMaison))
                return libelle + " : " + P.Batiment_Nom(b->TypeBatiment);
            break;
        case Actions::Attaquer:
            if (const auto* c = element(m.Persos, Perso.CiblePerso)) {
                const std::string nom = c->Nom.empty() ? P.Race_Nom(c->Race, c->Sexe) : c->Nom;
                const double vie = c->Definir_MaxVie() > 0 ? c->Definir_Vie() / c->Definir_MaxVie() * 100.0 : 0.0;
                return libelle + " : " + nom + " (Vie:" + Pourcent(vie) + ")";
            }
            break;
        case Actions::Ressusciter:
            return libelle + " : " + Pourcent(100.0 - Perso.DelaiResurrection);
        case Actions::Fabriquer:
            if (SaMaison) {
                const std::int32_t objet = P.Batiment_ObjetFabrique(SaMaison->TypeBatiment, Perso.ObjetEnCours);
                const double duree = objet >= 0 ? P.Objet_DureeFabrication(objet) : 0.0;
                // An item made in no time shows as done instead of dividing by 0.
                return libelle + " : " +
                       Pourcent(duree > 0.0 ? Perso.ProgressionFabrication / duree * 100.0 : 100.0);
            }
            break;
        case Actions::PreparerService:
            if (SaMaison)
                return P.Service_NomCompetence(SaMaison->Service) + " : " +
                       TexteNombre(Entier(SaMaison->Definir_Stock())) + " / " + TexteNombre(Entier(SaMaison->MaxStock));
            break;
        default:
            break;
    }
    return libelle;
}

void ClsInterface::Afficher_Action(const ClsJeuPerso& Perso, const ClsJeuBatiment* SaMaison, Surface& SurfBack) {
    // The text colour is a 16-bit field: the layout file's value keeps its
    // low 16 bits.
    AffTexte.CouleurAvantPlan = static_cast<std::uint16_t>(MessageActionCouleur);
    AffTexte.Afficher(MessageActionPositionX, MessageActionPositionY, Texte_Action(Perso, SaMaison), SurfBack);
}

void ClsInterface::Afficher_Barres(const ClsJeuPerso& Perso, Surface& SurfBack) {
    struct Barre {
        const char* libelle;
        double v, r, m;
        std::int16_t x, y;
    };
    const Barre barres[4] = {
        {"Vie :", Perso.Vie, Perso.Definir_Vie(), Perso.Definir_MaxVie(), ViePositionX, ViePositionY},
        {"Energie :", Perso.Energie, Perso.Definir_Energie(), Perso.Definir_MaxEnergie(), EnergiePositionX,
         EnergiePositionY},
        {"Magie :", Perso.Magie, Perso.Definir_Magie(), Perso.Definir_MaxMagie(), MagiePositionX, MagiePositionY},
        {"Moral :", Perso.Moral, Perso.Definir_Moral(), Perso.Definir_MaxMoral(), MoralPositionX, MoralPositionY}};
    for (std::size_t b = 0; b < 4; ++b) {
        const Barre& x = barres[b];
        AffTexte.CouleurAvantPlan = 0;
        AffTexte.Afficher(x.x, x.y, x.libelle, SurfBack);
        Afficher_Barre_Statut(x.v > 0.0 ? x.v : 0.0, x.r, x.m, x.x + BarresStatutDecalageX, x.y + BarresStatutDecalageY,
                              SurfBack, vueEcran_, BarresStatutLargeur, BarresStatutHauteur, 0, false);
        if (b < boutonsBarresStatut_.size())
            boutonsBarresStatut_[b].InfoBulle =
                Formater(x.v, BarresStatutFormatCarac) + " / " + TexteNombreFrancais(x.m);
    }
    const std::int32_t E = BarresStatutContourEpaisseur;
    for (std::size_t b = 0; b < 4; ++b) {
        if (!AutoRecuperation_Carac(static_cast<std::int16_t>(b))) continue;
        const std::int32_t x = barres[b].x + BarresStatutDecalageX, y = barres[b].y + BarresStatutDecalageY;
        SurfBack.Boite(x - E, y - E, x + BarresStatutLargeur + E, y + BarresStatutHauteur + E,
                       BarresStatutContourCouleur);
    }
}

void ClsInterface::Afficher_Fenetres(ClsJeuPerso& Perso, std::int32_t NoMaison, Surface& SurfBack) {
    if (fenetres_.size() < 6) return;
    ModMain& m = *main_;
    const ClsJeuBatiment* maison = Element(m.Maisons, NoMaison);
    // The building window shows only while the character is in a building.
    const bool dansBatiment = Perso.DansChateau || Perso.DansChateauCible ||
                              (Perso.Vivant() && (Perso.DansMaison || Perso.DansMaisonCible)) ||
                              (maison && maison->Service == 1 && (Perso.DansMaison || Perso.DansMaisonCible));
    fenetres_[0].Visible = boutonsInfos_.size() > 0 && boutonsInfos_[0].Actif && dansBatiment;
    for (std::int16_t k : {4, 0, 1, 2, 3, 5}) {
        ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(k)];
        if (!f.Visible) continue;
        const std::int16_t colonne = k == 4 ? (Perso.Sexe ? 2 : 1) : 0;
        AffFenetres.Afficher(f.PositionX, f.PositionY, SurfBack, colonne);
        Afficher_Contenu_Fenetre(k, Perso, NoMaison, SurfBack);
    }
}

void ClsInterface::Afficher_Objet_Curseur(ClsJeuPerso& Perso, std::int32_t X, std::int32_t Y, Surface& SurfBack) {
    const ClsJeuParam& P = main_->Parametres;
    Perso.Ressources_Verifications();
    std::string texte;
    if (Perso.ArgentSelectionne > 0.0) texte = "Argent : " + TexteNombre(Entier(Perso.ArgentSelectionne));
    for (std::int16_t r = 0; r < P.NombreRessources; ++r) {
        const double q = Perso.Definir_RessourcesSelectionnes(r);
        if (q <= 0.0) continue;
        if (!texte.empty()) texte += "#";
        texte += P.Ressources_Nom(r) + " : " + TexteNombre(Entier(q));
    }
    if (!texte.empty()) Afficher_Info_Bulles_Terrain(X, Y, texte, SurfBack);
    if (Perso.IndiceObjetSelectionne >= 0) AffObjets.Afficher(X, Y, Perso.IndiceObjetSelectionne, SurfBack, vueEcran_);
}
