// The draw passes of a frame: the world layers of one view (deposits,
// buildings with their life bars, treasures, scenery, characters with their
// status bars, effects and their sounds), the overlays of the players'
// command (selection marks, drag rectangle, activity bars, speech lines,
// map tooltip, placement ghost, split bar), the loading screen and the
// present of the back buffer.
#include <algorithm>
#include <cmath>

#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/ModMain.h"
#include "engine/ModesCurseur.h"
#include "platform/Nombres.h"
#include "platform/SortieEcran.h"
#include "platform/Texte.h"

namespace {

std::int32_t Au_Plus_Proche(double x) { return VersEntier32(Arrondi(x)); }

// The ordinary number-to-text conversion of the tooltips: no fixed
// decimals, "." never shown to the player.
std::string Nombre(double v) { return TexteNombreFrancais(v); }

}  // namespace

// ---------------------------------------------------------------- world

void ClsMoteur::Afficher_Batiments(std::int16_t p) {
    const JoueurLocal& j = J(p);
    InterfaceMoteur& barres = *Joueurs[0].Interface;
    const ClsJeuParam& P = Main.Parametres;
    for (std::size_t i = 0; i < Main.Chateaux.size(); ++i) {
        const ClsJeuBatiment& c = Main.Chateaux[i];
        if (!c.Visible()) continue;
        const ClsJeuFief* fief = i < Main.Fiefs.size() ? &Main.Fiefs[i] : nullptr;
        const std::int32_t peuple = fief ? fief->Peuple : 0;
        const std::int32_t etat = (fief && fief->Peuple == 0) ? fief->Epoque : 0;
        if (AffichageCharge)
            AffChateaux.Afficher(c.X - j.VueX, c.Y - j.VueY, peuple, etat, SurfBack, VueCourante, c.Largeur, c.Hauteur, 0);
        if (c.Vie < c.MaxVie)
            barres.Afficher_Barre_Statut(c.Vie, c.Definir_Vie(), c.MaxVie, c.X - j.VueX, c.Y + c.Hauteur - j.VueY, SurfBack,
                                         VueCourante, c.Largeur, 5, 0, false);
    }
    for (const ClsJeuBatiment& m : Main.Maisons) {
        if (!m.Visible()) continue;
        if (AffichageCharge)
            AffMaisons.Afficher(m.X - j.VueX, m.Y - j.VueY, m.TypeBatiment, m.Etat(P), SurfBack, VueCourante, m.Largeur,
                                m.Hauteur, m.Definir_NumeroAnimation(P));
        if (m.Definir_Vie() < m.MaxVie)
            barres.Afficher_Barre_Statut(m.Definir_Vie(), m.Definir_Vie(), m.MaxVie, m.X - j.VueX, m.Y + m.Hauteur - j.VueY,
                                         SurfBack, VueCourante, m.Largeur, 5, 0, false);
    }
}

void ClsMoteur::Afficher_Ressources(std::int16_t p) {
    if (!AffichageCharge) return;
    const JoueurLocal& j = J(p);
    // Exhausted deposits are drawn too.
    for (const ClsJeuRessources& r : Main.Ressources)
        AffRessources.Afficher(r.X - j.VueX, r.Y - j.VueY, r.TypeRessource, SurfBack, VueCourante);
}

void ClsMoteur::Afficher_Tresors(std::int16_t p) {
    if (!AffichageCharge) return;
    const JoueurLocal& j = J(p);
    for (const ClsJeuTresors& t : Main.Tresors)
        AffTresors.Afficher(t.X - j.VueX, t.Y - j.VueY, t.IndiceImage, SurfBack, VueCourante);
}

void ClsMoteur::Afficher_Decors(std::int16_t p) {
    if (!AffichageCharge) return;
    const JoueurLocal& j = J(p);
    for (const ClsJeuDecors& d : Main.Decors)
        AffDecors.Afficher(d.X - j.VueX, d.Y - j.VueY, d.Categorie, SurfBack, VueCourante, d.EtapeAnimation);
}

