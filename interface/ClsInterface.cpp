// Interface set-up (layout file, pictures, buttons, windows) and its upkeep
// between drawings: the statistics text, the slide of the build buttons and
// the automatic actions of each tick.
#include "interface/ClsInterface.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "characters/ClsJeuPerso.h"
#include "display/ClsPerEcran.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"
#include "rules/LectureIni.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

std::string Decimal(std::int64_t n) { return std::to_string(n); }

}  // namespace

ClsInterface::ClsInterface(ModMain& Main, const ClsPerEcran& Ecran) : main_(&Main), ecran_(&Ecran) {}

bool ClsInterface::ModeDuoPossible(DossierJeu& Dossier, const ClsPerEcran& Ecran) {
    std::error_code ec;
    const auto chemin = Dossier.Chemin("\\Ini_Interface" + Decimal(std::abs(Ecran.Width())) + "_J1.ini");
    return std::filesystem::is_regular_file(chemin, ec) && !ec;
}

void ClsInterface::Init1(std::int16_t NumeroJoueur, std::int16_t NombreJoueurs) {
    fichierInterface_ = "Ini_Interface" + Decimal(ecran_->Width());
    if (NombreJoueurs != 1) fichierInterface_ += "_J" + Decimal(NumeroJoueur + 1);
    sectionInterface_ = "Interface";

    ClsFicINI ini(main_->Dossier);
    ini.NomFichier = fichierInterface_;
    ini.Section = sectionInterface_;
    ErreursFichier e(fichierInterface_ + ".ini");
    // A file that is not there is one fault, not a fault per key.
    if (!std::filesystem::is_regular_file(main_->Dossier.Chemin("\\" + fichierInterface_ + ".ini"))) {
        e.Ajouter("Le fichier est introuvable.");
        e.Verifier();
    }
    auto N = [&](const std::string& cle) { return LectureIni::Entier16(ini, cle, e); };
    auto C = [&](const std::string& cle) { return LectureIni::Couleur(ini, cle, e); };
    auto B = [&](const std::string& cle) { return LectureIni::Booleen(ini, cle, e); };
    auto S = [&](const std::string& cle) { return ini.Parametre(cle); };

    RectangleSelectionMinX = N("RectangleSelectionMinX");
    RectangleSelectionMinY = N("RectangleSelectionMinY");
    AfficherCadre = B("AfficherCadre");
    BordureGauche = N("BordureGauche");
    BordureDroite = N("BordureDroite");
    BordureHaut = N("BordureHaut");
    BordureBas = N("BordureBas");
    NombreFenetres = N("NombreFenetres");
    // The drawing addresses windows 0 to 5 by number.
    if (NombreFenetres != 6) e.Ajouter("[Interface] NombreFenetres : 6 fenêtres attendues.");
    LargeurFenetres = N("LargeurFenetres");
    HauteurFenetres = N("HauteurFenetres");
    FenetresPositionX.assign(6, 0);
    FenetresPositionY.assign(6, 0);
    for (std::int32_t n = 1; n <= 6; ++n) {
        FenetresPositionX[static_cast<std::size_t>(n - 1)] = N("Fenetre" + Decimal(n) + "PositionX");
        FenetresPositionY[static_cast<std::size_t>(n - 1)] = N("Fenetre" + Decimal(n) + "PositionY");
    }
    AfficherEpoques = B("AfficherEpoques");
    EpoquePositionX = N("EpoquePositionX");
    EpoquePositionY = N("EpoquePositionY");
    AfficherFPS = B("AfficherFPS");
    FPSCouleur = C("FPSCouleur");
    FPSMessage = S("FPSMessage");
    FPSPositionX = N("FPSPositionX");
    FPSPositionY = N("FPSPositionY");
    AfficherAction = B("AfficherAction");
    MessageActionPositionX = N("MessageActionPositionX");
    MessageActionPositionY = N("MessageActionPositionY");
    MessageActionCouleur = N("MessageActionCouleur");
    ViePositionX = N("ViePositionX");
    ViePositionY = N("ViePositionY");
    EnergiePositionX = N("EnergiePositionX");
    EnergiePositionY = N("EnergiePositionY");
    MagiePositionX = N("MagiePositionX");
    MagiePositionY = N("MagiePositionY");
    MoralPositionX = N("MoralPositionX");
    MoralPositionY = N("MoralPositionY");
    AfficherBarresStatut = B("AfficherBarresStatut");
    NombreBoutonsBarresStatut = N("NombreBoutonsBarresStatut");
    // Set-up places exactly four status-bar buttons.
    if (NombreBoutonsBarresStatut != 4) e.Ajouter("[Interface] NombreBoutonsBarresStatut : 4 boutons attendus.");
    BarresStatutDecalageX = N("BarresStatutDecalageX");
    BarresStatutDecalageY = N("BarresStatutDecalageY");
    BarresStatutLargeur = N("BarresStatutLargeur");
    BarresStatutHauteur = N("BarresStatutHauteur");
    BarresStatutContourEpaisseur = N("BarresStatutContourEpaisseur");
    BarresStatutContourCouleur = C("BarresStatutContourCouleur");
    BarresStatutFormatCarac = S("BarresStatutFormatCarac");
    AfficherBoutonsConstruire = B("AfficherBoutonsConstruire");
    BoutonDemolirEtiquette = S("BoutonDemolirEtiquette");
    BoutonConstruirePositionX = N("BoutonConstruirePositionX");
    BoutonConstruirePositionY = N("BoutonConstruirePositionY");
    BoutonConstruireIntervalX = N("BoutonConstruireIntervalX");
    BoutonConstruireIntervalY = N("BoutonConstruireIntervalY");
    BoutonConstruireNombreColonnes = N("BoutonConstruireNombreColonnes");
    if (BoutonConstruireNombreColonnes < 1) e.Ajouter("[Interface] BoutonConstruireNombreColonnes : au moins 1.");
    BoutonConstruireColonneIntervalX = N("BoutonConstruireColonneIntervalX");
    BoutonConstruireColonneIntervalY = N("BoutonConstruireColonneIntervalY");
    MasquerAutoBoutonsConstruire = B("MasquerAutoBoutonsConstruire");
    MasquerAutoBoutonsConstruireDecalageX = N("MasquerAutoBoutonsConstruireDecalageX");
    MasquerAutoBoutonsConstruireDecalageY = N("MasquerAutoBoutonsConstruireDecalageY");
    MasquerAutoBoutonsConstruireDuree = N("MasquerAutoBoutonsConstruireDuree");
    if (MasquerAutoBoutonsConstruireDuree < 1) e.Ajouter("[Interface] MasquerAutoBoutonsConstruireDuree : au moins 1.");
    AfficherBoutonsInfos = B("AfficherBoutonsInfos");
    NombreBoutonsInfos = N("NombreBoutonsInfos");
    // Buttons 0 to 5 toggle the windows and 6 pauses; the menu reads 6.
    if (NombreBoutonsInfos < 7) e.Ajouter("[Interface] NombreBoutonsInfos : au moins 7 boutons attendus.");
    BoutonInfosTransparents = B("BoutonInfosTransparents");
    BoutonInfosPositionX = N("BoutonInfosPositionX");
    BoutonInfosPositionY = N("BoutonInfosPositionY");
    BoutonInfosIntervalX = N("BoutonInfosIntervalX");
    BoutonInfosIntervalY = N("BoutonInfosIntervalY");
    BoutonInfosInfoBulle.clear();
    for (std::int32_t n = 1; n <= NombreBoutonsInfos; ++n) BoutonInfosInfoBulle.push_back(S("BoutonInfosInfoBulle" + Decimal(n)));
    AfficherBoutonsMenu = B("AfficherBoutonsMenu");
    NombreBoutonsMenu = N("NombreBoutonsMenu");
    if (NombreBoutonsMenu < 0) e.Ajouter("[Interface] NombreBoutonsMenu : nombre négatif.");
    BoutonMenuTransparents = B("BoutonMenuTransparents");
    BoutonMenuPositionX = N("BoutonMenuPositionX");
    BoutonMenuPositionY = N("BoutonMenuPositionY");
    BoutonMenuIntervalX = N("BoutonMenuIntervalX");
    BoutonMenuIntervalY = N("BoutonMenuIntervalY");
    BoutonMenuInfoBulle.clear();
    for (std::int32_t n = 1; n <= NombreBoutonsMenu; ++n) BoutonMenuInfoBulle.push_back(S("BoutonMenuInfoBulle" + Decimal(n)));
    AfficherBoutonsDeplacement = B("AfficherBoutonsDeplacement");
    NombreBoutonsDeplacement = N("NombreBoutonsDeplacement");
    if (NombreBoutonsDeplacement < 0) e.Ajouter("[Interface] NombreBoutonsDeplacement : nombre négatif.");
    BoutonDeplacementPositionX = N("BoutonDeplacementPositionX");
    BoutonDeplacementPositionY = N("BoutonDeplacementPositionY");
    BoutonDeplacementIntervalX = N("BoutonDeplacementIntervalX");
    BoutonDeplacementIntervalY = N("BoutonDeplacementIntervalY");
    BoutonDeplacementNombreColonnes = N("BoutonDeplacementNombreColonnes");
    if (BoutonDeplacementNombreColonnes < 1) e.Ajouter("[Interface] BoutonDeplacementNombreColonnes : au moins 1.");
    BoutonDeplacementColonneIntervalX = N("BoutonDeplacementColonneIntervalX");
    BoutonDeplacementColonneIntervalY = N("BoutonDeplacementColonneIntervalY");
    BoutonDeplacementInfoBulle.clear();
    for (std::int32_t n = 1; n <= NombreBoutonsDeplacement; ++n)
        BoutonDeplacementInfoBulle.push_back(S("BoutonDeplacementInfoBulle" + Decimal(n)));
    AfficherMessageModeAuto = B("AfficherMessageModeAuto");
    MessageModeAutoCouleur = C("MessageModeAutoCouleur");
    MessageModeAutoMessage = S("MessageModeAutoMessage");
    MessageModeAutoPositionX = N("MessageModeAutoPositionX");
    MessageModeAutoPositionY = N("MessageModeAutoPositionY");
    AfficherInfoBulleTerrain = B("AfficherInfoBulleTerrain");
    AfficherStastistiques = B("AfficherStastistiques");
    CouleurStastistiques = C("CouleurStastistiques");
    StastistiquesPositionX = N("StastistiquesPositionX");
    StastistiquesPositionY = N("StastistiquesPositionY");
    e.Verifier();

    FileFabricationObjets.clear();
    affichageSauvegarde_ = {AfficherCadre,        AfficherEpoques,           AfficherFPS,
                            AfficherAction,       AfficherBarresStatut,      AfficherBoutonsConstruire,
                            AfficherBoutonsInfos, AfficherBoutonsDeplacement, AfficherStastistiques};
    pleinEcran_ = false;
    Options.NombreBoutonsBarresStatut = NombreBoutonsBarresStatut;
    Options.AutoRecuperation.assign(static_cast<std::size_t>(NombreBoutonsBarresStatut), false);
}

