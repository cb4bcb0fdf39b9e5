#include "engine/InterfaceJoueur.h"

#include <algorithm>

#include "display/ClsPerEcran.h"
#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"

InterfaceJoueur::InterfaceJoueur(ModMain& Main, const ClsPerEcran& Ecran, Graphique* dd, std::int16_t Joueur,
                                 std::int16_t NombreJoueurs)
    : Interface(Main, Ecran), Messages(Main), Main_(Main) {
    // The second player's feed sits in the right half of the screen.
    Messages.Init(Main.Parametres, Sature16(Arrondi(Joueur * Ecran.Width() / 2.0)), 0);
    Interface.Init1(Joueur, NombreJoueurs);
    if (dd != nullptr)
        Interface.Init2(*dd, Ecran, Main.Parametres);
    else
        Interface.Init2(Ecran, Main.Parametres);
    RectangleSelectionMinX = Interface.RectangleSelectionMinX;
    RectangleSelectionMinY = Interface.RectangleSelectionMinY;
}

bool InterfaceJoueur::Interieur_Boutons(const CurseurInterface& C, ClsJeuPerso&, const ClsJeuParam&, Surface& SurfBack,
                                        std::int32_t& CodeAction, std::int16_t& BoutonConstruction) {
    EntreeInterface e;
    e.X = C.X, e.Y = C.Y;
    e.ClicGauche = C.CliqueGauche, e.ClicDroit = C.CliqueDroit, e.GaucheEnfonce = C.GaucheEnfonce;
    e.Ctrl = C.Ctrl, e.Shift = C.Shift, e.Alt = C.Alt;
    e.AssocierTouche = C.AssocierTouche;
    std::int16_t code = Sature16(CodeAction);
    std::int16_t touche = C.Touche ? *C.Touche : 0;
    bool visible = C.SelectionVisible ? *C.SelectionVisible : false;
    ModDialogue::Groupe groupe = C.Selection ? *C.Selection : ModDialogue::Groupe{};
    const bool dessus = Interface.Interieur_Boutons(e, code, BoutonConstruction, C.NoPerso, C.NoFief, touche, visible,
                                                    groupe, SurfBack);
    CodeAction = code;
    if (C.Touche) *C.Touche = touche;
    if (C.SelectionVisible) *C.SelectionVisible = visible;
    if (C.Selection) *C.Selection = std::move(groupe);
    return dessus;
}

void InterfaceJoueur::Afficher_FPS(std::int32_t n, Surface& SurfBack) {
    Interface.Afficher_FPS(Sature16(n), SurfBack);
}

void InterfaceJoueur::Debut_Partie(const ClsJeuPerso& Perso) {
    Main_.SavPerso.Charger_Options_Interface(Perso, Interface.Options);
    try {
        Messages.Afficher_Conseil();
    } catch (const ErreurFichier&) {
        // No tip file: the game starts without a tip.
    }
}

void InterfaceJoueur::Fin_Partie(const ClsJeuPerso& Perso) {
    Messages.Effacer();
    if (Perso.PersoFichier > 0) Main_.SavPerso.Sauvegarder_Options_Interface(Perso, Interface.Options);
}