void ClsMoteur::Afficher_Persos(std::int16_t p, std::int16_t p2) {
    if (p2 == -1) p2 = p;
    const JoueurLocal& j = J(p);
    InterfaceMoteur& barres = *Joueurs[0].Interface;
    const std::int32_t propre = Main.NoPersoParJoueur[static_cast<std::size_t>(p)];
    const std::int32_t propre2 = Main.NoPersoParJoueur[static_cast<std::size_t>(p2)];
    const std::int32_t equipe = PersoValide(Main.NoPersoJoueur) ? Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)].Equipe : -1;
    // From the last index down: a lower index is painted over a higher one.
    for (std::size_t k = Main.Persos.size(); k-- > 0;) {
        ClsJeuPerso& c = Main.Persos[k];
        const std::int32_t i = static_cast<std::int32_t>(k);
        if (!c.Visible()) continue;
        if (!c.Vivant() && c.Invocation()) continue;
        const bool montre = i == propre || c.Vivant() || i == propre2 || (c.Equipe == equipe && Jeu.AfficherFantomesPNJ);
        if (!montre) continue;
        const std::int32_t x = c.PositionX - j.VueX, y = c.PositionY - j.VueY;
        if (c.Vivant()) {
            const bool combat = c.Attaque < c.Definir_MaxAttaque() || c.Defense < c.Definir_MaxDefense();
            if (c.Vie < c.Definir_MaxVie() || combat)
                barres.Afficher_Barre_Statut(c.Vie, c.Definir_Vie(), c.Definir_MaxVie(), x, y + c.Hauteur, SurfBack,
                                             VueCourante, c.Largeur, 5, 0, false);
            if (combat) {
                barres.Afficher_Barre_Statut(c.Attaque, c.Attaque, c.Definir_MaxAttaque(), x, y + c.Hauteur + 5, SurfBack,
                                             VueCourante, c.Largeur, 5, 0xFF, false);
                barres.Afficher_Barre_Statut(c.Defense, c.Defense, c.Definir_MaxDefense(), x, y + c.Hauteur + 10, SurfBack,
                                             VueCourante, c.Largeur, 5, 0xFF0000, false);
            }
        }
        if (!AffichageCharge || !AffPerso) continue;
        std::int16_t ax = 0, ay = 0;
        if (!c.Volant) {
            const std::int32_t py = c.PositionY + c.Hauteur - Main.Monde.HauteurCase;
            ax = Main.Monde.ImgDecalageX(c.PositionX, py);
            ay = Main.Monde.ImgDecalageY(c.PositionX, py);
        }
        AffPerso->Afficher(x, y, c.EtapeAnimation, c.Direction, c.EnMarche, c.ApparenceAffichee, c.Largeur, c.Hauteur,
                           c.Sexe, SurfBack, VueCourante, c.Apparence, !c.Vivant(), ax, ay);
    }
}

