// Views and input of the local players: the split-screen decision, the
// placing of a view on the map, each player's devices turned into a
// selection, interface actions, list scrolling and orders, the cursor
// layer of a frame, and the selection of soldiers.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "characters/ModDialogue.h"
#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "engine/ModesCurseur.h"
#include "interface/ClsInterface.h"
#include "platform/Nombres.h"
#include "world/ModEmplacement.h"

namespace {

std::int32_t Au_Plus_Proche(double x) { return VersEntier32(Arrondi(x)); }

}  // namespace

void ClsMoteur::Decision_Ecran_Separe() {
    if (Main.NoPersoParJoueur.size() < 2 || !PersoValide(Main.NoPersoParJoueur[0]) ||
        !PersoValide(Main.NoPersoParJoueur[1]))
        return;
    const ClsJeuPerso& a = Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[0])];
    const ClsJeuPerso& b = Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[1])];
    const double dx = std::abs(double(a.PositionX) - b.PositionX);
    const double dy = std::abs(double(a.PositionY) - b.PositionY);
    const double W = VueCourante.LargeurVue, H = VueCourante.HauteurVue;
    // Split beyond 0.7 screens, join below 0.5: in between the views keep
    // their state and do not flicker.
    if (Jeu.Definir_Mode2JoueursEcranSepares())
        EcranSepare = true;
    else if (EcranSepare) {
        if (dx < 0.5 * W && dy < 0.5 * H) EcranSepare = false;
    } else if (dx > 0.7 * W || dy > 0.7 * H) {
        EcranSepare = true;
    }
}

std::int32_t ClsMoteur::Decalage_Vue(std::int16_t i) const {
    return (NombreJoueursLocaux == 2 && EcranSepare && i == 1) ? Au_Plus_Proche(LargeurEcran / 2.0) : 0;
}

std::int32_t ClsMoteur::Largeur_Vue(std::int16_t) const {
    // Both halves of a split screen are as wide.
    return (NombreJoueursLocaux == 2 && EcranSepare) ? Au_Plus_Proche(LargeurEcran / 2.0) : LargeurEcran;
}

double ClsMoteur::Carte_X(std::int16_t i, double X) const {
    const double centre = Decalage_Vue(i) + Largeur_Vue(i) / 2.0;
    const double z = Zoom >= 1.0 ? Zoom : 1.0;
    return Joueurs[static_cast<std::size_t>(i)].VueX + (centre - Decalage_Vue(i)) + (X - centre) / z;
}

double ClsMoteur::Carte_Y(std::int16_t i, double Y) const {
    const double centre = HauteurEcran / 2.0;
    const double z = Zoom >= 1.0 ? Zoom : 1.0;
    return Joueurs[static_cast<std::size_t>(i)].VueY + centre + (Y - centre) / z;
}

