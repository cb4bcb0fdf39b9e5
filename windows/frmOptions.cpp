#include "windows/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "devices/ClsPerMusique.h"
#include "devices/ClsPerSon.h"
#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "interface/ClsIntBouton.h"
#include "interface/ClsInterface.h"
#include "interface/ClsJeuMessages.h"
#include "platform/ErreurFichier.h"
#include "platform/ModVisionneurs.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"

namespace {

QString Q(const char* texte) { return QString::fromUtf8(texte); }

// A quotient of settings as a slider position: nearest whole number, halves
// to even, kept inside the slider's integer range.
int Position(double quotient) {
    if (!std::isfinite(quotient)) return quotient > 0 ? std::numeric_limits<int>::max() : 0;
    return Sature32(Arrondi(quotient));
}

// Digits after the decimal point of the shortest text of a single.
int Decimales(float pas) {
    char texte[32];
    const char* fin = std::to_chars(texte, texte + sizeof texte, pas).ptr;
    const std::string_view s(texte, static_cast<std::size_t>(fin - texte));
    if (s.find('e') != std::string_view::npos) return -1;
    const auto point = s.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(s.size() - point - 1);
}

}  // namespace

ReglageOuiNon ReglageOuiNon::Cle(DossierJeu& Dossier, std::string Fichier, std::string Section, std::string Cle) {
    auto ini = [&Dossier, Fichier, Section] {
        ClsFicINI f(Dossier);
        f.NomFichier = Fichier;
        f.Section = Section;
        return f;
    };
    return {[ini, Cle] { return VersBooleen(ini().Parametre(Cle)); },
            [ini, Cle](bool v) { ini().Parametre(Cle, v ? "1" : "0"); }};
}

frmOptions::frmOptions(ModMain& Main, ProprietairesOptions Proprietaires, QWidget* parent)
    : QDialog(parent), Main_(Main), P_(std::move(Proprietaires)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q("Options"));
    if (!P_.SavMondeEnQuittant.Lire)
        P_.SavMondeEnQuittant = ReglageOuiNon::Cle(Main_.Dossier, "Ini_SavMonde", "SavMonde", "SavMondeEnQuittant");
    if (!P_.EnregistrerStastistiques.Lire)
        P_.EnregistrerStastistiques =
            ReglageOuiNon::Cle(Main_.Dossier, "Ini_Documents", "Documents", "EnregistrerStastistiques");
    if (!P_.AfficherStastistiquesEnQuittant.Lire)
        P_.AfficherStastistiquesEnQuittant =
            ReglageOuiNon::Cle(Main_.Dossier, "Ini_Documents", "Documents", "AfficherStastistiquesEnQuittant");
    Construire();
    Charger();
}

frmOptions::~frmOptions() = default;