void ClsMoteur::Afficher_Effets(std::int16_t p) {
    const JoueurLocal& j = J(p);
    const ClsJeuParam& P = Main.Parametres;
    auto effet = [&](const ClsJeuEffet& e) {
        if (!e.Actif) return;
        const std::int16_t etape = e.Etape_Effet();
        if (AffichageCharge) AffEffet.Afficher(e.TypeEffet, etape, e.X - j.VueX, e.Y - j.VueY, SurfBack, VueCourante);
        if (!SonActif || etape != 1 || Jeu.Pause || !Lire_Son) return;
        const double w = P.Effet_Largeur(e.TypeEffet), h = P.Effet_Hauteur(e.TypeEffet);
        const double x = e.X - j.VueX, y = e.Y - j.VueY;
        if (x - w / 2 <= VueCourante.LargeurVue && y - h / 2 <= VueCourante.HauteurVue && y + h / 2 >= 0 && x + w / 2 >= 0)
            Lire_Son(e.TypeEffet);
    };
    for (std::size_t i = 0; i < Main.Maisons.size() && i < Main.EffetsMaisons.size(); ++i) {
        const ClsJeuBatiment& m = Main.Maisons[i];
        // A completed house below half its life burns (a running fire is
        // left alone); one never completed never burns.
        if (m.Definir_Vie() < 0.5 * m.MaxVie && m.Acheve)
            Main.EffetsMaisons[i].Activer_Effet(P.EffetMaisonEnFeu, m.X, m.Y, m.Largeur, m.Hauteur, P, false);
        effet(Main.EffetsMaisons[i]);
    }
    for (std::size_t i = 0; i < Main.Persos.size() && i < Main.EffetsPersos.size(); ++i) effet(Main.EffetsPersos[i]);
}

// ------------------------------------------------------------- overlays

void ClsMoteur::Afficher_Marque_Selection(std::int32_t NoPerso, std::int16_t p) {
    if (!PersoValide(NoPerso)) return;
    const JoueurLocal& j = J(p);
    const ClsJeuPerso& c = Main.Persos[static_cast<std::size_t>(NoPerso)];
    const std::uint32_t couleur = c.EnCombat() ? 0xFF : (!c.Inactif() ? 0xC00000 : 0xFFFFFF);
    std::int32_t x = c.PositionX, y = c.PositionY, l = c.Largeur, h = c.Hauteur;
    auto batiment = [&](const std::vector<ClsJeuBatiment>& v, std::int32_t k) {
        if (k < 0 || static_cast<std::size_t>(k) >= v.size()) return false;
        const ClsJeuBatiment& b = v[static_cast<std::size_t>(k)];
        x = b.X, y = b.Y, l = b.Largeur, h = b.Hauteur;
        return true;
    };
    // A character inside a building is marked around the building.
    if (c.DansMaison) batiment(Main.Maisons, NoPerso);
    else if (c.DansMaisonCible) batiment(Main.Maisons, c.CibleMaison);
    else if (c.DansChateau) batiment(Main.Chateaux, c.Equipe);
    else if (c.DansChateauCible) batiment(Main.Chateaux, c.CibleChateau);
    const std::int32_t dx = VueCourante.DecalageVueX - j.VueX, dy = VueCourante.DecalageVueY - j.VueY;
    SurfBack.BoiteArrondie(x + dx, y + dy, x + l + dx, y + h + dy, 10, 10, couleur);
}

void ClsMoteur::Afficher_Rectangle_Selection(std::int16_t p) {
    const JoueurLocal& j = J(p);
    if (!j.SelectionEnCours && !j.DeselectionEnCours) return;
    SurfBack.Boite(Au_Plus_Proche(std::min(j.SourisX, j.DebutSelectionX)),
                   Au_Plus_Proche(std::min(j.SourisY, j.DebutSelectionY)),
                   Au_Plus_Proche(std::max(j.SourisX, j.DebutSelectionX)),
                   Au_Plus_Proche(std::max(j.SourisY, j.DebutSelectionY)), j.SelectionEnCours ? 0xFFFFFF : 0xFF);
}

void ClsMoteur::Afficher_Selection_Joueur(std::int16_t p) {
    JoueurLocal& j = J(p);
    const std::int32_t k = Main.NoPersoParJoueur[static_cast<std::size_t>(p)];
    if (PersoValide(k) && Main.Persos[static_cast<std::size_t>(k)].Vivant()) {
        // The drag box is drawn on the screen, not on the map: under a
        // zoom the frame draws it once the world is magnified.
        if (Zoom <= 1.0) Afficher_Rectangle_Selection(p);
        j.SelectionEtendue = std::abs(j.SourisX - j.DebutSelectionX) >= j.Interface->RectangleSelectionMinX ||
                             std::abs(j.SourisY - j.DebutSelectionY) >= j.Interface->RectangleSelectionMinY;
    }
    if (!j.SelectionVisible) return;
    // Characters that died leave the selection.
    for (std::size_t n = j.Selection.size(); n-- > 0;) {
        const std::int32_t s = j.Selection[n];
        if (!PersoValide(s) || !Main.Persos[static_cast<std::size_t>(s)].Vivant())
            j.Selection.erase(j.Selection.begin() + static_cast<std::ptrdiff_t>(n));
        else
            Afficher_Marque_Selection(s, p);
    }
}