void ClsMoteur::Agrandir_Vue(std::int32_t Gauche, std::int32_t Largeur) {
    if (Zoom <= 1.0 || Largeur <= 0 || SurfBack.Vide()) return;
    Gauche = std::clamp(Gauche, 0, SurfBack.Largeur());
    Largeur = std::min(Largeur, SurfBack.Largeur() - Gauche);
    const std::int32_t H = SurfBack.Hauteur();
    const double cx = Gauche + Largeur / 2.0, cy = H / 2.0;
    // Each pixel of the view takes the pixel of the unmagnified picture
    // that lies under it. Both maps grow with the screen coordinate, so the
    // pixels read form one rectangle, from the first column and row to the
    // last: only that rectangle is copied aside before the view is written
    // over it.
    auto ligne_source = [&](std::int32_t y) {
        return std::clamp(static_cast<std::int32_t>(std::floor(cy + (y + 0.5 - cy) / Zoom)), 0, H - 1);
    };
    ColonnesZoom.resize(static_cast<std::size_t>(Largeur));
    for (std::int32_t x = 0; x < Largeur; ++x)
        ColonnesZoom[static_cast<std::size_t>(x)] =
            std::clamp(static_cast<std::int32_t>(std::floor(cx + (Gauche + x + 0.5 - cx) / Zoom)) - Gauche, 0, Largeur - 1);
    const std::int32_t c0 = ColonnesZoom.front(), l = ColonnesZoom.back() - c0 + 1;
    const std::int32_t r0 = ligne_source(0), h = ligne_source(H - 1) - r0 + 1;
    // One pixel more than the rectangle: a pair read at its last pixel.
    const std::size_t taille = static_cast<std::size_t>(l) * static_cast<std::size_t>(h) + 1;
    if (SourceZoom.size() < taille) SourceZoom.resize(taille);
    for (std::int32_t y = 0; y < h; ++y)
        std::copy_n(SurfBack.Rangee(r0 + y) + Gauche + c0, l, SourceZoom.begin() + static_cast<std::ptrdiff_t>(y) * l);
    for (std::int32_t& c : ColonnesZoom) c -= c0;
    // Two neighbouring pixels of the view show one source pixel or two
    // neighbouring ones (the zoom never skips one): each pair is then one
    // 32-bit read and write, the first pixel doubled when they show the
    // same. Any other step, or another byte order, takes pixels one by one.
    bool par_paires = std::endian::native == std::endian::little;
    for (std::int32_t x = 0; par_paires && x + 1 < Largeur; x += 2) {
        const std::int32_t pas = ColonnesZoom[static_cast<std::size_t>(x) + 1] - ColonnesZoom[static_cast<std::size_t>(x)];
        par_paires = pas == 0 || pas == 1;
    }
    // Rows that show the same source row are alike: the row just written
    // is copied.
    std::int32_t precedente = -1;
    for (std::int32_t y = 0; y < H; ++y) {
        const std::int32_t sy = ligne_source(y);
        std::uint16_t* cible = SurfBack.Rangee(y) + Gauche;
        if (sy == precedente) {
            std::copy_n(SurfBack.Rangee(y - 1) + Gauche, Largeur, cible);
            continue;
        }
        precedente = sy;
        const std::uint16_t* ligne = SourceZoom.data() + static_cast<std::size_t>(sy - r0) * static_cast<std::size_t>(l);
        const std::int32_t* colonne = ColonnesZoom.data();
        std::int32_t x = 0;
        if (par_paires)
            for (; x + 1 < Largeur; x += 2) {
                const std::int32_t a = colonne[x];
                std::uint32_t deux;
                std::memcpy(&deux, ligne + a, sizeof deux);
                const std::uint32_t double_premier = (deux & 0xFFFFu) * 0x10001u;
                deux = colonne[x + 1] == a ? double_premier : deux;
                std::memcpy(cible + x, &deux, sizeof deux);
            }
        for (; x < Largeur; ++x) cible[x] = ligne[colonne[x]];
    }
}

void ClsMoteur::Centrer_Vue(std::int32_t X, std::int32_t Y, std::int32_t Largeur, std::int32_t Hauteur, std::int16_t p) {
    JoueurLocal& j = J(p);
    const double M = double(Main.Monde.LargeurCarte) * AffTerrain.LargeurCase;
    const double N = double(Main.Monde.HauteurCarte) * AffTerrain.HauteurCase;
    // A map narrower than the view keeps a negative scroll.
    double vx = Arrondi(X - Largeur / 2.0);
    if (vx > M - Largeur)
        vx = M - Largeur;
    else if (vx < 0)
        vx = 0;
    double vy = Arrondi(Y - Hauteur / 2.0);
    if (vy > N - Hauteur)
        vy = N - Hauteur;
    else if (vy < 0)
        vy = 0;
    j.VueX = Sature32(vx);
    j.VueY = Sature32(vy);
}

