// Key bindings and the key dispatcher.
#include "interface/ClsIntTouches.h"

#include <cmath>
#include <set>

#include "characters/ModCombat.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "interface/ClsInterface.h"
#include "interface/ClsJeuMessages.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"

const std::array<std::string_view, ClsIntTouches::NombreTouches>& ClsIntTouches::Noms() {
    static constexpr std::array<std::string_view, NombreTouches> noms{
        "ToucheQuitter", "ToucheZoomNormal", "ToucheZoomPlus", "ToucheZoomMoins", "ToucheFenetreBatiment",
        "ToucheFenetrePersonnage", "ToucheFenetreRessources", "ToucheFenetreCompetences", "ToucheFenetreInventaire",
        "ToucheFenetreBestiaire", "ToucheFenetresFermer", "ToucheRetourChateau", "ToucheRetourMaison",
        "ToucheTrouverRessource1", "ToucheTrouverRessource2", "ToucheTrouverRessource3", "ToucheTrouverRessource4",
        "ToucheTrouverRessource5", "ToucheTrouverRessource6", "ToucheTrouverRessource7", "ToucheTrouverRessource8",
        "ToucheTrouverAttaquerPerso", "ToucheTrouverAttaquerMaison", "ToucheTrouverAttaquerChateau",
        "ToucheTrouverTresor", "ToucheModeAuto", "ToucheAide", "ToucheArret", "ToucheChargez",
        "ToucheDefinirAttitude", "ToucheDefinirFormation", "ToucheArgentDeposer", "ToucheArgentRecuperer",
        "ToucheDemolirMaison", "ToucheAfficherConseil", "ToucheMenu", "ToucheCaptureEcran",
        "ToucheSauvegarderMonde", "ToucheInterfacePleinEcran", "ToucheChangerPersonnage", "ToucheDirectionHaut",
        "ToucheDirectionBas", "ToucheDirectionGauche", "ToucheDirectionDroite", "ToucheObjets",
        "NombreTouchesObjets", "ToucheSoldatsToutes", "ToucheSoldatsMemeType", "ToucheSoldatsEnArme",
        "ToucheSoldatsEcran", "ToucheSoldatsReposes", "ToucheSoldatsEnArret", "ToucheSoldatsRapides",
        "ToucheSoldatsNonAffectees", "ToucheSoldatsTerrestres", "ToucheSoldatsVolants", "ToucheSoldatsDefensifs",
        "ToucheSoldatsOffensifs", "ToucheSoldatsSupprimer"};
    return noms;
}

std::int16_t& ClsIntTouches::Touche(std::int16_t k) {
    // The fields in the file's order; key 14 to 21 are the eight resources.
    std::int16_t* champs[NombreTouches] = {
        &ToucheQuitter, &ToucheZoomNormal, &ToucheZoomPlus, &ToucheZoomMoins, &ToucheFenetreBatiment,
        &ToucheFenetrePersonnage, &ToucheFenetreRessources, &ToucheFenetreCompetences, &ToucheFenetreInventaire,
        &ToucheFenetreBestiaire, &ToucheFenetresFermer, &ToucheRetourChateau, &ToucheRetourMaison,
        &ToucheTrouverRessource[0], &ToucheTrouverRessource[1], &ToucheTrouverRessource[2],
        &ToucheTrouverRessource[3], &ToucheTrouverRessource[4], &ToucheTrouverRessource[5],
        &ToucheTrouverRessource[6], &ToucheTrouverRessource[7], &ToucheTrouverAttaquerPerso,
        &ToucheTrouverAttaquerMaison, &ToucheTrouverAttaquerChateau, &ToucheTrouverTresor, &ToucheModeAuto,
        &ToucheAide, &ToucheArret, &ToucheChargez, &ToucheDefinirAttitude, &ToucheDefinirFormation,
        &ToucheArgentDeposer, &ToucheArgentRecuperer, &ToucheDemolirMaison, &ToucheAfficherConseil, &ToucheMenu,
        &ToucheCaptureEcran, &ToucheSauvegarderMonde, &ToucheInterfacePleinEcran, &ToucheChangerPersonnage,
        &ToucheDirectionHaut, &ToucheDirectionBas, &ToucheDirectionGauche, &ToucheDirectionDroite, &ToucheObjets,
        &NombreTouchesObjets, &ToucheSoldatsToutes, &ToucheSoldatsMemeType, &ToucheSoldatsEnArme,
        &ToucheSoldatsEcran, &ToucheSoldatsReposes, &ToucheSoldatsEnArret, &ToucheSoldatsRapides,
        &ToucheSoldatsNonAffectees, &ToucheSoldatsTerrestres, &ToucheSoldatsVolants, &ToucheSoldatsDefensifs,
        &ToucheSoldatsOffensifs, &ToucheSoldatsSupprimer};
    return *champs[k];
}

