// The game setup window, shown inside the main window: the kind of game,
// the world to generate or to load, the fiefs or the two armies, the heroes
// taking part, and the start of a game. Its choices are kept between runs
// in Ini_Partie (read when the window is built, written when it closes).
// Character creation, the roster and sheet and the two-player panel are in
// FrmParam_Personnages.cpp; the network panel in FrmParam_Reseau.cpp.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Horloge.h"
#include "engine/SetupChoices.h"

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTimer;
class ClsJeuPerso;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTabBar;
class ClsFicINI;
class MDIFrmMain;

// A configuration key of Ini_Partie is missing or wrong: the program cannot
// offer its choices. The text is the message the player sees.
class ErreurChargementPartie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FrmParam : public QWidget {
    Q_OBJECT
public:
    // Builds the controls; Form_Load fills them.
    FrmParam(MDIFrmMain& Principale, QWidget* parent = nullptr);

    static constexpr const char* FichierIni = "Ini_Partie";

    // Reads Ini_Partie and fills every control. Throws ErreurChargementPartie
    // on a bad configuration key; a remembered choice that no longer fits
    // falls back to its default.
    void Form_Load();
    // Writes the remembered choices back into Ini_Partie.
    void Form_Unload();

    // ---- Public procedures ----
    void Actualiser_Liste_Mondes();
    void Actualiser_Bouton_Commencer();
    void Actualiser_Liste_Persos();
    // Runs one whole game through the main window (start button, F5).
    void CmdCommencer_Click();
    std::int32_t BonusXP() const;
    // The choices as the game setup reads them from the controls.
    SetupChoices Choix() const;
    // The key of the selected game-type tab.
    std::string TypePartie() const;
    bool Commencer_Possible() const { return pret_; }

    // ---- Event handlers ----
    void TabStripMonde_Click();
    void LstMonde_Click();
    void FileMonde_Click();
    void ComboTaille_Click();
    void SliderLargeurCarte_Change();
    void SliderHauteurCarte_Change();
    void SliderNombreArbres_Change();
    void SliderFiefs_Change();
    void SliderVillageois_Change(int Index);
    void CheckEquilibreFiefs_Click();
    void SliderNombreSoldats_Change(int Index);
    void CheckEquipementArmee_Click(int Index);
    void LstPerso_Click();

    // ---- Heroes: creation, roster and sheet, two players ----
    // (FrmParam_Personnages.cpp)
    void Actualiser_Joueurs_Duo();
    void Afficher_Fiche_Perso();
    void Afficher_Competences();
    void Afficher_Bestiaire();
    void Actualiser_Fortune();
    void TxtNomPerso_Change();
    void CmdCreerPerso_Click();
    void CmdGenererPersos_Click(int Index);
    void CmdSupprimerPerso_Click();
    void LstRaces_Click();
    void LstRaces_DblClick();
    void CmdInfoRace_Click();
    void TabStripPersonnage_Click();
    void ComboEquipePerso_Validate();
    void TabStripFichiers_Click();
    void CheckApparence_Click();
    void FileApparence_Click();
    void FileIA_Click();
    void TabStripCompBest_Click();
    void LstTalents_Click();
    void TimerApparence_Timer();
    void CheckJouera2_Click();
    void CheckMaintenirEcransSepares_Click();
    void ComboNomJoueur_Click(int Index);
    // The longest name a hero may take (characters).
    static constexpr int LongueurMaxNom = 30;
    // The name check's verdict on a typed name: "" when it may be created.
    std::string Verifier_Nom(const std::string& Nom) const;
    // The name of the hero whose sheet is shown, when its entry is the
    // current and selected one of the roster: the only file an edit of the
    // sheet may be written to. "" otherwise (nothing is then saved).
    std::string Fichier_Affiche() const;
    // Called by the 250 ms tick while a network session may be open: the
    // network panel sets it to read the session's messages (a start
    // message received there runs the whole game inside the tick).
    std::function<void()> Sondage_Reseau;

    // ---- Network panel (FrmParam_Reseau.cpp) ----
    void Actualiser_Boutons_Reseau();
    void LstServices_Click();
    void TxtNomJoueur_Change();
    void TxtAdresse_Change();
    void TxtNomSession_Change();
    void SliderNombreJoueurs_Change();
    void CmdCreerServeur_Click();
    void CmdFermerServeur_Click();
    void CmdRafraichirParties_Click();
    void CmdConnecter_Click();
    void CmdDeconnecter_Click();
    void CmdRafraichirJoueurs_Click();
    void CmdEnvoyerMessage_Click();
    // Reads the session: players, chat lines, and the host's start.
    void Sondage_Session();
    // A client's game, from the host's choices (run from the event loop).
    void Commencer_Client();
    // Builds the panel under the window's other controls (once).
    void Construire_Reseau(QBoxLayout* racine);
    // The session's part of the choices: on, the local place, the players.
    void Choix_Reseau(SetupChoices& c) const;
    QWidget* PanneauReseau = nullptr;
    QGroupBox *FrameReseau, *FrameServeur, *FrameClient, *FrameJoueurs;
    QListWidget *LstServices, *LstParties, *LstJoueurs, *LstMessages;
    QLineEdit *TxtNomJoueur, *TxtAdresse, *TxtNomSession, *TxtMessage;
    QSlider* SliderNombreJoueurs;
    QLabel *LblNombreJoueurs, *LblErreurReseau;
    QPushButton *CmdCreerServeur, *CmdFermerServeur, *CmdRafraichirParties, *CmdConnecter, *CmdDeconnecter,
        *CmdRafraichirJoueurs, *CmdEnvoyerMessage;

