#include "windows/FrmMoteur2D.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

#include <cmath>
#include <iostream>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/InterfaceJoueur.h"
#include "interface/ClsIntTouches.h"
#include "engine/ModMain.h"
#include "platform/Dialogues.h"
#include "platform/ErreurFichier.h"
#include "platform/Graphique.h"
#include "platform/qt/EntreesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "platform/sdl/SonSDL.h"
#include "windows/VersionJeu.h"

FrmMoteur2D::FrmMoteur2D(ModMain& Main, ClsJeu& Jeu, ClsPerEcran& Ecran, Graphique& dd, const SonsProgramme& Sons)
    : Main_(Main),
      Ecran_(Ecran),
      dd_(dd),
      entrees_(std::make_unique<EntreesQt>(fenetre_.Ecran())),
      peripheriques_(souris_, clavier_, horloge_, Jeu),
      moteur_(Main, Jeu, horloge_, peripheriques_) {
    if (Sons.Sortie) {
        sortieSon_ = Sons.Sortie;
        son_ = Sons.Son;
        musique_ = Sons.Musique;
    } else {
        possedeSortie_ = std::make_unique<SonSDL>();
        sortieSon_ = possedeSortie_.get();
        if (!sortieSon_->Disponible()) std::cerr << SonSDL::MessageSansSon << "\n";
        // A broken sound or music settings file costs the sound, not the game.
        try {
            possedeSon_ = std::make_unique<ClsPerSon>(Main.Dossier);
            possedeMusique_ = std::make_unique<ClsPerMusique>(Main.Dossier, Main.GenerateurPlateforme, sortieSon_);
        } catch (const ErreurFichier& e) {
            std::cerr << e.what() << "\n";
        }
        son_ = possedeSon_.get();
        musique_ = possedeMusique_.get();
    }
    moteur_.Sortie = &fenetre_;
    moteur_.Attente = this;
    moteur_.PressePapiersJeu = &pressePapiers_;
    if (musique_)
        moteur_.Jouer_Musique = [this](std::int32_t situation, bool garder) {
            musique_->Jouer_Musique(situation, garder, horloge_.Maintenant());
        };
    if (son_) moteur_.Lire_Son = [this](std::int16_t i) { son_->Lire(i); };
    Brancher_Interface(Jeu);
    minuterie_.setSingleShot(true);
    minuterie_.setTimerType(Qt::PreciseTimer);
    fenetre_.installEventFilter(this);
}

