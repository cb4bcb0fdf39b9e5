#include "windows/MDIFrmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include "devices/ClsPerMusique.h"
#include "devices/ModCapture.h"
#include "display/ClsPerEcran.h"
#include "windows/Demarrage.h"
#include "windows/FrmAPropos2.h"
#include "windows/FrmEditeurIA.h"
#include "windows/FrmInfoRaces.h"
#include "windows/FrmMoteur2D.h"
#include "engine/InterfaceJoueur.h"
#include "platform/ErreurFichier.h"
#include "windows/frmOptions.h"
#include "saves/ModDocuments.h"
#include "engine/ModMain.h"
#include "engine/ClsJeu.h"
#include "windows/FrmParam.h"

namespace {

QAction* Item(QMenu* menu, const char* nom, const char* texte, const QKeySequence& touche = {}) {
    QAction* a = menu->addAction(QString::fromUtf8(texte));
    a->setObjectName(nom);
    if (!touche.isEmpty()) a->setShortcut(touche);
    return a;
}

}  // namespace

MDIFrmMain::MDIFrmMain(Demarrage& Programme) : Programme_(Programme) {
    setObjectName("MDIFrmMain");
    setWindowTitle(Titre);
    Creer_Menus();
}

MDIFrmMain::~MDIFrmMain() = default;