std::int16_t ClsIntTouches::Touche(std::int16_t k) const { return const_cast<ClsIntTouches*>(this)->Touche(k); }

std::string ClsIntTouches::Fichier_Joueur(std::int16_t Joueur, std::int16_t Nombre) {
    return Nombre <= 1 ? "Ini_Touches" : "Ini_Touches_J" + std::to_string(Joueur + 1);
}

ClsIntTouches::ClsIntTouches(DossierJeu& Dossier, std::string_view Fichier) {
    ClsFicINI ini(Dossier);
    ini.NomFichier = std::string(Fichier);
    ini.Section = "Touches";
    ErreursFichier erreurs(std::string(Fichier) + ".ini");
    for (std::int16_t k = 0; k < NombreTouches; ++k) {
        const std::string_view nom = Noms()[static_cast<std::size_t>(k)];
        const std::string texte = ini.Parametre(nom);
        // The number the text begins with; anything else reads 0, which
        // matches no key.
        const double v = Arrondi(Val(texte));
        if (v < -32768.0 || v > 32767.0) {
            erreurs.Ajouter("[Touches] " + std::string(nom) + " : « " + texte + " » n'est pas un code de touche.");
            continue;
        }
        Touche(k) = static_cast<std::int16_t>(v);
    }
    erreurs.Verifier();
}

namespace {

bool Valide(const ModMain& Main, std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < Main.Persos.size(); }

using ModCommandes::Ordre;

std::int32_t Drapeaux(bool Groupe, bool Ctrl, bool Shift, bool Alt) {
    return (Groupe ? 1 : 0) | (Ctrl ? 2 : 0) | (Shift ? 4 : 0) | (Alt ? 8 : 0);
}

}  // namespace