void ClsMoteur::Entrees_Joueur(std::int16_t i) {
    JoueurLocal& j = J(i);
    const std::int32_t W = LargeurEcran, H = HauteurEcran;
    const std::int32_t demi = Au_Plus_Proche(W * 0.5);
    // The player's half of the screen and character.
    VueCourante.DecalageVueX = (i == 1 && EcranSepare) ? demi : 0;
    Main.NoPersoJoueur = Main.NoPersoParJoueur[static_cast<std::size_t>(i)];
    if (!PersoValide(Main.NoPersoJoueur)) return;
    // Only a character that came from a file goes back to it: a villager
    // played in its place would otherwise become a new hero file.
    if (const ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)]; p.PersoFichier > 0)
        Main.SavPerso.Sauvegarder_Perso_Periodique(p, TempsActuel);
    // The mouse is the player's with one player, player 1's with two;
    // player 0 of two plays with the keyboard.
    const bool souris = NombreJoueursLocaux == 1 || i == 1;
    EtatBoutons b;
    if (souris) {
        double dX, dY, dZ;
        Peripheriques_.Positions_Souris(dX, dY, dZ);
        const double minX = (i == 1 && EcranSepare) ? demi : 0;
        j.SourisX = std::clamp(j.SourisX + dX, minX, double(W));
        j.SourisY = std::clamp(j.SourisY + dY, 0.0, double(H));
        j.SourisZ += dZ;
        b = Peripheriques_.Boutons_Souris();
    } else {
        b = Peripheriques_.Boutons_Clavier();
    }
    // What is read now waits for the next frame's hit test; the pass acts
    // on what the last frame has seen.
    for (int k = 0; k < 2; ++k) {
        j.BoutonsTrame.Clique[k] = j.BoutonsTrame.Clique[k] || b.Clique[k];
        j.BoutonsTrame.Relache[k] = j.BoutonsTrame.Relache[k] || b.Relache[k];
        j.BoutonsTrame.Maintenu[k] = b.Maintenu[k];
    }
    EtatBoutons& a = j.BoutonsPasse;
    j.CliqueGauche = a.Clique[0];
    j.CliqueDroit = a.Clique[1];
    j.SelectionEnCours = a.Maintenu[0];
    j.DeselectionEnCours = a.Maintenu[1];
    j.RelacheGauche = a.Relache[0];
    j.RelacheDroit = a.Relache[1];
    for (int k = 0; k < 2; ++k) a.Clique[k] = a.Relache[k] = false;

    ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)];
    if (!perso.Vivant()) {
        // A dead leader's creatures go back to the built-in AI.
        j.SelectionVisible = false;
        ModCommandes::Commande_Unique(Main, Main.NoPersoJoueur, ModCommandes::Ordre::IAInvocations, 1);
        j.DebutSelectionX = j.SourisX;
        j.DebutSelectionY = j.SourisY;
    } else if (j.SelectionEnCours || j.DeselectionEnCours) {
        // A button held: a drag once it reaches the interface's minimum
        // size. Marking every hold as a drag would turn a click into an
        // empty rectangle selection whenever no frame was drawn between
        // the hold and the release.
        j.SelectionEtendue = std::abs(j.SourisX - j.DebutSelectionX) >= j.Interface->RectangleSelectionMinX ||
                             std::abs(j.SourisY - j.DebutSelectionY) >= j.Interface->RectangleSelectionMinY;
        j.CurseurLibre = false;
    } else {
        if (j.SelectionEtendue) {
            Selectionner_Soldats(i, ShiftEnfonce, CtrlEnfonce);
        } else if (j.InterfaceUtilisee) {
            // The click the interface took lasts until its button is up and
            // its release has been acted on: a pass that runs before the
            // next frame has seen the button held (or let go) must not hand
            // the release to the map, where a closed window no longer is.
            const EtatBoutons& t = j.BoutonsTrame;
            const bool enCours = t.Maintenu[0] || t.Maintenu[1] || t.Clique[0] || t.Clique[1] || t.Relache[0] ||
                                 t.Relache[1];
            if (!enCours) j.InterfaceUtilisee = false;
        } else {
            j.CurseurLibre = true;
        }
        j.DebutSelectionX = j.SourisX;
        j.DebutSelectionY = j.SourisY;
    }

    const bool evenement = j.CliqueGauche || j.CliqueDroit || j.RelacheGauche || j.RelacheDroit ||
                           j.SelectionEnCours || j.DeselectionEnCours || ToucheEnfoncee != 0;
    if (evenement && j.SurInterface) {
        // A click on the interface never also acts on the map.
        if (j.CodeAction >= ActionInterface_Construire && j.CodeAction <= ActionInterface_ConstruireDernier) {
            j.ModeCurseur = ModesCurseur::MaisonLibre;
        } else if (j.CodeAction > ActionInterface_ConstruireDernier && j.RelacheGauche) {
            if (j.CodeAction == ActionInterface_RentrerMaison)
                ModCommandes::Commande_Rentrer_Maison(Main, Main.NoPersoJoueur, Main.NoPersoJoueur);
            else if (j.CodeAction == ActionInterface_RentrerChateau)
                ModCommandes::Commande_Rentrer_Chateau(Main, Main.NoPersoJoueur, perso.Equipe);
            j.ModeCurseur = ModesCurseur::Carte;
        }
        j.InterfaceUtilisee = true;
        j.CurseurLibre = false;
    }
    // The wheel scrolls the list of the window under the cursor.
    if (j.SourisZ != 0) {
        const bool fabrication = perso.DansMaison && static_cast<std::size_t>(Main.NoPersoJoueur) < Main.Maisons.size() &&
                                 Main.Maisons[static_cast<std::size_t>(Main.NoPersoJoueur)].Acheve;
        for (std::int16_t f : {0, 1, 3, 5})
            if (j.Interface->Fenetres_Visible(f)) {
                if (j.SourisZ < 0)
                    j.Interface->Defilement_Bas(f, f == 1 && fabrication);
                else
                    j.Interface->Defilement_Haut(f, f == 1 && fabrication);
            }
        j.SourisZ = 0;
    }
    // Orders on the map, when the cursor is not on the interface.
    if (evenement && !j.SurInterface) Entrees_Ordres_Carte(i);
    // The interface follows the character.
    j.Interface->Actualiser();
    if (NombreJoueursLocaux == 2 && i == 0) {
        double dX, dY, dZ;
        Peripheriques_.Positions_Clavier(dX, dY, dZ);
        const double maxX = EcranSepare ? demi : W;
        j.SourisX = std::clamp(j.SourisX + dX, 0.0, maxX);
        j.SourisY = std::clamp(j.SourisY + dY, 0.0, double(H));
        j.SourisZ += dZ;
    }
}

