// Start and end of a game: everything the game procedure does before its
// main loop and after it.
#include "engine/ClsMoteur.h"

#include <cmath>

#include "engine/ClsJeu.h"
#include "engine/Horloge.h"
#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"
#include "network/PartieReseau.h"
#include "platform/Graphique.h"
#include "platform/Nombres.h"
#include "platform/SortieEcran.h"

ClsMoteur::ClsMoteur(ModMain& Main, ClsJeu& Jeu, Horloge& Horloge, PeripheriquesMoteur& Peripheriques)
    : Main(Main), Jeu(Jeu), Horloge_(Horloge), Peripheriques_(Peripheriques) {
    Joueurs.resize(1);
    // The statistics page of the game's own documents; a page that cannot
    // be written is told to the player with the game's other messages.
    Creer_Document_Stastistiques = [this] {
        std::string erreur = this->Main.Documents.Creer_Document_Stastistiques();
        if (!erreur.empty()) this->Main.MessagesPartie.push_back(std::move(erreur));
    };
}

ClsMoteur::~ClsMoteur() = default;

bool ClsMoteur::PersoValide(std::int32_t i) const {
    return i >= 0 && static_cast<std::size_t>(i) < Main.Persos.size();
}

void ClsMoteur::Jouer(std::int32_t Situation, bool Garder) {
    if (Jouer_Musique) Jouer_Musique(Situation, Garder);
}

bool ClsMoteur::Demarrer(const SetupChoices& Choix, Graphique* dd, std::int32_t Largeur, std::int32_t Hauteur) {
    dd_ = dd;
    PartieLancee = false;
    // A new game is neither over nor paused.
    Main.FinPartie = false;
    Jeu.Pause = false;
    TempsEcoule = Horloge_.Maintenant();
    // The setup's two-player choice (the box checked and enabled).
    NombreJoueursLocaux = Choix.NombreJoueursLocaux == 2 ? 2 : 1;
    // Every per-player array starts empty for the new game.
    Joueurs.clear();
    Joueurs.resize(static_cast<std::size_t>(NombreJoueursLocaux));
    Main.NoPersoParJoueur.resize(static_cast<std::size_t>(NombreJoueursLocaux));
    for (std::int16_t i = 0; i < NombreJoueursLocaux; ++i) Main.NoPersoParJoueur[static_cast<std::size_t>(i)] = i;
    EcranSepare = false;
    Zoom = 1.0;
    ToucheTrame = 0;
    CompteurTours = 0;
    CompteurTrames = 0;
    // The back buffer is the screen's size.
    LargeurEcran = std::max(1, Largeur);
    HauteurEcran = std::max(1, Hauteur);
    VueCourante = Vue{LargeurEcran, HauteurEcran, 0, 0};
    SurfBack = Surface(LargeurEcran, HauteurEcran);
    if (dd != nullptr) SurfBack.DefinirGlyphes(dd->Glyphes());
    // One interface per player.
    for (std::int16_t i = 0; i < NombreJoueursLocaux; ++i)
        if (CreerInterface) {
            auto interface = CreerInterface(i, NombreJoueursLocaux);
            if (interface) J(i).Interface = std::move(interface);
        }
    // Cursors in the middle of the screen, or of each player's half.
    for (std::int16_t i = 0; i < NombreJoueursLocaux; ++i) {
        const double largeur = NombreJoueursLocaux == 1 ? LargeurEcran : Arrondi(LargeurEcran * (i == 0 ? 0.5 : 1.5));
        J(i).SourisX = largeur / 2;
        J(i).SourisY = HauteurEcran / 2.0;
        J(i).DebutSelectionX = J(i).SourisX;
        J(i).DebutSelectionY = J(i).SourisY;
    }
    // The cursor sheet.
    if (dd != nullptr) {
        if (!AffSouris) AffSouris = std::make_unique<ClsAffSouris>(dd->Dossier());
        AffSouris->Charger(*dd);
    }
    // The loading screen, shown before the world is made.
    Afficher_Image_Chargement(0, "");
    Afficher_Image_Chargement(15, "");
    if (Attente) Attente->Traiter();
    // The world.
    Main.Creer_Partie(Choix, [this](int pourcent, const std::string& texte) {
        Afficher_Image_Chargement(static_cast<std::int16_t>(std::clamp(pourcent, 0, 100)), texte);
    });
    if (Main.FinPartie) return false;
    // Character sheets.
    Afficher_Image_Chargement(60, "");
    const ClsJeuParam& P = Main.Parametres;
    if (dd != nullptr) {
        if (!AffPerso) AffPerso = std::make_unique<ClsAffPerso>();
        AffPerso->Charger(*dd, P, Main.Apparences);
    }
    // Looks of heroes and of characters whose item changes their look.
    for (ClsJeuPerso& perso : Main.Persos) {
        auto charger = [&] {
            if (dd == nullptr) return;
            if (perso.FichierApparence.empty())
                perso.FichierApparence =
                    Main.Apparences.Tirer(P.Race_CheminApparence(perso.Race, perso.Sexe), Main.Aleatoire);
            perso.ApparenceFichier = Main.Apparences.Indice(perso.FichierApparence);
            perso.ApparenceBase = perso.ApparenceFichier;
        };
        if (perso.Apparence) {
            charger();
        } else {
            for (std::int16_t j = 0; j < perso.Nombre_Objets_Inventaire(); ++j)
                if (perso.Objet_Inventaire_Actif(j) && P.Objet_ChangerApparencePerso(perso.Objet_Inventaire_Type(j))) {
                    charger();
                    break;
                }
        }
    }
    Resoudre_Scripts_IA(Main);
    // Characters of a new world take their race's equipment. Heroes bring
    // theirs from their files, and the characters of a saved world or of a
    // scenario that lists their items carry what the file says: giving
    // them the race's again would fill their bags from nothing at every
    // start.
    for (ClsJeuPerso& perso : Main.Persos)
        if (perso.PersoFichier == 0 && !perso.EquipementDecrit) perso.Changer_Race_Personnage_Equipement(P);
    // Looks that depend on the character's house.
    for (std::size_t i = 0; i < Main.Persos.size(); ++i)
        if (i < Main.Maisons.size()) Main.Persos[i].Calculer_Apparence(Main.Maisons[i], P);
    // Terrain and the other sheets.
    Afficher_Image_Chargement(75, "");
    AffTerrain.LargeurCase = Main.Monde.LargeurCase;
    AffTerrain.HauteurCase = Main.Monde.HauteurCase;
    if (dd != nullptr) {
        AffTerrain.Charger(*dd, "Plaine");
        AffTerrain.Liberer_Blocs();
        if (Main.Monde.TerrainOptimise)
            AffTerrain.Modeliser_Carte(Main.Monde, [this](int pourcent, const std::string& texte) {
                Afficher_Image_Chargement(static_cast<std::int16_t>(std::clamp(pourcent, 0, 100)), texte);
            });
        AffChateaux.Charger(0, *dd, P);
        Afficher_Image_Chargement(85, "");
        AffMaisons.Charger(1, *dd, P);
        AffRessources.Charger(*dd);
        AffEffet.Charger(*dd, P);
        AffTresors.Charger(*dd);
        AffDecors.Charger(*dd, P);
        // The end pictures; a missing one only shows nothing.
        for (auto& joueur : Joueurs) {
            if (auto image = dd->Essayer("\\Images\\Fenetres\\Victoire-Defaite.bmp")) joueur.SpritesFin.Charger(std::move(*image));
        }
        AffichageCharge = true;
    }
    // The loading screen shows the end of loading.
    Afficher_Image_Chargement(95, "");
    Afficher_Image_Chargement(100, "");
    // Ticks, frames and the frame counter start from now.
    TempsDernierTour = TempsActuel = TempsDerniereTrame = Horloge_.Maintenant();
    DernierComptageFPS = TempsActuel;
    TramesComptees = FPSMesure = 0;
    Main.Horloge = TempsActuel;
    // Each player's interface opens on its character.
    for (std::size_t i = 0; i < Joueurs.size(); ++i) {
        JoueurLocal& joueur = Joueurs[i];
        if (PersoValide(Main.NoPersoParJoueur[i]))
            joueur.Interface->Debut_Partie(Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[i])]);
        joueur.Interface->Actionner_Boutons_Infos(0);
        joueur.InterfaceUtilisee = true;
    }
    // AI, opening music, the players' verdicts and the statistics.
    Main.IA.Initialiser_IA();
    Jouer(MusiqueDebut, false);
    for (auto& joueur : Joueurs) joueur.Victoire = joueur.Defaite = false;
    if (!Main.FinPartie) Main.Statistiques.Init(P);
    Debut_Reseau(Choix);
    PartieLancee = true;
    return !Main.FinPartie;
}