void MDIFrmMain::Creer_Menus() {
    QMenuBar* barre = menuBar();
    MenuPartie = barre->addMenu("&Partie");
    MenuPartie->setObjectName("MenuPartie");
    MenuPartieCampagne = Item(MenuPartie, "MenuPartieCampagne", "Campa&gne", QKeySequence("Ctrl+G"));
    MenuPartieCampagne->setEnabled(false);
    const char* mondes[5] = {"&Mondepersonnalisé", "Champ de &bataille", "Charger &scénario", "Charger &monde", "Mode 2 &joueurs"};
    const char* touches[5] = {"Ctrl+M", "Ctrl+B", "Ctrl+S", "Ctrl+C", "Ctrl+J"};
    for (int i = 0; i < 5; ++i) {
        MenuPartieMonde[static_cast<std::size_t>(i)] = Item(MenuPartie, ("MenuPartieMonde(" + std::to_string(i) + ")").c_str(), mondes[i], QKeySequence(touches[i]));
        connect(MenuPartieMonde[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { MenuPartieMonde_Click(i); });
    }
    MenuPartie->addSeparator();
    MenuPartieCommencer = Item(MenuPartie, "MenuPartieCommencer", "&Commencer", QKeySequence(Qt::Key_F5));
    connect(MenuPartieCommencer, &QAction::triggered, this, [this] {
        if (param_) param_->CmdCommencer_Click();
    });
    MenuPartie->addSeparator();
    MenuPartieQuitter = Item(MenuPartie, "MenuPartieQuitter", "&Quitter", QKeySequence("Ctrl+Q"));
    connect(MenuPartieQuitter, &QAction::triggered, this, [this] { MenuPartieQuitter_Click(); });

    MenuMonde = barre->addMenu("&Mondes");
    MenuMonde->setObjectName("MenuMonde");
    MenuMondeRenommer = Item(MenuMonde, "MenuMondeRenommer", "&Renommer");
    MenuMondeCommentaires = Item(MenuMonde, "MenuMondeCommentaires", "&Commentaires");
    MenuMondeEditer = Item(MenuMonde, "MenuMondeEditer", "&Editer");
    MenuMonde->addSeparator();
    MenuMondeSupprimer = Item(MenuMonde, "MenuMondeSupprimer", "&Supprimer", QKeySequence("Shift+Del"));
    connect(MenuMondeRenommer, &QAction::triggered, this, [this] { MenuMondeRenommer_Click(); });
    connect(MenuMondeCommentaires, &QAction::triggered, this, [this] { MenuMondeCommentaires_Click(); });
    connect(MenuMondeEditer, &QAction::triggered, this, [this] { MenuMondeEditer_Click(); });
    connect(MenuMondeSupprimer, &QAction::triggered, this, [this] { MenuMondeSupprimer_Click(); });
    MenuMonde->menuAction()->setEnabled(false);

    MenuPersonnage = barre->addMenu("P&ersonnages");
    MenuPersonnage->setObjectName("MenuPersonnage");
    MenuPersonnageNouveau = Item(MenuPersonnage, "MenuPersonnageNouveau", "&Nouveau", QKeySequence("Ctrl+N"));
    MenuPersonnageCharger = Item(MenuPersonnage, "MenuPersonnageCharger", "&Charger");
    MenuPersonnage->addSeparator();
    MenuPersonnageSelectionner = MenuPersonnage->addMenu(QString::fromUtf8("Sé&lectionner"));
    MenuPersonnageSelectionner->setObjectName("MenuPersonnageSelectionner");
    MenuPersonnageSelectionnerTous = Item(MenuPersonnageSelectionner, "MenuPersonnageSelectionnerTous", "&Tous", QKeySequence("Ctrl+A"));
    MenuPersonnageSelectionner->addSeparator();
    const char* meilleurs[7] = {"Meilleur &Niveau", "Meilleur Arti&san", "Meilleur T&ueur", "Meilleur &Guerrier (Max Vie)",
                                "Meilleur &Archer (Max Energie)", "Meilleur &Magicien (Max Magie)", "Meilleur &Seigneur (Max Moral)"};
    for (std::size_t i = 0; i < 7; ++i)
        MenuPersonnageSelectionMeilleur[i] = Item(MenuPersonnageSelectionner, ("MenuPersonnageSelectionMeilleur(" + std::to_string(i) + ")").c_str(), meilleurs[i],
                                                  i == 0 ? QKeySequence("Ctrl+I") : QKeySequence());
    MenuPersonnage->addSeparator();
    MenuPersonnageCompetences = MenuPersonnage->addMenu(QString::fromUtf8("Compé&tences"));
    MenuPersonnageCompetences->setObjectName("MenuPersonnageCompetences");
    MenuPersonnageCompetencesAfficherToutes =
        Item(MenuPersonnageCompetences, "MenuPersonnageCompetencesAfficherToutes", "Afficher &toutes");
    MenuPersonnageCompetencesAfficherToutes->setCheckable(true);
    MenuPersonnageCompetences->addSeparator();
    const char* modes[3] = {"&Score", "&Niveau", "&Expérience"};
    for (std::size_t i = 0; i < 3; ++i) {
        MenuPersonnageCompetencesAffichage[i] = Item(MenuPersonnageCompetences, ("MenuPersonnageCompetencesAffichage(" + std::to_string(i) + ")").c_str(), modes[i]);
        MenuPersonnageCompetencesAffichage[i]->setCheckable(true);
    }
    MenuPersonnageCompetencesAffichage[0]->setChecked(true);
    MenuPersonnage->addSeparator();
    MenuPersonnageSupprimer = Item(MenuPersonnage, "MenuPersonnageSupprimer", "&Supprimer");

    MenuOptions = barre->addMenu("&Options");
    MenuOptions->setObjectName("MenuOptions");
    MenuOptionParametres = Item(MenuOptions, "MenuOptionParametres", "&Paramètres", QKeySequence("Ctrl+O"));
    MenuOptions->addSeparator();
    MenuOptionEditeurIA = Item(MenuOptions, "MenuOptionEditeurIA", "&Editer IAs", QKeySequence("Ctrl+E"));

    MenuAide = barre->addMenu("&?");
    MenuAide->setObjectName("MenuAide");
    MenuAideBatiments = Item(MenuAide, "MenuAideBatiments", "&Batiments", QKeySequence(Qt::Key_F1));
    MenuAideBestiaire = Item(MenuAide, "MenuAideBestiaire", "B&estiaire", QKeySequence(Qt::Key_F2));
    MenuAideObjets = Item(MenuAide, "MenuAideObjets", "&Objets", QKeySequence(Qt::Key_F3));
    MenuAideRessources = Item(MenuAide, "MenuAideRessources", "&Ressources", QKeySequence(Qt::Key_F4));
    MenuAideRaces = Item(MenuAide, "MenuAideRaces", "R&aces", QKeySequence(Qt::Key_F6));
    MenuAidePeuples = Item(MenuAide, "MenuAidePeuples", "&Peuples", QKeySequence(Qt::Key_F7));
    MenuAide->addSeparator();
    MenuAideStastistiques = Item(MenuAide, "MenuAideStastistiques", "&Stastistiques", QKeySequence(Qt::Key_F8));
    MenuAide->addSeparator();
    MenuAideManuel = Item(MenuAide, "MenuAideManuel", "Aide de &Jeu", QKeySequence(Qt::Key_F9));
    MenuAide->addSeparator();
    MenuAideAPropos = Item(MenuAide, "MenuAideAPropos", "A &propos", QKeySequence("Ctrl+P"));
    connect(MenuAideManuel, &QAction::triggered, this, [this] {
        ModVisionneurs::Ouvrir_Notepad(Programme_.Lanceur(), Programme_.Avertisseur(),
                                       Programme_.Dossier.Chemin("\\Info_FAQ.txt").string());
    });

    // Until start-up has loaded everything, only the menus' titles show.
    for (QMenu* m : {MenuPartie, MenuPersonnage, MenuOptions, MenuAide}) m->menuAction()->setEnabled(false);
    Activer_Menus_Externes();
    Relier_Fenetres();
    Relier_Personnages();
}

void MDIFrmMain::Activer_Menus_Externes() {
    // Every window and page the menus name exists now: nothing is greyed.
}

void MDIFrmMain::Relier_Fenetres() {
    // The reference pages: written afresh from the rules, then shown in
    // the browser.
    auto page = [this](QAction* a, void (ModDocuments::*creer)(LanceurExterne&, AvertisseurErreur&)) {
        connect(a, &QAction::triggered, this, [this, creer] {
            (Programme_.Jeu_Monde->Documents.*creer)(Programme_.Lanceur(), Programme_.Avertisseur());
        });
    };
    page(MenuAideBatiments, &ModDocuments::Creer_Document_Batiments);
    page(MenuAideBestiaire, &ModDocuments::Creer_Document_Bestiaire);
    page(MenuAideObjets, &ModDocuments::Creer_Document_Objets);
    page(MenuAideRessources, &ModDocuments::Creer_Document_Ressources);
    page(MenuAidePeuples, &ModDocuments::Creer_Document_Peuples);
    page(MenuAideStastistiques, &ModDocuments::Afficher_Document_Stastistiques);

    connect(MenuOptionParametres, &QAction::triggered, this, [this] {
        if (!Programme_.Son || !Programme_.Musique) return;
        ModDocuments& documents = Programme_.Jeu_Monde->Documents;
        ProprietairesOptions p{*Programme_.Jeu, *Programme_.Ecran, *Programme_.Son, *Programme_.Musique,
                               Programme_.Lanceur(), Programme_.Avertisseur()};
        // The switches of modules already loaded go through their setters,
        // so the running program sees the change at once.
        p.EnregistrerStastistiques = {[&documents] { return documents.Definir_EnregistrerStastistiques(); },
                                      [&documents](bool v) { documents.Definir_EnregistrerStastistiques(v); }};
        p.AfficherStastistiquesEnQuittant = {[&documents] { return documents.Definir_AfficherStastistiquesEnQuittant(); },
                                             [&documents](bool v) { documents.Definir_AfficherStastistiquesEnQuittant(v); }};
        (new frmOptions(*Programme_.Jeu_Monde, std::move(p), this))->show();
    });
    connect(MenuAideRaces, &QAction::triggered, this, [this] {
        if (!races_) races_ = new FrmInfoRaces(Programme_.Jeu_Monde->Parametres, 0, this);
        races_->show();
        races_->raise();
        races_->activateWindow();
    });
    connect(MenuAideAPropos, &QAction::triggered, this, [this] { Ouvrir_APropos(); });
    connect(MenuOptionEditeurIA, &QAction::triggered, this, [this] {
        if (editeur_) {
            editeur_->raise();
            return;
        }
        editeur_ = new FrmEditeurIA(*Programme_.Jeu_Monde, this, &Programme_.Dialogues(), &Programme_.Lanceur(),
                                    &Programme_.Avertisseur());
        editeur_->Definir_APropos([this] { Ouvrir_APropos(); });
        // The setup window steps aside while scripts are edited.
        connect(editeur_, &FrmEditeurIA::Fermee, this, [this] {
            if (param_) param_->show();
        });
        if (param_) param_->hide();
        editeur_->show();
    });
}

void MDIFrmMain::Ouvrir_APropos() {
    if (!apropos_) apropos_ = new FrmAPropos2(Programme_.Dossier, Programme_.Lanceur(), Programme_.Avertisseur(), this);
    apropos_->show();
    apropos_->raise();
}

void MDIFrmMain::Legende(const std::string& Suite) {
    setWindowTitle(QString::fromUtf8(Titre) + QString::fromStdString(Suite));
}

void MDIFrmMain::Sablier(bool Actif) {
    if (Actif) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

void MDIFrmMain::MDIForm_Load() {
    // A screen large enough for the setup window gets it at its own size;
    // a smaller one gets the whole screen (also without a window manager to
    // maximise it): the window's pages scroll in it.
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille(1031, 756);
    if (ecran && ecran->availableGeometry().width() > taille.width() && ecran->availableGeometry().height() > 766) {
        resize(taille);
        show();
    } else {
        if (ecran) setGeometry(ecran->availableGeometry());
        showMaximized();
    }
    QCoreApplication::processEvents();
}

void MDIFrmMain::Charger_FrmParam() {
    auto* p = new FrmParam(*this, this);
    param_ = p;
    try {
        p->Form_Load();
    } catch (...) {
        param_ = nullptr;
        delete p;
        throw;
    }
    setCentralWidget(p);
    p->show();
}

void MDIFrmMain::Decharger_FrmParam() {
    if (!param_) return;
    param_->Form_Unload();
    FrmParam* p = param_;
    param_ = nullptr;
    takeCentralWidget();
    p->hide();
    p->deleteLater();
}

// ---- A game ----

void MDIFrmMain::Commencer_Partie() {
    if (!param_ || partie_) return;
    Commencer_Partie(param_->Choix());
}

void MDIFrmMain::Commencer_Partie(const SetupChoices& choix) {
    if (!param_ || partie_) return;
    param_->hide();
    hide();
    bool quitter = false;
    partieJouee_ = false;
    std::vector<std::string> messages;
    try {
        FrmMoteur2D moteur(*Programme_.Jeu_Monde, *Programme_.Jeu, *Programme_.Ecran, *Programme_.dd,
                           {Programme_.SortieSon.get(), Programme_.Son.get(), Programme_.Musique.get()});
        partie_ = &moteur;
        moteur.Definir_Dialogues(&Programme_.Dialogues());
        Brancher_Sauvegarde(moteur);
        QCoreApplication::processEvents();
        moteur.MoteurJeu(choix);
        partie_ = nullptr;
        quitter = moteur.Quitter_Programme();
        partieJouee_ = moteur.Moteur().PartieLancee;
        messages = Programme_.Jeu_Monde->MessagesPartie;
    } catch (const std::exception& e) {
        // A file that fails while the game is set up (pictures, layouts)
        // ends that game, not the program: the player is told and comes
        // back to the setup window.
        partie_ = nullptr;
        messages.assign(1, e.what());
        Programme_.Jeu_Monde->Effacer_Monde();
    }
    Sablier(true);
    Legende(" - déchargement...");
    param_->show();
    QCoreApplication::processEvents();
    for (const std::string& m : messages) Programme_.Dialogues().Message(m, "Erreur", Dialogues::Icone::Critique);
    if (quitter) {
        // Alt + F4 during the game ends the program; the choices are kept.
        MenuPartieQuitter_Click();
        return;
    }
    // The setup window is rebuilt once this start event has returned: the
    // window whose button started the game must not go away under it.
    QTimer::singleShot(0, this, [this] { Fin_Partie(); });
}

void MDIFrmMain::Brancher_Sauvegarde(FrmMoteur2D& Partie) {
    ModSAVMonde* sav = Programme_.SavMonde.get();
    if (!sav) return;
    // The options window may have changed the automatic save since.
    sav->Charger_Parametres_SavMonde();
    ClsMoteur& m = Partie.Moteur();
    m.SavMondeEnQuittant = sav->SavMondeEnQuittant;
    m.SavMondeEnQuittantNom = sav->SavMondeEnQuittantNom;
    ModMain& monde = *Programme_.Jeu_Monde;
    m.Sauvegarder_Monde = [sav, &m, &monde](const std::string& Nom) {
        try {
            // The screen goes to the clipboard too, as the preview it is.
            if (m.PressePapiersJeu) CopierEcranPressePapiers(m.SurfBack, *m.PressePapiersJeu);
            sav->Sauvegarder_Monde(monde, Nom, &m.SurfBack);
            if (!m.Joueurs.empty())
                if (auto* j = dynamic_cast<InterfaceJoueur*>(m.Joueurs[0].Interface.get()))
                    j->Messages.Ajouter_Message_SauvegardeMonde();
        } catch (const ErreurFichier& e) {
            // Told once the game is over; the game goes on meanwhile.
            monde.MessagesPartie.push_back(e.what());
        }
    };
}

void MDIFrmMain::Fin_Partie() {
    Decharger_FrmParam();
    try {
        Charger_FrmParam();
    } catch (const ErreurChargementPartie& e) {
        Programme_.Dialogues().Message(e.what(), "Erreur", Dialogues::Icone::Critique);
        quitte_ = true;
        QCoreApplication::exit(1);
        return;
    }
    show();
    Legende("");
    Sablier(false);
    ++parties_;
    // Back from a game that was played: its statistics page, when so
    // configured (a game its setup stopped has none).
    if (partieJouee_ && Programme_.Jeu_Monde->Documents.Definir_AfficherStastistiquesEnQuittant())
        Programme_.Jeu_Monde->Documents.Afficher_Document_Stastistiques(Programme_.Lanceur(), Programme_.Avertisseur());
}

// ---- Menus ----

void MDIFrmMain::MenuPartieMonde_Click(int Index) {
    if (!param_) return;
    // The tab's own handler runs as for a click on it.
    param_->TabStripMonde->setCurrentIndex(Index);
}

void MDIFrmMain::MenuPartieQuitter_Click() {
    if (quitte_) return;
    quitte_ = true;
    // The choices made since the window was built are kept, as closing it
    // would keep them.
    if (param_) param_->Form_Unload();
    if (Programme_.Musique) Programme_.Musique->StopSon();
    hide();
    QCoreApplication::exit(0);
}

void MDIFrmMain::closeEvent(QCloseEvent* e) {
    MenuPartieQuitter_Click();
    e->accept();
}

bool MDIFrmMain::Sur_Scenarios() const {
    return param_ && param_->TypePartie() == SetupChoices::ChargerScenario;
}

std::string MDIFrmMain::Monde_Selectionne() const {
    if (!param_ || param_->LstMonde->count() == 0) return {};
    const QListWidgetItem* item = param_->LstMonde->currentItem();
    return item && item->isSelected() ? item->text().toStdString() : std::string();
}

void MDIFrmMain::MenuMondeRenommer_Click() {
    const std::string nom = Monde_Selectionne();
    if (!nom.empty()) {
        const auto nouveau = Programme_.Dialogues().Saisie("Entrez le nouveau nom du monde : \n" + nom,
                                                          "Changer le nom du monde", nom);
        if (nouveau && !nouveau->empty()) {
            std::string raison;
            if (!Programme_.SavMonde->Renommer_Monde(nom, *nouveau, Sur_Scenarios(), raison))
                Programme_.Dialogues().Message(raison, "Erreur", Dialogues::Icone::Critique);
        }
    }
    if (param_) param_->Actualiser_Liste_Mondes();
}

void MDIFrmMain::MenuMondeCommentaires_Click() {
    const std::string nom = Monde_Selectionne();
    if (nom.empty()) return;
    ModVisionneurs::Ouvrir_Notepad(Programme_.Lanceur(), Programme_.Avertisseur(),
                                   Programme_.SavMonde->Chemin_Resume(nom, Sur_Scenarios()).string());
}

void MDIFrmMain::MenuMondeEditer_Click() {
    const std::string nom = Monde_Selectionne();
    if (nom.empty()) return;
    ModVisionneurs::Ouvrir_Notepad(Programme_.Lanceur(), Programme_.Avertisseur(),
                                   (Programme_.SavMonde->Dossier_Mondes(true) / (nom + ".snr")).string());
}

void MDIFrmMain::MenuMondeSupprimer_Click() {
    const std::string nom = Monde_Selectionne();
    if (!nom.empty() && Programme_.Dialogues().Confirmer("Etes-vous sûr de vouloir effacer " + nom + " ?",
                                                         "Confirmation de la suppression du monde"))
        Programme_.SavMonde->Supprimer_Monde(nom, Sur_Scenarios());
    if (param_) param_->Actualiser_Liste_Mondes();
}

void MDIFrmMain::MenuPersonnageCompetencesAffichage_Click(int Index) {
    if (Index < 0 || Index > 2) return;
    for (QAction* a : MenuPersonnageCompetencesAffichage) a->setChecked(false);
    MenuPersonnageCompetencesAffichage[static_cast<std::size_t>(Index)]->setChecked(true);
    CompetencesAffichage = static_cast<std::int16_t>(Index);
    if (param_) param_->LstPerso_Click();
}