void ClsMoteur::Entrees_Ordres_Carte(std::int16_t i) {
    JoueurLocal& j = J(i);
    const std::int32_t n = Main.NoPersoJoueur;
    ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(n)];
    const ClsJeuParam& P = Main.Parametres;
    // A press arms the cursor; the release of the same button acts.
    if ((j.CliqueGauche && !j.SelectionEnCours) || (j.CliqueDroit && !j.DeselectionEnCours)) j.CurseurLibre = true;
    if (!j.CurseurLibre) return;
    const double mx = Carte_X(i, j.SourisX);
    const double my = Carte_Y(i, j.SourisY);
    const std::int16_t mode = j.ModeCurseur;
    const std::int32_t cible = j.CibleCurseur;
    auto abandonner_selection = [&] {
        j.SelectionVisible = false;
        j.InterfaceUtilisee = true;
        j.CurseurLibre = false;
        ModCommandes::Commande_Unique(Main, n, ModCommandes::Ordre::IAInvocations, 1);
    };

    if (j.SelectionVisible &&
        (mode == ModesCurseur::Carte || (mode >= ModesCurseur::MaisonEnChantier && mode <= ModesCurseur::ChateauEnnemi))) {
        // Group branch: orders to the selection, led by the character.
        if (j.RelacheDroit) {
            if (!Selectionner_Soldats(i, ShiftEnfonce, CtrlEnfonce)) abandonner_selection();
        } else if (j.RelacheGauche) {
            // The selection is this machine's: the order carries it.
            const ModDialogue::Groupe groupe(j.Selection.begin(), j.Selection.end());
            using ModCommandes::Ordre;
            auto Groupe = [&](Ordre o, std::int32_t X, std::int32_t Y) {
                ModCommandes::Commande_Groupe(Main, n, groupe, o, X, Y);
            };
            switch (mode) {
                case ModesCurseur::Carte: Groupe(Ordre::GroupeDeplacer, Au_Plus_Proche(mx), Au_Plus_Proche(my)); break;
                case ModesCurseur::MaisonEnChantier:
                case ModesCurseur::MaisonAchevee:
                case ModesCurseur::MaisonAlliee:
                    Groupe(Ordre::GroupeRentrer, 0, cible); break;
                case ModesCurseur::ChateauPropre: Groupe(Ordre::GroupeRentrer, 1, perso.Equipe); break;
                case ModesCurseur::ChateauAllie: Groupe(Ordre::GroupeRentrer, 1, cible); break;
                case ModesCurseur::PersoEnnemi:
                case ModesCurseur::MaisonEnnemie:
                case ModesCurseur::ChateauEnnemi:
                    Groupe(Ordre::GroupeAttaquer, mode - ModesCurseur::PersoEnnemi, cible); break;
                default: break;
            }
            if (mode >= ModesCurseur::MaisonEnChantier && mode <= ModesCurseur::ChateauAllie) abandonner_selection();
        }
        return;
    }

    if (j.RelacheDroit) {
        if (perso.Vivant()) Selectionner_Soldats(i, ShiftEnfonce, CtrlEnfonce);
        if (!j.SelectionVisible) {
            if (perso.Definir_ObjetSelectionne()) {
                ModCommandes::Commande(Main, n, ModCommandes::Ordre::Lacher);
            } else if (mode == ModesCurseur::Carte) {
                j.Interface->Actionner_Boutons_Infos(4);
            } else if (mode == ModesCurseur::Ressource) {
                j.Interface->Actionner_Boutons_Infos(1);
            } else if (mode == ModesCurseur::MaisonLibre || mode == ModesCurseur::MaisonOccupee) {
                j.ModeCurseur = ModesCurseur::Carte;
            } else if ((mode >= ModesCurseur::MaisonEnChantier && mode <= ModesCurseur::ChateauAllie) ||
                       mode == ModesCurseur::MaisonService) {
                j.Interface->Actionner_Boutons_Infos(0);
            } else if (mode >= ModesCurseur::PersoEnnemi && mode <= ModesCurseur::ChateauEnnemi) {
                ModCommandes::Commande(Main, n, ModCommandes::Ordre::Charger, mode - ModesCurseur::PersoEnnemi, cible);
            }
        }
        return;
    }
    if (!j.RelacheGauche) return;

    switch (mode) {
        case ModesCurseur::MaisonLibre: {
            // The house's box centred on the cursor picture's middle.
            const std::int16_t t = static_cast<std::int16_t>(j.BoutonConstruction - 1);
            const double cw = AffSouris ? AffSouris->Largeur() : 0, ch = AffSouris ? AffSouris->Hauteur() : 0;
            const std::int32_t X = Au_Plus_Proche(mx - P.Batiment_Largeur(t) / 2.0 + cw / 2);
            const std::int32_t Y = Au_Plus_Proche(my - P.Batiment_Hauteur(t) / 2.0 + ch / 2);
            ModCommandes::Commande_Construire_Maison(Main, n, X, Y, t);
            j.ModeCurseur = ModesCurseur::MaisonEnChantier;
            j.CodeAction = ActionInterface_Aucune;
            break;
        }
        case ModesCurseur::MaisonOccupee: break;
        case ModesCurseur::Ressource: ModCommandes::Commande_Aller_Ressource(Main, n, cible); break;
        case ModesCurseur::MaisonEnChantier:
        case ModesCurseur::MaisonAchevee:
            ModCommandes::Commande_Rentrer_Maison(Main, n, n); break;
        case ModesCurseur::ChateauPropre: ModCommandes::Commande_Rentrer_Chateau(Main, n, perso.Equipe); break;
        case ModesCurseur::MaisonAlliee:
        case ModesCurseur::MaisonService:
            ModCommandes::Commande(Main, n, ModCommandes::Ordre::AllerBatiment, 0, cible); break;
        case ModesCurseur::ChateauAllie:
            ModCommandes::Commande(Main, n, ModCommandes::Ordre::AllerBatiment, 1, cible); break;
        case ModesCurseur::PersoEnnemi:
        case ModesCurseur::MaisonEnnemie:
        case ModesCurseur::ChateauEnnemi:
            ModCommandes::Commande(Main, n, ModCommandes::Ordre::AttaquerCible, mode - ModesCurseur::PersoEnnemi, cible); break;
        case ModesCurseur::Tresor: ModCommandes::Commande(Main, n, ModCommandes::Ordre::AllerTresor, cible); break;
        case ModesCurseur::DonnerAllie: ModCommandes::Commande(Main, n, ModCommandes::Ordre::Donner, cible); break;
        default:
            if (!perso.Definir_ObjetSelectionne() || !perso.Vivant())
                ModCommandes::Commande_Aller_A(Main, n, Au_Plus_Proche(mx - perso.Largeur / 2.0),
                                               Au_Plus_Proche(my - perso.Hauteur / 2.0));
            else
                // Into its house, sold to its castle, or onto the ground.
                ModCommandes::Commande(Main, n, ModCommandes::Ordre::Deposer);
            break;
    }
    j.CurseurLibre = false;
}

