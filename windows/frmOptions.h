// The options window: the display, interface, speech, speed, saving,
// statistics, message feed, sound, music and resolution settings of the
// game in one dialog. It keeps no setting of its own: each control is
// filled from the object that owns the setting, and "&OK" writes every one
// back through that owner's setter (which writes its INI key at once);
// "&Annuler" or closing the window writes nothing.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class AvertisseurErreur;
class ClsIntBouton;
class ClsInterface;
class ClsJeu;
class ClsJeuMessages;
class ClsPerEcran;
class ClsPerMusique;
class ClsPerSon;
class DossierJeu;
class LanceurExterne;
class ModMain;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

// A yes/no setting kept by a module that the window reaches only through
// its get and its set.
struct ReglageOuiNon {
    std::function<bool()> Lire;
    std::function<void(bool)> Ecrire;

    // A setting stored in one key of an INI file of the game folder, for an
    // owner that has not been handed to the window: read as any number not
    // 0, written "1" or "0".
    static ReglageOuiNon Cle(DossierJeu& Dossier, std::string Fichier, std::string Section, std::string Cle);
};

// The owners of the settings that the window shows.
struct ProprietairesOptions {
    ClsJeu& Jeu;
    ClsPerEcran& Ecran;
    ClsPerSon& Son;
    ClsPerMusique& Musique;
    // The text editor and file manager of the two open buttons, and where
    // their failures are told.
    LanceurExterne& Lanceur;
    AvertisseurErreur& Avertisseur;
    // Player 1's in-game interface and message feed. Null: the window reads
    // the one-player layout of the screen's width and Ini_Messages itself;
    // both are read afresh by every game anyway.
    ClsInterface* Interface = nullptr;
    ClsJeuMessages* Messages = nullptr;
    // The world-saving and document modules' switches. Unset: the window
    // reads and writes their keys (Ini_SavMonde [SavMonde], Ini_Documents
    // [Documents]) itself.
    ReglageOuiNon SavMondeEnQuittant{};
    ReglageOuiNon EnregistrerStastistiques{};
    ReglageOuiNon AfficherStastistiquesEnQuittant{};
};

class frmOptions : public QDialog {
    Q_OBJECT
public:
    // Fills every control from the owners. Main gives the world's terrain
    // switches, the speech settings, the character-file settings and the
    // game folder. The window deletes itself when closed (modeless use:
    // `(new frmOptions(...))->show()`).
    frmOptions(ModMain& Main, ProprietairesOptions Proprietaires, QWidget* parent = nullptr);
    ~frmOptions() override;

    // Writes every setting through its owner, in the owners' fixed order,
    // changed or not.
    void Appliquer();

private:
    void Construire();
    void Charger();
    void CheckAffichageRapide_Click();
    void CheckMessagesAfficher_Click();
    void SliderDureeCommentaires_Change();
    void SliderVitesse_Change();
    void SliderFPS_Change();
    void CmdConseils_Click();
    void CmdMusiques_Click();
    // The speech duration that slider position Position stands for.
    float DureeCommentaires(int Position) const;

    ModMain& Main_;
    ProprietairesOptions P_;
    // Owned when not handed in.
    std::unique_ptr<ClsInterface> interfacePropre_;
    std::unique_ptr<ClsJeuMessages> messagesPropres_;
    ClsInterface* interface_ = nullptr;
    ClsJeuMessages* messages_ = nullptr;
    std::unique_ptr<ClsIntBouton> bouton_;
    // A step of 0 or less (a broken Ini_Commentaires) cannot be divided by:
    // the slider is then locked and the stored duration is kept.
    bool dureeReglable_ = false;

    // Frames.
    QGroupBox* FrameInterface = nullptr;
    QGroupBox* FrameDetailsMessages = nullptr;
    // Check boxes, in the order of the frames.
    QCheckBox* CheckEnregistrerStastistiques = nullptr;
    QCheckBox* CheckAfficherStastistiquesEnQuittant = nullptr;
    QCheckBox* CheckTerrainAnime = nullptr;
    QCheckBox* CheckAfficherFantomes = nullptr;
    QCheckBox* CheckAfficherCommentaires = nullptr;
    QCheckBox* CheckAffichageRapide = nullptr;
    QCheckBox* CheckSAVPersoPeriodique = nullptr;
    QCheckBox* CheckSavMondeEnQuittant = nullptr;
    QCheckBox* CheckMasquerAutoBoutonsConstruire = nullptr;
    QCheckBox* CheckAfficherInfoBulleTerrain = nullptr;
    QCheckBox* CheckAfficherMessageModeAuto = nullptr;
    QCheckBox* CheckAfficherBoutonsDeplacement = nullptr;
    QCheckBox* CheckAfficherBoutonsInfos = nullptr;
    QCheckBox* CheckAfficherBarresStatut = nullptr;
    QCheckBox* CheckAfficherAction = nullptr;
    QCheckBox* CheckAfficherFPS = nullptr;
    QCheckBox* CheckAfficherEpoques = nullptr;
    QCheckBox* CheckAfficherStastistiques = nullptr;
    QCheckBox* CheckMessagesAfficher = nullptr;
    QCheckBox* CheckMessagesAfficherConseil = nullptr;
    QCheckBox* CheckMessagesAfficherVie = nullptr;
    QCheckBox* CheckMessagesAfficherBestiaire = nullptr;
    QCheckBox* CheckMessagesAfficherArgent = nullptr;
    QCheckBox* CheckMessagesAfficherRessources = nullptr;
    QCheckBox* CheckMessagesAfficherObjets = nullptr;
    QCheckBox* CheckMessagesAfficherSoldats = nullptr;
    QCheckBox* CheckMessagesAfficherExperience = nullptr;
    QCheckBox* CheckOptimiserAffichage = nullptr;
    QCheckBox* CheckAfficherInfosBulles = nullptr;
    QCheckBox* CheckJouerBruitages = nullptr;
    QCheckBox* CheckJouerMusiques = nullptr;
    // Sliders, their value labels and the resolution list.
    QSlider* SliderDureeCommentaires = nullptr;
    QLabel* LblDureeCommentaires = nullptr;
    QSlider* SliderVitesse = nullptr;
    QLabel* LblVitesse = nullptr;
    QLabel* LblFPSMax = nullptr;
    QSlider* SliderFPS = nullptr;
    QLabel* LblFPS = nullptr;
    QComboBox* ComboResolution = nullptr;
    // Buttons.
    QPushButton* CmdConseils = nullptr;
    QPushButton* CmdMusiques = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