void frmOptions::Construire() {
    auto check = [this](QCheckBox*& c, const char* nom, const char* legende) {
        c = new QCheckBox(Q(legende), this);
        c->setObjectName(nom);
        return c;
    };
    auto cadre = [this](const char* legende, std::initializer_list<QWidget*> controles) {
        auto* g = new QGroupBox(Q(legende), this);
        auto* v = new QVBoxLayout(g);
        for (QWidget* c : controles) v->addWidget(c);
        return g;
    };
    auto curseur = [this](QSlider*& s, const char* nom) {
        s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(nom);
        return s;
    };
    auto valeur = [this](QLabel*& l, const char* nom) {
        l = new QLabel(this);
        l->setObjectName(nom);
        l->setMinimumWidth(fontMetrics().horizontalAdvance(Q("0000,00")));
        return l;
    };
    auto bouton = [this](QPushButton*& b, const char* nom, const char* legende) {
        b = new QPushButton(Q(legende), this);
        b->setObjectName(nom);
        return b;
    };

    // Interface and messages.
    FrameInterface = cadre(
        "Interface",
        {check(CheckMasquerAutoBoutonsConstruire, "CheckMasquerAutoBoutonsConstruire",
               "Masquer automatiquement les boutons de construction"),
         check(CheckAfficherInfoBulleTerrain, "CheckAfficherInfoBulleTerrain", "Afficher les infos bulles sur le terrain"),
         check(CheckAfficherMessageModeAuto, "CheckAfficherMessageModeAuto", "Afficher le mode auto"),
         check(CheckAfficherBoutonsDeplacement, "CheckAfficherBoutonsDeplacement", "Afficher les boutons de déplacement"),
         check(CheckAfficherBoutonsInfos, "CheckAfficherBoutonsInfos", "Afficher les boutons d'information"),
         check(CheckAfficherBarresStatut, "CheckAfficherBarresStatut", "Afficher les barres de statut"),
         check(CheckAfficherAction, "CheckAfficherAction", "Afficher les actions"),
         check(CheckAfficherFPS, "CheckAfficherFPS", "Afficher les frames par secondes"),
         check(CheckAfficherEpoques, "CheckAfficherEpoques", "Afficher les époques")});
    FrameInterface->setObjectName("FrameInterface");

    FrameDetailsMessages = cadre(
        "Détails des messages",
        {check(CheckMessagesAfficherConseil, "CheckMessagesAfficherConseil", "Afficher un conseil en début de partie"),
         check(CheckMessagesAfficherVie, "CheckMessagesAfficherVie", "Afficher Vie/Mort"),
         check(CheckMessagesAfficherBestiaire, "CheckMessagesAfficherBestiaire", "Afficher combats gagnés"),
         check(CheckMessagesAfficherArgent, "CheckMessagesAfficherArgent", "Afficher gains/pertes argent"),
         check(CheckMessagesAfficherRessources, "CheckMessagesAfficherRessources", "Afficher gains/pertes ressources"),
         check(CheckMessagesAfficherObjets, "CheckMessagesAfficherObjets", "Afficher gains/pertes objets"),
         check(CheckMessagesAfficherSoldats, "CheckMessagesAfficherSoldats", "Afficher gains/pertes soldats"),
         check(CheckMessagesAfficherExperience, "CheckMessagesAfficherExperience", "Afficher niveaux supérieures"),
         bouton(CmdConseils, "CmdConseils", "&Consulter les conseils")});
    FrameDetailsMessages->setObjectName("FrameDetailsMessages");
    auto* frameMessages = cadre(
        "Messages d'information",
        {check(CheckAfficherStastistiques, "CheckAfficherStastistiques", "Afficher les informations des fiefs"),
         check(CheckMessagesAfficher, "CheckMessagesAfficher", "Afficher les messages d'information"),
         FrameDetailsMessages});

    // Game pace and characters.
    auto* lignePas = [&] {
        auto* w = new QWidget(this);
        auto* g = new QGridLayout(w);
        g->setContentsMargins(0, 0, 0, 0);
        g->addWidget(new QLabel(Q("Vitesse :"), w), 0, 0);
        g->addWidget(curseur(SliderVitesse, "SliderVitesse"), 0, 1);
        g->addWidget(valeur(LblVitesse, "LblVitesse"), 0, 2);
        LblFPSMax = new QLabel(Q("FPS Max :"), w);
        LblFPSMax->setObjectName("LblFPSMax");
        g->addWidget(LblFPSMax, 1, 0);
        g->addWidget(curseur(SliderFPS, "SliderFPS"), 1, 1);
        g->addWidget(valeur(LblFPS, "LblFPS"), 1, 2);
        return w;
    }();
    auto* frameJeu = cadre("Jeu", {check(CheckAffichageRapide, "CheckAffichageRapide", "Désactiver la limite de FPS"),
                                   lignePas});
    auto* ligneDuree = [&] {
        auto* w = new QWidget(this);
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(new QLabel(Q("Durée :"), w));
        h->addWidget(curseur(SliderDureeCommentaires, "SliderDureeCommentaires"), 1);
        h->addWidget(valeur(LblDureeCommentaires, "LblDureeCommentaires"));
        h->addWidget(new QLabel(Q("s"), w));
        return w;
    }();
    auto* framePersonnages =
        cadre("Personnages",
              {check(CheckAfficherFantomes, "CheckAfficherFantomes", "Afficher les fantômes alliés (2)"),
               check(CheckAfficherCommentaires, "CheckAfficherCommentaires", "Afficher les commentaires"), ligneDuree});
    auto* frameTerrains = cadre("Terrains", {check(CheckTerrainAnime, "CheckTerrainAnime", "Surface animée (1)")});
    auto* frameSauvegardes =
        cadre("Sauvegardes", {check(CheckSAVPersoPeriodique, "CheckSAVPersoPeriodique",
                                    "Sauvegarder le personnage actif toutes les minutes."),
                              check(CheckSavMondeEnQuittant, "CheckSavMondeEnQuittant", "Sauvegarder la partie en quittant")});
    auto* frameStastistiques =
        cadre("Stastistiques",
              {check(CheckEnregistrerStastistiques, "CheckEnregistrerStastistiques", "Enregistrer les stastistiques"),
               check(CheckAfficherStastistiquesEnQuittant, "CheckAfficherStastistiquesEnQuittant",
                     "Afficher les stastistiques en quittant")});

    // Display and sound.
    auto* ligneResolution = [&] {
        auto* w = new QWidget(this);
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(new QLabel(Q("Résolution (1) :"), w));
        ComboResolution = new QComboBox(w);
        ComboResolution->setObjectName("ComboResolution");
        h->addWidget(ComboResolution, 1);
        return w;
    }();
    auto* frameAffichage =
        cadre("Affichage", {check(CheckOptimiserAffichage, "CheckOptimiserAffichage", "Optimiser l'affichage (3)"),
                            check(CheckAfficherInfosBulles, "CheckAfficherInfosBulles", "Afficher les infos bulles"),
                            ligneResolution});
    auto* frameSons = cadre("Sons", {check(CheckJouerBruitages, "CheckJouerBruitages", "Jouer les bruitages"),
                                     check(CheckJouerMusiques, "CheckJouerMusiques", "Jouer les musiques"),
                                     bouton(CmdMusiques, "CmdMusiques", "Accéder aux &musiques")});

    auto colonne = [this](std::initializer_list<QWidget*> cadres) {
        auto* w = new QWidget(this);
        auto* v = new QVBoxLayout(w);
        v->setContentsMargins(0, 0, 0, 0);
        for (QWidget* c : cadres) v->addWidget(c);
        v->addStretch(1);
        return w;
    };
    auto* colonnes = new QHBoxLayout;
    colonnes->addWidget(colonne({FrameInterface, frameMessages}));
    colonnes->addWidget(colonne({frameJeu, framePersonnages, frameTerrains, frameSauvegardes}));
    colonnes->addWidget(colonne({frameAffichage, frameSons, frameStastistiques}));

    auto* ligne = new QFrame(this);
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    auto note = [this](const char* texte) {
        auto* l = new QLabel(Q(texte), this);
        l->setWordWrap(true);
        return l;
    };

    bouton(cmdOK, "cmdOK", "&OK");
    bouton(cmdCancel, "cmdCancel", "&Annuler");
    cmdOK->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(cmdOK);
    boutons->addWidget(cmdCancel);

    auto* v = new QVBoxLayout(this);
    v->addLayout(colonnes);
    v->addWidget(ligne);
    v->addWidget(note("(1) Si cette option est modifiée, relancez le programme pour prendre en compte les changements."));
    v->addWidget(note("(2) Attention, cette option peut causer des ralentissments selon le nombre de fantômes affichés."));
    v->addWidget(note("(3) Cette option accélère l'affichage, utilise énormement de mémoire et ralentit les temps de "
                      "chargement. Si vous activez cette option, il est conseiller de désactiver \"Surface animée\"."));
    v->addLayout(boutons);

    connect(CheckAffichageRapide, &QCheckBox::clicked, this, [this] { CheckAffichageRapide_Click(); });
    connect(CheckMessagesAfficher, &QCheckBox::clicked, this, [this] { CheckMessagesAfficher_Click(); });
    connect(SliderDureeCommentaires, &QSlider::valueChanged, this, [this] { SliderDureeCommentaires_Change(); });
    connect(SliderVitesse, &QSlider::valueChanged, this, [this] { SliderVitesse_Change(); });
    connect(SliderFPS, &QSlider::valueChanged, this, [this] { SliderFPS_Change(); });
    connect(CmdConseils, &QPushButton::clicked, this, [this] { CmdConseils_Click(); });
    connect(CmdMusiques, &QPushButton::clicked, this, [this] { CmdMusiques_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Appliquer();
        accept();
    });
    // "&Annuler", Escape and the close box write nothing.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOptions::Charger() {
    // The objects of their own files; one that cannot be read leaves its
    // controls locked (and never written) rather than closing the window.
    auto lire = [this](auto creer, std::initializer_list<QWidget*> controles) {
        try {
            creer();
            return true;
        } catch (const ErreurFichier& e) {
            P_.Avertisseur.Erreur(e.what());
            for (QWidget* c : controles) c->setEnabled(false);
            return false;
        }
    };
    lire([this] { bouton_ = std::make_unique<ClsIntBouton>(StyleInfoBulle::Lire(Main_.Dossier)); },
         {CheckAfficherInfosBulles});
    interface_ = P_.Interface;
    if (!interface_)
        lire(
            [this] {
                auto i = std::make_unique<ClsInterface>(Main_, P_.Ecran);
                i->Init1(0, 1);
                interfacePropre_ = std::move(i);
                interface_ = interfacePropre_.get();
            },
            {FrameInterface, CheckAfficherStastistiques});
    messages_ = P_.Messages;
    if (!messages_)
        lire(
            [this] {
                messagesPropres_ = std::make_unique<ClsJeuMessages>(Main_);
                messages_ = messagesPropres_.get();
            },
            {CheckMessagesAfficher, FrameDetailsMessages});

    // Centred on the screen.
    adjustSize();
    if (const QScreen* ecran = screen()) {
        const QRect r = ecran->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }

    // Filling runs no handler; those that the filling must run are called
    // by name below.
    const QList<QWidget*> controles = findChildren<QWidget*>();
    std::vector<std::unique_ptr<QSignalBlocker>> bloqueurs;
    for (QWidget* c : controles) bloqueurs.push_back(std::make_unique<QSignalBlocker>(c));

    if (interface_) {
        ClsInterface& I = *interface_;
        I.Affichage_PleinEcran(false);
        CheckAfficherEpoques->setChecked(I.Definir_AfficherEpoques());
        CheckAfficherFPS->setChecked(I.Definir_AfficherFPS());
        CheckAfficherAction->setChecked(I.Definir_AfficherAction());
        CheckAfficherInfoBulleTerrain->setChecked(I.Definir_AfficherInfoBulleTerrain());
        CheckAfficherBarresStatut->setChecked(I.Definir_AfficherBarresStatut());
        CheckAfficherBoutonsInfos->setChecked(I.Definir_AfficherBoutonsInfos());
        CheckAfficherBoutonsDeplacement->setChecked(I.Definir_AfficherBoutonsDeplacement());
        CheckMasquerAutoBoutonsConstruire->setChecked(I.Definir_MasquerAutoBoutonsConstruire());
        CheckAfficherMessageModeAuto->setChecked(I.Definir_AfficherMessageModeAuto());
    }
    CheckAfficherCommentaires->setChecked(Main_.Commentaires.Definir_Afficher());

    // The speech duration in steps of DureeIntervale.
    const ClsJeuCommentaires& C = Main_.Commentaires;
    const double pas = C.Definir_DureeIntervale();
    dureeReglable_ = std::isfinite(pas) && pas > 0;
    if (dureeReglable_) {
        SliderDureeCommentaires->setMaximum(Position(C.Definir_DureeMax() / pas));
        SliderDureeCommentaires->setMinimum(Position(C.Definir_DureeMin() / pas));
        SliderDureeCommentaires->setValue(Position(C.Definir_Duree() / pas));
    } else {
        SliderDureeCommentaires->setRange(0, 0);
        SliderDureeCommentaires->setEnabled(false);
    }
    SliderDureeCommentaires_Change();

    CheckAfficherFantomes->setChecked(P_.Jeu.Definir_AfficherFantomesPNJ());
    if (bouton_) CheckAfficherInfosBulles->setChecked(bouton_->Definir_AfficherInfoBulle());
    CheckTerrainAnime->setChecked(Main_.Monde.Definir_TerrainAnime());
    CheckJouerBruitages->setChecked(P_.Son.Definir_Jouer());
    CheckJouerMusiques->setChecked(P_.Musique.Definir_JouerMusique());
    CheckSAVPersoPeriodique->setChecked(Main_.SavPerso.Definir_SauvegardePeriodique());
    CheckSavMondeEnQuittant->setChecked(P_.SavMondeEnQuittant.Lire());
    CheckEnregistrerStastistiques->setChecked(P_.EnregistrerStastistiques.Lire());
    CheckAfficherStastistiquesEnQuittant->setChecked(P_.AfficherStastistiquesEnQuittant.Lire());
    if (interface_) CheckAfficherStastistiques->setChecked(interface_->Definir_AfficherStastistiques());

    if (messages_) {
        const ClsJeuMessages& M = *messages_;
        CheckMessagesAfficher->setChecked(M.Definir_Afficher());
        CheckMessagesAfficher_Click();
        CheckMessagesAfficherConseil->setChecked(M.Definir_AfficherConseil());
        CheckMessagesAfficherVie->setChecked(M.Definir_AfficherVie());
        CheckMessagesAfficherBestiaire->setChecked(M.Definir_AfficherBestiaire());
        CheckMessagesAfficherArgent->setChecked(M.Definir_AfficherArgent());
        CheckMessagesAfficherRessources->setChecked(M.Definir_AfficherRessources());
        CheckMessagesAfficherObjets->setChecked(M.Definir_AfficherObjets());
        CheckMessagesAfficherSoldats->setChecked(M.Definir_AfficherSoldats());
        CheckMessagesAfficherExperience->setChecked(M.Definir_AfficherExperience());
    }

    // A speed or a frame rate of 0 would stop the game's clock (ticks and
    // frames are counted per second): the sliders start at 1.
    const ClsJeu& J = P_.Jeu;
    auto regler = [](QSlider* s, int min, int max, int valeur) {
        min = std::max(min, 1);
        s->setRange(min, std::max(min, max));
        s->setValue(valeur);
    };
    regler(SliderVitesse, J.VitesseMin, J.VitesseMax, J.Definir_Vitesse());
    SliderVitesse_Change();
    regler(SliderFPS, J.FPSMin, J.FPSMax, J.Definir_FPS());
    SliderFPS_Change();
    CheckAffichageRapide->setChecked(J.Definir_AffichageRapide());
    CheckAffichageRapide_Click();

    const ClsPerEcran& E = P_.Ecran;
    for (int k = 0; k < E.Nombre_Resolutions(); ++k)
        ComboResolution->addItem(QString::number(E.Definir_ResolutionX(k)) + " * " +
                                 QString::number(E.Definir_ResolutionY(k)));
    ComboResolution->setCurrentIndex(std::clamp<int>(E.Definir_Resolution(), 0, ComboResolution->count() - 1));

    CheckOptimiserAffichage->setChecked(Main_.Monde.Definir_TerrainOptimise());
}