void ClsMoteur::MoteurJeu(const SetupChoices& Choix, Graphique* dd, std::int32_t Largeur, std::int32_t Hauteur) {
    if (Demarrer(Choix, dd, Largeur, Hauteur)) Boucle();
    Terminer();
}

void ClsMoteur::Terminer() {
    Fin_Reseau();
    // The loading pictures are no longer needed.
    Chargement.Liberer();
    // A game its setup stopped never loaded the heroes' interface options
    // nor started its statistics: saving them now would write defaults
    // over the heroes' own key shortcuts and switches.
    if (!PartieLancee) return;
    // Heroes first: their interface options go into the same files.
    for (const ClsJeuPerso& perso : Main.Persos)
        if (perso.PersoFichier > 0) Main.SavPerso.Sauvegarder_Perso(perso);
    // Each player's feed is emptied; a hero's interface options go
    // into its file.
    for (std::size_t i = 0; i < Joueurs.size() && i < Main.NoPersoParJoueur.size(); ++i)
        if (PersoValide(Main.NoPersoParJoueur[i]))
            Joueurs[i].Interface->Fin_Partie(Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[i])]);
    // A world whose game player 0 won or lost is not kept.
    const bool fini = !Joueurs.empty() && (Joueurs[0].Victoire || Joueurs[0].Defaite);
    if (SavMondeEnQuittant && !fini && Sauvegarder_Monde) Sauvegarder_Monde(SavMondeEnQuittantNom);
    // The statistics empty the heroes' bags: after their files.
    Main.Statistiques.Fin_Partie();
    if (Creer_Document_Stastistiques) Creer_Document_Stastistiques();
}