void ClsIntTouches::Presser_Touche(std::int16_t Touche, ModMain& Main, ClsInterface& Interface,
                                   ClsJeuMessages& Messages, std::int32_t& NoPerso, std::int32_t DernierPerso,
                                   bool Ctrl, bool Shift, bool Alt, bool& SelectionActive,
                                   ModDialogue::Groupe& Selection, std::int16_t NumeroJoueur,
                                   ClsInterface* Interface0, ClsJeuMessages* Messages0) {
    if (Touche == 0) return;
    ClsInterface& interface0 = Interface0 ? *Interface0 : Interface;
    ClsJeuMessages& messages0 = Messages0 ? *Messages0 : Messages;

    // Alt + F4 ends the game at once, whatever the bindings; the heroes are
    // still saved on the way out.
    if (Touche == ToucheF4 && Alt) {
        Main.FinPartie = true;
        if (Interface.Moteur.Quitter_Programme) Interface.Moteur.Quitter_Programme();
        return;
    }
    if (!Valide(Main, NoPerso)) {
        // Without a character only the quit key means something.
        if (Touche == ToucheQuitter) Main.FinPartie = true;
        return;
    }

    if (Ctrl && Main.Persos[static_cast<std::size_t>(NoPerso)].NombreInvocations >= 1 &&
        Touches_Soldats(Touche, Main, NoPerso, Interface, NumeroJoueur, SelectionActive, Selection))
        return;

    ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(NoPerso)];
    ClsJeuBatiment* maison =
        static_cast<std::size_t>(NoPerso) < Main.Maisons.size() ? &Main.Maisons[static_cast<std::size_t>(NoPerso)] : nullptr;
    ClsJeuBatiment* chateau = perso.Equipe >= 0 && static_cast<std::size_t>(perso.Equipe) < Main.Chateaux.size()
                                  ? &Main.Chateaux[static_cast<std::size_t>(perso.Equipe)]
                                  : nullptr;
    const bool vivant = perso.Vivant();
    const bool modificateur = Ctrl || Shift || Alt;
    double* zoom = Interface.Moteur.Zoom;

    if (Touche == ToucheQuitter) {
        Main.FinPartie = true;
    } else if (Touche == ToucheZoomNormal) {
        if (zoom) *zoom = 1.0;
    } else if (Touche == ToucheZoomPlus) {
        if (zoom) *zoom += 0.5;
    } else if (Touche == ToucheZoomMoins) {
        if (zoom) *zoom = std::max(*zoom - 0.5, 1.0);
    } else if (Touche == ToucheFenetreBatiment) {
        Interface.Actionner_Boutons_Infos(0);
    } else if (Touche == ToucheFenetreRessources) {
        Interface.Actionner_Boutons_Infos(1);
    } else if (Touche == ToucheFenetrePersonnage) {
        Interface.Actionner_Boutons_Infos(2);
    } else if (Touche == ToucheFenetreCompetences) {
        Interface.Actionner_Boutons_Infos(3);
    } else if (Touche == ToucheFenetreInventaire) {
        Interface.Actionner_Boutons_Infos(4);
    } else if (Touche == ToucheFenetreBestiaire) {
        Interface.Actionner_Boutons_Infos(5);
    } else if (Touche == ToucheFenetresFermer) {
        Interface.Fermer_Toutes_les_fenetres();
        Messages.Effacer();
    } else if (Touche == ToucheRetourChateau) {
        // Orders that move the player's character go through the order
        // layer, which a network game broadcasts.
        if (chateau) ModCommandes::Commande_Rentrer_Chateau(Main, NoPerso, perso.Equipe);
    } else if (Touche == ToucheRetourMaison) {
        if (maison && (vivant || maison->Service == 1)) ModCommandes::Commande_Rentrer_Maison(Main, NoPerso, NoPerso);
    } else if (auto r = std::find(ToucheTrouverRessource.begin(), ToucheTrouverRessource.end(), Touche);
               r != ToucheTrouverRessource.end()) {
        if (vivant)
            ModCommandes::Commande(Main, NoPerso, Ordre::RessourceProche,
                                   static_cast<std::int32_t>(r - ToucheTrouverRessource.begin()));
    } else if (const std::int16_t cibles[3] = {ToucheTrouverAttaquerPerso, ToucheTrouverAttaquerMaison,
                                                ToucheTrouverAttaquerChateau};
               std::find(std::begin(cibles), std::end(cibles), Touche) != std::end(cibles)) {
        // 0 character, 1 house, 2 castle.
        const auto type = static_cast<std::int32_t>(std::find(std::begin(cibles), std::end(cibles), Touche) - cibles);
        if (vivant) {
            if (SelectionActive)
                ModCommandes::Commande_Groupe_Attaquer(Main, NoPerso, Selection, type);
            else
                ModCommandes::Commande(Main, NoPerso, Ordre::AttaquerProche, type,
                                       Drapeaux(modificateur, Ctrl, Shift, Alt));
        }
    } else if (Touche == ToucheTrouverTresor) {
        if (vivant) ModCommandes::Commande(Main, NoPerso, Ordre::TresorProche);
    } else if (Touche == ToucheModeAuto) {
        ModCommandes::Commande(Main, NoPerso, Ordre::ModeAuto);
    } else if (Touche == ToucheAide) {
        if (vivant) ModCommandes::Commande(Main, NoPerso, Ordre::Aide);
    } else if (Touche == ToucheArret) {
        if (!modificateur) {
            if (SelectionActive) {
                if (vivant) ModCommandes::Commande_Groupe(Main, NoPerso, Selection, Ordre::GroupeArreter);
            } else {
                ModCommandes::Commande(Main, NoPerso, Ordre::Arreter);
            }
        } else if (vivant) {
            ModCommandes::Commande(Main, NoPerso, Ordre::ArreterSuite);
        }
    } else if (Touche == ToucheChargez) {
        // The creatures go for the leader's own current target.
        if (vivant)
            ModCommandes::Commande(Main, NoPerso, Ordre::Charger, ModDialogue::CibleActuelle, -1,
                                   Drapeaux(false, Ctrl, Shift, false));
    } else if (Touche == ToucheDefinirAttitude) {
        ModCommandes::Commande(Main, NoPerso, Ordre::Attitude);
    } else if (Touche == ToucheDefinirFormation) {
        ModCommandes::Commande(Main, NoPerso, Ordre::Formation, modificateur ? 1 : 0);
    } else if (Touche == ToucheArgentDeposer) {
        // Everything the character carries into the house it is in.
        if (perso.DansMaison && maison) ModCommandes::Commande(Main, NoPerso, Ordre::ArgentDeposer, 2);
    } else if (Touche == ToucheArgentRecuperer) {
        if (perso.DansMaison && maison) ModCommandes::Commande(Main, NoPerso, Ordre::ArgentPrendre, 2);
    } else if (Touche == ToucheDemolirMaison) {
        if (maison && maison->Visible() && vivant) ModCommandes::Commande(Main, NoPerso, Ordre::Demolir);
    } else if (Touche == ToucheAfficherConseil) {
        messages0.Afficher_Conseil();
    } else if (Touche == ToucheMenu) {
        Interface.Actionner_Boutons_Infos(6);
    } else if (Touche == ToucheCaptureEcran) {
        if (Interface.Moteur.Capture_Ecran) Interface.Moteur.Capture_Ecran();
    } else if (Touche == ToucheSauvegarderMonde) {
        if (Interface.Moteur.Sauvegarder_Monde) Interface.Moteur.Sauvegarder_Monde();
    } else if (Touche == ToucheInterfacePleinEcran) {
        Interface.Affichage_PleinEcran(!Interface.Affichage_PleinEcran());
    } else if (Touche == ToucheChangerPersonnage) {
        Changer_Personnage(Main, NoPerso, DernierPerso, Shift, Interface);
    } else if (Touche == ToucheDirectionHaut) {
        ModCommandes::Commande_Aller_A(Main, NoPerso, perso.PositionX, perso.PositionY - perso.LongueurPas);
    } else if (Touche == ToucheDirectionBas) {
        ModCommandes::Commande_Aller_A(Main, NoPerso, perso.PositionX, perso.PositionY + perso.LongueurPas);
    } else if (Touche == ToucheDirectionGauche) {
        ModCommandes::Commande_Aller_A(Main, NoPerso, perso.PositionX - perso.LongueurPas, perso.PositionY);
    } else if (Touche == ToucheDirectionDroite) {
        ModCommandes::Commande_Aller_A(Main, NoPerso, perso.PositionX + perso.LongueurPas, perso.PositionY);
    } else if (NombreTouchesObjets > 0 && Touche >= ToucheObjets && Touche < ToucheObjets + NombreTouchesObjets) {
        Touche_Objets(Touche, Main, NoPerso, interface0);
    }
}