float frmOptions::DureeCommentaires(int Position) const {
    if (!dureeReglable_) return Main_.Commentaires.Definir_Duree();
    const float pas = Main_.Commentaires.Definir_DureeIntervale();
    double duree = Position * static_cast<double>(pas);
    // A whole number of decimal steps has no more decimals than the step:
    // the file gets 0.09, not the binary error of 9 x 0.01 in single.
    const int d = Decimales(pas);
    if (d >= 0 && d <= 9) {
        const double echelle = std::pow(10.0, d);
        duree = std::nearbyint(duree * echelle) / echelle;
    }
    return static_cast<float>(duree);
}

void frmOptions::SliderDureeCommentaires_Change() {
    LblDureeCommentaires->setText(
        QString::fromStdString(TexteNombreFrancais(DureeCommentaires(SliderDureeCommentaires->value()), 2)));
}

void frmOptions::SliderVitesse_Change() { LblVitesse->setText(QString::number(SliderVitesse->value())); }

void frmOptions::SliderFPS_Change() { LblFPS->setText(QString::number(SliderFPS->value())); }

void frmOptions::CheckAffichageRapide_Click() {
    const bool visible = !CheckAffichageRapide->isChecked();
    LblFPSMax->setVisible(visible);
    SliderFPS->setVisible(visible);
    LblFPS->setVisible(visible);
}