void ClsMoteur::Afficher_Progression(std::int32_t NoPerso, std::int16_t p) {
    if (!PersoValide(NoPerso) || static_cast<std::size_t>(NoPerso) >= Main.Maisons.size()) return;
    const JoueurLocal& j = J(p);
    const ClsJeuParam& P = Main.Parametres;
    InterfaceMoteur& barres = *Joueurs[0].Interface;
    const ClsJeuPerso& c = Main.Persos[static_cast<std::size_t>(NoPerso)];
    const ClsJeuBatiment& H = Main.Maisons[static_cast<std::size_t>(NoPerso)];
    auto barre = [&](double v, double max, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, bool vertical) {
        barres.Afficher_Barre_Statut(v, 0, max, x, y, SurfBack, VueCourante, l, h, 0xFFFFFF, vertical);
    };
    if (!c.Vivant() && c.DansChateau) {
        if (c.Equipe >= 0 && static_cast<std::size_t>(c.Equipe) < Main.Chateaux.size()) {
            const ClsJeuBatiment& ch = Main.Chateaux[static_cast<std::size_t>(c.Equipe)];
            barre(100 - c.DelaiResurrection, 100, ch.X - j.VueX, ch.Y - j.VueY - 5, ch.Largeur, 5, false);
        }
        return;
    }
    const std::int32_t r = c.RessourceEnCours;
    if (r < 0 && c.Action == Actions::Fabriquer) {
        barre(c.ProgressionFabrication, P.Objet_DureeFabrication(P.Batiment_ObjetFabrique(H.TypeBatiment, c.ObjetEnCours)),
              H.X - j.VueX, H.Y - j.VueY - 5, H.Largeur, 5, false);
    } else if (r >= 0 && c.Action == Actions::Recolter) {
        barre(c.Definir_Ressources(r), c.Definir_MaxRessources(r), c.PositionX - j.VueX, c.PositionY - j.VueY - 5,
              c.Largeur, 5, false);
    } else if (r >= 0 && c.Action == Actions::ProduireMaison) {
        barre(c.Definir_Ressources(r), c.Definir_MaxRessources(r), H.X - j.VueX, H.Y - j.VueY - 5, H.Largeur, 5, false);
        const std::int32_t m = P.Ressources_TypeMatierePremiere(r);
        if (m >= 0)
            barre(c.Definir_Ressources(m), c.Definir_MaxRessources(m), H.X - j.VueX - 5, H.Y - j.VueY, 5, H.Hauteur, true);
    }
    if (c.DansMaison && H.MaxStock > 0)
        barre(H.Definir_Stock(), H.MaxStock, H.X + H.Largeur - j.VueX, H.Y - j.VueY, 5, H.Hauteur, true);
}

void ClsMoteur::Afficher_Commentaires(std::int16_t p) {
    const ClsJeuCommentaires& C = Main.Commentaires;
    if (!C.Definir_Afficher()) return;
    const JoueurLocal& j = J(p);
    for (ClsJeuPerso& c : Main.Persos) {
        const std::string& ligne = c.Definir_Commentaires();
        if (ligne.empty()) continue;
        if (c.Vivant())
            SurfBack.Texte(C.DecalageX - j.VueX + VueCourante.DecalageVueX + c.PositionX,
                           C.DecalageY - j.VueY + VueCourante.DecalageVueY + c.PositionY, ligne,
                           static_cast<std::uint32_t>(C.Couleur));
        // A line lives as many Duree as it has characters (strict test),
        // shown or not.
        const double longueur = static_cast<double>(LongueurCaracteres(ligne));
        if (longueur * C.Duree < std::abs(TempsActuel - c.HeureCommentaire)) c.Definir_Commentaires("");
    }
}