void ClsMoteur::Couche_Curseur(std::int16_t i) {
    JoueurLocal& j = J(i);
    const std::int32_t n = Main.NoPersoJoueur;
    ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(n)];
    const ClsJeuParam& P = Main.Parametres;
    const Vue ecran{LargeurEcran, HauteurEcran, 0, 0};
    const std::int32_t sx = Au_Plus_Proche(j.SourisX), sy = Au_Plus_Proche(j.SourisY);
    // The frame draws the heads-up layer with no view offset set: player
    // 1's half of a split screen is taken off here.
    const std::int32_t mx = Au_Plus_Proche(Carte_X(i, j.SourisX));
    const std::int32_t my = Au_Plus_Proche(Carte_Y(i, j.SourisY));
    std::int32_t curseur = 0;
    const bool tient = perso.Definir_ObjetSelectionne();
    if (tient) j.Interface->Afficher_Objet_Curseur(perso, sx, sy, SurfBack);
    if (j.ModeCurseur == ModesCurseur::MaisonLibre || j.ModeCurseur == ModesCurseur::MaisonOccupee) {
        const std::int16_t t = static_cast<std::int16_t>(j.BoutonConstruction - 1);
        if (!perso.PeutConstruire_Maison(t, P)) {
            j.ModeCurseur = ModesCurseur::Carte;
        } else {
            const double cw = AffSouris ? AffSouris->Largeur() : 0, ch = AffSouris ? AffSouris->Hauteur() : 0;
            const std::int32_t L = P.Batiment_Largeur(t), Ht = P.Batiment_Hauteur(t);
            const std::int32_t X = Au_Plus_Proche(Carte_X(i, j.SourisX) - L / 2.0 + cw / 2);
            const std::int32_t Y = Au_Plus_Proche(Carte_Y(i, j.SourisY) - Ht / 2.0 + ch / 2);
            const double largeurCarte = double(Main.Monde.LargeurCarte) * Main.Monde.LargeurCase;
            const double hauteurCarte = double(Main.Monde.HauteurCarte) * Main.Monde.HauteurCase;
            const bool libre = Tester_Emplacement(Main, n, X, Y, L, Ht, false) == Emplacement::Libre && X >= 0 && Y >= 0 &&
                               X + L <= largeurCarte && Y + Ht <= hauteurCarte;
            j.ModeCurseur = libre ? ModesCurseur::MaisonLibre : ModesCurseur::MaisonOccupee;
            Afficher_Emplacement_Construction(Sature16(Arrondi(j.SourisX)), Sature16(Arrondi(j.SourisY)), t, libre);
            curseur = j.ModeCurseur;
        }
        if (AffSouris) AffSouris->Afficher(sx, sy, curseur, SurfBack, ecran);
        return;
    }
    if (tient) {
        Main.IndiceEmplacement = -1;
        const std::int16_t code = Tester_Emplacement(Main, n, mx, my, 0, 0, true);
        j.CibleCurseur = Main.IndiceEmplacement;
        if ((code == Emplacement::MaisonEnChantier || code == Emplacement::MaisonAchevee) &&
            static_cast<std::size_t>(n) < Main.Maisons.size() &&
            Main.Maisons[static_cast<std::size_t>(n)].Service == 1) {
            curseur = j.ModeCurseur = ModesCurseur::MaisonAchevee;
        } else if (code == Emplacement::ChateauPropre) {
            curseur = j.ModeCurseur = ModesCurseur::ChateauPropre;
        } else if (code == Emplacement::MaisonService) {
            curseur = j.ModeCurseur = ModesCurseur::MaisonService;
        } else {
            curseur = j.ModeCurseur = ModesCurseur::Carte;
            if (Tester_Emplacement_Allie(Main, n, mx, my, 0, 0, true)) {
                j.ModeCurseur = ModesCurseur::DonnerAllie;
                j.CibleCurseur = Main.IndiceEmplacement;
            }
        }
    } else {
        Main.IndiceEmplacement = -1;
        j.ModeCurseur = Tester_Emplacement(Main, n, mx, my, 0, 0, true);
        j.CibleCurseur = Main.IndiceEmplacement;
        curseur = j.ModeCurseur;
        if (j.ModeCurseur == Emplacement::Obstacle) curseur = ModesCurseur::Carte;
    }
    // A dead character's player sees the plain arrow.
    if (!perso.Vivant()) curseur = 0;
    if (AffSouris) AffSouris->Afficher(sx, sy, curseur, SurfBack, ecran);
}