    // ---- Controls ----
    QTabBar* TabStripMonde;
    QGroupBox* FrameMonde;
    QComboBox *ComboTaille, *ComboRessources, *ComboTerrain, *ComboEpoque, *ComboDifficulte;
    QSlider *SliderLargeurCarte, *SliderHauteurCarte, *SliderNombreArbres;
    QLabel *LblLargeurCarte, *LblHauteurCarte, *LblNombreArbres;
    QGroupBox* FrameFiefs;
    QSlider* SliderFiefs;
    QLabel* LblFiefs;
    QCheckBox* CheckEquilibreFiefs;
    std::vector<QLabel*> LblNumeroFief;
    std::vector<QSlider*> SliderVillageois;
    std::vector<QLabel*> LblVillageois;
    std::vector<QComboBox*> ComboPeuple;
    std::vector<QComboBox*> ComboEquipe;
    QLabel* LblTotalVillageois;
    QGroupBox* FrameArmees;
    QGroupBox* FrameArmee[2];
    QSlider* SliderNombreSoldats[2];
    QLabel* LblNombreSoldats[2];
    QComboBox* ComboArmee[2];
    QCheckBox* CheckEquipementArmee[2];
    QListWidget* LstObjets[2];
    QGroupBox* FrameChargerMonde;
    QListWidget* LstMonde;
    QLabel* LblDescriptionMonde;
    QLabel* ImgApercu;
    QGroupBox* FrameMode2Joueurs;
    QGroupBox* FramePersonnages;
    QListWidget* LstPerso;
    QLabel* LblNom;
    // Creation page and loaded-characters page.
    QTabBar* TabStripPersonnage;
    QGroupBox* FrameNouveauPersonnage;
    QWidget* FrameChargerPersonnage;
    QLineEdit* TxtNomPerso;
    QLabel* LblErreurNom;
    QPushButton* CmdCreerPerso;
    QListWidget* LstRaces;
    QPlainTextEdit* TxtRaceDecription;
    QPushButton* CmdInfoRace;
    QRadioButton* OptionSexe[2];
    QLabel* LblRestictionSexe;
    QPushButton* CmdGenererPersos[3];
    QLabel* LblNombrePersos;
    QPushButton* CmdSupprimerPerso;
    QLabel *LblMetier, *LblNiveau, *LblNivPlus, *LblSexe, *LblRace;
    QLabel *LblVie, *LblEnergie, *LblMagie, *LblMoral, *LblAttaque, *LblDefense;
    QComboBox* ComboEquipePerso;
    QTabBar* TabStripFichiers;
    QListWidget* FileApparence;
    QCheckBox* CheckApparence;
    QLabel* ImgApparence;
    QListWidget* FileIA;
    QTabBar* TabStripCompBest;
    QListWidget *LstCompetences, *LstBestiaire, *LstTalents, *LstPointsTalents;
    QTimer* TimerApparence;
    std::int16_t EtapeApparence = 0;
    // Folders of the two file lists.
    std::string DossierFileApparence, DossierFileIA;
    // Two players on one machine.
    QCheckBox *CheckJouera2, *CheckMaintenirEcransSepares;
    QComboBox* ComboNomJoueur[2];
    QListWidget *List1, *List2;
    QLabel* LblSelectionner2Personnages;
    QPushButton* CmdCommencer;

    // ---- Fields filled from Ini_Partie ----
    std::vector<std::int32_t> TailleLargeurs, TailleHauteurs, TailleRessources, TailleFiefs;
    std::vector<double> RessourceMultiplicateurs;
    std::vector<std::int32_t> DifficulteBonusXP;
    std::int16_t DernierScenario = 0;
    std::int16_t DernierMonde = 0;
    // The files listed in LstMonde, in its order, and their folder.
    std::vector<std::string> FileMonde;
    std::string DossierFileMonde;
    // The tabs of the hero's files and of its sheet, as last shown.
    std::int16_t FichiersSelection = 0;
    std::int16_t CompetencesSelection = 0;

    static constexpr const char* ClesMonde[5] = {SetupChoices::NouveauMonde, SetupChoices::NouvelleBataille,
                                                 SetupChoices::ChargerScenario, SetupChoices::ChargerMonde,
                                                 "Mode2Joueurs"};

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Construire();
    void Ajouter_Ligne_Fief(int i);
    void Charger_Monde(ClsFicINI& ini);
    void Charger_Fiefs(ClsFicINI& ini);
    void Charger_Armees(ClsFicINI& ini);
    void Charger_Personnages(ClsFicINI& ini);
    void Construire_Personnages(QGroupBox* cadre);
    void Construire_Duo(QGroupBox* cadre);
    void Form_Load_Personnages();
    void Afficher_Talents();
    void Actualiser_Talents();
    ClsJeuPerso& Perso_Affiche() const;
    // Saves the shown hero into its own file, and nowhere else.
    void Sauvegarder_Affiche();
    void Apercu_Apparence();
    // A hero file that fails to load: told once, its entry left out.
    void Perso_Invalide(int ligne, const std::string& message);
    // Both players on one hero: the two-player box is disabled.
    void Verifier_Duo();
    // Keeps the roster's current entry on a hero that takes part.
    void Garder_Courant_Coche();
    // The roster's line of the hero on the sheet, when it takes part; -1
    // otherwise.
    int Ligne_Fiche() const;
    bool Sur_Onglet(const char* cle) const;

    MDIFrmMain& Principale_;
    bool pret_ = false;
    QWidget* lignesFiefs_ = nullptr;
    // Menu music and the preview: the time since the window was built.
    HorlogeMonotone horloge_;
    QPixmap planche_;
    // The name files' refusals and the roster's refreshes run handlers the
    // player did not ask for: they are told apart by this.
    bool remplissage_ = false;
    bool talentsEnCours_ = false;
};