std::string ClsMoteur::Texte_Infos_Survol(std::int16_t p) const {
    const JoueurLocal& j = Joueurs[static_cast<std::size_t>(p)];
    if (!Joueurs[0].Interface->Definir_AfficherInfoBulleTerrain() || j.ModeCurseur < ModesCurseur::Ressource ||
        j.ModeCurseur > ModesCurseur::DonnerAllie)
        return "";
    const std::int32_t n = Main.NoPersoParJoueur[static_cast<std::size_t>(p)];
    if (!PersoValide(n)) return "";
    const ClsJeuParam& P = Main.Parametres;
    const ClsJeuPerso& c = Main.Persos[static_cast<std::size_t>(n)];
    const std::int32_t k = j.CibleCurseur;
    auto dans = [](const auto& v, std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < v.size(); };
    auto quantite = [&](std::int32_t r) {
        return Nombre(std::floor(c.Definir_Ressources(r))) + " / " + Nombre(c.Definir_MaxRessources(r));
    };
    auto chateau = [&](std::int32_t f) { return dans(Main.Fiefs, f) ? P.Peuples_NomChateau(Main.Fiefs[static_cast<std::size_t>(f)].Peuple) : std::string(); };
    auto nom = [&](const ClsJeuPerso& q) { return q.Nom.empty() ? P.Race_Nom(q.Race, q.Sexe, false) : q.Nom; };
    switch (j.ModeCurseur) {
        case ModesCurseur::Ressource:
            if (!dans(Main.Ressources, k)) return "";
            return P.Ressources_Nom(Main.Ressources[static_cast<std::size_t>(k)].TypeRessource) + " : " +
                   quantite(Main.Ressources[static_cast<std::size_t>(k)].TypeRessource);
        case ModesCurseur::MaisonEnChantier: case ModesCurseur::MaisonAchevee: {
            if (!dans(Main.Maisons, n)) return "";
            const std::int32_t t = Main.Maisons[static_cast<std::size_t>(n)].TypeBatiment;
            const std::int32_t r = P.Batiment_RessourceFabrique(t);
            if (r < 1) return P.Batiment_Nom(t) + " ";
            return P.Batiment_Nom(t) + "#" + P.Ressources_Nom(r) + " : " + quantite(r) + " ";
        }
        case ModesCurseur::ChateauPropre: return chateau(c.Equipe) + "  ";
        case ModesCurseur::MaisonAlliee: case ModesCurseur::MaisonService:
            return dans(Main.Maisons, k) ? P.Batiment_Nom(Main.Maisons[static_cast<std::size_t>(k)].TypeBatiment) + " " : "";
        case ModesCurseur::ChateauAllie: return dans(Main.Fiefs, k) ? chateau(k) + "  " : "";
        case ModesCurseur::PersoEnnemi:
            return dans(Main.Persos, k) ? "&" + nom(Main.Persos[static_cast<std::size_t>(k)]) + "  " : "";
        case ModesCurseur::MaisonEnnemie:
            return dans(Main.Maisons, k) ? "&" + P.Batiment_Nom(Main.Maisons[static_cast<std::size_t>(k)].TypeBatiment) + "  " : "";
        case ModesCurseur::ChateauEnnemi: return dans(Main.Fiefs, k) ? "&" + chateau(k) + "  " : "";
        case ModesCurseur::Tresor: return Main.Tresors.Existe(k) ? Main.Tresors(k).Nom(P) + "  " : "";
        case ModesCurseur::DonnerAllie:
            return dans(Main.Persos, k) ? nom(Main.Persos[static_cast<std::size_t>(k)]) + "  " : "";
        default: return "";
    }
}

