// The program's main window: its caption tells the loading steps, its menu
// bar works the setup window shown inside it and opens the other windows
// and pages, and it runs a game from the setup window's start (hidden while
// the game runs, rebuilt with a fresh setup window afterwards).
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct SetupChoices;
class QAction;
class QMenu;
class Demarrage;
class FrmMoteur2D;
class FrmAPropos2;
class FrmEditeurIA;
class FrmInfoRaces;
class FrmParam;

class MDIFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIFrmMain(Demarrage& Programme);
    ~MDIFrmMain() override;

    static constexpr const char* Titre = "Morvaine";
    Demarrage& Programme() const { return Programme_; }

    // Caption: the title followed by a loading step's suffix ("" alone).
    void Legende(const std::string& Suite);
    // The hourglass over the window, or the default pointer.
    void Sablier(bool Actif);
    // Window load: the window is sized to the screen and shown.
    void MDIForm_Load();

    // Builds the setup window inside this one and reads its settings.
    // Throws ErreurChargementPartie on a bad settings file.
    void Charger_FrmParam();
    // Writes the setup window's settings and removes it.
    void Decharger_FrmParam();
    FrmParam* Param() const { return param_; }

    // Runs one game from the setup window's choices, then rebuilds the setup
    // window once the start event has returned.
    void Commencer_Partie();
    // A game from given choices (a network client's, from the host's).
    void Commencer_Partie(const SetupChoices& Choix);
    // The engine window while a game runs, else null.
    FrmMoteur2D* Partie() const { return partie_; }
    // Counts finished games (the setup window is rebuilt after each).
    int NombreParties() const { return parties_; }

    // ---- Menu handlers ----
    void MenuPartieMonde_Click(int Index);
    void MenuPartieQuitter_Click();
    void MenuMondeRenommer_Click();
    void MenuMondeCommentaires_Click();
    void MenuMondeEditer_Click();
    void MenuMondeSupprimer_Click();
    void MenuPersonnageCompetencesAffichage_Click(int Index);
    // The character menu (MDIFrmMain_Personnages.cpp).
    void MenuPersonnageSelectionnerTous_Click();
    void MenuPersonnageSelectionMeilleur_Click(int Index);
    void MenuPersonnageCompetencesAfficherToutes_Click();

    // The competence display mode (0 score, 1 level, 2 experience).
    std::int16_t CompetencesAffichage = 0;

    // Enables the items whose windows or pages exist: the lead wires each
    // with one line here when its window arrives.
    void Activer_Menus_Externes();
    // The menu items that open the other windows and the reference pages.
    void Relier_Fenetres();
    void Ouvrir_APropos();
    void Relier_Personnages();

    // ---- Menus and items, by their control names ----
    QMenu *MenuPartie, *MenuMonde, *MenuPersonnage, *MenuOptions, *MenuAide;
    QMenu *MenuPersonnageSelectionner, *MenuPersonnageCompetences;
    QAction* MenuPartieCampagne;
    std::array<QAction*, 5> MenuPartieMonde;
    QAction *MenuPartieCommencer, *MenuPartieQuitter;
    QAction *MenuMondeRenommer, *MenuMondeCommentaires, *MenuMondeEditer, *MenuMondeSupprimer;
    QAction *MenuPersonnageNouveau, *MenuPersonnageCharger, *MenuPersonnageSelectionnerTous;
    std::array<QAction*, 7> MenuPersonnageSelectionMeilleur;
    QAction* MenuPersonnageCompetencesAfficherToutes;
    std::array<QAction*, 3> MenuPersonnageCompetencesAffichage;
    QAction* MenuPersonnageSupprimer;
    QAction *MenuOptionParametres, *MenuOptionEditeurIA;
    QAction *MenuAideBatiments, *MenuAideBestiaire, *MenuAideObjets, *MenuAideRessources, *MenuAideRaces,
        *MenuAidePeuples, *MenuAideStastistiques, *MenuAideManuel, *MenuAideAPropos;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Gives the game its world saves: the save key and button, and the
    // automatic save when it ends.
    void Brancher_Sauvegarde(FrmMoteur2D& Partie);
    void Creer_Menus();
    void Fin_Partie();
    // The name selected in the world list, or "" when none (the World
    // items then act on nothing).
    std::string Monde_Selectionne() const;
    bool Sur_Scenarios() const;

    Demarrage& Programme_;
    FrmParam* param_ = nullptr;
    // Windows opened from the menus; each deletes itself when closed.
    bool partieJouee_ = false;
    QPointer<FrmInfoRaces> races_;
    QPointer<FrmAPropos2> apropos_;
    QPointer<FrmEditeurIA> editeur_;
    FrmMoteur2D* partie_ = nullptr;
    int parties_ = 0;
    bool quitte_ = false;
};