bool ClsIntTouches::Touches_Soldats(std::int16_t Touche, ModMain& Main, std::int32_t NoPerso,
                                    ClsInterface& Interface, std::int16_t NumeroJoueur, bool& SelectionActive,
                                    ModDialogue::Groupe& Selection) {
    const std::int16_t cles[] = {ToucheSoldatsToutes,     ToucheSoldatsMemeType,  ToucheSoldatsEnArme,
                                 ToucheSoldatsEcran,      ToucheSoldatsReposes,   ToucheSoldatsEnArret,
                                 ToucheSoldatsRapides,    ToucheSoldatsNonAffectees, ToucheSoldatsTerrestres,
                                 ToucheSoldatsVolants,    ToucheSoldatsDefensifs, ToucheSoldatsOffensifs,
                                 ToucheSoldatsSupprimer};
    if (std::find(std::begin(cles), std::end(cles), Touche) == std::end(cles)) return false;

    // Selecting is this machine's own business; the creatures' AI, which a
    // selection switches off, is the world's.
    ModCommandes::Commande(Main, NoPerso, Ordre::IAInvocations, 1);
    const ClsJeuParam& P = Main.Parametres;
    const ClsJeuPerso& chef = Main.Persos[static_cast<std::size_t>(NoPerso)];
    // Summoned by the player, alive, commandable, and (unless Tous) without
    // a guard post (Suivre 0: it follows its leader).
    auto Commun = [&](const ClsJeuPerso& c, bool Tous) {
        return c.Invocateur == NoPerso && c.Vivant() && !c.IA_Incommandable && (Tous || c.Suivre == 0);
    };
    auto Ajouter = [&](std::int32_t i) {
        Selection.push_back(i);
        ModCommandes::Commande(Main, NoPerso, Ordre::GroupeIA, i, 0);
    };

    if (Touche == ToucheSoldatsEcran) {
        // The pressing player's own whole screen.
        bool pleinEcran = true;
        if (Interface.Moteur.Selectionner_Soldats)
            Interface.Moteur.Selectionner_Soldats(NumeroJoueur, false, false, pleinEcran);
    } else if (Touche == ToucheSoldatsMemeType) {
        if (SelectionActive) {
            std::set<std::int16_t> races;
            const std::set<std::int32_t> membres(Selection.begin(), Selection.end());
            for (std::int32_t m : Selection)
                if (Valide(Main, m)) races.insert(Main.Persos[static_cast<std::size_t>(m)].Race);
            for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
                const ClsJeuPerso& c = Main.Persos[i];
                if (Commun(c, false) && races.count(c.Race) && !membres.count(static_cast<std::int32_t>(i)))
                    Ajouter(static_cast<std::int32_t>(i));
            }
        }
    } else if (Touche == ToucheSoldatsSupprimer) {
        if (SelectionActive) {
            // The player's character takes what the deleted creatures carried.
            ModDialogue::Groupe creatures;
            for (std::int32_t m : Selection)
                if (m != NoPerso && Valide(Main, m)) creatures.push_back(m);
            ModCommandes::Commande_Groupe(Main, NoPerso, creatures, Ordre::GroupeSupprimer);
            Selection.clear();
        }
    } else {
        Selection.clear();
        for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
            const ClsJeuPerso& c = Main.Persos[i];
            if (!Commun(c, Touche == ToucheSoldatsToutes)) continue;
            bool ok = true;
            if (Touche == ToucheSoldatsEnArme)
                ok = c.Objet_Equipes_Actif(0) || c.Objet_Equipes_Actif(1);
            else if (Touche == ToucheSoldatsReposes)
                ok = c.Vie == c.Definir_MaxVie();
            else if (Touche == ToucheSoldatsEnArret)
                ok = c.Inactif();
            else if (Touche == ToucheSoldatsRapides)
                ok = c.LongueurPas >= chef.LongueurPas;
            else if (Touche == ToucheSoldatsTerrestres)
                ok = !P.Race_Volant(c.Race);
            else if (Touche == ToucheSoldatsVolants)
                ok = P.Race_Volant(c.Race);
            else if (Touche == ToucheSoldatsDefensifs)
                ok = c.Definir_Attaque() < c.Definir_Defense();
            else if (Touche == ToucheSoldatsOffensifs)
                ok = c.Definir_Attaque() >= c.Definir_Defense();
            if (ok) Ajouter(static_cast<std::int32_t>(i));
        }
    }
    SelectionActive = !Selection.empty();
    return true;
}