void ClsInterface::Init2(Graphique& dd, const ClsPerEcran& Ecran, const ClsJeuParam& Parametres) {
    ecran_ = &Ecran;
    const ClsAffBouton::Tailles tailles = ClsAffBouton::Tailles::Lire(main_->Dossier);
    AffObjets.Charger(dd, Parametres);
    AffBoutonsConstruire.Charger(dd, 0);
    AffBoutonsInfos.Charger(dd, 1);
    AffBoutonsMenu.Charger(dd, 7);
    AffBoutonsDeplacement.Charger(dd, 3);
    if (AfficherCadre) {
        AffCadre.Charger(dd, "Cadre");
        AffCadre.Largeur = Ecran.Width();
        AffCadre.Hauteur = Ecran.Height();
    }
    AffFenetres.Charger(dd, "Fenetres");
    Init2_Boutons(Parametres, tailles);
    for (ClsIntFenetre& f : fenetres_) {
        const std::int32_t x = f.PositionX, y = f.PositionY;
        f.Init(dd, Parametres, style_);
        f.PositionX = x;
        f.PositionY = y;
    }
    ImagesChargees_ = true;
}

void ClsInterface::Init2(const ClsPerEcran& Ecran, const ClsJeuParam& Parametres) {
    ecran_ = &Ecran;
    const ClsAffBouton::Tailles tailles = ClsAffBouton::Tailles::Lire(main_->Dossier);
    for (std::int16_t k : {std::int16_t{0}, std::int16_t{1}, std::int16_t{7}, std::int16_t{3}}) {
        ClsAffBouton& a = k == 0 ? AffBoutonsConstruire : k == 1 ? AffBoutonsInfos : k == 7 ? AffBoutonsMenu
                                                                                            : AffBoutonsDeplacement;
        a.Charger(k, tailles, Surface());
    }
    if (AfficherCadre) {
        AffCadre.Largeur = Ecran.Width();
        AffCadre.Hauteur = Ecran.Height();
    }
    Init2_Boutons(Parametres, tailles);
    for (ClsIntFenetre& f : fenetres_) {
        const std::int32_t x = f.PositionX, y = f.PositionY;
        f.Init(Parametres, style_, tailles);
        f.PositionX = x;
        f.PositionY = y;
    }
}