void frmOptions::CheckMessagesAfficher_Click() {
    const bool actif = CheckMessagesAfficher->isChecked() && CheckMessagesAfficher->isEnabled();
    FrameDetailsMessages->setEnabled(actif);
}

void frmOptions::CmdConseils_Click() {
    ModVisionneurs::Ouvrir_Notepad(P_.Lanceur, P_.Avertisseur,
                                   Main_.Dossier.Chemin("\\" + ClsJeuMessages::Fichier_Conseil()).string());
}

void frmOptions::CmdMusiques_Click() {
    ModVisionneurs::Ouvrir_Explorer(P_.Lanceur, P_.Avertisseur, Main_.Dossier.Chemin(P_.Musique.Chemin).string());
}

void frmOptions::Appliquer() {
    if (interface_) {
        ClsInterface& I = *interface_;
        I.Definir_AfficherEpoques(CheckAfficherEpoques->isChecked());
        I.Definir_AfficherFPS(CheckAfficherFPS->isChecked());
        I.Definir_AfficherAction(CheckAfficherAction->isChecked());
        I.Definir_AfficherInfoBulleTerrain(CheckAfficherInfoBulleTerrain->isChecked());
        I.Definir_AfficherBarresStatut(CheckAfficherBarresStatut->isChecked());
        I.Definir_AfficherBoutonsInfos(CheckAfficherBoutonsInfos->isChecked());
        I.Definir_AfficherBoutonsDeplacement(CheckAfficherBoutonsDeplacement->isChecked());
        I.Definir_MasquerAutoBoutonsConstruire(CheckMasquerAutoBoutonsConstruire->isChecked());
        I.Definir_AfficherMessageModeAuto(CheckAfficherMessageModeAuto->isChecked());
    }
    P_.Jeu.Definir_AfficherFantomesPNJ(CheckAfficherFantomes->isChecked());
    Main_.Commentaires.Definir_Afficher(CheckAfficherCommentaires->isChecked());
    Main_.Commentaires.Definir_Duree(DureeCommentaires(SliderDureeCommentaires->value()));
    if (bouton_) bouton_->Definir_AfficherInfoBulle(CheckAfficherInfosBulles->isChecked(), Main_.Dossier);
    Main_.Monde.Definir_TerrainAnime(CheckTerrainAnime->isChecked());
    P_.Son.Definir_Jouer(CheckJouerBruitages->isChecked());
    P_.Musique.Definir_JouerMusique(CheckJouerMusiques->isChecked());
    Main_.SavPerso.Definir_SauvegardePeriodique(CheckSAVPersoPeriodique->isChecked());
    P_.SavMondeEnQuittant.Ecrire(CheckSavMondeEnQuittant->isChecked());
    P_.EnregistrerStastistiques.Ecrire(CheckEnregistrerStastistiques->isChecked());
    P_.AfficherStastistiquesEnQuittant.Ecrire(CheckAfficherStastistiquesEnQuittant->isChecked());
    if (interface_) interface_->Definir_AfficherStastistiques(CheckAfficherStastistiques->isChecked());
    if (messages_) {
        ClsJeuMessages& M = *messages_;
        M.Definir_Afficher(CheckMessagesAfficher->isChecked());
        M.Definir_AfficherConseil(CheckMessagesAfficherConseil->isChecked());
        M.Definir_AfficherVie(CheckMessagesAfficherVie->isChecked());
        M.Definir_AfficherBestiaire(CheckMessagesAfficherBestiaire->isChecked());
        M.Definir_AfficherArgent(CheckMessagesAfficherArgent->isChecked());
        M.Definir_AfficherRessources(CheckMessagesAfficherRessources->isChecked());
        M.Definir_AfficherObjets(CheckMessagesAfficherObjets->isChecked());
        M.Definir_AfficherSoldats(CheckMessagesAfficherSoldats->isChecked());
        M.Definir_AfficherExperience(CheckMessagesAfficherExperience->isChecked());
    }
    P_.Jeu.Definir_Vitesse(Sature16(SliderVitesse->value()));
    P_.Jeu.Definir_FPS(Sature16(SliderFPS->value()));
    P_.Jeu.Definir_AffichageRapide(CheckAffichageRapide->isChecked());
    P_.Ecran.Definir_Resolution(ComboResolution->currentIndex());
    Main_.Monde.Definir_TerrainOptimise(CheckOptimiserAffichage->isChecked());
}