void ClsIntTouches::Touche_Objets(std::int16_t Touche, ModMain& Main, std::int32_t NoPerso,
                                  const ClsInterface& Interface0) {
    if (Interface0.SourisSurObjet) return;
    const ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(NoPerso)];
    const std::int16_t raccourci = static_cast<std::int16_t>(Touche - 1);
    // The shortcuts are this machine's: the order names the bag slots
    // whose items the key puts on (32 a number).
    std::int32_t mots[3] = {0, 0, 0};
    bool un = false;
    for (std::int16_t i = 0; i < perso.Nombre_Objets_Inventaire() && i < 96; ++i) {
        if (!perso.Objet_Inventaire_Actif(i)) continue;
        const std::int16_t type = perso.Objet_Inventaire_Type(i);
        if (type < 0 || Interface0.Touches_Raccourci_Objets(type) != raccourci) continue;
        mots[i / 32] = static_cast<std::int32_t>(static_cast<std::uint32_t>(mots[i / 32]) | (1u << (i % 32)));
        un = true;
    }
    if (un) ModCommandes::Commande(Main, NoPerso, Ordre::Raccourci, mots[0], mots[1], mots[2]);
}

void ClsIntTouches::Changer_Personnage(ModMain& Main, std::int32_t& NoPerso, std::int32_t DernierPerso, bool Shift,
                                       ClsInterface& Interface) {
    const auto n = static_cast<std::int32_t>(Main.Persos.size());
    if (n == 0) return;
    // The wrap target cannot lie beyond the array.
    const std::int32_t dernier = (DernierPerso >= 0 && DernierPerso < n) ? DernierPerso : n - 1;
    ClsJeuPerso& ancien = Main.Persos[static_cast<std::size_t>(NoPerso)];
    Main.SavPerso.Sauvegarder_Options_Interface(ancien, Interface.Options);
    ancien.Joueur = false;
    const std::int32_t camp = ancien.Camp;
    std::int32_t i = NoPerso;
    // At most one full turn: a side without another hero comes back to the
    // character it started from.
    for (std::int32_t pas = 0; pas < n; ++pas) {
        if (!Shift)
            i = i + 1 > dernier ? 0 : i + 1;
        else
            i = i - 1 < 0 ? dernier : i - 1;
        const ClsJeuPerso& c = Main.Persos[static_cast<std::size_t>(i)];
        if (c.PersoFichier >= 1 && c.Camp == camp) break;
        if (pas == n - 1) i = NoPerso;
    }
    NoPerso = i;
    ClsJeuPerso& nouveau = Main.Persos[static_cast<std::size_t>(NoPerso)];
    nouveau.Joueur = true;
    Main.SavPerso.Charger_Options_Interface(nouveau, Interface.Options);
}