void ClsInterface::Init2_Boutons(const ClsJeuParam& Parametres, const ClsAffBouton::Tailles&) {
    style_ = StyleInfoBulle::Lire(main_->Dossier);
    vueEcran_ = Vue{ecran_->Width(), ecran_->Height(), 0, 0};
    AffFenetres.Largeur = LargeurFenetres;
    AffFenetres.Hauteur = HauteurFenetres;

    // Build buttons: group g (from 1) of C buttons, place j in the group.
    const std::int32_t nc = std::max<std::int32_t>(Parametres.NombreBatimentsConstructibles, 0) + 1;
    boutonsConstruire_.assign(static_cast<std::size_t>(nc), ClsIntBouton(style_));
    etatsBoutonsConstruire_.assign(static_cast<std::size_t>(nc), 0);
    const std::int32_t C = std::max<std::int16_t>(BoutonConstruireNombreColonnes, 1);
    for (std::int32_t i = 0; i < nc; ++i) {
        ClsIntBouton& b = boutonsConstruire_[static_cast<std::size_t>(i)];
        const std::int32_t g = i / C + 1, j = i % C;
        b.PositionX = BoutonConstruirePositionX + g * BoutonConstruireIntervalX + j * BoutonConstruireColonneIntervalX;
        b.PositionY = BoutonConstruirePositionY + g * BoutonConstruireIntervalY + j * BoutonConstruireColonneIntervalY;
        if (MasquerAutoBoutonsConstruire) {
            b.PositionX += MasquerAutoBoutonsConstruireDecalageX;
            b.PositionY += MasquerAutoBoutonsConstruireDecalageY;
        }
    }
    boutonsConstruire_[0].Visible = true;
    // The stored origin becomes the shown place of button 0, which the
    // slide aims at.
    BoutonConstruirePositionX = Sature16(BoutonConstruirePositionX + BoutonConstruireIntervalX);
    BoutonConstruirePositionY = Sature16(BoutonConstruirePositionY + BoutonConstruireIntervalY);

    // Status-bar buttons lie on the bars themselves.
    boutonsBarresStatut_.assign(static_cast<std::size_t>(std::max<std::int16_t>(NombreBoutonsBarresStatut, 0)),
                                ClsIntBouton(style_));
    const std::int16_t px[4] = {ViePositionX, EnergiePositionX, MagiePositionX, MoralPositionX};
    const std::int16_t py[4] = {ViePositionY, EnergiePositionY, MagiePositionY, MoralPositionY};
    for (std::size_t k = 0; k < boutonsBarresStatut_.size() && k < 4; ++k) {
        ClsIntBouton& b = boutonsBarresStatut_[k];
        // The hit zone is the bar itself: a square zone as wide as the bar
        // would cover the bars below it.
        b.Largeur = BarresStatutLargeur;
        b.Hauteur = BarresStatutHauteur;
        b.PositionX = px[k] + BarresStatutDecalageX;
        b.PositionY = py[k] + BarresStatutDecalageY;
        b.Visible = true;
    }
    Options.NombreBoutonsBarresStatut = NombreBoutonsBarresStatut;
    Options.AutoRecuperation.assign(boutonsBarresStatut_.size(), false);

    auto Ligne = [&](std::vector<ClsIntBouton>& boutons, std::int16_t n, std::int32_t x0, std::int32_t y0,
                     std::int32_t dx, std::int32_t dy, const std::vector<std::string>& bulles) {
        boutons.assign(static_cast<std::size_t>(std::max<std::int16_t>(n, 0)), ClsIntBouton(style_));
        for (std::size_t k = 0; k < boutons.size(); ++k) {
            boutons[k].PositionX = x0 + static_cast<std::int32_t>(k) * dx;
            boutons[k].PositionY = y0 + static_cast<std::int32_t>(k) * dy;
            boutons[k].InfoBulle = k < bulles.size() ? bulles[k] : std::string();
            boutons[k].Visible = true;
        }
    };
    Ligne(boutonsInfos_, NombreBoutonsInfos, BoutonInfosPositionX, BoutonInfosPositionY, BoutonInfosIntervalX,
          BoutonInfosIntervalY, BoutonInfosInfoBulle);
    Ligne(boutonsMenu_, NombreBoutonsMenu, BoutonMenuPositionX, BoutonMenuPositionY, BoutonMenuIntervalX,
          BoutonMenuIntervalY, BoutonMenuInfoBulle);

    // Order buttons: group g (from 0) of C buttons.
    boutonsDeplacement_.assign(static_cast<std::size_t>(std::max<std::int16_t>(NombreBoutonsDeplacement, 0)),
                               ClsIntBouton(style_));
    const std::int32_t CD = std::max<std::int16_t>(BoutonDeplacementNombreColonnes, 1);
    for (std::size_t i = 0; i < boutonsDeplacement_.size(); ++i) {
        ClsIntBouton& b = boutonsDeplacement_[i];
        const auto ii = static_cast<std::int32_t>(i);
        const std::int32_t g = ii / CD, j = ii % CD;
        b.PositionX = BoutonDeplacementPositionX + g * BoutonDeplacementIntervalX + j * BoutonDeplacementColonneIntervalX;
        b.PositionY = BoutonDeplacementPositionY + g * BoutonDeplacementIntervalY + j * BoutonDeplacementColonneIntervalY;
        b.InfoBulle = i < BoutonDeplacementInfoBulle.size() ? BoutonDeplacementInfoBulle[i] : std::string();
        b.Visible = true;
    }

    fenetres_.assign(static_cast<std::size_t>(std::max<std::int16_t>(NombreFenetres, 0)), ClsIntFenetre());
    for (std::size_t k = 0; k < fenetres_.size(); ++k) {
        fenetres_[k].PositionX = k < FenetresPositionX.size() ? FenetresPositionX[k] : 0;
        fenetres_[k].PositionY = k < FenetresPositionY.size() ? FenetresPositionY[k] : 0;
    }

    const auto types = static_cast<std::size_t>(std::max<std::int16_t>(Parametres.NombreTypesObjets, 0));
    Options.TouchesRaccourciObjets.assign(types, 0);
    init2Fait_ = true;
}

