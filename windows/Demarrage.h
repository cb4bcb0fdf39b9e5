// The program's start-up: the objects that live as long as the program,
// created and loaded step by step while the main window's caption tells
// each step, then the setup window shown inside the main window. From
// there the program lives on its windows' events.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "interface/ClsIntTouches.h"
#include "interface/ClsJeuMessages.h"
#include "platform/Dialogues.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/ModVisionneurs.h"
#include "platform/qt/ImagesQt.h"
#include "saves/ModSAVMonde.h"

class ClsComReseau;
class ClsPerEcran;
class ClsPerMusique;
class ClsPerSon;
class MDIFrmMain;
class SonSDL;

class Demarrage {
public:
    // Dialogues and Lanceur answer the windows' questions and open outside
    // viewers; the desktop's own when not given (tests give fakes).
    Demarrage(std::filesystem::path Dossier, ::Dialogues* Dialogues = nullptr, LanceurExterne* Lanceur = nullptr);
    ~Demarrage();

    // Runs the start-up steps in order. False after a fatal error, which has
    // been told to the player (a bad data file): the program then ends.
    bool Main();

    // ---- Objects of the program's life, in their order of creation ----
    DossierJeu Dossier;
    // The sound device, the effects and the music (silent when a device or
    // a settings file fails: the game goes on without them).
    std::unique_ptr<SonSDL> SortieSon;
    GenerateurLocal GenerateurMusique;
    std::unique_ptr<ClsPerSon> Son;
    std::unique_ptr<ClsPerMusique> Musique;
    std::unique_ptr<MDIFrmMain> FenetrePrincipale;
    std::unique_ptr<ModMain> Jeu_Monde;  // the world, the rules and the game state
    std::unique_ptr<ClsJeu> Jeu;
    // The first player's message feed and key bindings, read at start-up so
    // that their files are checked before any game; each game makes its
    // own per player.
    std::unique_ptr<ClsJeuMessages> Messages;
    DecodeurImageQt Decodeur;
    std::unique_ptr<Graphique> dd;
    std::unique_ptr<ClsPerEcran> Ecran;
    std::unique_ptr<ClsIntTouches> Touches;
    std::unique_ptr<ModSAVMonde> SavMonde;
    // The network session (network play stays off when its settings name
    // no service provider).
    std::unique_ptr<ClsComReseau> Reseau;

    ::Dialogues& Dialogues() { return *dialogues_; }
    LanceurExterne& Lanceur() { return *lanceur_; }
    AvertisseurErreur& Avertisseur() { return *avertisseur_; }

private:
    // Scripts that could not be loaded, told in a message box.
    void Signaler_Erreurs_IA();

    std::unique_ptr<::Dialogues> dialoguesQt_;
    std::unique_ptr<LanceurExterne> lanceurQt_;
    std::unique_ptr<AvertisseurErreur> avertisseur_;
    ::Dialogues* dialogues_;
    LanceurExterne* lanceur_;
};