void ClsMoteur::Afficher_Infos_Survol(std::int32_t X, std::int32_t Y, std::int16_t p) {
    const std::string texte = Texte_Infos_Survol(p);
    if (!texte.empty()) Joueurs[0].Interface->Afficher_Info_Bulles_Terrain(X, Y, texte, SurfBack);
}

void ClsMoteur::Afficher_Emplacement_Construction(std::int32_t X, std::int32_t Y, std::int16_t t, bool Verdict) {
    const ClsJeuParam& P = Main.Parametres;
    // The ghost is the house as the zoomed world shows it.
    const double z = Zoom > 1.0 ? Zoom : 1.0;
    const double W = P.Batiment_Largeur(t) * z, H = P.Batiment_Hauteur(t) * z;
    const double CW = AffSouris ? AffSouris->Largeur() : 0, CH = AffSouris ? AffSouris->Hauteur() : 0;
    // The outline takes the verdict's colour too.
    const std::uint32_t couleur = Verdict ? 0xC000 : 0xFF;
    const Rectangle r = Rectangle_Emplacement(X, Y, W, H, CW, CH);
    SurfBack.Hachurer(r.Gauche, r.Haut, r.Droite, r.Bas, couleur, Hachure::DiagonaleMontante);
    SurfBack.BoiteArrondie(r.Gauche, r.Haut, r.Droite, r.Bas, 10, 10, couleur);
}

Rectangle ClsMoteur::Rectangle_Emplacement(std::int32_t X, std::int32_t Y, double W, double H, double CW, double CH) {
    return {Au_Plus_Proche(X - W / 2 + CW / 2), Au_Plus_Proche(Y - H / 2 + CH / 2), Au_Plus_Proche(X + W / 2 + CW / 2),
            Au_Plus_Proche(Y + H / 2 + CH / 2)};
}

void ClsMoteur::Afficher_Separation() {
    // A box drawn in the fore colour, black: two pixels wide, it is all
    // outline.
    SurfBack.Boite(Au_Plus_Proche(LargeurEcran / 2.0 - 1), 0, Au_Plus_Proche(LargeurEcran / 2.0 + 1), HauteurEcran, 0);
}

void ClsMoteur::Afficher_Ecran() {
    if (Sortie) Sortie->Presenter(SurfBack);
}

void ClsMoteur::Afficher_Image_Chargement(std::int16_t Pourcentage, std::string_view Texte) {
    if (NombreJoueursLocaux == 1 && !Joueurs.empty()) {
        double dX, dY, dZ;
        Peripheriques_.Positions_Souris(dX, dY, dZ);
        JoueurLocal& j = Joueurs[0];
        j.SourisX = std::clamp(j.SourisX + dX, 0.0, double(LargeurEcran));
        j.SourisY = std::clamp(j.SourisY + dY, 0.0, double(HauteurEcran));
        j.SourisZ += dZ;
    }
    if (dd_ == nullptr || SurfBack.Vide()) return;
    const JoueurLocal& j = Joueurs[0];
    Chargement.AfficherBulle = [this](std::int32_t X, std::int32_t Y, std::string_view T, Surface& S) {
        Joueurs[0].Interface->Afficher_Info_Bulles_Terrain(X, Y, T, S);
    };
    if (!Chargement.Afficher_Image_Chargement(*dd_, Pourcentage, Texte, SurfBack, VueCourante, LargeurEcran, HauteurEcran,
                                              AffSouris.get(), Au_Plus_Proche(j.SourisX), Au_Plus_Proche(j.SourisY)))
        return;
    Afficher_Ecran();
    if (Attente) Attente->Traiter();
}