// ---- Upkeep ----

void ClsInterface::Actualiser() {
    const ModMain& m = *main_;
    const ClsJeuParam& P = m.Parametres;
    std::string texte;
    std::int32_t lignes = 0;
    for (std::size_t f = 0; f < m.Fiefs.size(); ++f) {
        const ClsJeuFief& fief = m.Fiefs[f];
        const ClsJeuBatiment* chateau = f < m.Chateaux.size() ? &m.Chateaux[f] : nullptr;
        const bool debout = chateau && chateau->Vie > 0.0;
        if (!debout && fief.NombreMorts >= fief.NombrePersos) continue;
        texte += "#";
        if (fief.NombreMorts >= fief.NombrePersos) texte += "&";
        texte += "(" + Decimal(fief.Camp) + ") " + P.Peuples_Nom(fief.Peuple) + " " +
                 Decimal(static_cast<std::int64_t>(fief.NombrePersos) - fief.NombreMorts) + "/" +
                 Decimal(fief.NombrePersos);
        if (debout && chateau->MaxVie > 0) {
            const double pourcent = chateau->Vie / chateau->MaxVie * 100.0;
            std::string p = TexteNombre(Arrondi(pourcent));
            if (p.size() < 2) p = std::string(2 - p.size(), '0') + p;
            texte += " - " + p + "%";
        }
        ++lignes;
    }
    texte_Stastistiques(texte, lignes);

    if (!MasquerAutoBoutonsConstruire || boutonsConstruire_.empty()) return;
    // One step of the slide towards the shown or the hidden place.
    const std::int32_t D = std::max<std::int16_t>(MasquerAutoBoutonsConstruireDuree, 1);
    const std::int32_t sx = BoutonConstruirePositionX, sy = BoutonConstruirePositionY;
    const std::int32_t hx = sx + MasquerAutoBoutonsConstruireDecalageX, hy = sy + MasquerAutoBoutonsConstruireDecalageY;
    const std::int32_t x0 = boutonsConstruire_[0].PositionX, y0 = boutonsConstruire_[0].PositionY;
    double sens = 0.0;
    if (boutonsConstruireSortis_ && (x0 != sx || y0 != sy))
        sens = -1.0;
    else if (!boutonsConstruireSortis_ && (x0 != hx || y0 != hy))
        sens = 1.0;
    if (sens == 0.0) return;
    // A step is the offset over the duration, rounded; the last step stops
    // on the target, so an offset that is not a whole number of steps still
    // ends the slide. Every button moves as button 0 does, keeping the grid.
    auto Pas = [](std::int32_t depuis, std::int32_t vers, double pas) {
        const std::int64_t reste = static_cast<std::int64_t>(vers) - depuis;
        const std::int64_t longueur = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::fabs(Arrondi(pas))));
        const std::int64_t p = std::min(longueur, reste < 0 ? -reste : reste);
        return static_cast<std::int32_t>(reste < 0 ? -p : p);
    };
    const std::int32_t cx = sens < 0 ? sx : hx, cy = sens < 0 ? sy : hy;
    const std::int32_t dx = Pas(x0, cx, sens * MasquerAutoBoutonsConstruireDecalageX / D);
    const std::int32_t dy = Pas(y0, cy, sens * MasquerAutoBoutonsConstruireDecalageY / D);
    for (ClsIntBouton& b : boutonsConstruire_) {
        b.PositionX = Sature32(static_cast<double>(b.PositionX) + dx);
        b.PositionY = Sature32(static_cast<double>(b.PositionY) + dy);
    }
}