void FrmMoteur2D::Brancher_Interface(ClsJeu& Jeu) {
    // Each player's interface and key bindings; a missing or broken layout
    // file leaves the player with the plain one (bars and tooltips only),
    // a broken bindings file without keys, each said once.
    moteur_.CreerInterface = [this, &Jeu](std::int16_t joueur, std::int16_t nombre) -> std::unique_ptr<InterfaceMoteur> {
        if (joueur == 0) touches_.clear();
        touches_.resize(static_cast<std::size_t>(joueur) + 1);
        try {
            touches_[static_cast<std::size_t>(joueur)] =
                std::make_unique<ClsIntTouches>(Main_.Dossier, ClsIntTouches::Fichier_Joueur(joueur, nombre));
        } catch (const ErreurFichier& e) {
            std::cerr << e.what() << "\n";
        }
        try {
            std::unique_ptr<InterfaceJoueur> i;
            try {
                i = std::make_unique<InterfaceJoueur>(Main_, Ecran_, &dd_, joueur, nombre);
            } catch (const ErreurImage& e) {
                // Without its pictures the interface still works and keys
                // still act; it draws only what needs no picture.
                std::cerr << e.what() << "\n";
                i = std::make_unique<InterfaceJoueur>(Main_, Ecran_, nullptr, joueur, nombre);
            }
            i->Interface.Moteur.Basculer_Pause = [&Jeu] { Jeu.Pause = !Jeu.Pause; };
            i->Interface.Moteur.Selectionner_Soldats = [this](std::int16_t j, bool ajouter, bool retirer, bool& plein) {
                moteur_.Selectionner_Soldats(j, ajouter, retirer, plein);
            };
            i->Interface.Moteur.Quitter_Programme = [this] {
                Main_.FinPartie = true;
                quitterProgramme_ = true;
            };
            i->Interface.Moteur.Zoom = &moteur_.Zoom;
            i->Interface.Moteur.Capture_Ecran = [this] { moteur_.Capture_Ecran(); };
            // The save button and key save under a name from the date.
            i->Interface.Moteur.Sauvegarder_Monde = [this] {
                if (moteur_.Sauvegarder_Monde) moteur_.Sauvegarder_Monde("");
            };
            return i;
        } catch (const ErreurFichier& e) {
            std::cerr << e.what() << "\n";
            return nullptr;
        }
    };
    // Each local player's keys act on that player's character, interface
    // and selection; the tip and the item keys' hover test are the first
    // player's. Until the bindings name a quit key, Escape quits.
    moteur_.Presser_Touche = [this](std::int16_t i, std::int16_t touche, bool ctrl, bool shift, bool alt, bool& fin) {
        const auto k = static_cast<std::size_t>(i);
        ClsIntTouches* touches = k < touches_.size() ? touches_[k].get() : nullptr;
        auto* joueur = dynamic_cast<InterfaceJoueur*>(moteur_.Joueurs[k].Interface.get());
        auto* premier = dynamic_cast<InterfaceJoueur*>(moteur_.Joueurs[0].Interface.get());
        if (touches && joueur && premier) {
            JoueurLocal& j = moteur_.Joueurs[k];
            std::int32_t perso = Main_.NoPersoParJoueur[k];
            ModDialogue::Groupe groupe(j.Selection.begin(), j.Selection.end());
            touches->Presser_Touche(touche, Main_, joueur->Interface, joueur->Messages, perso,
                                    static_cast<std::int32_t>(Main_.Persos.size()) - 1, ctrl, shift, alt,
                                    j.SelectionVisible, groupe, i, &premier->Interface, &premier->Messages);
            j.Selection.assign(groupe.begin(), groupe.end());
            if (perso >= 0 && static_cast<std::size_t>(perso) < Main_.Persos.size()) Main_.NoPersoParJoueur[k] = perso;
        }
        if (i == 0 && touche == 1 && (!touches || touches->ToucheQuitter == 0)) fin = true;
    };
}

FrmMoteur2D::~FrmMoteur2D() {
    if (musique_) musique_->StopSon();
}

void FrmMoteur2D::MoteurJeu(const SetupChoices& Choix) {
    Surface back, temp;
    Rectangle fond;
    // The screen's faults are told before the game starts, one box each;
    // the game then runs with what could be made.
    for (const std::string& erreur : Ecran_.Init(dd_, &fenetre_, back, temp, fond)) {
        if (boites_) boites_->Message(erreur, TitreJeu, Dialogues::Icone::Critique);
        else std::cerr << erreur << "\n";
    }
    Traiter();
    souris_.Init(&entrees_->Souris());
    clavier_.Init(&entrees_->Clavier(), horloge_.Maintenant());
    if (son_) {
        son_->Init(sortieSon_, Main_.Parametres);
        moteur_.SonActif = son_->Definir_Jouer();
    }
    moteur_.MoteurJeu(Choix, &dd_, Ecran_.Width(), Ecran_.Height());
    if (musique_) musique_->StopSon();
    // Unloading the window: screen closed, events run, world erased.
    Ecran_.Femer_Ecran(&fenetre_);
    Traiter();
    Main_.Effacer_Monde();
}

bool FrmMoteur2D::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == &fenetre_ && evenement->type() == QEvent::Close) {
        // Closing the window quits the game the orderly way.
        Main_.FinPartie = true;
        evenement->ignore();
        return true;
    }
    return QObject::eventFilter(objet, evenement);
}

void FrmMoteur2D::Attendre(double Secondes) {
    const int ms = static_cast<int>(std::ceil(std::max(0.0, Secondes) * 1000.0));
    if (ms <= 0) {
        Traiter();
        return;
    }
    // Sleeps in the event loop until the timer or any window event.
    minuterie_.start(ms);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    minuterie_.stop();
}

void FrmMoteur2D::Traiter() { QCoreApplication::processEvents(); }