bool ClsMoteur::Selectionner_Soldats(std::int16_t NoJoueur, bool Ajout, bool Suppression, bool PleinEcran) {
    if (NoJoueur < 0 || NoJoueur >= static_cast<std::int16_t>(Joueurs.size())) return false;
    JoueurLocal& j = J(NoJoueur);
    const std::int32_t chef = Main.NoPersoParJoueur[static_cast<std::size_t>(NoJoueur)];
    bool resultat = false;
    // Adding wins over removing; neither starts afresh.
    if (Ajout && Suppression) Suppression = false;
    if (!Ajout && !Suppression) j.Selection.clear();
    // The rectangle searched: the whole screen, or the cursor's box.
    std::int32_t x1, y1, x2, y2;
    if (PleinEcran) {
        j.SelectionEtendue = true;
        // The player's own view.
        x1 = Decalage_Vue(NoJoueur);
        y1 = 0;
        x2 = x1 + Largeur_Vue(NoJoueur);
        y2 = HauteurEcran;
    } else {
        x1 = Au_Plus_Proche(j.SourisX);
        y1 = Au_Plus_Proche(j.SourisY);
        x2 = Au_Plus_Proche(j.DebutSelectionX);
        y2 = Au_Plus_Proche(j.DebutSelectionY);
        if (x1 > x2) std::swap(x1, x2);
        if (y1 > y2) std::swap(y1, y2);
    }
    // The rectangle on the map, whoever calls (the pass or the key
    // dispatcher, which runs with no view offset set).
    const std::int32_t rx = Au_Plus_Proche(Carte_X(NoJoueur, x1));
    const std::int32_t ry = Au_Plus_Proche(Carte_Y(NoJoueur, y1));
    const std::int32_t rl = Au_Plus_Proche(Carte_X(NoJoueur, x2)) - rx, rh = Au_Plus_Proche(Carte_Y(NoJoueur, y2)) - ry;
    // The player's soldiers: the creatures its character summoned.
    for (std::size_t k = 0; k < Main.Persos.size(); ++k) {
        ClsJeuPerso& s = Main.Persos[k];
        if (s.Invocateur != chef || chef < 0 || !s.Vivant() || s.IA_Incommandable) continue;
        if (!Collision_Rectangles(s.PositionX, s.PositionY, rx, ry, s.Largeur, s.Hauteur, rl, rh)) continue;
        resultat = true;
        const std::int32_t i = static_cast<std::int32_t>(k);
        // A selected creature leaves its own AI; that is the world's, an
        // order (asked again while a drag lasts, so sent once a turn).
        if (!Suppression) j.Selection.push_back(i);
        else std::erase(j.Selection, i);
        if (s.IA_Active != Suppression)
            ModCommandes::Commande_Unique(Main, chef, ModCommandes::Ordre::GroupeIA, i, Suppression ? 1 : 0);
        // A click takes one character only.
        if (!j.SelectionEtendue) break;
    }
    // The player's own character, on a release of the first button.
    if (j.RelacheGauche && PersoValide(chef)) {
        const ClsJeuPerso& c = Main.Persos[static_cast<std::size_t>(chef)];
        if (Collision_Rectangles(c.PositionX, c.PositionY, rx, ry, c.Largeur, c.Hauteur, rl, rh)) {
            resultat = true;
            if (!Suppression) {
                j.Selection.push_back(chef);
            } else if (auto it = std::find(j.Selection.begin(), j.Selection.end(), chef); it != j.Selection.end()) {
                j.Selection.erase(it);
            }
        }
    }
    // Each character once, in the order of its first selection.
    if (Ajout && j.Selection.size() > 1) {
        std::vector<std::int32_t> uniques;
        for (std::int32_t k : j.Selection)
            if (std::find(uniques.begin(), uniques.end(), k) == uniques.end()) uniques.push_back(k);
        j.Selection = std::move(uniques);
    }
    // A selection of the player's own character alone is not shown.
    if (j.Selection.empty())
        j.SelectionVisible = false;
    else if (j.Selection.size() == 1)
        j.SelectionVisible = j.Selection[0] != chef;
    else
        j.SelectionVisible = true;
    j.SelectionEtendue = false;
    return resultat;
}