void ClsInterface::texte_Stastistiques(const std::string& Texte, std::int32_t Lignes) {
    texteStastistiques_ = Texte;
    stastistiquesHaut_ = StastistiquesPositionY - Lignes * 16;
}

std::int32_t ClsInterface::Actions_Automatiques(ClsJeuPerso& Perso, ClsJeuBatiment& Maison,
                                                const ClsJeuParam& Parametres) {
    ModMain& m = *main_;
    // The character's index in the world.
    const auto no = static_cast<std::int32_t>(&Perso - m.Persos.data());
    if (no < 0 || static_cast<std::size_t>(no) >= m.Persos.size()) return 0;
    // In a network game these go as orders, replayed at the end of the
    // turn: what is due goes at most once a turn, so that nothing is asked
    // twice while it is on its way.
    const std::int32_t tour = ModCommandes::Tour_Envoi(m);
    if (Perso.Vivant()) {
        for (std::int16_t c = 0; c < 4; ++c) {
            const double valeurs[4] = {Perso.Definir_Vie(), Perso.Definir_Energie(), Perso.Definir_Magie(),
                                       Perso.Definir_Moral()};
            const double maxima[4] = {Perso.Definir_MaxVie(), Perso.Definir_MaxEnergie(), Perso.Definir_MaxMagie(),
                                      Perso.Definir_MaxMoral()};
            if (!AutoRecuperation_Carac(c) || valeurs[c] >= maxima[c]) continue;
            if (tour >= 0 && ToursRecuperation[static_cast<std::size_t>(c)] == tour) continue;
            ToursRecuperation[static_cast<std::size_t>(c)] = tour;
            ModCommandes::Commande(m, no, ModCommandes::Ordre::Recuperer, c);
        }
    }
    if (Perso.DansMaison) {
        if (Perso.Inactif() && !FileFabricationObjets.empty() && (tour < 0 || TourFabrication != tour)) {
            const std::int16_t n = FileFabricationObjets.front();
            FileFabricationObjets.pop_front();
            TourFabrication = tour;
            if (Perso.PeutConstruire_Objet(n, Maison, Parametres))
                ModCommandes::Commande(m, no, ModCommandes::Ordre::Fabriquer, n);
        }
    } else {
        FileFabricationObjets.clear();
    }
    return 0;
}
